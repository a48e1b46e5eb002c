#include "app/TForm1.h"

#include "app/AppOptionsHost.h"
#include "app/ClickEffect.h"
#include "app/MainMenu.h"
#include "app/StartPicture.h"
#include "app/StartTrace.h"
#include "table/Attention.h"
#include "table/WordText.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

namespace vesrin {

namespace {

QCursor OwnCursor(const QString& name, QPoint hotSpot, Qt::CursorShape fallback) {
    QImage strip;
    if (!LoadPngFromLibrary(name, QString(), strip, LibraryPlaces{}) || strip.isNull()) return QCursor(fallback);
    // Animated cursors show their first frame.
    return QCursor(QPixmap::fromImage(strip.copy(0, 0, strip.height(), strip.height())), hotSpot.x(), hotSpot.y());
}

} // namespace

QColor WindowColour(const Settings& options) {
    if (options.MenuDesign == 2) return QColor(120, 0, 200);
    if (options.BackgroundNo == 0) return QColor(0, 128, 0);
    static const QColor tints[] = {{0, 128, 0},   {128, 0, 0}, {128, 64, 0},  {128, 128, 0},
                                   {0, 128, 128}, {0, 0, 128}, {128, 0, 128}};
    return tints[std::clamp(options.BackgroundTint, 0, 6)];
}

void PaintWindowGround(QPainter& p, const QRegion& region, const Settings& options, const QImage& background) {
    const QColor colour = WindowColour(options);
    const bool drawn = options.BackgroundNo != 0 || options.MenuDesign == 2;
    // Only the parts asked for: the menu's small moving pictures lie far apart.
    for (const QRect& r : region) {
        if (!drawn || !background.rect().contains(r)) p.fillRect(r, colour);
        if (drawn) p.drawImage(r.topLeft(), background, r);
    }
}

TForm1::TForm1(ProgramContext& context, QWidget* parent)
    : QWidget(parent), context_(context), layer_(new FlightLayer(this)), flight_(*layer_, context.Blocking) {
    setObjectName(QStringLiteral("Form1"));
    const Language language = LanguageFromIndex(context_.Options.Language).value_or(Language::English);
    setWindowTitle(WordText(Word::TitleMixed, language));
    setAttribute(Qt::WA_OpaquePaintEvent);

    Menu = new MainMenu(this, context_, balloons_);
    Menu->hide();
    host_ = std::make_unique<AppOptionsHost>(*this, context_);
    for (int seat = 1; seat <= 4; ++seat) ImageCards[seat] = MakeElement(QStringLiteral("ImageCards%1").arg(seat));
    for (int seat = 1; seat <= 4; ++seat) ImageTab[seat] = MakeElement(QStringLiteral("ImageTab%1").arg(seat));
    for (int seat = 1; seat <= 4; ++seat) ImageSay[seat] = MakeElement(QStringLiteral("ImageSay%1").arg(seat));
    ImageStol = MakeElement(QStringLiteral("ImageStol"));
    ImageKon = MakeElement(QStringLiteral("ImageKon"));
    ImageKoloda = MakeElement(QStringLiteral("ImageKoloda"));
    ImageMemo = MakeElement(QStringLiteral("ImageMemo"));
    for (int seat = 1; seat <= 4; ++seat) ImageCards[seat]->BlocksPopup = true;
    ImageStol->BlocksPopup = true;

    Button7 = new TQorCardsButton(this);
    Button7->setObjectName(QStringLiteral("Button7"));
    Button8 = new TQorCardsButton(this);
    Button8->setObjectName(QStringLiteral("Button8"));
    connect(Button7, &QPushButton::clicked, this, &TForm1::Button7Click);
    connect(Button8, &QPushButton::clicked, this, &TForm1::Button8Click);
    PopupMenu1 = new QMenu(this);
    Quit = PopupMenu1->addAction(WordText(Word::MenuExitToMenu, language));
    connect(Quit, &QAction::triggered, this, &TForm1::QuitClick);
    GenCount = new QAction(WordText(Word::MenuGeneralScore, language), this);
    ChangeName = new QAction(WordText(Word::MenuChangeName, language), this);
    for (QAction* item : {Quit, GenCount, ChangeName}) item->setEnabled(false);

    connect(&Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);

    ImageCards[4]->MouseMove = [this](QPoint at) { ImageCards4MouseMove(at); };
    ImageCards[4]->MouseUp = [this](Qt::MouseButton button, QPoint at) { ImageCards4MouseUp(button, at); };
    for (int seat = 1; seat <= 3; ++seat)
        ImageCards[seat]->MouseUp = [this, seat](Qt::MouseButton button, QPoint at) {
            ImageCardsMouseUp(seat, button, at);
        };
    ImageStol->MouseUp = [this](Qt::MouseButton button, QPoint at) { ImageStolMouseUp(button, at); };
    ImageKon->MouseEnter = [this] { ShowPanelBalloon(); };
    ImageKon->MouseLeave = [this] { balloons_.CloseAll(); };

    ConnectMenus();
    ApplyCursors();

    AskYesNo = [this](const QString& text) {
        // The language may have changed since the window was made.
        const Language language = LanguageFromIndex(context_.Options.Language).value_or(Language::English);
        QMessageBox box(QMessageBox::Question, windowTitle(), text, QMessageBox::NoButton, this);
        QPushButton* yes = box.addButton(WordText(Word::RuleYes, language), QMessageBox::YesRole);
        box.addButton(WordText(Word::RuleNo, language), QMessageBox::NoRole);
        box.exec();
        return box.clickedButton() == yes;
    };

    view_ = std::make_unique<TableView>(*this, context_);
    flow_ = std::make_unique<GameFlow>(context_.State, *view_, players_);
    link_ = std::make_unique<TableLink>(*flow_);
    MakeChatLine();
    InstallLinkHooks();
    ClearTable();
}

TForm1::~TForm1() {
    // The link goes before the engine it feeds.
    link_.reset();
    // The child widgets refer to members of this window (the menu closes the balloon
    // list when it is hidden), and QWidget would only take them down after those
    // members are gone: they go first, while everything they use is still there.
    balloons_.CloseAll();
    qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
    Menu = nullptr;
}

void TForm1::ApplyCursors() {
    const bool own = context_.Options.OwnCursor;
    arrowCursor_ = own ? OwnCursor(QStringLiteral("CurArrow"), QPoint(1, 1), Qt::ArrowCursor) : QCursor(Qt::ArrowCursor);
    handCursor_ =
        own ? OwnCursor(QStringLiteral("CurHand"), QPoint(11, 2), Qt::PointingHandCursor) : QCursor(Qt::PointingHandCursor);
    setCursor(arrowCursor_);
    // Everything that reacts to a click shows the hand.
    for (TQorCardsButton* button : findChildren<TQorCardsButton*>()) button->setCursor(handCursor_);
    for (MenuPicture* picture : Menu->findChildren<MenuPicture*>())
        picture->setCursor(picture->Click ? handCursor_ : arrowCursor_);
    Menu->Panel4->setCursor(arrowCursor_);
}

PictureElement* TForm1::MakeElement(const QString& name) {
    auto* element = new PictureElement(this, context_.Stores.TableBackground, name);
    element->hide();
    return element;
}

QSize TForm1::FullScreenClient() const {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen) return QSize(DesignWidth, DesignHeight);
    const QSize frame = isVisible() ? frameGeometry().size() - size() : QSize(0, 0);
    return screen->availableGeometry().size() - frame;
}

