#include "app/MainMenu.h"

#include "app/CaptionColours.h"
#include "app/MenuTexts.h"
#include "app/TForm1.h"
#include "base/FileBytes.h"
#include "records/RecordsFile.h"
#include "records/WindowWords.h"
#include "table/CardPainter.h"
#include "table/ResourceLibrary.h"
#include "table/TableFonts.h"
#include "table/WordText.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTime>

#include <cstring>
#include <tuple>

namespace vesrin {

namespace {

constexpr int kFlameWidth = 20;
constexpr int kFlameHeight = 30;
constexpr int kFlameCount = 6;
// Where the three flames of each side decoration burn.
constexpr std::array<QPoint, 3> kFlameSpots = {QPoint(16, 15), QPoint(41, 1), QPoint(66, 15)};

// The digit colour families of the statistics panel, by variant 1..7.
constexpr std::array<const char*, 7> kStatsFamilies = {"GR", "GA", "GG", "GY", "GV", "GL", "GN"};

Language LanguageOf(const Settings& options) {
    return LanguageFromIndex(options.Language).value_or(Language::English);
}

QString CodeOf(const Settings& options) {
    const std::string_view code = LanguageCode(LanguageOf(options));
    return QString::fromLatin1(code.data(), qsizetype(code.size()));
}

const QColor kYellow(255, 255, 0);
const QColor kAqua(0, 255, 255);
const QColor kGold(200, 175, 50);

} // namespace

MenuTextPanel::MenuTextPanel(QWidget* parent, const QString& name) : QWidget(parent) {
    setObjectName(name);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void MenuTextPanel::SetText(const QString& text) {
    text_ = text;
    update();
}

void MenuTextPanel::SetStyle(const QColor& colour, const QFont& font, const QImage& glyph) {
    colour_ = colour;
    font_ = font;
    glyph_ = glyph;
    update();
}

void MenuTextPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    int left = 0;
    if (!glyph_.isNull()) {
        p.drawImage(2, (height() - glyph_.height()) / 2, glyph_);
        left = glyph_.width() + 4;
    }
    const QFontMetrics metrics(font_);
    const int x = std::max(left, left + (width() - left - metrics.horizontalAdvance(text_)) / 2);
    DrawTextAt(p, font_, colour_, x, (height() - metrics.height()) / 2, text_);
}

MainMenu::MainMenu(QWidget* window, ProgramContext& context, HintBalloons& balloons)
    : QWidget(window), context_(context), balloons_(balloons) {
    setObjectName(QStringLiteral("MainMenu"));
    // The window's background shows through everywhere the menu draws nothing.
    setAttribute(Qt::WA_NoSystemBackground);

    // Created bottom to top: the title lies under the ranking rows.
    ImTitle = new MenuPicture(this, QStringLiteral("ImTitle"));
    ImCaption = new MenuPicture(this, QStringLiteral("ImCaption"));
    ImElite = new MenuPicture(this, QStringLiteral("ImElite"));
    RxGIFAn1 = new MenuPicture(this, QStringLiteral("RxGIFAn1"));
    RxGIFAn2 = new MenuPicture(this, QStringLiteral("RxGIFAn2"));
    ImageSvLeft = new MenuPicture(this, QStringLiteral("ImageSvLeft"));
    ImageSvRight = new MenuPicture(this, QStringLiteral("ImageSvRight"));
    ImClock1 = new MenuPicture(this, QStringLiteral("ImClock1"));
    ImClock2 = new MenuPicture(this, QStringLiteral("ImClock2"));
    for (std::size_t i = 0; i < RankingPanels.size(); ++i)
        RankingPanels[i] = new MenuTextPanel(this, QStringLiteral("Panel%1").arg(i + 1));

    const auto button = [this](const QString& name) {
        auto* b = new TQorCardsButton(this);
        b->setObjectName(name);
        b->LightFont = true;
        b->ColorMouse = kYellow;
        return b;
    };
    Panel4 = button(QStringLiteral("Panel4"));
    Panel4->setAttribute(Qt::WA_TransparentForMouseEvents);
    Panel4->setFocusPolicy(Qt::NoFocus);
    for (std::size_t i = 0; i < ProfileButtons.size(); ++i)
        ProfileButtons[i] = button(QStringLiteral("Button%1").arg(i + 1));
    Button6 = button(QStringLiteral("Button6"));
    Button9 = button(QStringLiteral("Button9"));
    Button10 = button(QStringLiteral("Button10"));
    Button11 = button(QStringLiteral("Button11"));
    BHistory = button(QStringLiteral("BHistory"));
    BMode = button(QStringLiteral("BMode"));
    // The plain hint of "Top Ten": the length of a cycle.
    Button9->setToolTip(QStringLiteral("20"));

    ImageAdvL1 = new MenuPicture(this, QStringLiteral("ImageAdvL1"));
    ImageAdvL2 = new MenuPicture(this, QStringLiteral("ImageAdvL2"));
    ImHp = new MenuPicture(this, QStringLiteral("ImHp"));
    ImTR = new MenuPicture(this, QStringLiteral("ImTR"));
    ImageAdvL3 = new MenuPicture(this, QStringLiteral("ImageAdvL3"));
    ImageAdvR1 = new MenuPicture(this, QStringLiteral("ImageAdvR1"));
    ImageAdvR2 = new MenuPicture(this, QStringLiteral("ImageAdvR2"));
    ImageAdvR3 = new MenuPicture(this, QStringLiteral("ImageAdvR3"));
    ImAc = new MenuPicture(this, QStringLiteral("ImAc"));
    for (MenuPicture* icon : {ImageAdvL1, ImageAdvL2, ImHp, ImTR, ImageAdvL3, ImageAdvR1, ImageAdvR2, ImageAdvR3, ImAc}) {
        icon->MouseEnter = [this, icon] { ShowIconBalloon(*icon); };
        icon->MouseLeave = [this] { balloons_.CloseAll(); };
    }
    // No store address is known to this program, so the store icon stays hidden.
    ImageAdvL3->hide();

    LoadGifFromLibrary(QStringLiteral("GifMenu1"), QString(), gifLeft_, LibraryPlaces{});
    LoadGifFromLibrary(QStringLiteral("GifMenu2"), QString(), gifRight_, LibraryPlaces{});
    // The frames are decoded once: every later round of the animations shows them
    // from memory.
    gifLeft_.setCacheMode(QMovie::CacheAll);
    gifRight_.setCacheMode(QMovie::CacheAll);
    connect(&gifLeft_, &QMovie::frameChanged, this,
            [this] { PaintAnimation(*RxGIFAn1, gifLeft_, QStringLiteral("PngMenu1")); });
    connect(&gifRight_, &QMovie::frameChanged, this,
            [this] { PaintAnimation(*RxGIFAn2, gifRight_, QStringLiteral("PngMenu2")); });

    ImCaption->Click = [this] {
        Settings& o = context_.Options;
        o.CaptionScheme = NextCaptionScheme(o.CaptionScheme);
        PaintCaptions();
    };
    ImElite->Click = ImCaption->Click;
    Calendar = new MenuCalendar(this, context_);
}

void MainMenu::ShowCalendar() { Calendar->ShowCalendar(); }

int MainMenu::CalendarShift() const { return Calendar->Shown() ? 20 : 0; }

MainMenu::~MainMenu() = default;

const QImage& MainMenu::Resource(const QString& name) {
    auto found = pictures_.find(name);
    if (found == pictures_.end()) {
        QImage picture;
        LoadPngFromLibrary(name, QString(), picture, LibraryPlaces{});
        found = pictures_.insert(name, picture);
    }
    return found.value();
}

QImage MainMenu::Sized(const QString& name, QSize size) {
    QImage picture = Resource(name);
    if (!picture.isNull() && picture.size() != size) ResizePng(picture, size.width(), size.height());
    return picture;
}

int MainMenu::RowMeasure(std::string_view text) const {
    return QFontMetrics(measureFont_).horizontalAdvance(FileText(text));
}

void MainMenu::LayoutMainMenu() {
    const TableScale& scale = context_.Scale;
    if (parentWidget()) setGeometry(parentWidget()->rect());
    ShowCalendar();
    places_ = PlaceMainMenu(scale, CalendarShift());

    ImTitle->setGeometry(places_.ImTitle);
    ImTitle->SetPicture(Sized(QStringLiteral("GTitle"), places_.ImTitle.size()));
    for (std::size_t i = 0; i < RankingPanels.size(); ++i) RankingPanels[i]->setGeometry(places_.RankingPanels[i]);
    Panel4->setGeometry(places_.Panel4);
    for (std::size_t i = 0; i < ProfileButtons.size(); ++i) ProfileButtons[i]->setGeometry(places_.ProfileRows[i]);
    Button6->setGeometry(places_.Button6);
    Button9->setGeometry(places_.Button9);
    BHistory->setGeometry(places_.BHistory);
    Button10->setGeometry(places_.Button10);
    BMode->setGeometry(places_.BMode);
    Button11->setGeometry(places_.Button11);
    ImCaption->setGeometry(places_.ImCaption);
    ImElite->setGeometry(places_.ImElite);
    RxGIFAn1->setGeometry(places_.RxGIFAn1);
    RxGIFAn2->setGeometry(places_.RxGIFAn2);
    ImageSvLeft->setGeometry(places_.ImageSvLeft);
    ImageSvRight->setGeometry(places_.ImageSvRight);
    ImClock1->setGeometry(places_.ImClock1);
    ImClock2->setGeometry(places_.ImClock2);
    PlaceIcons();

    SetDesignColours();
    SetRankingPanelStyle();
    SetTexts();
    FillClubList();
    PaintCaptions();
    PaintSideDecoration(*ImageSvLeft, QStringLiteral("GSvLeft"));
    PaintSideDecoration(*ImageSvRight, QStringLiteral("GSvRight"));
    for (QImage& shown : shownAnimation_) shown = QImage();
    PaintAnimation(*RxGIFAn1, gifLeft_, QStringLiteral("PngMenu1"));
    PaintAnimation(*RxGIFAn2, gifRight_, QStringLiteral("PngMenu2"));
    ApplyGifAnimation();

    const bool panels = ShowsMenuPanels(scale);
    ImClock1->setVisible(ShowsMenuClock(scale));
    ImClock2->setVisible(panels);
    clockKey_ = -1;
    statsMinute_ = -1;
    if (ImClock1->isVisible()) DrawClock();
    if (panels) DrawStatsPanel(QTime::currentTime().minute() % 7 + 1);
    update();
}

void MainMenu::PlaceIcons() {
    const std::array<MenuPicture*, 5> left = {ImageAdvL1, ImageAdvL2, ImHp, ImTR, ImageAdvL3};
    const std::array<MenuPicture*, 4> right = {ImageAdvR1, ImageAdvR2, ImageAdvR3, ImAc};
    for (std::size_t i = 0; i < left.size(); ++i) left[i]->setGeometry(places_.LeftIcons[i]);
    for (std::size_t i = 0; i < right.size(); ++i) right[i]->setGeometry(places_.RightIcons[i]);
    ImageAdvL1->SetPicture(Resource(QStringLiteral("AdvGiftR")));
    ImageAdvL2->SetPicture(Resource(QStringLiteral("Android")));
    ImHp->SetPicture(Resource(QStringLiteral("GHelp48")));
    ImTR->SetPicture(Resource(QStringLiteral("GTour48")));
    ImageAdvL3->SetPicture(Resource(QStringLiteral("GooglePlay")));
    ImageAdvR1->SetPicture(Resource(QStringLiteral("AdvGiftG")));
    ImageAdvR2->SetPicture(Resource(QStringLiteral("Earth48")));
    ImageAdvR3->SetPicture(Resource(QStringLiteral("Stats")));
    QImage account = Resource(QStringLiteral("Account48")).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (!account.isNull()) {
        static const std::array<const char*, 3> lamps = {"LampR24", "LampY24", "LampG24"};
        const int state = std::clamp(context_.State.AccountState, 1, 3);
        QPainter p(&account);
        p.drawImage(24, 0, Resource(QString::fromLatin1(lamps[std::size_t(state - 1)])));
    }
    ImAc->SetPicture(account);
}

void MainMenu::ShowIconBalloon(MenuPicture& icon) {
    const Settings& o = context_.Options;
    QString title, text;
    if (&icon == ImageAdvL1) {
        title = WordText(o, Word::AdvMoreGames);
        text = WordText(o, Word::AdvPlayOtherGames);
    } else if (&icon == ImageAdvL2) {
        title = WordText(o, Word::AdvDownload);
        text = QStringLiteral("\"%1.apk\"").arg(WordText(Word::TitleMixed, Language::English));
    } else if (&icon == ImHp) {
        title = WordText(o, Word::MenuHelp);
        text = WordText(o, Word::MenuOnlineHelp);
    } else if (&icon == ImTR) {
        title = WordText(o, Word::TourOnlineTournament);
        text = WordText(o, Word::TourTakeSeat);
    } else if (&icon == ImageAdvR1) {
        title = WordText(o, Word::AdvSupportUs);
        text = WordText(o, Word::SupportThanks);
    } else if (&icon == ImageAdvR2) {
        title = QStringLiteral("World Top 10");
        text = QStringLiteral("Windows / Android / Account");
    } else if (&icon == ImageAdvR3) {
        title = WordText(o, Word::StatCaption);
        text = WordText(o, Word::StatWorldStatistics);
    } else if (&icon == ImAc) {
        // The account's nick comes with the account; until then no one is signed in.
        switch (context_.State.AccountState) {
        case 2: title = WordText(o, Word::AccLoggedIn); break;
        case 3: title = WordText(o, Word::AccRatingGameRunning); break;
        default:
            title = WordText(o, Word::AccNotLoggedIn);
            text = WordText(o, Word::AccLogin) + QStringLiteral(" / ") + WordText(o, Word::AccCreateAccount);
            break;
        }
    } else {
        return;
    }
    BalloonStyle style;
    style.FontName = context_.Fonts.Name(TextKind::Decor);
    style.FontSize = 9;
    style.DurationMs = 5000;
    style.Arrow = icon.x() < width() / 2 ? BalloonArrow::Left : BalloonArrow::Right;
    balloons_.CloseAll();
    balloons_.Show(&icon, title, text, style);
}

void MainMenu::SetTexts() {
    const Settings& o = context_.Options;
    Button6->setText(WordText(o, Word::MainNewPlayer));
    Button9->setText(WordText(o, Word::MainTopTen));
    Button10->setText(WordText(o, Word::MainOptions));
    Button11->setText(WordText(o, Word::MainExit));
    BMode->setText(WordText(o, Word::MainMode));
    BHistory->setText(WordText(o, Word::MainHistory));
    Panel4->setText(WordText(o, ClubListHeader(o.RankingKind)));
}

void MainMenu::FillClubList() {
    const Settings& o = context_.Options;
    measureFont_ = FontWithHeight(context_.Fonts.Name(TextKind::Fixed), 11);
    const auto measure = [this](std::string_view text) { return RowMeasure(text); };
    const std::optional<std::string> bytes = ReadFileBytes(RecordsFilePath(context_.Files.Program, o.NetMode));
    const std::optional<RecordsFile> records = bytes ? ParseRecordsFile(*bytes) : std::nullopt;
    for (std::size_t i = 0; i < ProfileButtons.size(); ++i) {
        const std::string_view line = records ? std::string_view(records->Roster[i]) : kEmptySlotLine;
        ProfileButtons[i]->setText(FileText(CutRowText(ProfileRowText(line, o.RankingKind), ProfileRowLimit, measure)));
    }
    for (std::size_t i = 0; i < RankingPanels.size(); ++i) {
        const std::string line = records ? records->TopTen[i] : std::string();
        RankingPanels[i]->SetText(line.empty() ? QString()
                                               : FileText(CutRowText(RankingRowText(line), RankingRowLimit, measure)));
    }
    Panel4->setText(WordText(o, ClubListHeader(o.RankingKind)));
}

void MainMenu::PaintCaptions() {
    const Settings& o = context_.Options;
    const QString code = CodeOf(o);
    const auto paint = [&](MenuPicture& target, const QString& name) {
        QImage picture = RecolourCaption(Resource(name), o.CaptionScheme);
        if (!picture.isNull()) ResizePng(picture, target.width(), target.height());
        target.SetPicture(picture);
    };
    paint(*ImCaption, QStringLiteral("Cap") + code);
    paint(*ImElite, (o.NetMode ? QStringLiteral("Net__") : QStringLiteral("Elite")) + code);
}

void MainMenu::SetDesignColours() {
    const Settings& o = context_.Options;
    std::vector<TQorCardsButton*> all(ProfileButtons.begin(), ProfileButtons.end());
    for (TQorCardsButton* b : {Button6, Button9, Button10, Button11, BHistory, BMode, Panel4}) all.push_back(b);
    for (TQorCardsButton* b : all) {
        b->ColorMouse = kYellow;
        b->SetKLightSB(0);
        if (o.MenuDesign == 2) {
            b->SetColorSB(TColorSB::DCards);
            b->FontColor = kGold;
        }
    }
    if (o.MenuDesign == 2) {
        Panel4->FontColor = QColor(128, 50, 50);
        Panel4->SetKLightSB(50);
        return;
    }
    for (std::size_t i = 0; i < 4; ++i) {
        ProfileButtons[i]->SetColorSB(TColorSB::DNavy);
        ProfileButtons[i]->FontColor = kAqua;
    }
    // The fifth row turns red while it shows the signed-in account's line.
    const bool accountRow = context_.State.AccountState >= 2 && !o.NetMode;
    ProfileButtons[4]->SetColorSB(accountRow ? TColorSB::DRed : TColorSB::DNavy);
    ProfileButtons[4]->FontColor = kAqua;
    Button6->SetColorSB(TColorSB::DNavy);
    Button6->FontColor = kAqua;
    for (TQorCardsButton* b : {Button9, Button10, Button11, BHistory, BMode}) {
        b->SetColorSB(TColorSB::DRed);
        b->FontColor = Qt::white;
    }
    Panel4->SetColorSB(TColorSB::DBlue);
}

void MainMenu::SetRankingPanelStyle() {
    const Settings& o = context_.Options;
    const bool medals = o.NewButtons && context_.Scale.Scale >= 1.6;
    const QColor colour = o.NewButtons ? QColor(Qt::white) : QColor(255, 200, 255);
    for (std::size_t i = 0; i < RankingPanels.size(); ++i) {
        const QImage glyph = medals ? Resource(QStringLiteral("GMEDAL0%1").arg(i + 1)) : QImage();
        RankingPanels[i]->SetStyle(colour, Panel4->font(), glyph);
    }
    if (o.MenuDesign != 2) Panel4->FontColor = o.NewButtons ? QColor(0, 0, 255) : QColor(200, 255, 255);
    Panel4->update();
}

void MainMenu::ApplyFonts(const QFont& buttonFont) {
    for (TQorCardsButton* b : {Button6, Button9, Button10, Button11, BHistory, BMode}) b->setFont(buttonFont);
    const TableScale& scale = context_.Scale;
    const FontKinds& fonts = context_.Fonts;
    const QFont rows = scale.WindowSize == 1
                           ? fonts.Font(TextKind::Fixed, fonts.ScaleFontSize(11, TextKind::Fixed))
                           : fonts.Font(TextKind::Conew, fonts.ScaleFontSize(scale.Len(16), TextKind::Conew));
    for (TQorCardsButton* b : ProfileButtons) b->setFont(rows);
    Panel4->setFont(rows);
    SetRankingPanelStyle();
}

void MainMenu::PaintSideDecoration(MenuPicture& picture, const QString& name) {
    const std::size_t side = &picture == ImageSvRight ? 1 : 0;
    // The decoration is laid on what the window shows under it, so that the flames'
    // repaints need nothing painted beneath them.
    const QImage& decoration = Resource(name);
    sideBase_[side] = QImage();
    if (!decoration.isNull()) {
        QImage ground(decoration.size(), QImage::Format_RGB32);
        const QPoint at = picture.mapTo(window(), QPoint(0, 0));
        QPainter p(&ground);
        p.translate(-at);
        PaintWindowGround(p, QRect(at, decoration.size()), context_.Options,
                          context_.Stores.TableBackground);
        p.resetTransform();
        p.drawImage(0, 0, decoration);
        p.end();
        sideBase_[side] = std::move(ground);
    }
    picture.SetOpaque(!sideBase_[side].isNull() && sideBase_[side].size() == picture.size());
    shownFlames_[side].fill(-1);
    const QImage& base = sideBase_[side];
    const QImage& strip = Resource(QStringLiteral("GSvFlames"));
    for (std::size_t spot = 0; spot < kFlameSpots.size(); ++spot) {
        const QRect place = QRect(kFlameSpots[spot], QSize(kFlameWidth, kFlameHeight)).intersected(base.rect());
        for (int frame = 0; frame < kFlameCount; ++frame) {
            QImage& tile = flameTiles_[side][spot][std::size_t(frame)];
            tile = QImage();
            if (base.isNull() || strip.isNull() || place.isEmpty()) continue;
            tile = base.copy(place);
            QPainter p(&tile);
            p.drawImage(kFlameSpots[spot] - place.topLeft(), strip,
                        QRect(frame * kFlameWidth, 0, kFlameWidth, kFlameHeight));
        }
    }
    picture.SetPicture(base.copy());
    DrawFlames(picture);
}

QRect MainMenu::DrawFlames(MenuPicture& picture) {
    const std::size_t side = &picture == ImageSvRight ? 1 : 0;
    QImage& canvas = picture.Canvas();
    if (canvas.size() != sideBase_[side].size() || canvas.depth() != 32) return {};
    // The spots lie close together: one box around those that changed repaints them in
    // one copy.
    QRect changed;
    for (std::size_t spot = 0; spot < kFlameSpots.size(); ++spot) {
        // Each of the six flames of the menu is at another phase of the cycle.
        const int offset = side == 1 ? 3 : 0;
        const int frame = (flamePhase_ + int(spot) + offset) % kFlameCount;
        const QImage& tile = flameTiles_[side][spot][std::size_t(frame)];
        if (shownFlames_[side][spot] == frame || tile.isNull()) continue;
        shownFlames_[side][spot] = frame;
        const QRect place(kFlameSpots[spot], tile.size());
        const std::size_t rowBytes = std::size_t(tile.width()) * 4;
        uchar* target = canvas.bits() + place.top() * canvas.bytesPerLine() + place.left() * 4;
        for (int y = 0; y < tile.height(); ++y, target += canvas.bytesPerLine())
            std::memcpy(target, tile.constScanLine(y), rowBytes);
        changed = changed.united(place);
    }
    return changed;
}

void MainMenu::MoveFlames(MenuPicture& picture) { picture.ShowChange(DrawFlames(picture)); }

void MainMenu::PaintAnimation(MenuPicture& picture, QMovie& movie, const QString& underlay) {
    const QImage frame = movie.currentImage();
    QImage& shown = shownAnimation_[&picture == RxGIFAn2 ? 1 : 0];
    const QSize size = picture.size().isEmpty() ? QSize(160, 200) : picture.size();
    const bool whole = shown.isNull() || picture.Picture().size() != size;
    const QRect changed = whole ? QRect(QPoint(0, 0), size) : ChangedPart(shown, frame);
    shown = frame;
    if (changed.isEmpty()) return;
    if (whole) {
        // The animation is laid on what the window shows under it and paints opaque.
        picture.SetPicture(QImage(size, QImage::Format_RGB32), QRegion());
        picture.SetOpaque(picture.size() == size);
    }
    // Only the part where the frame differs from the last one is drawn again.
    QPainter p(&picture.Canvas());
    p.setClipRect(changed);
    const QPoint at = picture.mapTo(window(), QPoint(0, 0));
    p.translate(-at);
    PaintWindowGround(p, changed.translated(at), context_.Options, context_.Stores.TableBackground);
    p.resetTransform();
    // The two side pictures stand under the animations only where a background
    // picture is drawn.
    const Settings& o = context_.Options;
    if (o.BackgroundNo != 0 || o.MenuDesign == 2) p.drawImage(changed.topLeft(), Resource(underlay), changed);
    if (!frame.isNull()) p.drawImage(changed.topLeft(), frame, changed);
    p.end();
    picture.ShowChange(changed);
}

void MainMenu::ApplyGifAnimation() {
    // Nothing moves while the window is minimised.
    const bool run = context_.Options.GifAnimation && isVisible() && !window()->isMinimized();
    if (run && animating_) return;
    animating_ = run;
    if (run) animationClock_.start();
    for (auto [movie, still, due] : {std::tuple<QMovie*, int, qint64*>{&gifLeft_, 0, &animationDue_[0]},
                                     std::tuple<QMovie*, int, qint64*>{&gifRight_, 6, &animationDue_[1]}}) {
        if (!movie->isValid()) continue;
        // The animations move on with the menu's ticks (AdvanceAnimations), so that a
        // new frame is painted together with the flames, not in a repaint of its own.
        movie->stop();
        if (run)
            *due = movie->nextFrameDelay();
        else
            movie->jumpToFrame(still);
    }
}

void MainMenu::AdvanceAnimations() {
    if (!animating_) return;
    const qint64 now = animationClock_.elapsed();
    for (auto [movie, due] : {std::pair<QMovie*, qint64*>{&gifLeft_, &animationDue_[0]},
                              std::pair<QMovie*, qint64*>{&gifRight_, &animationDue_[1]}}) {
        if (!movie->isValid() || now < *due) continue;
        if (!movie->jumpToNextFrame()) movie->jumpToFrame(0);
        // Each frame keeps its own delay; a late tick does not make the next one early.
        *due = std::max(*due + std::max(movie->nextFrameDelay(), 20), now);
    }
}

void MainMenu::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    ApplyGifAnimation();
    Calendar->MenuVisible(true);
}

