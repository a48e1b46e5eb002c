#include "base/TextCipher.h"

#include <gtest/gtest.h>

#include <string>

namespace vesrin {
namespace {

// Expected texts worked out independently of this code.
TEST(TextCipher, GoldenTexts) {
    struct Case {
        const char* name;
        std::string plain;
        std::uint16_t key;
        std::string enciphered;
    };
    const Case cases[] = {
        {"one byte", "A", kUserPasswordKey, "Og"},
        {"one full group", "sim", kUserPasswordKey, "CFpA"},
        {"cyrillic bytes", "\xCF\xF0\xE8\xE2\xE5\xF2", kUserPasswordKey, "tLsLow+Z"},
        {"two bytes", "ab", 1, "YWQ"},
        {"address", "http://127.0.0.1:8042/", 24379, "N7iUy7c1euCF4G0u0hZZtygueKTTzw"},
        {"empty", "", 5, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(EncipherText(c.plain, c.key), c.enciphered);
        EXPECT_EQ(DecipherText(c.enciphered, c.key), c.plain);
    }
}

TEST(TextCipher, LengthIsBase64WithoutFill) {
    std::string plain;
    for (int n = 0; n < 20; ++n) {
        SCOPED_TRACE(n);
        const std::string text = EncipherText(plain, 777);
        const std::size_t expected = n / 3 * 4 + (n % 3 == 0 ? 0 : n % 3 + 1);
        EXPECT_EQ(text.size(), expected);
        EXPECT_EQ(text.find('='), std::string::npos);
        EXPECT_EQ(DecipherText(text, 777), plain);
        plain += static_cast<char>(n * 37);
    }
}

TEST(TextCipher, TheKeyMatters) {
    EXPECT_NE(EncipherText("password", 1), EncipherText("password", 2));
    EXPECT_NE(DecipherText(EncipherText("password", 1), 2), "password");
}

TEST(TextCipher, BrokenBase64IsRefused) {
    EXPECT_FALSE(DecipherText("Og*", kUserPasswordKey).has_value());
    EXPECT_FALSE(DecipherText("CFpAO", kUserPasswordKey).has_value()); // a lone last character
    EXPECT_FALSE(DecipherText("\xFF\xFF", kUserPasswordKey).has_value());
    EXPECT_EQ(DecipherText("Og==", kUserPasswordKey), "A");
}

} // namespace
} // namespace vesrin
