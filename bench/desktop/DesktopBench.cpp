// Drives the real program in a real window and measures it at rest: the CPU time of the
// idle main menu and of the idle table waiting for the player over ten seconds, the
// menu's ticks in that time, and the resident memory on the menu and after each of a
// number of whole games. Keys and clicks go to the program as real input events; the
// local player's cards are chosen by the computer players. While it measures, the
// driver itself is asleep (no timer of its own runs).
//
//   vesrin-desktop-bench --folder FRESH_FOLDER --measure menu|table|games [--games N]
//                        [--size N] [--seconds S] [--shots DIR]
//
// With --shots the menu is pictured four times, 70 ms apart, before it is measured.
//
// Each figure is one line "name value" on the standard output; bench/desktop/run.sh
// runs it several times under a private X server and reports the medians.

#include "app/MainMenu.h"
#include "app/ProgramMain.h"
#include "app/StartPicture.h"
#include "base/SafeFile.h"
#include "ProgramWalk.h"
#include "records/InstallContent.h"
#include "records/PasswordWindow.h"
#include "resources/BuiltInResources.h"
#include "settings/SettingsFile.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <deque>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

namespace vesrin {
namespace {

// utime and stime of this process in clock ticks.
struct Ticks {
    long User = 0;
    long System = 0;
};

Ticks CpuTicks() {
    std::ifstream file("/proc/self/stat");
    std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    const std::size_t close = text.rfind(')');
    if (close == std::string::npos) return {};
    std::istringstream fields(text.substr(close + 2));
    std::string field;
    long utime = 0, stime = 0;
    // Fields 14 and 15 are the 12th and 13th after the name.
    for (int i = 1; i <= 13 && fields >> field; ++i) {
        if (i == 12) utime = std::stol(field);
        if (i == 13) stime = std::stol(field);
    }
    return {utime, stime};
}

long ResidentKb() {
    std::ifstream file("/proc/self/status");
    std::string line;
    while (std::getline(file, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}

void Figure(const char* name, double value) {
    std::printf("%s %.2f\n", name, value);
    std::fflush(stdout);
}

enum class Measure { Menu, Table, Games };

class Driver : public ProgramWalk {
public:
    Driver(Program& program, Measure measure, int games, int seconds, QString shots)
        : ProgramWalk(program), measure_(measure), games_(games), seconds_(seconds), shots_(std::move(shots)) {
        Steps();
    }

private:
    void Steps() {
        steps_.push_back({"start picture", [this] { return Form().Image1->isVisible() && Form().Image1->Composed(); },
                          [this] { QTest::keyClick(Form().Image1, Qt::Key_Space); }});
        steps_.push_back({"main menu", [this] { return Form().MenuShown(); },
                          [this] {
                              if (measure_ == Measure::Menu) {
                                  if (!shots_.isEmpty()) Shots(0);
                                  Form().Menu->RxGIFAn1->installEventFilter(this);
                                  Idle("menu", [this] { return Form().Menu->TickCount(); }, [this] { Finish(); });
                                  return;
                              }
                              Figure("menu_rss_kb", double(ResidentKb()));
                              NextGame();
                          }});
    }

    // Four pictures of the window 70 ms apart (the flames and the animations move).
    void Shots(int n) {
        QTimer::singleShot(70, this, [this, n] {
            QWidget& window = Form();
            const QRect frame(window.mapToGlobal(QPoint()), window.size());
            QScreen* screen = window.screen();
            screen->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height())
                .save(QDir(shots_).filePath(QStringLiteral("menu-%1.png").arg(n)));
            if (n < 3) Shots(n + 1);
        });
    }

    void NextGame() {
        ClickLater(played_ == 0 ? static_cast<QWidget*>(Form().Menu->Button6) : Form().Menu->ProfileButtons[0]);
        steps_.push_back({"welcome dialog", [this] { return Modal<TFormPassword>() != nullptr; },
                          [this] {
                              TFormPassword& dialog = *Modal<TFormPassword>();
                              if (dialog.Mode() == PasswordMode::NewPlayer) {
                                  dialog.Edit1()->clear();
                                  QTest::keyClicks(dialog.Edit1(), QStringLiteral("Anna"));
                                  QTest::keyClicks(dialog.Edit3(), QStringLiteral("rose"));
                              }
                              QTest::keyClicks(dialog.Edit2(), QStringLiteral("rose"));
                              QTest::mouseClick(dialog.Button1(), Qt::LeftButton);
                          }});
        if (measure_ == Measure::Table) {
            // The table waits for the player's pass, then for the player's card.
            steps_.push_back({"table waiting for the pass", [this] { return WaitsForPlayer(PhaseOf::Passing); },
                              [this] {
                                  Idle("table_pass", [] { return 0; }, [this] {
                                      tick_.start(10);
                                      steps_.push_back({"table waiting for a card",
                                                        [this] { return WaitsForPlayer(LocalSeat); },
                                                        [this] { Idle("table", [] { return 0; }, [this] { Finish(); }); }});
                                  });
                              }});
            return;
        }
        steps_.push_back({"game", [this] { return player_.PlayUntilFinished(); },
                          [this] { QTest::mouseClick(Form().Button8, Qt::LeftButton); }});
        steps_.push_back({"menu after the game", [this] { return Form().MenuShown(); },
                          [this] {
                              ++played_;
                              std::printf("game_rss_kb %d %ld\n", played_, ResidentKb());
                              std::fflush(stdout);
                              if (played_ < games_) {
                                  NextGame();
                                  return;
                              }
                              Figure("games_played", played_);
                              Finish();
                          }});
    }

    // The hand runs and the local player is to pass (phase Passing) or to play a card
    // (phase LocalSeat); until then the player's part is played.
    bool WaitsForPlayer(int phase) {
        GameState& s = State();
        if (s.InGame() && s.StartState == 2 && s.Phase == phase) return true;
        player_.PlayUntilFinished();
        return false;
    }

    // Settles for a second with no timer of the driver running, then measures; the
    // paints of the left animation count the frames it showed.
    void Idle(const char* what, std::function<int()> frames, std::function<void()> then) {
        tick_.stop();
        QTimer::singleShot(1000, this, [this, what, frames, then] {
            animationPaints_ = 0;
            const Ticks before = CpuTicks();
            const int framesBefore = frames();
            QTimer::singleShot(seconds_ * 1000, this, [this, what, frames, then, before, framesBefore] {
                const Ticks after = CpuTicks();
                const long ticks = after.User + after.System - before.User - before.System;
                const std::string name = what;
                Figure((name + "_user_ticks").c_str(), double(after.User - before.User));
                Figure((name + "_cpu_ticks").c_str(), double(ticks));
                Figure((name + "_cpu_percent").c_str(), double(ticks) * 100.0 / (double(seconds_) * 100.0));
                Figure((name + "_ticks").c_str(), double(frames() - framesBefore));
                Figure((name + "_rss_kb").c_str(), double(ResidentKb()));
                if (name == "menu") Figure("menu_animation_frames", animationPaints_);
                then();
            });
        });
    }

    void Finish() {
        Result = 0;
        tick_.stop();
        QTimer::singleShot(0, &Form(), [this] {
            Form().AskYesNo = [](const QString&) { return true; };
            Form().close();
        });
    }

    void Tick() override {
        if (program_.Context->Blocking.Active() || steps_.empty()) return;
        const Step& step = steps_.front();
        if (!step.Ready()) return;
        Action action = step.Do;
        steps_.pop_front();
        action();
    }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++animationPaints_;
        return false;
    }

    Measure measure_;
    int animationPaints_ = 0;
    int games_;
    int seconds_;
    QString shots_;
    int played_ = 0;
};

} // namespace
} // namespace vesrin

