#pragma once

#include "app/ProgramContext.h"
#include "app/TableView.h"
#include "engine/GameFlow.h"
#include "net/ConnectChecks.h"
#include "net/TableLink.h"
#include "players/DecisionListPlayers.h"
#include "settings/OptionsHost.h"
#include "table/FlightLayer.h"
#include "table/HintBalloon.h"
#include "table/PictureElement.h"
#include "table/QorCardsButton.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class QPainter;

namespace vesrin {

class AppOptionsHost;
class PasswordNetworkHook;
class MainMenu;

// The window's own colour where no background picture covers it.
QColor WindowColour(const Settings& options);
// What the window shows where no element covers it, in the given part of the window:
// the table background, or its own colour.
void PaintWindowGround(QPainter& p, const QRegion& region, const Settings& options, const QImage& background);
class StartPicture;

// The main window: one fixed-layout surface of the scaled 760 x 500 design that shows
// the main menu and the card table. Every table element is a picture of its own over
// the table background; the two step buttons are the program's own buttons. The window
// side of the game flow lives here: the heartbeat timer, the step buttons, the mouse on
// the bottom hand and the table cards, leaving a game and closing the window.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(ProgramContext& context, QWidget* parent = nullptr);
    ~TForm1() override;

    // --- components of the table ---
    OneBased<PictureElement*, 4> ImageCards{};
    OneBased<PictureElement*, 4> ImageTab{};
    OneBased<PictureElement*, 4> ImageSay{};
    PictureElement* ImageStol = nullptr;
    PictureElement* ImageKon = nullptr;
    PictureElement* ImageKoloda = nullptr;
    PictureElement* ImageMemo = nullptr;
    TQorCardsButton* Button7 = nullptr;
    TQorCardsButton* Button8 = nullptr;
    // The table chat of network games: the line, its send button and the four lines.
    QLineEdit* Edit1 = nullptr;
    TQorCardsButton* BitBtn1 = nullptr;
    QTimer Timer1;
    QMenu* PopupMenu1 = nullptr;
    QAction* Quit = nullptr;
    QAction* GenCount = nullptr;
    QAction* ChangeName = nullptr;

    ProgramContext& Context() { return context_; }
    GameFlow& Flow() { return *flow_; }
    TableLink& Link() { return *link_; }
    TableView& View() { return *view_; }
    CardFlight& Flights() { return flight_; }
    HintBalloons& Balloons() { return balloons_; }
    FlightLayer& Layer() { return *layer_; }

    // ApplyWindowSize: table size and scales from the window-size setting, the pictures
    // for that size, the window's fonts and the main menu.
    void ApplyWindowSize();
    // ApplyMainFonts: the fonts of the window's buttons for the current scale.
    void ApplyMainFonts();
    // LayoutTable: hides the menu and places every table element.
    void LayoutTable();
    // ClearTable: hides every table element (a game is being prepared or left).
    void ClearTable();
    // LayoutMainMenu: hides the start picture and places and fills the main menu.
    void LayoutMainMenu();

    // Starts a game from the menu for a profile slot (6: a new player): the step after a
    // confirmed login.
    void StartGame(int profileSlot);
    // The same from a step of the network table (a seat was given, a deal came before
    // the game): it runs inside that step.
    void StartTableGame(int profileSlot);

    // The window side of the game flow.
    void Timer1Timer();
    void Button7Click();
    void Button8Click();
    void ImageCards4MouseMove(QPoint position);
    void ImageCards4MouseUp(Qt::MouseButton button, QPoint position);
    void ImageCardsMouseUp(int seat, Qt::MouseButton button, QPoint position);
    void ImageStolMouseUp(Qt::MouseButton button, QPoint position);
    void QuitClick();
    // True when the window may close.
    bool FormCloseQuery();
    // "Exit to menu" after the game: the records take the result and the menu returns.
    void CloseGame();