void TForm1::ApplyWindowSize() {
    Settings& o = context_.Options;
    context_.Scale = TableScaleFor(o.WindowSize, FullScreenClient());
    o.WindowSize = context_.Scale.WindowSize;
    TakePictureChoice(context_);
    PictureLoader loader(context_.Stores, context_.Cards, context_.Choice, context_.Places, LibraryNotice(context_, *this));
    loader.LoadBackground(o.MenuDesign == 2);
    SetCardCells(context_.Cards, context_.Scale.Scale);
    loader.LoadFaces();
    // The fallbacks of a missing library go into the settings, so it is reported once.
    KeepPictureFallbacks(context_);
    if (o.WindowSize != 1) o.SaveGif = false;
    TakeFontSettings(context_);
    setFixedSize(context_.Scale.TableWidth, context_.Scale.TableHeight);
    if (const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        if (o.WindowSize == 2)
            move(available.topLeft());
        else
            move(available.left() + RoundHalfEven((available.width() - width()) / 2.0),
                 available.top() + RoundHalfEven((available.height() - height()) / 2.0));
    }
    layer_->setGeometry(rect());
    ApplyMainFonts();
    if (MenuShown()) LayoutMainMenu();
    update();
}

void TForm1::ApplyMainFonts() {
    const TableScale& scale = context_.Scale;
    const double k = scale.WindowSize == 1 ? 1.0 : 0.9;
    const int height = RoundHalfEven(context_.Fonts.ScaleFontSize(20, TextKind::Decor) * scale.Scale * k);
    const QFont font = context_.Fonts.Font(TextKind::Decor, height, true);
    for (TQorCardsButton* button : {Button7, Button8}) {
        button->setFont(font);
        button->Nata = context_.Options.NewButtons;
        button->update();
    }
    Menu->ApplyFonts(font);
}

