#include "base/TextFields.h"

#include <gtest/gtest.h>

namespace vesrin {
namespace {

TEST(StrictInt, AcceptsOnlyPlainDecimalNumbers) {
    struct Case {
        const char* text;
        std::optional<std::int32_t> value;
    };
    const Case cases[] = {
        {"0", 0},
        {"47", 47},
        {"   -12", -12},
        {"+5", 5},
        {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN},
        {"2147483648", std::nullopt},
        {"", std::nullopt},
        {"12 ", std::nullopt},
        {"1a", std::nullopt},
        {"$10", std::nullopt},
        {"-", std::nullopt},
        {"#", std::nullopt},
        {"99999999999999999999", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(StrictInt(c.text), c.value);
    }
}

TEST(CommaDecimal, ReadsTheFilesRealNumbers) {
    struct Case {
        const char* text;
        std::optional<double> value;
    };
    const Case cases[] = {
        {"  0,000000", 0.0}, {"  3,250000", 3.25},         {"-99,990000", -99.99}, {"7.5", 7.5},
        {"12", 12.0},        {"1,", std::nullopt},         {",5", std::nullopt},   {"1,5x", std::nullopt},
        {"", std::nullopt},  {"##########", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(CommaDecimal(c.text), c.value);
    }
}

TEST(TextFields, Formatting) {
    EXPECT_EQ(CommaFixed(3.0, 6), "3,000000");
    EXPECT_EQ(CommaFixed(-0.05, 2), "-0,05");
    EXPECT_EQ(FitLeft("Sim", 5), "Sim  ");
    EXPECT_EQ(FitLeft("abcdef", 3), "abc");
    EXPECT_EQ(AlignRight("12", 5), "   12");
    EXPECT_EQ(AlignRight("123456", 3), "123456");
    EXPECT_EQ(ZeroPadded(42, 5), "00042");
    EXPECT_EQ(TrimRight("ab  "), "ab");
}

} // namespace
} // namespace vesrin
