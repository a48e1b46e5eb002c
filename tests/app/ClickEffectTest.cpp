#include "app/ClickEffect.h"

#include "../table/TestLibrary.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vesrin {
namespace {

TEST(ClickEffect, NeedsTheDecorationLibrary) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    BlockingSteps blocking;
    blocking.InstantPauses = true;
    const LibraryPlaces places = LibraryPlaces::Beside(folder.filePath(QStringLiteral("game")));
    EXPECT_FALSE(ShowClickEffect(QPoint(200, 200), places, blocking));

    // The library in the parent folder, where sibling games share it.
    QImage strip(3000, 100, QImage::Format_ARGB32);
    strip.fill(QColor(255, 255, 0, 128));
    ASSERT_TRUE(test::BuildLibrary(folder.filePath(QStringLiteral("QorCGraph1.dll")),
                                   {{QStringLiteral("GTouch"), test::PngData(strip)}}));
    EXPECT_TRUE(ShowClickEffect(QPoint(200, 200), places, blocking));
    EXPECT_FALSE(blocking.Active());
}

} // namespace
} // namespace vesrin
