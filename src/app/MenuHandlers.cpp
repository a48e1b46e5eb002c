// The main window's start picture, main menu and menu items: what each button, icon and
// pop-up item does. The table side of the window is in TForm1.cpp.

#include "app/AppOptionsHost.h"
#include "app/AppRecords.h"
#include "app/MainMenu.h"
#include "app/SideWindows.h"
#include "app/StartPicture.h"
#include "app/TForm1.h"
#include "records/HistoryWindow.h"
#include "records/PasswordWindow.h"
#include "records/TopTenWindow.h"
#include "settings/OptionsDialog.h"
#include "settings/SpeedDialog.h"
#include "table/Attention.h"
#include "table/WordText.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QScreen>

namespace vesrin {

namespace {

Language LanguageOf(const Settings& options) {
    return LanguageFromIndex(options.Language).value_or(Language::English);
}

} // namespace

OptionsHost& TForm1::Host() { return *host_; }

void TForm1::ConnectMenus() {
    // The window starts with the design's client area; the window size is applied when
    // the start picture is left.
    setFixedSize(DesignWidth, DesignHeight);
    move(0, 0);
    Image1 = new StartPicture(this);
    Image1->Leave = [this] { LeaveStartPicture(); };

    for (int slot = 1; slot <= 5; ++slot)
        connect(Menu->ProfileButtons[std::size_t(slot - 1)], &QPushButton::clicked, this,
                [this, slot] { ProfileButtonClick(slot); });
    connect(Menu->Button6, &QPushButton::clicked, this, &TForm1::Button6Click);
    connect(Menu->Button9, &QPushButton::clicked, this, &TForm1::Button9Click);
    connect(Menu->Button10, &QPushButton::clicked, this, &TForm1::Button10Click);
    connect(Menu->Button11, &QPushButton::clicked, this, &TForm1::Button11Click);
    connect(Menu->BHistory, &QPushButton::clicked, this, &TForm1::BHistoryClick);
    connect(Menu->BMode, &QPushButton::clicked, this, &TForm1::BModeClick);
    Menu->ImHp->Click = [this] { ImHpClick(); };
    Menu->ImTR->Click = [this] { ImTRClick(); };

    // The pop-up menu: the game's items first, then the speed and the side windows.
    PopupMenu1->addAction(GenCount);
    PopupMenu1->addAction(ChangeName);
    PopupMenu1->addSeparator();
    MOptions = PopupMenu1->addAction(QString());
    MSpeed = PopupMenu1->addAction(QString());
    MRadio = PopupMenu1->addAction(QString());
    MChat = PopupMenu1->addAction(QString());
    PopupMenu1->addSeparator();
    Help = PopupMenu1->addAction(QString());
    About = PopupMenu1->addAction(QString());
    connect(GenCount, &QAction::triggered, this, &TForm1::GenCountClick);
    connect(ChangeName, &QAction::triggered, this, &TForm1::ChangeNameClick);
    connect(MSpeed, &QAction::triggered, this, &TForm1::MSpeedClick);
    connect(MOptions, &QAction::triggered, this, &TForm1::MOptionsClick);
    connect(MRadio, &QAction::triggered, this, &TForm1::MRadioClick);
    connect(MChat, &QAction::triggered, this, &TForm1::MChatClick);
    connect(Help, &QAction::triggered, this, &TForm1::HelpClick);
    connect(About, &QAction::triggered, this, &TForm1::AboutClick);
    // The radio and the chat are enabled once they can be used; neither is part of
    // this program yet.
    MRadio->setEnabled(false);
    MChat->setEnabled(false);

    OpenUrl = [](const QUrl& address) { QDesktopServices::openUrl(address); };
    RetranslateMainWindow();
}

void TForm1::ShowStartPicture() {
    const Settings& o = context_.Options;
    const Language language = LanguageOf(o);
    Image1->Compose(WordText(Word::TitleCaps, language), WordText(Word::VersionDate, language),
                    context_.Fonts.Name(TextKind::Decor));
    Image1->setGeometry(0, 0, DesignWidth, DesignHeight);
    Image1->show();
    Image1->raise();
    Image1->setFocus();
    // The player sees the picture now, not when the rest of the start-up is done.
    if (isVisible()) Image1->repaint();
}

void TForm1::LeaveStartPicture() {
    GameState& s = context_.State;
    if (s.CurrentScreen != Screen::Intro || !Image1->Composed() || context_.Blocking.Active()) return;
    Timer1.stop();
    ApplyWindowSize();
    // The internet radio may start here once it is part of the program.
    s.CurrentScreen = Screen::Menu;
    LayoutMainMenu();
    s.Timer1 = {true, 20};
    SetHeartbeat();
}

void TForm1::EndProgram(int exitCode) {
    context_.ExitCode = exitCode;
    close();
}

void TForm1::RetranslateMainWindow() {
    const Language language = LanguageOf(context_.Options);
    setWindowTitle(WordText(Word::TitleMixed, language));
    Menu->SetTexts();
    if (context_.State.CurrentScreen != Screen::Intro) Menu->PaintCaptions();
    GenCount->setText(WordText(Word::MenuGeneralScore, language));
    Quit->setText(WordText(Word::MenuExitToMenu, language));
    ChangeName->setText(WordText(Word::MenuChangeName, language));
    MSpeed->setText(WordText(Word::OptSpeed, language));
    MOptions->setText(WordText(Word::MainOptions, language));
    Help->setText(WordText(Word::MenuHelp, language));
    About->setText(WordText(Word::MenuAbout, language));
    MRadio->setText(WordText(Word::MiscRadio, language));
    MChat->setText(WordText(Word::ChatMenu, language));
}

void TForm1::ApplyButtonLook() {
    for (TQorCardsButton* button : findChildren<TQorCardsButton*>()) {
        button->Nata = context_.Options.NewButtons;
        button->update();
    }
    Menu->SetRankingPanelStyle();
}

void TForm1::ProfileButtonClick(int slot) {
    if (!MenuShown() || context_.Blocking.Active()) return;
    // An empty roster slot does nothing at all.
    const auto line = ReadRosterLine(RecordsFilePath(context_.Files.Program, context_.Options.NetMode), slot);
    if (!line || IsEmptySlot(*line)) return;
    PlayEffect("WOpenFo");
    const std::unique_ptr<PasswordNetworkHook> network = NetworkPart();
    if (!LoginPlayer(context_, *this, slot, network.get())) return;
    // A joiner's game may have begun already with a deal that came at once.
    if (!context_.State.InGame()) StartGame(context_.Player.Slot);
}

void TForm1::Button6Click() {
    if (!MenuShown() || context_.Blocking.Active()) return;
    PlayEffect("WOpenFo");
    const std::unique_ptr<PasswordNetworkHook> network = NetworkPart();
    if (!LoginPlayer(context_, *this, 6, network.get())) return;
    if (!context_.State.InGame()) StartGame(6);
}

void TForm1::Button9Click() {
    if (!MenuShown()) return;
    PlayEffect("WOpenFo");
    // The world top ten that the purple design shows here comes with the online part;
    // until then every design shows the local top ten.
    RecordsWindowContext windows = RecordsWindows(context_, this);
    ShowLocalTopTen(this, windows);
}

void TForm1::Button10Click() {
    if (!MenuShown()) return;
    MOptionsClick();
}

// The options dialog, from the main menu's button and from the pop-up menu at the table.
void TForm1::MOptionsClick() {
    if (context_.Blocking.Active()) return;
    PlayEffect("WOpenFo");
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QSize available = screen ? screen->availableGeometry().size() : QSize(DesignWidth, DesignHeight);
    ShowOptionsDialog(context_.Options, Host(), context_.Places, available, this);
}

void TForm1::Button11Click() { close(); }

void TForm1::BHistoryClick() {
    if (!MenuShown()) return;
    PlayEffect("WOpenFo");
    RecordsWindowContext windows = RecordsWindows(context_, this);
    ShowHistoryViewer(this, windows, context_.History);
}

void TForm1::BModeClick() {
    if (!MenuShown()) return;
    PlayEffect("WOpenFo");
    Settings& o = context_.Options;
    o.RankingKind = o.RankingKind == 2 ? 1 : 2;
    Menu->FillClubList();
}

void TForm1::GenCountClick() {
    if (!context_.State.InGame() || context_.Blocking.Active()) return;
    PlayEffect("WOpenFo");
    ShowRunningGameCounts(context_, *this);
}

void TForm1::ChangeNameClick() {
    if (!context_.State.InGame() || context_.Blocking.Active()) return;
    PlayEffect("WOpenFo");
    if (ChangePlayerName(context_, *this)) view_->DrawNamePlate(LocalSeat, NamePlateStyle::Yellow);
}

void TForm1::MSpeedClick() {
    if (context_.Blocking.Active()) return;
    ShowSpeedDialog(context_.Options, Host(), context_.Places, this);
}

void TForm1::HelpClick() {
    if (context_.Blocking.Active()) return;
    PlayEffect("WOpenFo");
    const std::filesystem::path page =
        FindHelpPage(QCoreApplication::applicationDirPath().toStdString());
    if (page.empty()) {
        const Language language = LanguageOf(context_.Options);
        ShowAttention(this, WordText(Word::FileCantFind, language) + QStringLiteral(" Vesrin.html"));
        return;
    }
    if (OpenUrl) OpenUrl(HelpAddress(page, context_.State.HelpContext));
}

void TForm1::AboutClick() {
    if (context_.Blocking.Active()) return;
    PlayEffect("WOpenFo");
    ShowAboutBox(context_.Options, this);
}

void TForm1::MRadioClick() {
    // The radio window comes with the internet radio.
}

void TForm1::MChatClick() {
    // The chat window comes with the online part.
}

void TForm1::ImHpClick() { HelpClick(); }

void TForm1::ImTRClick() {
    if (!MenuShown()) return;
    PlayEffect("WOpenFo");
    // Signed in, the tournament window opens; it comes with the online tournament.
    if (context_.State.AccountState >= 2) return;
    ShowAttention(this, WordText(Word::TourLogInToAccount, LanguageOf(context_.Options)));
}

} // namespace vesrin