void MainMenu::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    ApplyGifAnimation();
    Calendar->MenuVisible(false);
    balloons_.CloseAll();
}

void MainMenu::TickMainMenu() {
    ++ticks_;
    flamePhase_ = (flamePhase_ + 1) % kFlameCount;
    MoveFlames(*ImageSvLeft);
    MoveFlames(*ImageSvRight);
    AdvanceAnimations();
    if (!ShowsMenuPanels(context_.Scale)) return;
    DrawClock();
    const QTime now = QTime::currentTime();
    if (now.second() == 1 && now.minute() != statsMinute_) DrawStatsPanel(now.minute() % 7 + 1);
}

void MainMenu::DrawClock() {
    if (context_.Scale.Scale < 1.6) {
        ImClock1->hide();
        return;
    }
    const QTime now = QTime::currentTime();
    const bool separator = now.msec() > 500;
    // The picture changes only with the minute and the blinking separator.
    const int key = (now.hour() * 60 + now.minute()) * 2 + (separator ? 1 : 0);
    if (key == clockKey_) return;
    clockKey_ = key;
    QImage clock = Resource(QStringLiteral("GClockBG")).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (clock.isNull()) return;
    QPainter p(&clock);
    const std::array<int, 4> digits = {now.hour() / 10, now.hour() % 10, now.minute() / 10, now.minute() % 10};
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i == 0 && digits[0] == 0) continue;
        p.drawImage(ClockDigitX[i], ClockDigitY, Resource(QStringLiteral("GBClock%1").arg(digits[i])));
    }
    if (separator) p.drawImage(ClockSeparator, Resource(QStringLiteral("GBClockP")));
    p.end();
    ImClock1->SetPicture(clock);
}

