#include "online/UserFile.h"

#include "base/FileBytes.h"
#include "base/TextCipher.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace vesrin {
namespace {

TEST(UserFile, WritesExactlyThreeCrLfLinesAndReadsThemBack) {
    test::TempFolder parent;
    const UserFileContent account{"Alice", EncipherText("secret 1", kUserPasswordKey)};
    ASSERT_EQ(WriteUserFile(parent.Path(), account), WriteStatus::Ok);
    EXPECT_EQ(ReadFileBytes(parent / "QorUser.qor"), "Qor User File\r\nAlice\r\n" + account.PwC + "\r\n");
    EXPECT_EQ(ReadUserFile(parent.Path()), account);
}

TEST(UserFile, OnlyAFileWithTheHeaderAndBothLinesRemembersAnAccount) {
    struct Case {
        const char* name;
        std::string bytes;
        bool remembered;
    };
    const Case cases[] = {
        {"as written", "Qor User File\r\nAlice\r\nabc\r\n", true},
        {"bare line feeds", "Qor User File\nAlice\nabc", true},
        {"another header", "Qor User file\r\nAlice\r\nabc\r\n", false},
        {"no password line", "Qor User File\r\nAlice\r\n", false},
        {"empty", "", false},
        {"binary", std::string("\0\xff\r\n\x01", 5), false},
        {"a stray carriage return", "Qor User File\r\nAli\rce\r\nabc\r\n", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ParseUserFile(c.bytes).has_value(), c.remembered);
    }
    test::TempFolder parent;
    EXPECT_FALSE(ReadUserFile(parent.Path())) << "no file";
}

TEST(UserFile, AValueThatWouldBreakTheFileIsNotWrittenAndTheOldFileStays) {
    test::TempFolder parent;
    ASSERT_EQ(WriteUserFile(parent.Path(), {"Alice", "abc"}), WriteStatus::Ok);
    EXPECT_NE(WriteUserFile(parent.Path(), {"Eve\r\nQor User File", "abc"}), WriteStatus::Ok);
    EXPECT_EQ(ReadUserFile(parent.Path()), (UserFileContent{"Alice", "abc"}));
    EXPECT_NE(WriteUserFile(parent / "missing-folder", {"Alice", "abc"}), WriteStatus::Ok);
}

TEST(UserFile, DeleteForgetsTheAccount) {
    test::TempFolder parent;
    ASSERT_EQ(WriteUserFile(parent.Path(), {"Alice", "abc"}), WriteStatus::Ok);
    EXPECT_TRUE(DeleteUserFile(parent.Path()));
    EXPECT_FALSE(ReadUserFile(parent.Path()));
    EXPECT_TRUE(DeleteUserFile(parent.Path())) << "nothing left to delete is fine";
}

TEST(UserFile, TheStartSignInSendsCharactersThatBreakRequestsAsHyphens) {
    EXPECT_EQ(StartSignInPassword("a b#c$d"), "a-b-c-d");
    EXPECT_EQ(StartSignInPassword("plain12"), "plain12");
}

} // namespace
} // namespace vesrin
