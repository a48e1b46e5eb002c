#include "table/CardPainter.h"

#include <gtest/gtest.h>

namespace vesrin {
namespace {

const QColor Black(0, 0, 0);
const QColor Paper(255, 255, 255);

QImage Canvas(int w, int h, QColor colour = Paper) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QImage Picture(QImage::Format format, const QList<QList<QRgb>>& rows) {
    QImage image(int(rows.first().size()), int(rows.size()), format);
    for (int y = 0; y < rows.size(); ++y)
        for (int x = 0; x < rows[y].size(); ++x) image.setPixel(x, y, rows[y][x]);
    return image;
}

TEST(CardCodes, TwoByteCodesGiveDeckNumbers) {
    struct Case {
        const char* Code;
        int Deck;
    };
    const Case cases[] = {{"2\xF7", 1}, {"2\xE1", 2}, {"2\xEA", 3}, {"2\xEF", 4}, {"1\xF7", 33},
                          {"\xC2\xE1", 38}, {"\xC4\xEF", 44}, {"\xCA\xEA", 47}, {"\xD2\xEF", 52}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Deck);
        EXPECT_EQ(DeckNumberOfCode(c.Code), c.Deck);
    }
    for (const char* notACard : {"##", "No", "--", "00", "2", "2\xF7x", "\xC4p"}) {
        SCOPED_TRACE(notACard);
        EXPECT_FALSE(DeckNumberOfCode(notACard).has_value());
    }
}

// Paints one code at (5, 7) of a white canvas in small mode.
QImage PaintSmall(std::string_view code, const PictureStores& stores) {
    QImage canvas = Canvas(90, 110);
    QPainter p(&canvas);
    DrawCard(p, 5, 7, code, stores, CardGeometry{}, 1.0);
    p.end();
    return canvas;
}

TEST(DrawCard, SmallFrameLeavesTheCornersOpen) {
    const PictureStores stores;
    const QImage frame = PaintSmall("--", stores);
    const int x = 5, y = 7;
    struct Pixel {
        const char* Name;
        int X;
        int Y;
        bool IsBlack;
    };
    const Pixel pixels[] = {
        {"top line start", x + 2, y, true},        {"top line end", x + 68, y, true},
        {"top-left corner open", x + 1, y, false}, {"top-right corner open", x + 69, y, false},
        {"corner pixel", x, y, false},             {"left line start", x, y + 2, true},
        {"left line end", x, y + 93, true},        {"left below the line", x, y + 94, false},
        {"left above the line", x, y + 1, false},  {"right line", x + 70, y + 2, true},
        {"right line end", x + 70, y + 93, true},  {"bottom line", x + 2, y + 95, true},
        {"bottom line end", x + 68, y + 95, true}, {"bottom corner open", x + 69, y + 95, false},
        {"inside stays", x + 1, y + 1, false},     {"middle stays", x + 35, y + 48, false},
    };
    for (const Pixel& px : pixels) {
        SCOPED_TRACE(px.Name);
        EXPECT_EQ(frame.pixelColor(px.X, px.Y) == Black, px.IsBlack);
    }
    // "No" is the frame plus the four corner dots; "##" paints nothing.
    const QImage empty = PaintSmall("No", stores);
    for (QPoint dot : {QPoint(x + 1, y + 1), QPoint(x + 69, y + 1), QPoint(x + 1, y + 94), QPoint(x + 69, y + 94)})
        EXPECT_EQ(empty.pixelColor(dot), Black);
    EXPECT_EQ(empty.pixelColor(x + 2, y + 1), Paper);
    const QImage nothing = PaintSmall("##", stores);
    EXPECT_EQ(nothing, Canvas(90, 110));
}

TEST(DrawCard, SmallFaceSitsInsideTheFrame) {
    PictureStores stores;
    QImage face = Canvas(69, 94, QColor(10, 20, 30));
    face.setPixelColor(0, 0, QColor(200, 100, 50));
    face.setPixelColor(68, 93, QColor(50, 100, 200));
    stores.Face(44) = face;
    const QImage card = PaintSmall("\xC4\xEF", stores);
    EXPECT_EQ(card.pixelColor(6, 8), QColor(200, 100, 50));
    EXPECT_EQ(card.pixelColor(5 + 69, 7 + 94), QColor(50, 100, 200));
    EXPECT_EQ(card.pixelColor(5 + 2, 7), Black);
    // A back in small mode: the same frame, the chosen back inside.
    stores.BackPictures[2] = Canvas(69, 94, QColor(0, 0, 128));
    CardGeometry geometry;
    geometry.BackPicture = 3;
    QImage canvas = Canvas(90, 110);
    QPainter p(&canvas);
    DrawBack(p, 5, 7, stores, geometry, 1.0);
    p.end();
    EXPECT_EQ(canvas.pixelColor(40, 50), QColor(0, 0, 128));
    EXPECT_EQ(canvas.pixelColor(5, 7 + 50), Black);
}

TEST(DrawCard, LargeFaceOfTheCellSizeIsDrawnAsItIs) {
    PictureStores stores;
    QImage face(146, 198, QImage::Format_ARGB32);
    face.fill(QColor(250, 250, 250));
    face.setPixelColor(0, 0, QColor(0, 0, 0, 0)); // a transparent corner
    face.setPixelColor(73, 99, QColor(12, 34, 56));
    stores.FaceLarge(1) = face;
    CardGeometry geometry;
    SetCardCells(geometry, 2.0);
    ASSERT_EQ(geometry.CardPictureMode, CardPictureNative);
    QImage canvas = Canvas(160, 210, QColor(0, 128, 0));
    QPainter p(&canvas);
    DrawCard(p, 4, 6, "2\xF7", stores, geometry, 2.0);
    DrawCard(p, 4, 6, "--", stores, geometry, 2.0); // large modes draw no frame
    p.end();
    EXPECT_EQ(canvas.pixelColor(4, 6), QColor(0, 128, 0));
    EXPECT_EQ(canvas.pixelColor(4 + 73, 6 + 99), QColor(12, 34, 56));
    EXPECT_EQ(canvas.pixelColor(4 + 1, 6), QColor(250, 250, 250)); // no resampling, no mask
}

TEST(DrawCard, ScaledLargeFaceGetsTransparentRoundCorners) {
    PictureStores stores;
    QImage face(146, 198, QImage::Format_ARGB32);
    face.fill(QColor(250, 250, 250));
    stores.FaceLarge(52) = face;
    CardGeometry geometry;
    SetCardCells(geometry, 1.3);
    ASSERT_EQ(geometry.CardWidth, 92);
    ASSERT_EQ(geometry.CardHeight, 125);
    QImage canvas = Canvas(100, 130, QColor(0, 128, 0));
    QPainter p(&canvas);
    DrawCard(p, 0, 0, "\xD2\xEF", stores, geometry, 1.3);
    p.end();
    EXPECT_EQ(canvas.pixelColor(0, 0), QColor(0, 128, 0));     // corner left out
    EXPECT_EQ(canvas.pixelColor(91, 124), QColor(0, 128, 0));  // opposite corner too
    EXPECT_EQ(canvas.pixelColor(46, 62), QColor(250, 250, 250));
    EXPECT_EQ(canvas.pixelColor(46, 0), QColor(250, 250, 250)); // the edge between corners stays
    EXPECT_EQ(canvas.pixelColor(95, 62), QColor(0, 128, 0));    // nothing outside the cell
}

TEST(CardCells, FollowTheScaleAndTheFaceProportion) {
    struct Case {
        double Scale;
        bool Wide;
        int Width;
        int Height;
        int Mode;
    };
    const Case cases[] = {{1.0, true, 71, 96, CardPictureSmall},   {1.29, false, 71, 96, CardPictureSmall},
                          {1.3, true, 92, 125, CardPictureLarge},  {1.3, false, 79, 125, CardPictureLarge},
                          {1.7, true, 121, 163, CardPictureLarge}, {1.7, false, 104, 163, CardPictureLarge},
                          {2.0, true, 146, 198, CardPictureNative}, {2.08, false, 126, 198, CardPictureNative}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Scale);
        CardGeometry g;
        g.WideFaces = c.Wide;
        SetCardCells(g, c.Scale);
        EXPECT_EQ(g.CardWidth, c.Width);
        EXPECT_EQ(g.CardHeight, c.Height);
        EXPECT_EQ(g.CardPictureMode, c.Mode);
    }
}

