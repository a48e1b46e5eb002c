// vesrin-selfplay: computer against computer through the real engine, for benchmarks,
// golden figures and game logs.

#include "records/SimRecords.h"
#include "selfplay/SelfPlay.h"

#include <charconv>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <memory>
#include <string_view>
#include <vector>

namespace {

void Usage() {
    std::fprintf(stderr, "usage: vesrin-selfplay --games N [--seed S] [--moon on|off] [--limit 100|50] [--log FILE]"
                         " [--records DIR]\n");
}

// The local time of writing a history entry.
vesrin::HistoryStamp Now() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_hour, local.tm_min, vesrin::FormatShortDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday)};
}

template <typename T> bool ParseNumber(std::string_view text, T& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc{} && end == text.data() + text.size();
}

} // namespace

int main(int argc, char** argv) {
    vesrin::SelfPlayOptions options;
    options.Seed = static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    std::string logPath;
    std::string recordsFolder;
    bool haveGames = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const bool hasValue = i + 1 < argc;
        const std::string_view value = hasValue ? std::string_view{argv[i + 1]} : std::string_view{};
        bool ok = hasValue;
        if (arg == "--games") {
            ok = ok && ParseNumber(value, options.Games) && options.Games >= 0;
            haveGames = ok;
        } else if (arg == "--seed") {
            ok = ok && ParseNumber(value, options.Seed);
        } else if (arg == "--moon") {
            ok = ok && (value == "on" || value == "off");
            options.ShootMoon = value == "on";
        } else if (arg == "--limit") {
            ok = ok && (value == "100" || value == "50");
            options.Limit50 = value == "50";
        } else if (arg == "--log") {
            logPath = std::string(value);
        } else if (arg == "--records") {
            recordsFolder = std::string(value);
            ok = ok && !recordsFolder.empty();
        } else {
            ok = false;
        }
        if (!ok) {
            std::fprintf(stderr, "vesrin-selfplay: bad or missing value for %s\n", argv[i]);
            Usage();
            return 2;
        }
        ++i;
    }
    if (!haveGames) {
        Usage();
        return 2;
    }

    std::unique_ptr<std::ofstream> log;
    std::vector<char> buffer(1 << 20);
    if (!logPath.empty()) {
        log = std::make_unique<std::ofstream>();
        log->rdbuf()->pubsetbuf(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        log->open(logPath, std::ios::binary | std::ios::trunc);
        if (!*log) {
            std::fprintf(stderr, "vesrin-selfplay: cannot write %s\n", logPath.c_str());
            return 1;
        }
    }

    // With a records folder seat 4 keeps the records of the roster player "Sim" there,
    // through the same record keeping as a game in the window. The games themselves are
    // the same with or without it.
    int recordFailures = 0;
    vesrin::GameEndHook keepRecords;
    if (!recordsFolder.empty()) {
        keepRecords = [&](const vesrin::GameState& state, int) {
            const auto written = vesrin::SimRecords(recordsFolder, state.Totals[4], Now());
            if (!written || written->RosterStatus != vesrin::RecordsWriteStatus::Ok ||
                written->History.Status != vesrin::HistoryWriteStatus::Ok)
                ++recordFailures;
        };
    }

    const vesrin::SelfPlaySummary summary = vesrin::RunSelfPlay(options, log.get(), keepRecords);
    if (log) {
        log->flush();
        if (!*log) {
            std::fprintf(stderr, "vesrin-selfplay: writing %s failed\n", logPath.c_str());
            return 1;
        }
    }

    const double hands = static_cast<double>(summary.Hands);
    std::printf("seed %llu\n", static_cast<unsigned long long>(options.Seed));
    std::printf("games %d\nhands %lld\n", summary.Games, summary.Hands);
    std::printf("hands per second %.0f\n", summary.Seconds > 0 ? hands / summary.Seconds : 0.0);
    std::printf("average hand points");
    for (int seat = 1; seat <= 4; ++seat)
        std::printf(" %.3f", hands > 0 ? static_cast<double>(summary.HandPoints[seat]) / hands : 0.0);
    std::printf("\nmoon shots %lld (%.2f%% of hands)\n", summary.MoonShots,
                hands > 0 ? 100.0 * static_cast<double>(summary.MoonShots) / hands : 0.0);
    std::printf("log digest %016llx\n", static_cast<unsigned long long>(summary.LogDigest));
    if (recordFailures > 0) {
        std::fprintf(stderr, "vesrin-selfplay: the records of %d games could not be written to %s\n", recordFailures,
                     recordsFolder.c_str());
        return 1;
    }
    return summary.Games == options.Games ? 0 : 1;
}