    // --- the network table (NetTable.cpp) ---
    // Shows the chat line, its button and the chat picture; the first hand of a game
    // starts with an empty chat.
    void ShowChatLine(bool clearHistory);
    void HideChatLine();
    // Enter in Edit1 or a click on BitBtn1: the line goes to the table and shows here.
    void SendChatLine();
    // A line of the player at `seat` (NetSeat or TourSeat; code page 1251).
    void AddChatLine(int seat, const std::string& text);
    void DrawMemo();
    const TableChatLines& ChatLines() const { return chat_; }
    // The network part of the welcome dialog, when the network switch is on.
    std::unique_ptr<PasswordNetworkHook> NetworkPart();
    // A network game was broken off: the message, then the menu; nothing is recorded.
    void NetGameBrokenOff();
    // Shows a message box with OK (replaceable for tests).
    std::function<void(const QString& text)> ShowMessage;

    // The engine's window moments.
    void ShowStepButtons();
    void SetHeartbeat();
    // True while the start picture or the main menu is out of sight (the window hidden
    // or minimised): their ticks have nothing to show, so the heartbeat rests.
    bool RestsOutOfSight() const;
    void RefreshCursor();
    void ShowClickEffect();

    // The cursor shown over the bottom hand.
    Qt::CursorShape BottomHandCursorShape() const { return bottomCursor_; }

    // Yes/no questions of the window (replaceable for tests).
    std::function<bool(const QString& text)> AskYesNo;

    // The screen the window shows: the menu or the table.
    bool MenuShown() const { return context_.State.CurrentScreen == Screen::Menu; }

    // --- the start picture, the main menu and the program's menu items ---
    // (MenuHandlers.cpp, with StartPicture, MainMenu, AppOptionsHost and AppRecords)
    StartPicture* Image1 = nullptr;
    MainMenu* Menu = nullptr;
    QAction* MSpeed = nullptr;
    QAction* MOptions = nullptr;
    QAction* Help = nullptr;
    QAction* About = nullptr;
    QAction* MRadio = nullptr;
    QAction* MChat = nullptr;
    OptionsHost& Host();

    // The start picture is shown once the start-up has composed it; a click or a key
    // leaves it for the main menu.
    void ShowStartPicture();
    void LeaveStartPicture();
    // Ends the program during the start-up (an unusable records file): the window
    // closes with the given exit code.
    void EndProgram(int exitCode);

    void ProfileButtonClick(int slot); // Button1Click..Button5Click
    void Button6Click();
    void Button9Click();
    void Button10Click();
    void Button11Click();
    void BHistoryClick();
    void BModeClick();
    void GenCountClick();
    void ChangeNameClick();
    void MSpeedClick();
    void MOptionsClick();
    void HelpClick();
    void AboutClick();
    void MRadioClick();
    void MChatClick();
    void ImHpClick();
    void ImTRClick();

    // Steps 2 to 5 of switching the language: caption, menu words, the club header, the
    // caption pictures and the pop-up menu.
    void RetranslateMainWindow();
    // The new-buttons look on every owner-drawn button of the window.
    void ApplyButtonLook();
    // The arrow and hand cursors of the cursor setting on the window and its controls.
    void ApplyCursors();
    const QCursor& ArrowPointer() const { return arrowCursor_; }
    const QCursor& HandPointer() const { return handCursor_; }

    // Opens a document or address (the help page); replaceable for tests.
    std::function<void(const QUrl& address)> OpenUrl;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void ConnectMenus();
    void MakeChatLine();
    void InstallLinkHooks();

    PictureElement* MakeElement(const QString& name);
    void LeaveToMenu();
    void PlayEffect(std::string_view name);
    void SetBottomCursor(HandCursor cursor);
    void ShowPanelBalloon();
    QSize FullScreenClient() const;
    QString CaptionOf(StepCaption caption) const;

    ProgramContext& context_;
    DecisionListPlayers players_;
    std::unique_ptr<TableView> view_;
    std::unique_ptr<GameFlow> flow_;
    std::unique_ptr<TableLink> link_;
    TableChatLines chat_;
    HiddenHandKeys hiddenKeys_;
    FlightLayer* layer_ = nullptr;
    CardFlight flight_;
    HintBalloons balloons_;
    std::unique_ptr<AppOptionsHost> host_;
    bool startUpPending_ = true;
    Qt::CursorShape bottomCursor_ = Qt::ArrowCursor;
    QCursor arrowCursor_;
    QCursor handCursor_;
    bool closeConfirmed_ = false;
};

} // namespace vesrin
