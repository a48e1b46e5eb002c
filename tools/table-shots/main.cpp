// Plays a short game in a real window and saves pictures of the table: the pass with
// three cards chosen, a hand in progress, the end of a hand with the hands shown and the
// end of the game. The local player's clicks go through the window's own handlers, with
// the computer players' choices.
//
//   vesrin-table-shots --size N --out FOLDER [--speed S] [--sound]
//
// --sound plays the sounds (when the machine has an audio output) and keeps the pauses,
// so the game runs at its real pace.

#include "app/ProgramContext.h"
#include "app/TForm1.h"
#include "resources/BuiltInResources.h"
#include "SeatClicks.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <cstring>
#include <memory>

namespace vesrin {
namespace {

void Wait(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

class Autopilot : public QObject {
public:
    Autopilot(TForm1& form, ProgramContext& context, QString folder, int size)
        : form_(form), context_(context), folder_(std::move(folder)), size_(size) {
        connect(&tick_, &QTimer::timeout, this, [this] { Tick(); });
        tick_.start(15);
    }

    int Result = 1;

private:
    void Shot(const char* moment) {
        Wait(250);
        QScreen* screen = form_.screen();
        const QPoint origin = form_.mapToGlobal(QPoint(0, 0)) - screen->geometry().topLeft();
        const QImage picture =
            screen->grabWindow(0, origin.x(), origin.y(), form_.width(), form_.height()).toImage();
        const QString path = QDir(folder_).filePath(QStringLiteral("table-size%1-%2.png").arg(size_).arg(moment));
        if (!picture.save(path)) std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::printf("%s\n", qPrintable(path));
        std::fflush(stdout);
    }

    void Tick() {
        if (context_.Blocking.Active() || done_) return;
        GameState& s = context_.State;
        if (!s.InGame()) return;
        if (s.StartState == 1 && s.Button7.Enabled) {
            form_.Button7Click();
            return;
        }
        if (s.Phase == PhaseOf::Passing && s.StartState == 2) {
            if (clicks_.PickPassCard(s)) return;
            if (!passShot_) Shot("pass");
            passShot_ = true;
            form_.Button7Click();
            return;
        }
        if (s.Phase == LocalSeat && s.StartState == 2) {
            if (!handShot_ && s.TrickNo >= 6 && s.TrickPos == 4) {
                Shot("hand");
                handShot_ = true;
            }
            clicks_.PlayCard(s);
            return;
        }
        if (s.Phase == PhaseOf::HandAccounted && s.Button7.Enabled && !handEndShot_) {
            Shot("hand-end");
            handEndShot_ = true;
        }
        if (s.Phase == PhaseOf::GameFinished) {
            Shot("game-end");
            done_ = true;
            Result = 0;
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
            return;
        }
        if (s.Button7.Enabled && s.Button7.Visible) form_.Button7Click();
    }

    TForm1& form_;
    ProgramContext& context_;
    QString folder_;
    int size_;
    QTimer tick_;
    SeatClicks clicks_{form_};
    bool passShot_ = false;
    bool handShot_ = false;
    bool handEndShot_ = false;
    bool done_ = false;
};

} // namespace
} // namespace vesrin

int main(int argc, char** argv) {
    using namespace vesrin;
    QApplication application(argc, argv);
    RegisterBuiltInResources();
    int size = 1;
    int speed = 6;
    QString folder = QStringLiteral(".");
    bool withSound = false;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--sound") == 0) withSound = true;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--size") == 0) size = std::atoi(argv[++i]);
        else if (std::strcmp(argv[i], "--out") == 0) folder = QString::fromLocal8Bit(argv[++i]);
        else if (std::strcmp(argv[i], "--speed") == 0) speed = std::atoi(argv[++i]);
    }
    QDir().mkpath(folder);

    // No resource libraries and no settings file: the built-in pictures and defaults.
    QTemporaryDir programFolder;
    auto context = std::make_unique<ProgramContext>();
    context->Options.WindowSize = size;
    context->Options.Speed = speed;
    context->Options.SoundOn = withSound;
    context->Options.Limit50 = true;
    context->Options.ShowHandsAtEnd = true;
    context->Places = LibraryPlaces::Beside(programFolder.path());
    if (withSound) {
        const bool audible = ClipSoundPlayer::OutputAvailable();
        std::printf("sound: %s\n", audible ? "played" : "silent, no audio output");
        context->Sound = std::make_unique<ClipSoundPlayer>(context->Places, audible);
    } else {
        context->Sound = std::make_unique<SilentSoundPlayer>();
    }
    context->Blocking.InstantPauses = !withSound;

    TForm1 form(*context);
    context->State.CurrentScreen = Screen::Menu;
    form.ApplyWindowSize();
    form.LayoutMainMenu();
    form.show();
    for (int i = 0; i < 100 && !(form.windowHandle() && form.windowHandle()->isExposed()); ++i) Wait(20);
    Wait(200);
    form.StartGame(6);
    Autopilot autopilot(form, *context, folder, size);
    QTimer::singleShot(600000, &application, [] { QCoreApplication::exit(1); });
    form.AskYesNo = [](const QString&) { return true; };
    application.exec();
    return autopilot.Result;
}