QString MainMenu::StatsHint(const Settings& options, int variant) {
    // The statistics themselves come from the game web service; the words name them.
    static constexpr std::array<Word, 7> words = {Word::StatDynamicIq,    Word::StatGamesWithPc1, Word::StatGamesNet,
                                                  Word::StatGamesOnline,  Word::StatCyclesWithPc, Word::StatPeopleWins,
                                                  Word::StatPeopleLosses};
    return WordText(options, words[std::size_t(std::clamp(variant, 1, 7) - 1)]);
}

void MainMenu::DrawStatsPanel(int variant) {
    variant = std::clamp(variant, 1, 7);
    statsMinute_ = QTime::currentTime().minute();
    QImage panel = Resource(QStringLiteral("GClockBG")).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (panel.isNull()) return;
    const QString family = QString::fromLatin1(kStatsFamilies[std::size_t(variant - 1)]) + QStringLiteral("Clock");
    QPainter p(&panel);
    // Until the statistics service answers, the panel shows "00" and says so in its hint.
    p.drawImage(ClockDigitX[2], ClockDigitY, Resource(family + QStringLiteral("0")));
    p.drawImage(ClockDigitX[3], ClockDigitY, Resource(family + QStringLiteral("0")));
    if (variant <= 2) p.drawImage(10, 10, Resource(QStringLiteral("Windows")));
    p.end();
    ImClock2->SetPicture(panel);
    ImClock2->setToolTip(StatsHint(context_.Options, variant) + QStringLiteral(": NO CONNECT"));
}

} // namespace vesrin
