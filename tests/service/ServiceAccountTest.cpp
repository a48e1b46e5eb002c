#include "ServiceFixture.h"

#include "online/ServiceReplies.h"

namespace vesrin::test {
namespace {

using ::vesrin::HasMarker;

// A nick holding all three markers, a city holding "no" and a country holding "no":
// every reply about this player must still read as what it is.
TEST_P(ServiceTest, MarkerWordsInThePlayersOwnDataDoNotChangeReplies) {
    CreateAccount("Nokia_is_ok", "secret1", "Sonora", "Unknown");
    EXPECT_TRUE(HasMarker(Account(AccountCreate({"Nokia_is_ok", "other1", "Tokyo", "Japan", "2-020", 'M', "x@y.z", "1"})), "is"));

    const std::string read = Account(AccountRead("Nokia_is_ok", "secret1"));
    EXPECT_TRUE(HasMarker(read, "ok"));
    EXPECT_FALSE(HasMarker(read, "no"));
    EXPECT_EQ(LeadingFields(RecordAfterDollar(read), 12),
              (Words{"Sonora", "Unknown", "1-015", "M", "a@b.c", "11.12.2026", "xxx", "xxx", "xxx", "0", "0", "0"}));
    EXPECT_TRUE(HasMarker(Account(AccountRead("Nokia_is_ok", "wrong11")), "no"));
    EXPECT_TRUE(HasMarker(Account(AccountRead("nokia_IS_ok", "secret1")), "ok")) << "nicks are one account whatever the case";

    GameValues game;
    game.Kon = 10;
    game.Best = 37;
    game.Rating = -15.405;
    game.Sessions = 2;
    game.KonL = 3;
    game.Score = -12;
    game.R2 = "Unknown";
    EXPECT_TRUE(HasMarker(Account(GameSave("Nokia_is_ok", "secret1", game)), "ok"));
    EXPECT_EQ(LeadingFields(RecordAfterDollar(Account(GameRead("Nokia_is_ok", "secret1"))), 8),
              (Words{"10", "37", "-15.405", "2", "3", "-12", "0", "Unknown"}));

    InfoValues info;
    info[0] = "Nokia";
    info[2] = "No about, is ok";
    info[5] = "http://example.org/is~no$";
    EXPECT_TRUE(HasMarker(Account(InfoSave("Nokia_is_ok", "secret1", info)), "ok"));
    const std::string contacts = Account(InfoRead("Nokia_is_ok"));
    EXPECT_FALSE(HasMarker(contacts, "no"));
    const auto details = RecordFields(RecordAfterDollar(contacts), '~');
    ASSERT_GE(details.size(), 15u);
    EXPECT_EQ(details[1], "Nokia");
    EXPECT_EQ(details[3], "No about, is ok");
    EXPECT_EQ(details[6], "http://example.org/is no ") << "record signs become blanks";
    EXPECT_TRUE(HasMarker(Account(InfoRead("Nobody")), "no"));
}

TEST_P(ServiceTest, ChangesNeedTheAccountsPassword) {
    CreateAccount("Anna", "secret1");
    InfoValues info;
    info[0] = "Anna";
    struct Case {
        const char* name;
        ServiceRequest request;
    };
    Case cases[] = {
        {"game save without a password", GameSave("Anna", "", GameValues{})},
        {"game save with a wrong password", GameSave("Anna", "wrong", GameValues{})},
        {"info save with a wrong password", InfoSave("Anna", "wrong", info)},
        {"points save with a wrong password", PointsSave("Anna", "wrong", -1)},
        {"transfer with a wrong password", PointsTransfer("Anna", "wrong", "Anna", 1)},
    };
    // The program's forms without the added password field.
    ServiceRequest bare = InfoSave("Anna", "", info);
    bare.Fields.pop_back();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(HasMarker(Account(c.request), "no"));
    }
    EXPECT_TRUE(HasMarker(Account(bare), "no"));
    const auto game = RecordFields(RecordAfterDollar(Account(GameRead("Anna", "secret1"))));
    EXPECT_EQ(game[1], "0") << "a refused save changed nothing";
    EXPECT_EQ(RecordFields(RecordAfterDollar(Account(InfoRead("Anna"))), '~')[1], "");
}

TEST_P(ServiceTest, PointsTransferMovesBothBalancesOrNeither) {
    CreateAccount("Anna", "secret1");
    CreateAccount("Boris", "secret2");
    // An account cycle at place 1 of the account list earns its 25 points at the service.
    WorldResultValues cycle;
    cycle.Gid = 342;
    cycle.Nick = "Anna";
    cycle.City = "Paris";
    cycle.Country = "France";
    cycle.Score = 120;
    cycle.Pw = "secret1";
    EXPECT_EQ(NumberAfterLastDollar(World(WorldResultSend(cycle))), 1);
    const auto balance = [&](const std::string& nick) {
        return std::stoll(RecordFields(RecordAfterDollar(Account(PointsRead(nick))))[1]);
    };
    EXPECT_EQ(balance("Anna"), 25);

    EXPECT_TRUE(HasMarker(Account(PointsTransfer("Anna", "secret1", "Boris", 10)), "ok"));
    EXPECT_EQ(balance("Anna"), 15);
    EXPECT_EQ(balance("Boris"), 10);
    struct Case {
        const char* name;
        ServiceRequest request;
    };
    const Case refused[] = {
        {"more than the balance", PointsTransfer("Anna", "secret1", "Boris", 16)},
        {"no such member", PointsTransfer("Anna", "secret1", "Nobody", 5)},
        {"wrong password", PointsTransfer("Anna", "secret2", "Boris", 5)},
        {"to oneself", PointsTransfer("Anna", "secret1", "anna", 5)},
    };
    for (const Case& c : refused) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(HasMarker(Account(c.request), "no"));
    }
    EXPECT_FALSE(HasMarker(Account(PointsTransfer("Anna", "secret1", "Boris", 0)), "ok"));
    EXPECT_EQ(balance("Anna"), 15);
    EXPECT_EQ(balance("Boris"), 10);
    // The whole balance may go; points cannot be made up with a positive save.
    EXPECT_TRUE(HasMarker(Account(PointsTransfer("Anna", "secret1", "Boris", 15)), "ok"));
    EXPECT_TRUE(HasMarker(Account(PointsSave("Anna", "secret1", 1000)), "no"));
    EXPECT_TRUE(HasMarker(Account(PointsSave("Boris", "secret2", -5)), "ok"));
    EXPECT_EQ(balance("Anna"), 0);
    EXPECT_EQ(balance("Boris"), 20);
}