void TForm1::LayoutTable() {
    Menu->hide();
    const Settings& o = context_.Options;
    if (o.MenuDesign != o.TableDesign) {
        PictureLoader loader(context_.Stores, context_.Cards, context_.Choice, context_.Places, {});
        loader.LoadBackground(o.TableDesign == 2);
        update();
    }
    for (TQorCardsButton* button : {Button7, Button8}) {
        // A step that does not apply shows its caption in silver, so the player sees
        // which of the two buttons leads on.
        button->GrayDis = true;
        button->LightFont = true;
        button->ColorMouse = QColor(255, 255, 0);
        if (o.TableDesign == 2) {
            button->SetColorSB(TColorSB::DCards);
            button->FontColor = QColor(200, 175, 50);
        } else {
            button->SetColorSB(TColorSB::DRed);
            button->FontColor = Qt::white;
        }
    }
    view_->LayoutTable();
}

void TForm1::ClearTable() {
    context_.State.Timer1.IntervalMs = 20;
    Timer1.setInterval(20);
    Button7->hide();
    Button8->hide();
    for (int seat = 1; seat <= 4; ++seat) {
        ImageCards[seat]->hide();
        ImageTab[seat]->hide();
        ImageSay[seat]->hide();
    }
    for (PictureElement* element : {ImageKoloda, ImageStol, ImageKon, ImageMemo}) element->hide();
    HideChatLine();
    balloons_.CloseAll();
    update();
}

void TForm1::LayoutMainMenu() {
    Image1->hide();
    Menu->LayoutMainMenu();
    Menu->show();
    Menu->lower();
}

void TForm1::StartGame(int profileSlot) {
    if (context_.Blocking.Active()) return;
    BlockingSteps::Scope scope(context_.Blocking);
    StartTableGame(profileSlot);
}

void TForm1::StartTableGame(int profileSlot) {
    BlockingSteps::Scope scope(context_.Blocking);
    GameState& s = context_.State;
    const Settings& o = context_.Options;
    s.ProfileSlot = profileSlot;
    ClearTable();
    Timer1.stop();
    s.Timer1.Running = false;
    // With the network switch on every game is played at a network table and books
    // into the network records; a joiner takes the host's rules with each deal.
    s.NetMode = o.NetMode;
    s.TourMode = false;
    s.ShootMoon = o.ShootMoon;
    s.Limit50 = o.Limit50;
    s.ShowHandsAtEnd = o.ShowHandsAtEnd;
    s.CardFlight = o.CardFlight;
    flow_->StartHand(false);
}

void TForm1::Timer1Timer() {
    // A tick that falls due while a flight, a pause or a question runs is skipped.
    if (context_.Blocking.Active()) return;
    BlockingSteps::Scope scope(context_.Blocking);
    if (context_.State.CurrentScreen == Screen::Intro) Image1->Tick();
    if (MenuShown()) Menu->TickMainMenu();
    if (context_.State.InGame()) flow_->Heartbeat();
}

void TForm1::Button7Click() {
    if (context_.Blocking.Active()) return;
    BlockingSteps::Scope scope(context_.Blocking);
    flow_->Button7Click();
}

void TForm1::Button8Click() {
    if (context_.Blocking.Active()) return;
    BlockingSteps::Scope scope(context_.Blocking);
    flow_->Button8Click();
}

void TForm1::ImageCards4MouseMove(QPoint position) {
    const GameState& s = context_.State;
    if (!s.InGame() || s.StartState != 2) {
        SetBottomCursor(HandCursor::Arrow);
        return;
    }
    const int slot = HandSlotAtX(view_->HandX(LocalSeat), s.HandCards[LocalSeat], s.HandCount[LocalSeat],
                                 context_.Cards.CardWidth, position.x());
    SetBottomCursor(flow_->CursorOverBottomHand(slot));
}

