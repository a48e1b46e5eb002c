#include "net/ConnectChecks.h"

#include <gtest/gtest.h>

namespace vesrin {
namespace {

TEST(ConnectChecks, HostAddresses) {
    struct Case {
        const char* Address;
        bool Valid;
    };
    const Case cases[] = {
        {"1.2.3.4", true},    {"999.1.1.1", true}, {"127.0.0.1", true}, {"1.2.3", false},
        {"1.2.3.4.", false},  {"1.2.3.1234", false}, {"1..3.4", false}, {"", false},
        {".1.2.3", false},    {"1.2.3.4.5", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Address);
        EXPECT_EQ(ValidHostAddress(c.Address), c.Valid);
    }
    EXPECT_TRUE(OnlyDigitsAndPoints("10.0.0.1"));
    EXPECT_FALSE(OnlyDigitsAndPoints("10.0.0.a"));
    EXPECT_TRUE(OnlyDigits("25666"));
    EXPECT_FALSE(OnlyDigits("2566x"));
}

TEST(ConnectChecks, TheAccessCodeTogglesOnlyWhenTypedWhole) {
    HiddenHandKeys keys;
    int toggles = 0;
    for (char c : std::string("4739")) toggles += keys.Type(c) ? 1 : 0;
    EXPECT_EQ(toggles, 0);
    EXPECT_TRUE(keys.Type('1'));
    // The buffer starts afresh after the code, and a cleared buffer forgets what was typed.
    for (char c : std::string("47")) keys.Type(c);
    keys.Clear();
    for (char c : std::string("391")) toggles += keys.Type(c) ? 1 : 0;
    EXPECT_EQ(toggles, 0);
    keys.Clear();
    for (char c : std::string("0047391")) toggles += keys.Type(c) ? 1 : 0;
    EXPECT_EQ(toggles, 1);
}

TEST(ConnectChecks, ChatLinesFillUpThenMoveUpAndLongOnesAreShortened) {
    TableChatLines chat;
    const auto width = [](std::string_view text) { return static_cast<int>(text.size()) * 10; };
    for (int i = 1; i <= 4; ++i) chat.Add("line" + std::to_string(i), i, width, 85);
    EXPECT_EQ(chat.Lines()[0].Text, "line1");
    chat.Add("line5", 2, width, 85);
    EXPECT_EQ(chat.Lines()[0].Text, "line2");
    EXPECT_EQ(chat.Lines()[3].Text, "line5");
    EXPECT_EQ(chat.Lines()[3].Seat, 2);

    // Eight characters fit in 85; at most twelve are taken away.
    chat.Clear();
    chat.Add("abcdefghijk", 1, width, 85);
    EXPECT_EQ(chat.Lines()[0].Text, "abcdefgh...");
    chat.Add(std::string(30, 'x'), 1, width, 85);
    EXPECT_EQ(chat.Lines()[1].Text, std::string(18, 'x') + "...");
    chat.Add("short", 3, width, 85);
    EXPECT_EQ(chat.Lines()[2].Text, "short");
}

} // namespace
} // namespace vesrin