TEST_P(ServiceTest, AccountListsCountAndPlaces) {
    CreateAccount("Anna", "secret1");
    CreateAccount("Boris", "secret2", "Moscow", "Russia");
    GameValues game;
    game.Rating = 7.5;
    ASSERT_EQ(Account(GameSave("Anna", "secret1", game)), "ok");
    game.Rating = 2.25;
    ASSERT_EQ(Account(GameSave("Boris", "secret2", game)), "ok");
    EXPECT_EQ(NumberAfterLastDollar(Account(AccountCountRead())), 2);
    EXPECT_EQ(NumberAfterLastDollar(Account(AccountPlaceRead(5.0))), 2);
    EXPECT_EQ(NumberAfterLastDollar(Account(AccountPlaceRead(8.0))), 1);
    const auto top = OwnedRecords(Account(AccountTopTenRead()), 10);
    ASSERT_EQ(top.size(), 2u);
    const auto first = RecordFields(top[0]);
    EXPECT_EQ(first[2], "Anna");
    EXPECT_EQ(first[3], "Paris");
    EXPECT_DOUBLE_EQ(ReadRating(first[7]), 7.5);
    EXPECT_EQ(RecordFields(top[1])[2], "Boris");
}

TEST_P(ServiceTest, MalformedRequestsAreRefusedAndChangeNothing) {
    CreateAccount("Anna", "secret1");
    struct Case {
        const char* name;
        std::string path;
        std::string body;
    };
    const Case cases[] = {
        {"no fields", "/account", "garbage"},
        {"repeated field", "/account", "nick=Eve&nick=Eve&pw=secret&dater=1"},
        {"control byte", "/account", std::string("nick=Ev\x02&pw=secret1&dater=1&city=x")},
        {"unknown request", "/account", "hello=1"},
        {"nick too long", "/account", "nick=ABCDEFGHIJKLMN&pw=secret1&city=x&dater=1"},
        {"password too short", "/account", "nick=Eve&pw=1&city=x&dater=1"},
        {"score not a number", "/worldtop", "gid=42&nick=Eve&city=x&country=1-001&score=12x&R7=M*"},
        {"game identifier not a number", "/worldtop", "gid=abc"},
        {"seat out of range", "/tour", "client4on9=0&gid=42&num=1&can=1&nick9=Anna&pw=secret1"},
        {"table out of range", "/tour", "readclient1=0&gid=42&num=11"},
        {"empty body", "/stat", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const HttpReply reply = Service().Post(c.path, c.body);
        EXPECT_NE(reply.Status, 0);
        EXPECT_FALSE(HasMarker(reply.Body, "ok"));
        EXPECT_FALSE(HasMarker(reply.Body, "is"));
    }
    const HttpReply huge = Service().Post("/account", "nick=" + std::string(20000, 'a'));
    EXPECT_EQ(huge.Status, 413);
    EXPECT_EQ(NumberAfterLastDollar(Account(AccountCountRead())), 1);
    EXPECT_EQ(World(WorldTopTenRead(42)), "ok");
}

TEST_P(ServiceTest, ServesOnAfterTheDatabaseServerRestarted) {
    if (GetParam() != Backend::Postgres) GTEST_SKIP() << "only a database server can restart";
    CreateAccount("Anna", "secret1");
    ASSERT_TRUE(RestartPostgres());
    EXPECT_TRUE(HasMarker(Account(AccountRead("Anna", "secret1")), "ok"));
    EXPECT_EQ(NumberAfterLastDollar(Account(AccountCountRead())), 1);
}

INSTANTIATE_TEST_SUITE_P(Backends, ServiceTest, ::testing::Values(Backend::Sqlite, Backend::Postgres), BackendName);

} // namespace
} // namespace vesrin::test
