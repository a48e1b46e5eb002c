// Walks a newcomer's path through the real program and saves a picture of each screen:
// the start picture, the main menu of a fresh program folder, the welcome dialog of a
// new player, the new hand, the end of the game, the menu with the player in the club,
// the history viewer with the game, the options dialog switched to another language
// (German unless --language names one: rus, spa, jap, ...), the main menu in that language
// and the about box. Keys and clicks go to the program as real input
// events; only the local player's cards are chosen by the computer players.
//
//   vesrin-menu-shots --size N --folder FRESH_FOLDER --out PICTURES [--language LANG]

#include "app/MainMenu.h"
#include "app/ProgramMain.h"
#include "app/SideWindows.h"
#include "app/StartPicture.h"
#include "ProgramWalk.h"
#include "records/HistoryWindow.h"
#include "records/InstallContent.h"
#include "records/PasswordWindow.h"
#include "base/SafeFile.h"
#include "resources/BuiltInResources.h"
#include "settings/OptionsDialog.h"
#include "settings/SettingsFile.h"
#include "words/Language.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QWindow>

#include <cstdio>
#include <cstring>
#include <deque>
#include <functional>
#include <string>

namespace vesrin {
namespace {

class Walk : public ProgramWalk {
public:
    Walk(Program& program, QString out, int size, Language language)
        : ProgramWalk(program), out_(std::move(out)), size_(size), language_(language) {
        clock_.start();
        Steps();
    }

private:
    void Shot(QWidget& widget, const std::string& moment) {
        QScreen* screen = widget.screen();
        const QRect frame = widget.isWindow() ? widget.frameGeometry() : QRect(widget.mapToGlobal(QPoint()), widget.size());
        const QPoint origin = frame.topLeft() - screen->geometry().topLeft();
        const QImage picture = screen->grabWindow(0, origin.x(), origin.y(), frame.width(), frame.height()).toImage();
        const QString path = QDir(out_).filePath(QStringLiteral("menu-size%1-%2.png").arg(size_).arg(QString::fromStdString(moment)));
        if (!picture.save(path)) std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::printf("%s\n", qPrintable(path));
        std::fflush(stdout);
    }

    std::string LanguageName() const { return std::string(LanguageColumnName(language_)); }

    void Steps() {
        steps_.push_back({"start picture", [this] { return Form().Image1->isVisible() && Form().Image1->Composed(); },
                          [this] {
                              Shot(Form(), "1-start");
                              QTest::keyClick(Form().Image1, Qt::Key_Space);
                          }});
        steps_.push_back({"main menu", [this] { return Form().MenuShown(); },
                          [this] {
                              Shot(Form(), "2-menu");
                              // The calendar's next picture at once (a holiday on a day that has
                              // one), with its hint as the mouse would show it.
                              MenuCalendar& calendar = *Form().Menu->Calendar;
                              calendar.TimerCalTimer();
                              QToolTip::showText(calendar.ImCalR->mapToGlobal(QPoint(10, 90)), calendar.ImCalR->toolTip(),
                                                 calendar.ImCalR);
                              Hold(500, [this] {
                                  Shot(Form(), "2-menu-calendar");
                                  QToolTip::hideText();
                                  ClickLater(Form().Menu->Button6);
                              });
                          }});
        steps_.push_back({"welcome dialog", [this] { return Modal<TFormPassword>() != nullptr; },
                          [this] {
                              TFormPassword& dialog = *Modal<TFormPassword>();
                              dialog.Edit1()->clear();
                              QTest::keyClicks(dialog.Edit1(), QStringLiteral("Anna"));
                              QTest::keyClicks(dialog.Edit2(), QStringLiteral("rose"));
                              QTest::keyClicks(dialog.Edit3(), QStringLiteral("rose"));
                              Hold(300, [this] {
                                  TFormPassword* shown = Modal<TFormPassword>();
                                  if (!shown) return;
                                  Shot(*shown, "3-new-player");
                                  QTest::mouseClick(shown->Button1(), Qt::LeftButton);
                              });
                          }});
        steps_.push_back({"new hand", [this] { return State().InGame() && State().StartState == 1; },
                          [this] { Shot(Form(), "4-table"); }});
        steps_.push_back({"game", [this] { return player_.PlayUntilFinished(); },
                          [this] {
                              Shot(Form(), "5-game-end");
                              QTest::mouseClick(Form().Button8, Qt::LeftButton);
                          }});
        steps_.push_back({"menu after the game", [this] { return Form().MenuShown(); },
                          [this] {
                              Shot(Form(), "6-menu-after-game");
                              ClickLater(Form().Menu->BHistory);
                          }});
        steps_.push_back({"history", [this] { return Modal<TFHistory>() != nullptr; },
                          [this] {
                              TFHistory& viewer = *Modal<TFHistory>();
                              Shot(viewer, "7-history");
                              QTest::mouseClick(viewer.OkButton(), Qt::LeftButton);
                              ClickLater(Form().Menu->Button10);
                          }});
        steps_.push_back({"options", [this] { return Modal<TFormOptions>() != nullptr; },
                          [this] {
                              TFormOptions& options = *Modal<TFormOptions>();
                              options.ComboBoxLan->setCurrentIndex(int(language_));
                              Hold(300, [this] {
                                  TFormOptions* shown = Modal<TFormOptions>();
                                  if (!shown) return;
                                  Shot(*shown, "8-options-" + LanguageName());
                                  QTest::mouseClick(shown->ButtonOk, Qt::LeftButton);
                              });
                          }});
        steps_.push_back({"menu in the other language", [this] { return Form().MenuShown() && !QApplication::activeModalWidget(); },
                          [this] {
                              Shot(Form(), "9-menu-" + LanguageName());
                              QTimer::singleShot(0, &Form(), [this] { Form().About->trigger(); });
                          }});
        steps_.push_back({"about box", [this] { return Modal<AboutBox>() != nullptr; },
                          [this] {
                              AboutBox& box = *Modal<AboutBox>();
                              Shot(box, "10-about");
                              QTest::mouseClick(box.OkButton(), Qt::LeftButton);
                              Result = 0;
                              QTimer::singleShot(0, &Form(), [this] { Form().close(); });
                          }});
    }

