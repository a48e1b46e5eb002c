// What the record keeping costs per finished game: the self-play command runs it after
// every game when it keeps records.

#include "base/FileBytes.h"
#include "base/SafeFile.h"
#include "records/GameRecords.h"
#include "records/InstallContent.h"
#include "records/SimRecords.h"
#include "settings/SettingsFile.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

std::filesystem::path FreshFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vesrin-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    return pattern;
}

const vesrin::HistoryStamp kStamp{12, 0, "01.01.2027"};

// A whole game's records: roster line, top ten every 20th game, history entry; each
// rewrite flushed to the disk.
void BM_SimRecords(benchmark::State& state) {
    const auto folder = FreshFolder();
    int game = 0;
    for (auto _ : state) {
        if (++game % vesrin::kHistoryEntriesPerFile == 0) {
            state.PauseTiming();
            std::filesystem::remove_all(folder / "History");
            state.ResumeTiming();
        }
        benchmark::DoNotOptimize(vesrin::SimRecords(folder, game % 41 - 20, kStamp));
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_SimRecords)->Unit(benchmark::kMicrosecond);

// Checking a full history file of 840 games, as every append does for each earlier file.
void BM_CheckFullHistoryFile(benchmark::State& state) {
    const auto line =
        *vesrin::HistoryEntryLine(vesrin::HisStr{"Sim", 1, 10, 2.5, vesrin::GameKind::Local}, kStamp);
    const std::string bytes =
        vesrin::FormatHistoryFile(std::vector<std::string>(vesrin::kHistoryEntriesPerFile, line));
    for (auto _ : state)
        benchmark::DoNotOptimize(vesrin::CheckHistoryBytes(bytes));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes.size()));
}
BENCHMARK(BM_CheckFullHistoryFile);

void BM_ParseRecordsFile(benchmark::State& state) {
    const std::string bytes = vesrin::InstallationRecordsContent();
    for (auto _ : state)
        benchmark::DoNotOptimize(vesrin::ParseRecordsFile(bytes));
}
BENCHMARK(BM_ParseRecordsFile);

void BM_ParseSettings(benchmark::State& state) {
    const std::string bytes = vesrin::FormatSettings(vesrin::Settings{});
    for (auto _ : state)
        benchmark::DoNotOptimize(vesrin::ParseSettings(bytes));
}
BENCHMARK(BM_ParseSettings);

} // namespace
