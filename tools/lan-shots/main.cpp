// One of two real windows at a network table on 127.0.0.1, for checking the table of a
// network game by eye: the host waits for its joiner, both play their seat with the
// computer players' choices through the window's own handlers, exchange a chat line in
// the middle of the first hand and stop there; then the whole screen is saved.
//
//   vesrin-lan-shots --role host|join --port P --out FILE.png [--x X --y Y]
//
// Run both under one X server (take-shots.sh does).

#include "app/ProgramContext.h"
#include "app/TForm1.h"
#include "resources/BuiltInResources.h"
#include "table-shots/SeatClicks.h"

#include <QApplication>
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
    Autopilot(TForm1& form, ProgramContext& context, bool host, QString out)
        : form_(form), context_(context), host_(host), out_(std::move(out)) {
        connect(&tick_, &QTimer::timeout, this, [this] { Tick(); });
        tick_.start(40);
    }

private:
    int ChatCount() const {
        int lines = 0;
        for (const auto& line : form_.ChatLines().Lines()) lines += line.Seat != 0 ? 1 : 0;
        return lines;
    }

    void Say(const char* text) {
        form_.Edit1->setText(QString::fromUtf8(text));
        form_.SendChatLine();
    }

    void Finish() {
        done_ = true;
        Wait(2500);
        QScreen* screen = form_.screen();
        const QImage picture = screen->grabWindow(0).toImage();
        std::printf("%s %s\n", picture.save(out_) ? "saved" : "cannot save", qPrintable(out_));
        std::fflush(stdout);
        QTimer::singleShot(1500, qApp, [] { QCoreApplication::exit(0); });
    }

    void Tick() {
        if (context_.Blocking.Active() || done_) return;
        GameState& s = context_.State;
        if (!s.InGame() || s.StartState == 0) return;
        // The joiner speaks in the third trick, the host answers; then both stop.
        if (!host_ && !said_ && s.TrickNo >= 3) {
            Say("Hi Hana!");
            said_ = true;
        }
        if (host_ && !said_ && ChatCount() > 0) {
            Say("Hallo Juri");
            said_ = true;
        }
        if (said_ && ChatCount() >= 2) {
            Finish();
            return;
        }
        if (s.StartState == 1 && s.Button7.Enabled) {
            form_.Button7Click();
            return;
        }
        if (s.Phase == PhaseOf::Passing && s.StartState == 2) {
            if (!clicks_.PickPassCard(s) && s.Button7.Enabled) form_.Button7Click();
            return;
        }
        if (s.Phase == LocalSeat && s.StartState == 2) {
            clicks_.PlayCard(s);
            return;
        }
        if (s.Button7.Enabled && s.Button7.Visible) form_.Button7Click();
    }

    TForm1& form_;
    ProgramContext& context_;
    bool host_;
    QString out_;
    QTimer tick_;
    SeatClicks clicks_{form_};
    bool said_ = false;
    bool done_ = false;
};

} // namespace
} // namespace vesrin

int main(int argc, char** argv) {
    using namespace vesrin;
    QApplication application(argc, argv);
    RegisterBuiltInResources();
    bool host = true;
    int port = 25666;
    int x = 0;
    int y = 0;
    QString out = QStringLiteral("lan.png");
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--role") == 0) host = std::strcmp(argv[++i], "host") == 0;
        else if (std::strcmp(argv[i], "--port") == 0) port = std::atoi(argv[++i]);
        else if (std::strcmp(argv[i], "--out") == 0) out = QString::fromLocal8Bit(argv[++i]);
        else if (std::strcmp(argv[i], "--x") == 0) x = std::atoi(argv[++i]);
        else if (std::strcmp(argv[i], "--y") == 0) y = std::atoi(argv[++i]);
    }

    QTemporaryDir programFolder;
    auto context = std::make_unique<ProgramContext>();
    context->Options.WindowSize = 1;
    context->Options.Speed = 6;
    context->Options.SoundOn = false;
    context->Options.NetMode = true;
    context->Options.DefaultPlayerName = host ? "Hana" : "Juri";
    context->Player.Slot = 6;
    context->Places = LibraryPlaces::Beside(programFolder.path());
    context->Sound = std::make_unique<SilentSoundPlayer>();
    context->Blocking.InstantPauses = true;

    TForm1 form(*context);
    form.setWindowTitle(host ? QStringLiteral("Vesrin - host") : QStringLiteral("Vesrin - joiner"));
    context->State.CurrentScreen = Screen::Menu;
    form.ApplyWindowSize();
    form.LayoutMainMenu();
    form.move(x, y);
    form.show();
    for (int i = 0; i < 100 && !(form.windowHandle() && form.windowHandle()->isExposed()); ++i) Wait(20);
    form.AskYesNo = [](const QString&) { return true; };
    form.ShowMessage = [](const QString& text) { std::fprintf(stderr, "%s\n", qPrintable(text)); };

    TableLink& link = form.Link();
    if (host) {
        link.Hooks.SeatingChanged = [&] { QTimer::singleShot(0, &form, [&] { form.StartGame(6); }); };
        if (!link.HostTable(quint16(port), "Hana")) return 1;
    } else {
        link.Hooks.Seated = [&] { form.StartTableGame(6); };
        link.JoinTable(QStringLiteral("127.0.0.1"), quint16(port), "Juri");
    }
    Autopilot autopilot(form, *context, host, out);
    QTimer::singleShot(120000, &application, [] { QCoreApplication::exit(1); });
    return application.exec();
}