TEST(ResizePng, BlendsTheFourNeighboursByTheirFractions) {
    // 2 x 2 to 3 x 3: target x 0, 1, 2 reads source x 0, 1/3, 2/3.
    QImage png = Picture(QImage::Format_RGB32, {{qRgb(0, 0, 0), qRgb(90, 30, 0)}, {qRgb(0, 60, 120), qRgb(90, 90, 90)}});
    ASSERT_FALSE(ResizePng(png, 3, 3).has_value());
    ASSERT_EQ(png.size(), QSize(3, 3));
    EXPECT_EQ(png.format(), QImage::Format_RGB32);
    struct Pixel {
        int X;
        int Y;
        QRgb Expected;
    };
    const Pixel pixels[] = {
        {0, 0, qRgb(0, 0, 0)},
        {2, 0, qRgb(60, 20, 0)},     // 2/3 of the way to (90, 30, 0)
        {0, 2, qRgb(0, 40, 80)},     // 2/3 of the way to (0, 60, 120)
        {1, 1, qRgb(30, 30, 37)},    // weights 4/9, 2/9, 2/9, 1/9: blue 36.67 rounds up
        {2, 2, qRgb(60, 60, 67)},    // weights 1/9, 2/9, 2/9, 4/9
    };
    for (const Pixel& p : pixels) {
        SCOPED_TRACE(testing::Message() << p.X << "," << p.Y);
        EXPECT_EQ(png.pixel(p.X, p.Y), p.Expected);
    }
}

