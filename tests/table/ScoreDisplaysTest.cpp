#include "table/ScoreDisplays.h"

#include "table/PictureElement.h"
#include "table/ResourceLibrary.h"

#include <gtest/gtest.h>

namespace vesrin {
namespace {

TEST(TabletText, TotalsCarryTheirSignHandPointsNever) {
    struct Case {
        int Value;
        const char* Total;
        const char* Hand;
    };
    const Case cases[] = {{12, "+12", "12"}, {0, "0", "0"}, {-20, "-20", "-20"}, {1, "+1", "1"}, {26, "+26", "26"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Value);
        EXPECT_EQ(TabletTotalText(c.Value), QString::fromLatin1(c.Total));
        EXPECT_EQ(TabletHandText(c.Value), QString::fromLatin1(c.Hand));
    }
}

TEST(TableCentre, SpotsScaleWithTheTable) {
    const TableScale small = TableScaleFor(1, {});
    const TableScale large = TableScaleFor(5, {});
    EXPECT_EQ(TrickSpot(1, 0, small), QPoint(0, 50));
    EXPECT_EQ(TrickSpot(3, 0, small), QPoint(154, 50));
    EXPECT_EQ(TrickSpot(4, 0, small), QPoint(77, 100));
    EXPECT_EQ(TrickSpot(2, 5, large), QPoint(164, 0)); // narrow faces sit 5 design pixels right
    EXPECT_EQ(PassSpot(1, 3, small), QPoint(1, 80));
    EXPECT_EQ(PassSpot(4, 2, large), QPoint(190, 242));
    const PictureStores stores;
    const CardGeometry cards;
    const FontKinds fonts;
    const TableLook look{small, stores, cards, fonts};
    // The three pass spots of a seat: from spot 1 to spot 3 plus one card.
    EXPECT_EQ(PassSpotsRect(2, look), QRect(75, 1, 40 + 71, 96));
    EXPECT_EQ(PassSpotsRect(3, look), QRect(189, 40, 71, 40 + 96));
}

struct TabletFixture {
    explicit TabletFixture(int windowSize) : scale(TableScaleFor(windowSize, {})) {
        background = QImage(scale.TableWidth, scale.TableHeight, QImage::Format_RGB32);
        background.fill(QColor(0, 128, 0));
        element = std::make_unique<PictureElement>(nullptr, background, QStringLiteral("ImageTab1"));
        element->Place(LayoutTable(scale, 96, false).TabArea[1].Rect());
        tablet = std::make_unique<ScoreTablet>(*element);
    }
    TableLook Look() const { return {scale, stores, cards, fonts}; }
    QImage Field(const QRect& r) const { return element->Picture.copy(r); }