int main(int argc, char** argv) {
    using namespace vesrin;
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vesrin"));
    RegisterBuiltInResources();
    int size = 0;
    int games = 1;
    int seconds = 10;
    QString folder;
    QString shots;
    Measure measure = Measure::Menu;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--size") == 0) size = std::atoi(argv[++i]);
        else if (std::strcmp(argv[i], "--games") == 0) games = std::atoi(argv[++i]);
        else if (std::strcmp(argv[i], "--seconds") == 0) seconds = std::atoi(argv[++i]);
        else if (std::strcmp(argv[i], "--folder") == 0) folder = QString::fromLocal8Bit(argv[++i]);
        else if (std::strcmp(argv[i], "--shots") == 0) shots = QString::fromLocal8Bit(argv[++i]);
        else if (std::strcmp(argv[i], "--measure") == 0) {
            const std::string what = argv[++i];
            measure = what == "table" ? Measure::Table : what == "games" ? Measure::Games : Measure::Menu;
        }
    }
    if (folder.isEmpty()) {
        std::fprintf(stderr, "usage: vesrin-desktop-bench --folder FRESH_FOLDER --measure menu|table|games "
                             "[--games N] [--size N] [--seconds S]\n");
        return 2;
    }
    QDir().mkpath(folder);

    // A fresh program folder: the records files as they come with the program. A new
    // user has no settings file; a window size or the games' speed makes one.
    const std::filesystem::path program = (std::filesystem::path(folder.toStdString()) / "").lexically_normal();
    for (std::string_view name : {kLocalRecordsFileName, kNetRecordsFileName})
        ReplaceFileContents(program / name, InstallationRecordsContent());
    if (size != 0 || measure == Measure::Games) {
        Settings chosen;
        if (size != 0) chosen.WindowSize = size;
        if (measure == Measure::Games) chosen.Speed = 6;
        struct : MessageSink {
            void ShowError(std::string_view) override {}
        } quiet;
        WriteSettings(program / std::string(kSettingsFileName), chosen, RecordsState::Usable, quiet);
    }

    const LibraryPlaces places = LibraryPlaces::Beside(QString::fromStdString(program.string()));
    Program vesrin = MakeProgram(program, std::make_unique<ClipSoundPlayer>(places, ClipSoundPlayer::OutputAvailable()));
    // The games run without the waits between tricks and hands; their flights are real.
    if (measure == Measure::Games) vesrin.Context->Blocking.InstantPauses = true;
    vesrin.Window->show();
    Driver driver(vesrin, measure, games, seconds, shots);
    QTimer::singleShot(1800000, &application, [] { QCoreApplication::exit(1); });
    application.exec();
    return driver.Result;
}
