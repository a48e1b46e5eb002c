// The card table's timing: a card flight across the small table at each speed against
// the pacing of its steps, and the processor time the table takes while it waits for
// the local player.
//
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise; for a real
// window: QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1920x1080x24" build/bench/table_bench

#include "app/ProgramContext.h"
#include "app/TForm1.h"
#include "resources/BuiltInResources.h"

#include <QApplication>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <chrono>
#include <memory>

namespace vesrin {
namespace {

double ProcessorSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void RunEventLoop(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// The small table with a game on show, as the player sees it.
struct Table {
    Table() {
        context = std::make_unique<ProgramContext>();
        context->Options.WindowSize = 1;
        context->Places = LibraryPlaces::Beside(folder.path());
        context->Sound = std::make_unique<SilentSoundPlayer>(0);
        form = std::make_unique<TForm1>(*context);
        form->AskYesNo = [](const QString&) { return true; };
        context->State.CurrentScreen = Screen::Menu;
        form->ApplyWindowSize();
        form->LayoutMainMenu();
        form->show();
        RunEventLoop(100);
        form->Flow().Reseed(5);
        form->StartGame(6);
        RunEventLoop(50);
    }
    QTemporaryDir folder;
    std::unique_ptr<ProgramContext> context;
    std::unique_ptr<TForm1> form;
};

void BM_FlyCardAcrossTheSmallTable(benchmark::State& state) {
    Table table;
    CardFlight& flight = table.form->Flights();
    flight.Speed = int(state.range(0));
    const TableLook look = table.form->View().Look();
    constexpr int Steps = 400;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        flight.FlyCard({150, 250}, {150 + Steps, 250}, "\xD2\xF7", true, look);
        flight.Finish();
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    state.counters["steps"] = Steps;
    state.counters["pacing_ms"] = flight.Speed == 1 ? 2.0 * Steps : flight.Speed == 2 ? 1.0 * Steps
                                  : flight.Speed == 3                  ? Steps / 2.0
                                  : flight.Speed == 4                  ? Steps / 3.0
                                                                       : 0.0;
}
BENCHMARK(BM_FlyCardAcrossTheSmallTable)->Arg(1)->Arg(2)->Arg(3)->Arg(4)->Arg(6)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

// The local player's turn: the heartbeat keeps ticking every 200 ms and finds nothing to
// do; the window only waits for the mouse.
void BM_TableWaitsForThePlayer(benchmark::State& state) {
    Table table;
    ProgramContext& context = *table.context;
    context.InstantFlights = true;
    context.Blocking.InstantPauses = true;
    GameState& s = context.State;
    TForm1& form = *table.form;
    // Play the computer seats until the local player is to lead or follow.
    DecisionListPlayers players;
    EngineObserver quiet;
    for (int guard = 0; guard < 500 && !(s.StartState == 2 && s.Phase == LocalSeat); ++guard) {
        if (s.StartState == 1) form.Button7Click();
        else if (s.Phase == PhaseOf::Passing) {
            const OneBased<int, 3> picks = players.ChoosePass(s, LocalSeat);
            for (int r = 1; r <= 3; ++r) form.Flow().BottomHandClick(picks[std::size_t(r)], MouseButton::Left);
            form.Button7Click();
        } else if (s.Phase >= 1 && s.Phase <= 3) form.Timer1Timer();
        else if (s.Button7.Enabled) form.Button7Click();
    }
    context.InstantFlights = false;
    context.Blocking.InstantPauses = false;
    const int waitMs = int(state.range(0));
    double cpu = 0, wall = 0;
    for (auto _ : state) {
        const double cpuBefore = ProcessorSeconds();
        const auto start = std::chrono::steady_clock::now();
        RunEventLoop(waitMs);
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.SetIterationTime(seconds);
        cpu += ProcessorSeconds() - cpuBefore;
        wall += seconds;
    }
    state.counters["cpu_percent"] = 100.0 * cpu / wall;
    state.counters["heartbeat_on"] = form.Timer1.isActive() ? 1 : 0;
    state.counters["players_turn"] = s.Phase == LocalSeat ? 1 : 0;
}
BENCHMARK(BM_TableWaitsForThePlayer)->Arg(3000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
} // namespace vesrin

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    vesrin::RegisterBuiltInResources();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