void TForm1::ImageCards4MouseUp(Qt::MouseButton button, QPoint position) {
    if (button != Qt::LeftButton && button != Qt::RightButton) return;
    if (context_.Blocking.Active()) return;
    BlockingSteps::Scope scope(context_.Blocking);
    const GameState& s = context_.State;
    const int slot = HandSlotAtX(view_->HandX(LocalSeat), s.HandCards[LocalSeat], s.HandCount[LocalSeat],
                                 context_.Cards.CardWidth, position.x());
    if (slot == 0) return;
    flow_->BottomHandClick(slot, button == Qt::RightButton ? MouseButton::Right : MouseButton::Left);
}

void TForm1::ImageCardsMouseUp(int seat, Qt::MouseButton button, QPoint position) {
    const GameState& s = context_.State;
    if (button != Qt::RightButton || !s.InGame() || s.Phase < PhaseOf::HandOver || !s.ShowHandsAtEnd) return;
    const int slot =
        HandSlotAtX(view_->HandX(seat), s.HandCards[seat], s.HandCount[seat], context_.Cards.CardWidth, position.x());
    if (slot != 0) view_->SpeakCard(s.HandCards[seat][slot]);
}

void TForm1::ImageStolMouseUp(Qt::MouseButton button, QPoint position) {
    if (button != Qt::RightButton || !context_.State.InGame()) return;
    for (int seat = 1; seat <= 4; ++seat) {
        const QRect spot(TrickSpot(seat, context_.Cards.FaceInset, context_.Scale),
                         QSize(context_.Cards.CardWidth, context_.Cards.CardHeight));
        if (!spot.contains(position)) continue;
        const CardCode card = view_->TableCardOfSeat(seat);
        if (!card.IsEmpty()) view_->SpeakCard(card);
        return;
    }
}

void TForm1::PlayEffect(std::string_view name) { view_->PlaySound(name, false); }

QString TForm1::CaptionOf(StepCaption caption) const {
    const Language language = LanguageFromIndex(context_.Options.Language).value_or(Language::English);
    switch (caption) {
    case StepCaption::None: return {};
    case StepCaption::ToBegin: return WordText(Word::FlowToBegin, language);
    case StepCaption::StartSharing: return WordText(Word::FlowStartPass, language);
    case StepCaption::OK: return QStringLiteral("OK");
    case StepCaption::Ok: return QStringLiteral("Ok");
    case StepCaption::NextRound: return WordText(Word::FlowNextRound, language);
    case StepCaption::SumUpGame: return WordText(Word::FlowSumUp, language);
    case StepCaption::ExitToMenu: return WordText(Word::MenuExitToMenu, language);
    }
    return {};
}

void TForm1::ShowStepButtons() {
    const GameState& s = context_.State;
    const std::pair<TQorCardsButton*, const StepButton*> buttons[] = {{Button7, &s.Button7}, {Button8, &s.Button8}};
    for (const auto& [button, step] : buttons) {
        button->setText(CaptionOf(step->Caption));
        button->setEnabled(step->Enabled);
        button->setVisible(step->Visible && s.InGame());
    }
}

bool TForm1::RestsOutOfSight() const {
    const Screen screen = context_.State.CurrentScreen;
    return (screen == Screen::Intro || screen == Screen::Menu) && (!isVisible() || isMinimized());
}

void TForm1::SetHeartbeat() {
    const HeartbeatTimer& wanted = context_.State.Timer1;
    if (Timer1.interval() != wanted.IntervalMs) Timer1.setInterval(wanted.IntervalMs);
    // The game keeps its pace behind a minimised window; the start picture and the menu
    // take theirs up again when the window shows.
    if (!wanted.Running || RestsOutOfSight())
        Timer1.stop();
    else if (!Timer1.isActive())
        Timer1.start();
}

void TForm1::SetBottomCursor(HandCursor cursor) {
    bottomCursor_ = cursor == HandCursor::Hand ? Qt::PointingHandCursor : Qt::ArrowCursor;
    ImageCards[LocalSeat]->setCursor(cursor == HandCursor::Hand ? handCursor_ : arrowCursor_);
}

void TForm1::RefreshCursor() {
    PictureElement* hand = ImageCards[LocalSeat];
    const QPoint at = hand->mapFromGlobal(QCursor::pos());
    if (hand->rect().contains(at)) ImageCards4MouseMove(at);
}

void TForm1::ShowClickEffect() {
    if (!context_.Options.ClickEffectCards) return;
    vesrin::ShowClickEffect(QCursor::pos(), context_.Places, context_.Blocking);
}

