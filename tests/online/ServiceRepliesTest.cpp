#include "online/ServiceReplies.h"

#include <gtest/gtest.h>

namespace vesrin {
namespace {

// Replies exactly as the service writes them; the service's own tests pin the same
// bytes from its side.
TEST(ServiceReplies, HasMarkerLooksOnlyBeforeTheFirstRecord) {
    struct Case {
        const char* name;
        std::string reply;
        const char* marker;
        bool found;
    };
    const Case cases[] = {
        {"account read of Sonora, Unknown", "ok$Sonora Unknown 1-000 M a@b.c 11.12.2026 xxx xxx xxx 0 0 0$", "no", false},
        {"the same reply is accepted", "ok$Sonora Unknown 1-000 M a@b.c 11.12.2026 xxx xxx xxx 0 0 0$", "ok", true},
        {"a nick with all three markers", "ok$1 42 150 Nokia_is_ok 1-000 Paris M 5.7f # #*", "is", false},
        {"refusal without records", "no", "no", true},
        {"nick exists", "is", "is", true},
        {"failure carries no marker", "fail", "ok", false},
        {"both markers before the data", "okis$x$", "is", true},
        {"empty reply", "", "ok", false},
        {"empty marker never matches", "ok", "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(HasMarker(c.reply, c.marker), c.found);
    }
}

TEST(ServiceReplies, RecordReaders) {
    EXPECT_EQ(RecordAfterDollar("ok$Sonora Unknown$tail"), "Sonora Unknown");
    EXPECT_EQ(RecordAfterDollar("ok$15"), "15");
    EXPECT_EQ(RecordAfterDollar("ok"), "");

    const auto records = RecordsDollarStar("ok$1 a*$2 b*$3 c*", 10);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0], "1 a");
    EXPECT_EQ(records[2], "3 c");
    std::string eleven = "ok";
    for (int i = 0; i < 11; ++i) eleven += "$" + std::to_string(i) + "*";
    EXPECT_EQ(RecordsDollarStar(eleven, 10).size(), 10u);
    const auto unterminated = RecordsDollarStar("ok$1 a", 10);
    ASSERT_EQ(unterminated.size(), 1u);
    EXPECT_EQ(unterminated[0], "1 a");

    struct NumberCase {
        const char* reply;
        std::optional<long long> number;
    };
    const NumberCase numbers[] = {{"ok$12ok", 12}, {"$12$7", 7}, {"ok", std::nullopt}, {"ok$", std::nullopt},
                                  {"ok$x5", std::nullopt}, {"ok$99999999999999999999999", std::nullopt}};
    for (const NumberCase& c : numbers) {
        SCOPED_TRACE(c.reply);
        EXPECT_EQ(NumberAfterLastDollar(c.reply), c.number);
    }
}

TEST(ServiceReplies, FieldsCountFromOneAndKeepEmptyOnes) {
    const auto fields = RecordFields("3 42 150 Nick");
    ASSERT_EQ(fields.size(), 6u);
    EXPECT_EQ(fields[1], "3");
    EXPECT_EQ(fields[3], "150");
    EXPECT_EQ(fields[4], "Nick");
    const auto info = RecordFields("Ann~~About me", '~');
    ASSERT_EQ(info.size(), 5u);
    EXPECT_EQ(info[1], "Ann");
    EXPECT_EQ(info[2], "");
    EXPECT_EQ(info[3], "About me");
}

TEST(ServiceReplies, RatingsAndStatisticsAcknowledgement) {
    EXPECT_DOUBLE_EQ(ReadRating("7,5"), 7.5);
    EXPECT_DOUBLE_EQ(ReadRating("7.5"), 7.5);
    EXPECT_DOUBLE_EQ(ReadRating("-15.405"), -15.405);
    EXPECT_DOUBLE_EQ(ReadRating("junk"), 0);
    EXPECT_EQ(WriteRating(0.000004), "0");
    EXPECT_EQ(WriteRating(-15.405), "-15.405");
    EXPECT_EQ(WriteRating(3), "3");

    EXPECT_TRUE(StatAccepted("ok$Yok#"));
    EXPECT_TRUE(StatAccepted("$xok#"));
    EXPECT_FALSE(StatAccepted("$ok#"));
    EXPECT_FALSE(StatAccepted("no$N--#"));
    EXPECT_FALSE(StatAccepted("ok"));
}

} // namespace
} // namespace vesrin
