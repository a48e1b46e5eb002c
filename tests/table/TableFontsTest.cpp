#include "table/TableFonts.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

namespace vesrin {
namespace {

TEST(FontKinds, SizesScaleByTheKindsPercentage) {
    FontKinds fonts;
    fonts.Percent = {75, 50, 150, 100};
    EXPECT_EQ(fonts.ScaleFontSize(20, TextKind::Decor), 15);
    EXPECT_EQ(fonts.ScaleFontSize(21, TextKind::Serif), 10); // 10.5
    EXPECT_EQ(fonts.ScaleFontSize(23, TextKind::Serif), 12); // 11.5
    EXPECT_EQ(fonts.ScaleFontSize(11, TextKind::Fixed), 16); // 16.5
    EXPECT_EQ(fonts.ScaleFontSize(30, TextKind::Conew), 30);
    EXPECT_EQ(fonts.Name(TextKind::Decor), QStringLiteral("Comic Sans MS"));
    EXPECT_EQ(fonts.Name(TextKind::Fixed), QStringLiteral("FixedSys"));
}

TEST(FontKinds, HeightsAreTheWholeCharacterCell) {
    for (int height : {11, 18, 30, 62}) {
        SCOPED_TRACE(height);
        const QFont font = FontWithHeight(QStringLiteral("Comic Sans MS"), height, true);
        EXPECT_NEAR(QFontMetrics(font).height(), height, 1);
        EXPECT_TRUE(font.bold());
    }
}

TEST(CentredLeft, TruncatesTowardsZero) {
    QFont font = FontWithHeight(QStringLiteral("DejaVu Sans"), 20);
    const QString text = QStringLiteral("+12");
    const int width = TextWidth(font, text);
    EXPECT_EQ(CentredLeft(font, text, 10, 10 + width + 7), 13);
    EXPECT_EQ(CentredLeft(font, text, 0, width - 5), -2);
}

} // namespace
} // namespace vesrin