void TForm1::ShowPanelBalloon() {
    if (!context_.State.InGame()) return;
    const PanelBalloon hint = view_->PanelHint();
    BalloonStyle style;
    style.FontName = context_.Fonts.Name(TextKind::Decor);
    style.Arrow = BalloonArrow::TopLeft;
    balloons_.CloseAll();
    balloons_.Show(ImageKon, hint.Title, hint.Text, style);
}

void TForm1::LeaveToMenu() {
    GameState& s = context_.State;
    flight_.Finish();
    ClearTable();
    s.CurrentScreen = Screen::Menu;
    s.StartState = 0;
    LayoutMainMenu();
    s.Timer1 = {true, 20};
    SetHeartbeat();
    for (QAction* item : {Quit, GenCount, ChangeName}) item->setEnabled(false);
    s.HelpContext = 1;
}

void TForm1::CloseGame() {
    GameState& s = context_.State;
    link_->Close();
    if (context_.Hooks.GameFinished) context_.Hooks.GameFinished(s);
    if (s.AccountState == 3) s.AccountState = 2;
    LeaveToMenu();
}

void TForm1::QuitClick() {
    if (context_.Blocking.Active() || !context_.State.InGame()) return;
    BlockingSteps::Scope scope(context_.Blocking);
    const Language language = LanguageFromIndex(context_.Options.Language).value_or(Language::English);
    PlayEffect("WOpenFo");
    const QString question = WordText(Word::MenuLeaveToMainMenu, language) + QStringLiteral("\n") +
                             WordText(Word::MenuDataWillBeLost, language);
    if (!AskYesNo(question)) return;
    GameState& s = context_.State;
    if (!s.TourMode && context_.Hooks.GameAbandoned) context_.Hooks.GameAbandoned(s);
    if (s.AccountState == 3) s.AccountState = 2;
    link_->Close();
    s.TourMode = false;
    LeaveToMenu();
}

bool TForm1::FormCloseQuery() {
    BlockingSteps::Scope scope(context_.Blocking);
    const bool fromTable = context_.State.InGame();
    if (fromTable) {
        const Language language = LanguageFromIndex(context_.Options.Language).value_or(Language::English);
        PlayEffect("WOpenFo");
        const QString question = WordText(Word::MenuLeaveGame, language) + QStringLiteral(" ") +
                                 WordText(Word::MenuDataWillBeLost, language);
        if (!AskYesNo(question)) return false;
    }
    if (context_.Hooks.SaveSettings) context_.Hooks.SaveSettings(context_.Options);
    if (fromTable && context_.Hooks.GameAbandoned) context_.Hooks.GameAbandoned(context_.State);
    return true;
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (closeConfirmed_) {
        event->accept();
        return;
    }
    if (context_.Blocking.Active()) {
        // No question opens inside a flight or a pause: it comes when that is over.
        event->ignore();
        context_.Blocking.AfterBlocking([this] { close(); });
        return;
    }
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    closeConfirmed_ = true;
    Timer1.stop();
    balloons_.CloseAll();
    event->accept();
}

void TForm1::contextMenuEvent(QContextMenuEvent* event) {
    if (context_.State.CurrentScreen == Screen::Intro || context_.Blocking.Active()) return;
    PopupMenu1->exec(event->globalPos());
}

void TForm1::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    // Hiding only ever stops the heartbeat (a closed window stays stopped).
    if (RestsOutOfSight()) Timer1.stop();
}

void TForm1::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange) return;
    SetHeartbeat();
    Menu->ApplyGifAnimation();
}

void TForm1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    SetHeartbeat();
    if (context_.Options.WindowSize != 2) return;
    // The window manager tells the frame's size only once the window is up: the full
    // screen table is fitted again to the client area that is really left.
    QTimer::singleShot(300, this, [this] {
        const QSize client = FullScreenClient();
        if (context_.Options.WindowSize == 2 && MenuShown() &&
            client != QSize(context_.Scale.TableWidth, context_.Scale.TableHeight))
            ApplyWindowSize();
    });
}

void TForm1::paintEvent(QPaintEvent* event) {
    // The first paint runs the start-up, right after this paint is over.
    if (startUpPending_ && context_.Hooks.StartUp) {
        startUpPending_ = false;
        NoteStartMoment("first paint");
        QTimer::singleShot(0, this, [this] { context_.Hooks.StartUp(); });
    }
    QPainter p(this);
    PaintWindowGround(p, event->region(), context_.Options, context_.Stores.TableBackground);
}

} // namespace vesrin
