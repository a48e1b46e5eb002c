#include "base/FileBytes.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vesrin {
namespace {

std::vector<std::string> Lines(std::string_view bytes) {
    std::vector<std::string> out;
    for (auto line : SplitLines(bytes))
        out.emplace_back(line);
    return out;
}

TEST(SplitLines, LineEnds) {
    struct Case {
        const char* name;
        std::string bytes;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"empty file", "", {}},
        {"crlf ended", "a\r\nb\r\n", {"a", "b"}},
        {"last line without end", "a\r\nb", {"a", "b"}},
        {"empty line in the middle", "a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"empty last line counts", "a\r\n\r\n", {"a", ""}},
        {"bare lf", "a\nb\n", {"a", "b"}},
        {"cr at the very end", "a\r", {"a"}},
        {"binary bytes kept", std::string("\0\x8E}", 3) + "\r\n", {std::string("\0\x8E}", 3)}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Lines(c.bytes), c.lines);
    }
}

TEST(SplitLines, JoinIsTheInverse) {
    const std::vector<std::string> lines = {"<# General>", "", "\xE8"};
    EXPECT_EQ(JoinCrLfLines(lines), "<# General>\r\n\r\n\xE8\r\n");
    EXPECT_EQ(Lines(JoinCrLfLines(lines)), lines);
}

TEST(ReadFileBytes, ReadsExactlyAndRefusesWhatItCannot) {
    test::TempFolder folder;
    const std::string bytes("x\0y\r\n\xFF", 6);
    test::WriteBytes(folder / "f", bytes);
    EXPECT_EQ(ReadFileBytes(folder / "f"), bytes);
    EXPECT_FALSE(ReadFileBytes(folder / "missing").has_value());
    EXPECT_FALSE(ReadFileBytes(folder.Path()).has_value());
    EXPECT_FALSE(ReadFileBytes(folder / "f", 5).has_value());
}

} // namespace
} // namespace vesrin
