#include "table/Attention.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace vesrin {
namespace {

TEST(Attention, WidthFollowsTheWidestLine) {
    struct Case {
        int Widest;
        int Expected;
    };
    // Below 350 the box is 400 wide; from 350 on (292 + 58) it is the sum plus 50.
    const Case cases[] = {{0, 400}, {100, 400}, {291, 400}, {292, 400}, {293, 401}, {300, 408}, {500, 608}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Widest);
        EXPECT_EQ(AttentionBox::ClientWidthFor(c.Widest, 58), c.Expected);
    }
}

TEST(Attention, EmptyLinesAreHiddenAndTheButtonSpansTheBox) {
    AttentionBox box(nullptr, "Can`t find the file QorCards06A.dll", QString(), "https://example.org/");
    box.show();
    EXPECT_EQ(box.windowTitle(), "Attention");
    EXPECT_TRUE(box.Line(0)->isVisible());
    EXPECT_FALSE(box.Line(1)->isVisible());
    EXPECT_TRUE(box.Line(2)->isVisible());
    EXPECT_TRUE(box.Line(2)->font().underline());
    EXPECT_TRUE(box.Line(0)->font().bold());
    EXPECT_EQ(box.Line(0)->font().pixelSize(), 20);
    EXPECT_EQ(box.height(), AttentionBox::ClientHeight);
    EXPECT_EQ(box.OkButton()->width(), box.width() - 10);
    EXPECT_GE(box.width(), 400);
    EXPECT_EQ(box.OkButton()->text(), "Ok");
}

TEST(Attention, ShowAttentionIsModalAndClosesWithOk) {
    bool sawBox = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<AttentionBox*>(QApplication::activeModalWidget());
        sawBox = box != nullptr;
        if (box) box->OkButton()->click();
    });
    ShowAttention(nullptr, "Line one");
    EXPECT_TRUE(sawBox);
}

} // namespace
} // namespace vesrin
