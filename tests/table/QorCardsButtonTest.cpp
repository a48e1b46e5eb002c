#include "table/QorCardsButton.h"

#include <QCoreApplication>
#include <QFocusEvent>

#include <gtest/gtest.h>

namespace vesrin {
namespace {

const QColor Ground(0, 0, 255);

TEST(ButtonGradient, OneStoredColourPerPixelLine) {
    struct Case {
        int Height;
        QRgb Second;
    };
    for (const Case c : {Case{30, qRgb(17, 0, 0)}, Case{45, qRgb(11, 0, 0)}, Case{60, qRgb(9, 0, 0)}}) {
        SCOPED_TRACE(c.Height);
        const std::vector<QRgb>& gradient = ButtonGradient(c.Height);
        ASSERT_EQ(gradient.size(), std::size_t(c.Height - 1));
        EXPECT_EQ(gradient.front(), qRgb(128, 0, 0));
        EXPECT_EQ(gradient[1], c.Second);
        EXPECT_EQ(gradient.back(), qRgb(128, 0, 0));
    }
    EXPECT_EQ(ButtonGradient(30)[3], qRgb(232, 173, 173));
    EXPECT_EQ(ButtonGradient(60)[54], qRgb(69, 0, 0));
    EXPECT_TRUE(ButtonGradient(40).empty());
}

TEST(FaceLayout, EndsAndMiddleByHeight) {
    struct Case {
        int Height;
        int Standard;
        int EndWidth;
        const char* Pieces;
        bool Gradient;
    };
    const Case cases[] = {
        {30, 1, 8, "R29_L", true},
        {40, 0, 12, "R44_L", false}, // [13 x 40 / 45] = [11.6]
        {50, 0, 14, "R59_L", false}, // [17 x 50 / 60] = [14.2]
        {45, 2, 13, "R44_L", true},
        {60, 3, 17, "R59_L", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Height);
        const ButtonFaceLayout face = FaceLayout(170, c.Height, TColorSB::DRed, false);
        EXPECT_EQ(face.StandardClass, c.Standard);
        EXPECT_EQ(face.EndWidth, c.EndWidth);
        EXPECT_EQ(EndWidth(c.Height), c.EndWidth);
        EXPECT_EQ(PiecesForHeight(c.Height, false).Left, QString::fromLatin1(c.Pieces));
        EXPECT_EQ(face.Left, QRect(0, 0, c.EndWidth, c.Height - 1));
        EXPECT_EQ(face.Right, QRect(170 - c.EndWidth - 1, 0, c.EndWidth, c.Height - 1));
        EXPECT_EQ(face.GradientMiddle, c.Gradient);
        if (!c.Gradient) {
            EXPECT_EQ(face.Middle, QRect(c.EndWidth, 0, 170 - 2 * c.EndWidth, c.Height - 1));
        }
    }
    // The middle piece replaces the gradient for the cards scheme and the other look.
    EXPECT_FALSE(FaceLayout(100, 30, TColorSB::DCards, false).GradientMiddle);
    EXPECT_FALSE(FaceLayout(100, 30, TColorSB::DRed, true).GradientMiddle);
    EXPECT_EQ(PiecesForHeight(30, true).Middle, QStringLiteral("Q29_2"));
}

TEST(TQorCardsButton, AThirtyPixelRedButtonShowsTheGradientLines) {
    TQorCardsButton button;
    button.resize(100, 30);
    const QImage face = button.Render({}, Ground);
    const std::vector<QRgb>& gradient = ButtonGradient(30);
    for (int line = 1; line <= 29; ++line) {
        SCOPED_TRACE(line);
        for (int x : {8, 50, 90}) EXPECT_EQ(face.pixel(x, line - 1), gradient[std::size_t(line - 1)]) << x;
    }
    // The bottom row and the last column show what lies under the button.
    for (int x = 0; x < 100; ++x) EXPECT_EQ(face.pixel(x, 29), Ground.rgb()) << x;
    for (int y = 0; y < 30; ++y) EXPECT_EQ(face.pixel(99, y), Ground.rgb()) << y;
}

TEST(TQorCardsButton, OtherHeightsStretchTheMiddlePiece) {
    for (int height : {40, 50}) {
        SCOPED_TRACE(height);
        TQorCardsButton button;
        button.resize(120, height);
        const QImage face = button.Render({}, Ground);
        const int q = EndWidth(height);
        // The middle is one stretched piece: every column of the middle looks alike.
        for (int y = 0; y < height - 1; ++y) EXPECT_EQ(face.pixel(q + 5, y), face.pixel(120 - q - 5, y)) << y;
        for (int x = 0; x < 120; ++x) EXPECT_EQ(face.pixel(x, height - 1), Ground.rgb());
        EXPECT_NE(face.pixel(q + 5, height / 2), Ground.rgb());
    }
}

TEST(TQorCardsButton, PressingShiftsTheFaceByOnePixel) {
    TQorCardsButton button;
    button.resize(100, 30);
    const QImage up = button.Render({}, Ground);
    const QImage down = button.Render({true, false, false}, Ground);
    for (int y = 0; y < 29; ++y)
        for (int x = 0; x < 98; ++x) ASSERT_EQ(down.pixel(x + 1, y + 1), up.pixel(x, y)) << x << "," << y;
    for (int x = 0; x < 100; ++x) EXPECT_EQ(down.pixel(x, 0), Ground.rgb());
}

TEST(TQorCardsButton, HeightSettingAndActualHeight) {
    TQorCardsButton button;
    EXPECT_EQ(button.size(), QSize(100, 30));
    EXPECT_EQ(button.HeightSB(), THeightSB::D30);
    button.SetHeightSB(THeightSB::D45);
    EXPECT_EQ(button.height(), 45);
    button.resize(100, 50);
    EXPECT_EQ(button.HeightSB(), THeightSB::D45);
    EXPECT_EQ(FaceLayout(button.width(), button.height(), button.ColorSB(), false).EndWidth, 14);
}

bool Has(const QImage& face, QRgb colour) {
    for (int y = 0; y < face.height(); ++y)
        for (int x = 0; x < face.width(); ++x)
            if (face.pixel(x, y) == colour) return true;
    return false;
}

TEST(TQorCardsButton, ADisabledButtonWithGrayDisWritesInSilver) {
    TQorCardsButton button(QStringLiteral("OK"), nullptr);
    button.resize(170, 30);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(22);
    font.setBold(true);
    button.setFont(font);
    button.FontColor = Qt::white;
    const QRgb silver = qRgb(192, 192, 192);
    EXPECT_TRUE(Has(button.Render({false, true, false}, Ground), qRgb(255, 255, 255)));
    button.GrayDis = true;
    const QImage disabled = button.Render({false, true, false}, Ground);
    EXPECT_TRUE(Has(disabled, silver));
    EXPECT_FALSE(Has(disabled, qRgb(255, 255, 255)));
    EXPECT_TRUE(Has(button.Render({}, Ground), qRgb(255, 255, 255)));
}

TEST(TintColour, SchemesMapTheStoredRed) {
    struct Case {
        const char* Name;
        TColorSB Scheme;
        int Light;
        bool Nata;
        QRgb Stored;
        QRgb Expected;
    };
    const Case cases[] = {
        {"red", TColorSB::DRed, 0, false, qRgb(200, 100, 50), qRgb(200, 100, 50)},
        {"green", TColorSB::DGreen, 0, false, qRgb(200, 100, 50), qRgb(100, 200, 50)},
        {"blue", TColorSB::DBlue, 0, false, qRgb(200, 100, 50), qRgb(50, 200, 200)},
        {"navy", TColorSB::DNavy, 0, false, qRgb(200, 100, 50), qRgb(50, 100, 200)},
        {"yellow", TColorSB::DYellow, 0, false, qRgb(200, 100, 50), qRgb(200, 200, 50)},
        {"violet", TColorSB::DViolet, 0, false, qRgb(200, 100, 50), qRgb(200, 100, 200)},
        // B' = [0.7 x 50] = 35, G' = 35 + [0.4 x 165] = 101.
        {"orange", TColorSB::DOrang, 0, false, qRgb(200, 100, 50), qRgb(200, 101, 35)},
        {"orange keeps non-red", TColorSB::DOrang, 0, false, qRgb(100, 150, 50), qRgb(100, 150, 50)},
        {"cards", TColorSB::DCards, 0, false, qRgb(200, 100, 50), qRgb(140, 0, 200)},
        // [0.5 x 55 + 200] = [227.5] = 228, [177.5] = 178, [152.5] = 152.
        {"lightened", TColorSB::DRed, 50, false, qRgb(200, 100, 50), qRgb(228, 178, 152)},
        {"other look, near red", TColorSB::DCards, 0, true, qRgb(250, 10, 10), qRgb(150, 7, 250)},
        {"other look, white stays", TColorSB::DCards, 50, true, qRgb(255, 255, 255), qRgb(255, 255, 255)},
        {"other look, black not lightened", TColorSB::DGreen, 50, true, qRgb(0, 0, 0), qRgb(0, 0, 0)},
        {"other look, red lightened", TColorSB::DGreen, 50, true, qRgb(200, 0, 0), qRgb(128, 228, 128)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(TintColour(c.Stored, c.Scheme, c.Light, c.Nata), c.Expected);
    }
}

TEST(FocusMark, ColoursPerScheme) {
    EXPECT_EQ(OutlineColour(TColorSB::DRed), QColor(255, 200, 200));
    EXPECT_EQ(OutlineColour(TColorSB::DCards), QColor(200, 175, 50));
    EXPECT_EQ(DotColour(TColorSB::DNavy), QColor(0, 255, 0));
    EXPECT_EQ(DotColour(TColorSB::DCards), QColor(220, 180, 255));
}

} // namespace
} // namespace vesrin

namespace vesrin {
namespace {

QRgb At(const QImage& face, int x, int y) { return face.pixel(x, y); }

TEST(FocusMark, TheNormalLookDrawsAnOutlineTheOtherLookTwoDots) {
    TQorCardsButton button;
    button.resize(100, 30);
    QFocusEvent focusIn(QEvent::FocusIn);
    QCoreApplication::sendEvent(&button, &focusIn);
    ASSERT_TRUE(button.IsFocused());
    const ButtonDrawState focused{false, false, true};
    // Class 1: the outline runs from (7, 4) to (93, 26), corners of 7 x 7.
    const QImage face = button.Render(focused, Ground);
    EXPECT_EQ(At(face, 50, 4), OutlineColour(TColorSB::DRed).rgb());
    EXPECT_EQ(At(face, 50, 25), OutlineColour(TColorSB::DRed).rgb());
    EXPECT_EQ(At(face, 7, 15), OutlineColour(TColorSB::DRed).rgb());
    EXPECT_NE(At(button.Render({}, Ground), 50, 4), OutlineColour(TColorSB::DRed).rgb());
    // Pressed, the mark moves with the face.
    const QImage pressed = button.Render({true, false, true}, Ground);
    EXPECT_EQ(At(pressed, 50, 5), OutlineColour(TColorSB::DRed).rgb());
    // Without Kontur there is no mark.
    button.Kontur = false;
    EXPECT_EQ(button.Render(focused, Ground), button.Render({}, Ground));
    button.Kontur = true;

    // The other look: dots of diameter 4 at y [15 - 2] = 13, from x 10 and to x 90.
    button.Nata = true;
    const QImage dots = button.Render(focused, Ground);
    EXPECT_EQ(At(dots, 11, 14), DotColour(TColorSB::DRed).rgb());
    EXPECT_EQ(At(dots, 88, 14), DotColour(TColorSB::DRed).rgb());
    EXPECT_NE(At(dots, 50, 4), OutlineColour(TColorSB::DRed).rgb());
}

} // namespace
} // namespace vesrin
