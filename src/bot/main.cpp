// vesrin-bot: one headless seat at a network table, hosting or joining, played by the
// computer players. For tests of the table link and load runs.

#include "bot/BotSeat.h"

#include <QCoreApplication>

#include <charconv>
#include <cstdio>
#include <string_view>

namespace {

void Usage() {
    std::fprintf(stderr,
                 "usage: vesrin-bot host --port P [--joiners N] [--games G] [--seed S] [--moon on|off]"
                 " [--limit 100|50] [--log FILE] [--name NAME]\n"
                 "       vesrin-bot join --address A --port P [--name NAME] [--log FILE]\n");
}

template <typename T> bool ParseNumber(std::string_view text, T& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc{} && end == text.data() + text.size();
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 2 || (std::string_view(argv[1]) != "host" && std::string_view(argv[1]) != "join")) {
        Usage();
        return 2;
    }
    vesrin::BotOptions options;
    options.Host = std::string_view(argv[1]) == "host";
    bool havePort = false;
    bool haveAddress = false;
    for (int i = 2; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const bool hasValue = i + 1 < argc;
        const std::string_view value = hasValue ? std::string_view{argv[i + 1]} : std::string_view{};
        bool ok = hasValue;
        if (arg == "--port") {
            ok = ok && ParseNumber(value, options.Port);
            havePort = ok;
        } else if (arg == "--address" && !options.Host) {
            options.Address = QString::fromUtf8(value.data(), static_cast<int>(value.size()));
            haveAddress = ok;
        } else if (arg == "--name") {
            options.Name = std::string(value);
        } else if (arg == "--log") {
            options.LogPath = std::string(value);
        } else if (arg == "--joiners" && options.Host) {
            ok = ok && ParseNumber(value, options.Joiners) && options.Joiners >= 1 && options.Joiners <= 3;
        } else if (arg == "--games" && options.Host) {
            ok = ok && ParseNumber(value, options.Games) && options.Games >= 1;
        } else if (arg == "--seed" && options.Host) {
            ok = ok && ParseNumber(value, options.Seed);
        } else if (arg == "--moon" && options.Host) {
            ok = ok && (value == "on" || value == "off");
            options.ShootMoon = value == "on";
        } else if (arg == "--limit" && options.Host) {
            ok = ok && (value == "100" || value == "50");
            options.Limit50 = value == "50";
        } else {
            ok = false;
        }
        if (!ok) {
            std::fprintf(stderr, "vesrin-bot: bad or missing value for %s\n", argv[i]);
            Usage();
            return 2;
        }
        ++i;
    }
    if (!havePort || (!options.Host && !haveAddress)) {
        Usage();
        return 2;
    }

    vesrin::BotSeat bot(options);
    QObject::connect(&bot, &vesrin::BotSeat::Finished, &app, [&app](int code) { app.exit(code); });
    if (!bot.Start()) {
        std::fprintf(stderr, "vesrin-bot: cannot listen on port %u\n", unsigned(options.Port));
        return vesrin::BotNoTable;
    }
    if (options.Host) {
        // The port actually taken (--port 0 picks a free one), for whoever started us.
        std::printf("listening on port %u\n", unsigned(bot.ListeningPort()));
        std::fflush(stdout);
    }
    return app.exec();
}
