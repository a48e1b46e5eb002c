#include "codec/HttpRequestReader.h"
#include "codec/ServiceReplyWriter.h"
#include "codec/ServiceRequestParse.h"
#include "online/ServiceReplies.h"
#include "online/ServiceRequests.h"

#include <gtest/gtest.h>

namespace vesrin::service {
namespace {

// The service's replies to the byte; the program's readers are checked on the same
// bytes in the online tests, and below they read what the writer gives.
TEST(ServiceReplyWriter, GoldenReplies) {
    EXPECT_EQ(RecordReply({"Sonora", "Unknown", "1-000", "M"}), "ok$Sonora Unknown 1-000 M$");
    EXPECT_EQ(RecordReply({"Ann", "", "About me"}, '~'), "ok$Ann~~About me$");
    EXPECT_EQ(RecordsReply({{"1", "42", "150", "Nokia_is_ok"}, {"2", "42", "90", "Bob"}}),
              "ok$1 42 150 Nokia_is_ok*$2 42 90 Bob*");
    EXPECT_EQ(RecordsReply({}), "ok");
    EXPECT_EQ(NumberReply(12), "ok$12");
    EXPECT_EQ(StatAckReply(true), "ok$Yok#");
    EXPECT_EQ(RecordWord("a b$c*d~e"), "a_b_c_d_e");
    EXPECT_EQ(InfoWord("a$b~c"), "a b c");
}

TEST(ServiceReplyWriter, ProgramReadersAgree) {
    // Players' own words never make a reply look refused, taken or accepted.
    const std::string account = RecordReply({"Sonora", "Unknown", "Nokia_is_ok"});
    EXPECT_TRUE(HasMarker(account, "ok"));
    EXPECT_FALSE(HasMarker(account, "no"));
    EXPECT_FALSE(HasMarker(account, "is"));
    const auto fields = RecordFields(RecordAfterDollar(account));
    EXPECT_EQ(fields[1], "Sonora");
    EXPECT_EQ(fields[3], "Nokia_is_ok");
    const auto records = RecordsDollarStar(RecordsReply({{"1", "x"}, {"2", "y"}}), 10);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1], "2 y");
    EXPECT_EQ(NumberAfterLastDollar(NumberReply(7)), 7);
    EXPECT_TRUE(StatAccepted(StatAckReply(true)));
    EXPECT_FALSE(StatAccepted(StatAckReply(false)));
    EXPECT_FALSE(HasMarker(std::string(kFailReply), "ok"));
    EXPECT_FALSE(HasMarker(std::string(kFailReply), "is"));
}

TEST(ServiceRequestParse, FormBodies) {
    struct Case {
        const char* name;
        std::string body;
        bool valid;
    };
    const Case cases[] = {
        {"raw body", "gid=42&nick=Bob&city=Paris", true},
        {"percent-encoded", "nick=%C8%E2%E0%ED&pw=a%20b", true},
        {"result send star", "gid=42&R10=#*", true},
        {"no equals", "garbage", false},
        {"empty name", "=x", false},
        {"repeated name", "a=1&a=2", false},
        {"control byte", std::string("nick=a\x01", 7), false},
        {"escaped control byte", "nick=a%00", false},
        {"empty body", "", false},
        {"trailing ampersand", "a=1&", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ParseFormBody(c.body).has_value(), c.valid);
    }
    const auto fields = ParseFormBody("nick=%C8%E2&pw=a+b&R10=x*");
    ASSERT_TRUE(fields);
    EXPECT_EQ(*FieldValue(*fields, "nick"), "\xC8\xE2");
    EXPECT_EQ(*FieldValue(*fields, "pw"), "a b");
    EXPECT_EQ(*FieldValue(*fields, "R10"), "x");
}

