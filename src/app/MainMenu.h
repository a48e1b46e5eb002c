#pragma once

#include "app/MainMenuLayout.h"
#include "app/MenuCalendar.h"
#include "app/MenuPicture.h"
#include "app/ProgramContext.h"
#include "table/HintBalloon.h"
#include "table/QorCardsButton.h"

#include <QFont>
#include <QElapsedTimer>
#include <QHash>
#include <QMovie>
#include <QWidget>

#include <array>

namespace vesrin {

// A line of the ranking list (Panel1..Panel3): a text over the title picture, with an
// optional medal glyph at its left.
class MenuTextPanel : public QWidget {
    Q_OBJECT
public:
    MenuTextPanel(QWidget* parent, const QString& name);

    void SetText(const QString& text);
    const QString& Text() const { return text_; }
    void SetStyle(const QColor& colour, const QFont& font, const QImage& glyph);
    const QColor& TextColour() const { return colour_; }
    const QImage& Glyph() const { return glyph_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
    QColor colour_;
    QFont font_;
    QImage glyph_;
};

// The main menu over the table background: the title with the three best results of
// the local top ten, the captions, the club list of the records file in use with its
// header, the menu buttons, the two animations, the side decorations with their
// flames, the nine corner icons with their balloons, and in the larger window sizes the
// clock and the statistics panel. What the buttons and icons do is the window's part;
// this class places, fills, colours and animates them.
class MainMenu : public QWidget {
    Q_OBJECT
public:
    MainMenu(QWidget* window, ProgramContext& context, HintBalloons& balloons);
    ~MainMenu() override;

    // --- components ---
    std::array<TQorCardsButton*, 5> ProfileButtons{}; // Button1..Button5
    TQorCardsButton* Button6 = nullptr;               // "New Player"
    TQorCardsButton* Button9 = nullptr;               // "Top Ten"
    TQorCardsButton* Button10 = nullptr;              // "Options"
    TQorCardsButton* Button11 = nullptr;              // "Exit"
    TQorCardsButton* BHistory = nullptr;
    TQorCardsButton* BMode = nullptr;
    TQorCardsButton* Panel4 = nullptr; // the club list header
    std::array<MenuTextPanel*, 3> RankingPanels{}; // Panel1..Panel3
    MenuPicture* ImTitle = nullptr;
    MenuPicture* ImCaption = nullptr;
    MenuPicture* ImElite = nullptr;
    MenuPicture* RxGIFAn1 = nullptr;
    MenuPicture* RxGIFAn2 = nullptr;
    MenuPicture* ImageSvLeft = nullptr;
    MenuPicture* ImageSvRight = nullptr;
    MenuPicture* ImClock1 = nullptr;
    MenuPicture* ImClock2 = nullptr;
    MenuPicture* ImageAdvL1 = nullptr;
    MenuPicture* ImageAdvL2 = nullptr;
    MenuPicture* ImHp = nullptr;
    MenuPicture* ImTR = nullptr;
    MenuPicture* ImageAdvL3 = nullptr;
    MenuPicture* ImageAdvR1 = nullptr;
    MenuPicture* ImageAdvR2 = nullptr;
    MenuPicture* ImageAdvR3 = nullptr;
    MenuPicture* ImAc = nullptr;

    // LayoutMainMenu: places and fills every element for the current window size.
    void LayoutMainMenu();
    // The profile rows, the ranking rows and the header from the records file in use.
    void FillClubList();
    // The words of the buttons and the header in the current language.
    void SetTexts();
    // The caption pictures of the current language, network mode and colour scheme.
    void PaintCaptions();
    // Colours of the buttons and the header for the main-menu design.
    void SetDesignColours();
    // SetRankingPanelStyle: the ranking rows' and the header's text colours and glyphs.
    void SetRankingPanelStyle();
    // The fonts of the buttons (the window's button font) and of the list rows.
    void ApplyFonts(const QFont& buttonFont);
    // Runs or freezes the two animations after the "Gif-animation" option.
    void ApplyGifAnimation();
    // The animations show their next frames once their frames' delays have passed
    // (from the menu tick).
    void AdvanceAnimations();
    // TickMainMenu: one tick of the 20 ms timer while the menu shows.
    void TickMainMenu();
    void DrawClock();
    void DrawStatsPanel(int variant);
    // The holiday calendar's two pictures beside the captions, and c of the side
    // decorations: 20 while the calendar shows.
    void ShowCalendar();
    int CalendarShift() const;
    MenuCalendar* Calendar = nullptr;

    // The flame phase of the side decorations (advances one per tick).
    int FlamePhase() const { return flamePhase_; }
    // The ticks the menu has had since the program started.
    int TickCount() const { return ticks_; }
    const MainMenuPlaces& Places() const { return places_; }
    // The statistic a panel variant 1..7 shows, as its hint names it.
    static QString StatsHint(const Settings& options, int variant);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    const QImage& Resource(const QString& name);
    QImage Sized(const QString& name, QSize size);
    void PaintSideDecoration(MenuPicture& picture, const QString& name);
    // The flames of a side decoration move on: only the spots whose frame changed are
    // drawn again, over the decoration as it is without flames.
    void MoveFlames(MenuPicture& picture);
    QRect DrawFlames(MenuPicture& picture);
    void PaintAnimation(MenuPicture& picture, QMovie& movie, const QString& underlay);
    void PlaceIcons();
    void ShowIconBalloon(MenuPicture& icon);
    int RowMeasure(std::string_view text) const;

    ProgramContext& context_;
    HintBalloons& balloons_;
    MainMenuPlaces places_;
    QHash<QString, QImage> pictures_;
    QMovie gifLeft_;
    QMovie gifRight_;
    QFont measureFont_;
    int flamePhase_ = 0;
    // Per side decoration (left, right): the picture without flames and the strip frame
    // each flame spot shows (-1: none yet).
    std::array<QImage, 2> sideBase_;
    std::array<std::array<int, 3>, 2> shownFlames_{};
    // Each flame spot of each side as it looks with each frame of the strip, composed
    // with the decoration when it is laid out: a tick only copies them.
    std::array<std::array<std::array<QImage, 6>, 3>, 2> flameTiles_;
    // The animation frames last drawn (left, right): a frame like the last one paints
    // nothing, another one only where it differs.
    std::array<QImage, 2> shownAnimation_;
    bool animating_ = false;
    QElapsedTimer animationClock_;
    std::array<qint64, 2> animationDue_{};
    int ticks_ = 0;
    int clockKey_ = -1;
    int statsMinute_ = -1;
};

} // namespace vesrin