    // Waits, then does something; the walk stands still meanwhile.
    void Hold(int ms, Action then) {
        holding_ = true;
        QTimer::singleShot(ms, this, [this, then = std::move(then)] {
            holding_ = false;
            then();
        });
    }

    void Tick() override {
        if (holding_ || program_.Context->Blocking.Active() || steps_.empty()) return;
        // Let every change show before the next look.
        if (clock_.elapsed() < nextLook_) return;
        const Step& step = steps_.front();
        if (!step.Ready()) return;
        std::printf("-- %s\n", step.Name);
        std::fflush(stdout);
        Action action = step.Do;
        steps_.pop_front();
        Hold(400, std::move(action));
        nextLook_ = clock_.elapsed() + 100;
    }

    QString out_;
    int size_;
    Language language_;
    QElapsedTimer clock_;
    qint64 nextLook_ = 0;
    bool holding_ = false;
};

} // namespace
} // namespace vesrin

int main(int argc, char** argv) {
    using namespace vesrin;
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vesrin"));
    RegisterBuiltInResources();
    int size = 1;
    Language language = Language::German;
    QString out = QStringLiteral(".");
    QString folder;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--size") == 0) size = std::atoi(argv[++i]);
        else if (std::strcmp(argv[i], "--out") == 0) out = QString::fromLocal8Bit(argv[++i]);
        else if (std::strcmp(argv[i], "--folder") == 0) folder = QString::fromLocal8Bit(argv[++i]);
        else if (std::strcmp(argv[i], "--language") == 0) {
            const char* name = argv[++i];
            for (int k = 0; k < LanguageCount; ++k)
                if (LanguageColumnName(*LanguageFromIndex(k)) == name) language = *LanguageFromIndex(k);
        }
    }
    if (folder.isEmpty()) {
        std::fprintf(stderr, "usage: vesrin-menu-shots --size N --folder FRESH_FOLDER --out PICTURES [--language LANG]\n");
        return 2;
    }
    QDir().mkpath(out);
    QDir().mkpath(folder);

    // A fresh program folder: the records files as they come with the program, and the
    // settings of a player who chose the window size and the fastest cards.
    const std::filesystem::path program = (std::filesystem::path(folder.toStdString()) / "").lexically_normal();
    for (std::string_view name : {kLocalRecordsFileName, kNetRecordsFileName})
        ReplaceFileContents(program / name, InstallationRecordsContent());
    Settings chosen;
    chosen.WindowSize = size;
    chosen.Speed = 6;
    chosen.SoundOn = false;
    chosen.MusicOn = false;
    struct : MessageSink {
        void ShowError(std::string_view) override {}
    } quiet;
    WriteSettings(program / std::string(kSettingsFileName), chosen, RecordsState::Usable, quiet);

    Program vesrin = MakeProgram(program, std::make_unique<SilentSoundPlayer>());
    vesrin.Window->AskYesNo = [](const QString&) { return true; };
    vesrin.Window->show();
    Walk walk(vesrin, out, size, language);
    QTimer::singleShot(900000, &application, [] { QCoreApplication::exit(1); });
    application.exec();
    return walk.Result;
}