TEST(ServiceRequestParse, RecognisesTheProgramsRequests) {
    struct Case {
        const char* name;
        ServiceArea area;
        ServiceRequest request;
        RequestKind kind;
    };
    const Case cases[] = {
        {"create", ServiceArea::Account, AccountCreate({"Bob", "pw12", "Paris", "France", "1-015", 'M', "b@c.d", "1.1.2026"}),
         RequestKind::AccountCreate},
        {"read", ServiceArea::Account, AccountRead("Bob", "pw"), RequestKind::AccountRead},
        {"top ten", ServiceArea::Account, AccountTopTenRead(), RequestKind::AccountTopTenRead},
        {"place", ServiceArea::Account, AccountPlaceRead(2.5), RequestKind::AccountPlaceRead},
        {"count", ServiceArea::Account, AccountCountRead(), RequestKind::AccountCountRead},
        {"points read", ServiceArea::Account, PointsRead("Bob"), RequestKind::PointsRead},
        {"points save", ServiceArea::Account, PointsSave("Bob", "pw", -3), RequestKind::PointsSave},
        {"transfer", ServiceArea::Account, PointsTransfer("Bob", "pw", "Ann", 3), RequestKind::PointsTransfer},
        {"info read", ServiceArea::Account, InfoRead("Bob"), RequestKind::InfoRead},
        {"info save", ServiceArea::Account, InfoSave("Bob", "pw", {}), RequestKind::InfoSave},
        {"game read", ServiceArea::Account, GameRead("Bob", "pw"), RequestKind::GameRead},
        {"game save", ServiceArea::Account, GameSave("Bob", "pw", {}), RequestKind::GameSave},
        {"world read", ServiceArea::WorldTop, WorldTopTenRead(42), RequestKind::WorldTopTenRead},
        {"near read", ServiceArea::WorldTop, WorldNearRead(42, "Bob", "Paris"), RequestKind::WorldNearRead},
        {"result send", ServiceArea::WorldTop, WorldResultSend({}), RequestKind::WorldResultSend},
        {"world place", ServiceArea::WorldTop, WorldPlaceRead(42), RequestKind::WorldPlaceRead},
        {"tables", ServiceArea::Tour, TableListRead(42), RequestKind::TableListRead},
        {"server info", ServiceArea::Tour, ServerInfoRead(42), RequestKind::ServerInfoRead},
        {"seat write", ServiceArea::Tour, SeatWrite(42, 3, 2, SeatAction::Take, {}, "pw"), RequestKind::SeatWrite},
        {"seat read", ServiceArea::Tour, SeatRead(42, 3, 2), RequestKind::SeatRead},
        {"standing", ServiceArea::Tour, StandingRead(42, "Bob"), RequestKind::StandingRead},
        {"tour top ten", ServiceArea::Tour, TourTopTenRead('r', 42), RequestKind::TourTopTenRead},
        {"tour place", ServiceArea::Tour, TourPlaceRead('k', 42, 5), RequestKind::TourPlaceRead},
        {"game counters", ServiceArea::Stat, GameStatisticsSend(42, {}), RequestKind::GameStatisticsSend},
        {"start", ServiceArea::Stat, StartCount(42, false), RequestKind::StartCount},
        {"like", ServiceArea::Stat, LikeSend(42, "Bob"), RequestKind::LikeSend},
        {"statistics read", ServiceArea::Stat, StatisticsRead(42), RequestKind::StatisticsRead},
        {"account fields at the top ten", ServiceArea::WorldTop, AccountRead("Bob", "pw"), RequestKind::Unknown},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto fields = ParseFormBody(EncodeRequest(c.request));
        ASSERT_TRUE(fields);
        EXPECT_EQ(RecogniseRequest(c.area, *fields).Kind, c.kind);
    }
    const auto seat = ParseFormBody(EncodeRequest(SeatWrite(42, 3, 2, SeatAction::Take, {}, "pw")));
    EXPECT_EQ(RecogniseRequest(ServiceArea::Tour, *seat).Number, 2);
    const auto game = ParseFormBody(EncodeRequest(GameSave("Bob", "pw", {})));
    EXPECT_EQ(RecogniseRequest(ServiceArea::Account, *game).Prefix, "crdvesrin");
}

TEST(HttpRequestReader, SplitJoinedAndBoundedRequests) {
    HttpRequestReader reader;
    const std::string two = "POST /stat HTTP/1.1\r\nHost: x\r\nContent-Length: 6\r\n\r\ngid=42"
                            "GET /news.html HTTP/1.1\r\nConnection: close\r\n\r\n";
    // Byte by byte: every piece boundary must work.
    HttpRequest request;
    std::vector<HttpRequest> seen;
    for (char c : two) {
        reader.Feed(std::string_view(&c, 1));
        while (reader.Next(request) == ReadStatus::Complete) seen.push_back(request);
    }
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].Path, "/stat");
    EXPECT_EQ(seen[0].Body, "gid=42");
    EXPECT_TRUE(seen[0].KeepAlive());
    EXPECT_EQ(seen[1].Method, "GET");
    EXPECT_FALSE(seen[1].KeepAlive());

    struct Case {
        const char* name;
        std::string bytes;
        ReadStatus status;
    };
    const Case cases[] = {
        {"body too large", "POST /account HTTP/1.1\r\nContent-Length: 100000\r\n\r\n", ReadStatus::BodyTooLarge},
        {"head too large", "GET / HTTP/1.1\r\nX: " + std::string(9000, 'a'), ReadStatus::HeadTooLarge},
        {"chunked", "POST /stat HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n", ReadStatus::Unsupported},
        {"not http", "HELLO\r\n\r\n", ReadStatus::Bad},
        {"two lengths", "POST /a HTTP/1.1\r\nContent-Length: 1\r\nContent-Length: 2\r\n\r\n", ReadStatus::Bad},
        {"bad length", "POST /a HTTP/1.1\r\nContent-Length: -1\r\n\r\n", ReadStatus::Bad},
        {"upload may be larger", "POST /avatars HTTP/1.1\r\nContent-Length: 100000\r\n\r\n", ReadStatus::NeedMore},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HttpRequestReader fresh;
        fresh.Feed(c.bytes);
        EXPECT_EQ(fresh.Next(request), c.status);
    }
}

TEST(HttpRequestReader, Ranges) {
    struct Case {
        const char* header;
        RangeStatus status;
        std::uint64_t first, last;
    };
    const Case cases[] = {
        {"bytes=0-9", RangeStatus::Satisfiable, 0, 9},     {"bytes=90-", RangeStatus::Satisfiable, 90, 99},
        {"bytes=-10", RangeStatus::Satisfiable, 90, 99},   {"bytes=50-500", RangeStatus::Satisfiable, 50, 99},
        {"bytes=100-", RangeStatus::Unsatisfiable, 0, 0},  {"bytes=0-1,5-6", RangeStatus::None, 0, 0},
        {"items=0-1", RangeStatus::None, 0, 0},            {"bytes=5-2", RangeStatus::None, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.header);
        ByteRange range;
        EXPECT_EQ(ParseRange(c.header, 100, range), c.status);
        if (c.status == RangeStatus::Satisfiable) {
            EXPECT_EQ(range.First, c.first);
            EXPECT_EQ(range.Last, c.last);
        }
    }
    EXPECT_EQ(DecodePath("/musik/A%20b~c.mp3"), "/musik/A b~c.mp3");
    EXPECT_EQ(DecodePath("/x%2"), std::nullopt);
    EXPECT_EQ(DecodePath("/x%00"), std::nullopt);
}

} // namespace
} // namespace vesrin::service
