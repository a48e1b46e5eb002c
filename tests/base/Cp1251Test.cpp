#include "base/Cp1251.h"

#include <gtest/gtest.h>

#include <string>

namespace vesrin {
namespace {

TEST(Cp1251, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    const auto back = Utf8ToCp1251(Cp1251ToUtf8(all));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, all);
}

TEST(Cp1251, KnownCharacters) {
    struct Case {
        const char* name;
        std::string bytes;
        std::string utf8;
    };
    const Case cases[] = {
        {"ascii", "Mr.X", "Mr.X"},
        {"settings on and off letters", "\xE8\xEB", "\xD0\xB8\xD0\xBB"},                // и л
        {"records marker", "\x8E", "\xD0\x8B"},                                         // Ћ
        {"capital A and small ya", "\xC0\xFF", "\xD0\x90\xD1\x8F"},                     // А я
        {"yo and euro and numero", "\xA8\x88\xB9", "\xD0\x81\xE2\x82\xAC\xE2\x84\x96"}, // Ё € №
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Cp1251ToUtf8(c.bytes), c.utf8);
        EXPECT_EQ(Utf8ToCp1251(c.utf8), c.bytes);
    }
}

TEST(Cp1251, RefusesWhatTheCodePageCannotHold) {
    struct Case {
        const char* name;
        std::string utf8;
    };
    const Case cases[] = {
        {"chinese", "\xE4\xB8\xAD"},   {"latin e acute", "caf\xC3\xA9"}, {"emoji", "\xF0\x9F\x98\x80"},
        {"cut sequence", "ab\xD0"},    {"lone continuation", "\x80"},    {"overlong slash", "\xC0\xAF"},
        {"surrogate", "\xED\xA0\x80"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(Utf8ToCp1251(c.utf8).has_value());
        EXPECT_FALSE(FitsCp1251(c.utf8));
    }
    EXPECT_TRUE(FitsCp1251("\xD0\x9F\xD1\x91\xD1\x82\xD1\x80")); // Пётр
}

} // namespace
} // namespace vesrin