    TableScale scale;
    PictureStores stores;
    CardGeometry cards;
    FontKinds fonts;
    QImage background;
    std::unique_ptr<PictureElement> element;
    std::unique_ptr<ScoreTablet> tablet;
};

bool HasColour(const QImage& picture, QRgb colour) {
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if ((picture.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF)) return true;
    return false;
}

TEST(ScoreTablet, FieldsAreWrittenClearedAndKept) {
    for (int windowSize : {1, 5}) {
        SCOPED_TRACE(windowSize);
        TabletFixture f(windowSize);
        f.tablet->Draw(1, 2, true, 0, 0, false, f.Look());
        const QRect total = TabletTotalField(f.scale), hand = TabletHandField(f.scale), lead = TabletLeadField(f.scale);
        f.tablet->Draw(1, 3, false, ClearField, ClearField, false, f.Look());
        const QImage cleanTotal = f.Field(total), cleanHand = f.Field(hand), cleanLead = f.Field(lead);

        f.tablet->Draw(1, 1, false, 7, 12, false, f.Look());
        EXPECT_TRUE(HasColour(f.Field(total), qRgb(255, 0, 255))) << "the total in magenta";
        EXPECT_TRUE(HasColour(f.Field(hand), qRgb(0, 0, 255))) << "the hand points in blue";
        EXPECT_NE(f.Field(lead), cleanLead) << "the lead sign";

        // KeepField and leadSign 3 leave everything as it is.
        const QImage before = f.element->Picture.copy();
        f.tablet->Draw(1, 3, false, KeepField, KeepField, false, f.Look());
        EXPECT_EQ(f.element->Picture, before);

        // The final results: only the total, in red; the other fields empty.
        f.tablet->Draw(1, 2, false, ClearField, -20, true, f.Look());
        EXPECT_TRUE(HasColour(f.Field(total), qRgb(255, 0, 0)));
        EXPECT_FALSE(HasColour(f.Field(total), qRgb(255, 0, 255)));
        EXPECT_EQ(f.Field(hand), cleanHand);
        EXPECT_EQ(f.Field(lead), cleanLead);
        f.tablet->Draw(1, 3, false, KeepField, ClearField, true, f.Look());
        EXPECT_EQ(f.Field(total), cleanTotal);
    }
}

TEST(ScoreTablet, TheSmallWindowTakesItsLeadSignsFromTheImageLists) {
    TabletFixture f(1);
    f.tablet->Draw(1, 2, true, ClearField, ClearField, false, f.Look());
    const QImage clean = f.element->Picture.copy();
    f.tablet->Draw(1, 1, false, KeepField, KeepField, false, f.Look());
    QImage list;
    ASSERT_TRUE(LoadPngFromLibrary(QStringLiteral("ImageList3"), QString(), list, LibraryPlaces{}));
    // Image 1 of the strip at (22, 49) for seats 1 and 3: an opaque pixel of it shows there.
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 20; ++x)
            if (qAlpha(list.pixel(x, y)) == 255) {
                EXPECT_EQ(f.element->Picture.pixel(22 + x, 49 + y) & 0xFFFFFF, list.pixel(x, y) & 0xFFFFFF);
                return;
            }
    FAIL() << "the lead sign picture has no opaque pixel";
}

TEST(ScorePanel, ShowsTheRoundAndTheScore) {
    TabletFixture f(1);
    PictureElement panel(nullptr, f.background, QStringLiteral("ImageKon"));
    panel.Place(LayoutTable(f.scale, 96, false).Kon);
    DrawScorePanel(panel, 3, -12, Language::English, f.Look());
    EXPECT_TRUE(HasColour(panel.Picture.copy(0, RoundHalfEven(15.0), 110, 30), qRgb(0, 0, 255)));
    EXPECT_TRUE(HasColour(panel.Picture.copy(0, 120, 110, 30), qRgb(255, 255, 0)));
}

TEST(ScorePanelBalloon, LinesFollowTheGameKind) {
    struct Case {
        PanelGameKind Kind;
        int GameNo;
        const char* Text;
    };
    const Case cases[] = {
        {PanelGameKind::Local, 41, "General number of game: 41\n\rNumber of round in a current cycle: 1 / 20"},
        {PanelGameKind::Local, 40, "General number of game: 40\n\rNumber of round in a current cycle: 20 / 20"},
        {PanelGameKind::Network, 7,
         "General number of game: 7\n\rNumber of round in a current cycle: 7 / 20\n\r"
         "Number of round in a current session: 1 / 1"},
        {PanelGameKind::Tournament, 3, "General number of game: 3\n\rNumber of round in a current session: 1 / 1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Text);
        const PanelBalloon balloon = ScorePanelBalloon(c.Kind, c.GameNo, c.GameNo, Language::English);
        EXPECT_EQ(balloon.Title, QStringLiteral("Current game"));
        EXPECT_EQ(balloon.Text, QString::fromLatin1(c.Text));
    }
}

TEST(PassArrow, LiesCentredAtItsOwnSize) {
    TabletFixture f(5);
    PictureElement stol(nullptr, f.background, QStringLiteral("ImageStol"));
    stol.Place(LayoutTable(f.scale, 198, false).Stol);
    ClearTableCentre(stol);
    const QImage clean = stol.Picture.copy();
    DrawPassArrow(stol, 1, f.scale);
    const QRect arrow(RoundHalfEven(stol.Picture.width() / 2.0) - 24, f.scale.Len(150), 48, 48);
    EXPECT_NE(stol.Picture.copy(arrow), clean.copy(arrow));
    // Nothing outside the 48 x 48 square.
    QImage outside = stol.Picture.copy();
    for (int y = arrow.top(); y <= arrow.bottom(); ++y)
        for (int x = arrow.left(); x <= arrow.right(); ++x) outside.setPixel(x, y, clean.pixel(x, y));
    EXPECT_EQ(outside, clean);
    EXPECT_EQ(PassArrowPicture(0), QString());
}

} // namespace
} // namespace vesrin
