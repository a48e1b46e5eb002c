#include "records/TopTenWindow.h"

#include "UiTestSupport.h"
#include "base/FileBytes.h"
#include "records/Roster.h"

#include <gtest/gtest.h>

namespace vesrin {
namespace {

class TopTenWindow : public ::testing::Test, public test::WindowsFixture {};

TEST_F(TopTenWindow, ShowsTheTopTenOfTheFileInUse) {
    WriteRecords(LocalFile(), {}, {MakeTopTenLine("Anna", 310), MakeTopTenLine("\xC1\xEE\xF0\xE8\xF1", 250)});
    WriteRecords(NetFile(), {}, {MakeTopTenLine("Netty", 99)});

    TFormTopTen local(context);
    local.show();
    EXPECT_EQ(local.Title(), "WINDOWS. LOCAL GAMES WITH PC");
    EXPECT_TRUE(local.FileMessage().isEmpty());
    EXPECT_EQ(local.PlaceText(1), "1.");
    EXPECT_EQ(local.NameText(1), "Anna");
    EXPECT_EQ(local.ScoreText(1), "310");
    EXPECT_EQ(local.NameText(2), QString::fromUtf8("Борис"));
    EXPECT_EQ(local.PlaceText(10), "10.");
    EXPECT_EQ(local.NameText(10), "Vesrin") << "the installed ladder below";
    EXPECT_EQ(local.ScoreText(10), "20");
    for (int place = 1; place <= 10; ++place) {
        SCOPED_TRACE(place);
        EXPECT_EQ(local.PlaceColour(place), place <= 3 ? QColor(255, 0, 0) : QColor(0, 0, 128));
    }

    settings.NetMode = true;
    TFormTopTen net(context);
    net.show();
    EXPECT_EQ(net.Title(), "WINDOWS. NET GAMES");
    EXPECT_EQ(net.NameText(1), "Netty");
    EXPECT_EQ(net.ScoreText(1), "99");
}

TEST_F(TopTenWindow, ADamagedFileShowsTheMessageInsteadOfTheList) {
    std::string bytes = *ReadFileBytes(LocalFile());
    bytes[300] = bytes[300] == 'A' ? 'B' : 'A';
    test::WriteBytes(LocalFile(), bytes);
    TFormTopTen window(context);
    window.show();
    EXPECT_TRUE(window.FileMessage().startsWith("The incorrect file \""));
    EXPECT_TRUE(window.NameText(1).isEmpty());
    EXPECT_TRUE(window.PlaceText(1).isEmpty());
}

TEST_F(TopTenWindow, ColumnTitlesFollowTheLanguage) {
    settings.Language = 1;
    TFormTopTen window(context);
    window.show();
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8("Рекорды"));
    EXPECT_EQ(window.Title(), "WINDOWS. LOCAL GAMES WITH PC") << "the same in every language";
}

} // namespace
} // namespace vesrin