TEST(ResizePng, HalvesRoundToEven) {
    // 2 x 2 to 3 x 2: the second target row reads the source half way down.
    QImage png = Picture(QImage::Format_RGB32, {{qRgb(1, 3, 2), qRgb(1, 3, 2)}, {qRgb(2, 4, 3), qRgb(2, 4, 3)}});
    ASSERT_FALSE(ResizePng(png, 3, 2).has_value());
    EXPECT_EQ(png.pixel(0, 1), qRgb(2, 4, 2)); // 1.5 -> 2, 3.5 -> 4, 2.5 -> 2
}

TEST(ResizePng, BlendsAlphaLikeTheColours) {
    QImage png = Picture(QImage::Format_ARGB32,
                         {{qRgba(0, 0, 0, 0), qRgba(0, 0, 0, 90)}, {qRgba(0, 0, 0, 180), qRgba(0, 0, 0, 255)}});
    ASSERT_FALSE(ResizePng(png, 3, 3).has_value());
    EXPECT_EQ(png.format(), QImage::Format_ARGB32);
    EXPECT_EQ(qAlpha(png.pixel(1, 1)), 88); // 20 + 40 + 28.33
    EXPECT_EQ(qAlpha(png.pixel(2, 2)), 173); // 0 + 20 + 40 + 113.33
}

TEST(ResizePng, RefusesOtherColourTypesAndIgnoresTinySizes) {
    QImage palette(4, 4, QImage::Format_Indexed8);
    palette.setColorCount(2);
    palette.setColor(0, qRgb(0, 0, 0));
    palette.setColor(1, qRgb(255, 255, 255));
    palette.fill(1);
    const std::optional<QString> error = ResizePng(palette, 8, 8);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(*error, "Only COLOR_RGBALPHA and COLOR_RGB formats are supported");
    EXPECT_EQ(palette.size(), QSize(4, 4));

    QImage narrow(1, 5, QImage::Format_RGB32);
    narrow.fill(Qt::red);
    EXPECT_FALSE(ResizePng(narrow, 10, 10).has_value());
    EXPECT_EQ(narrow.size(), QSize(1, 5));
    QImage normal(5, 5, QImage::Format_RGB32);
    normal.fill(Qt::red);
    EXPECT_FALSE(ResizePng(normal, 1, 10).has_value());
    EXPECT_EQ(normal.size(), QSize(5, 5));
    // Tiny pictures are left alone before their colour type is looked at.
    QImage tinyPalette(1, 1, QImage::Format_Indexed8);
    EXPECT_FALSE(ResizePng(tinyPalette, 4, 4).has_value());
}

TEST(UnscrambleFace, TwiceRestoresThePicture) {
    struct Case {
        const char* Name;
        QSize Size;
        int Mode;
        bool Wide;
        QPoint Inside;
    };
    const Case cases[] = {{"small bitmap", {69, 94}, CardPictureSmall, true, {47, 34}},
                          {"large wide", {146, 198}, CardPictureNative, true, {99, 73}},
                          {"large narrow", {126, 198}, CardPictureLarge, false, {99, 63}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        QImage face(c.Size, QImage::Format_ARGB32);
        for (int y = 0; y < face.height(); ++y)
            for (int x = 0; x < face.width(); ++x) face.setPixel(x, y, qRgb(x * 3 % 256, y % 256, (x + y) % 256));
        const QImage original = face;
        UnscrambleFace(face, c.Mode, c.Wide);
        EXPECT_NE(face, original);
        const QRgb before = original.pixel(c.Inside);
        EXPECT_EQ(face.pixel(c.Inside) & 0xFFFFFF, ~before & 0xFFFFFF); // inverted inside the ellipse
        EXPECT_EQ(face.pixel(2, 2), original.pixel(2, 2));                // untouched outside
        UnscrambleFace(face, c.Mode, c.Wide);
        EXPECT_EQ(face, original);
    }
}

} // namespace
} // namespace vesrin
