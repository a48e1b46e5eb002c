#include "net/ReceiveBuffer.h"
#include "net/TableMessages.h"

#include <gtest/gtest.h>

#include <vector>

namespace vesrin {
namespace {

// Code page 1251 bytes of the Cyrillic letters the messages carry.
const std::string Yes = "\xC8"; // "И"
const std::string No = "\xCB";  // "Л"

DealData SortedDeal(bool moon, bool limit50) {
    DealData deal;
    for (int pos = 1; pos <= 52; ++pos) {
        deal.Deck[pos] = CardOfDeckNumber(pos);
        deal.DeckRank[pos] = static_cast<std::uint8_t>(RankValue(deal.Deck[pos]));
    }
    deal.ShootMoon = moon;
    deal.Limit50 = limit50;
    return deal;
}

TEST(TableMessages, EncodersGiveTheLayoutsByteForByte) {
    const std::array<std::string, 4> names{"Host", "Ann", "PC  ", "Bobby"};
    struct Case {
        const char* Name;
        std::string Got;
        std::string Want;
    };
    const Case cases[] = {
        {"hello", EncodeHello("Anna"), "qor4225connect1Anna"},
        {"hello of a short name", EncodeHello("Al"), "qor4225connect1Al  "},
        {"seat assignment", EncodeSeatAssignment(3, names), "connect2+3HostAnn PC  Bobb"},
        {"second joiner seated", EncodeSeatUpdate(3, names), "connect3+HostAnn PC  Bobb"},
        {"third joiner seated", EncodeSeatUpdate(4, names), "connect4+HostAnn PC  Bobb"},
        {"start with passing", EncodeMove("h1000000", 1), "h10000001"},
        {"start without passing", EncodeMove("h2000000", 1), "h20000001"},
        {"pass choice", EncodeMove("h3010513", 3), "h30105133"},
        {"card play", EncodeMove("h905", 1), "h9051"},
        {"sweep", EncodeMove("ha00", 1), "ha001"},
        {"hand end", EncodeMove("hb00", 1), "hb001"},
        {"joiner's chat", EncodeChat(2, "hi all"), "s2hi all         "},
        {"a long chat line is cut", EncodeChat(1, "0123456789abcdefgh"), "s10123456789abcde"},
        {"abort", EncodeAbort(), "abort"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(c.Got, c.Want);
        const DecodedMessage back = DecodeTableMessage(c.Got);
        EXPECT_EQ(back.Status, DecodeStatus::Ok);
        EXPECT_EQ(back.Length, c.Want.size());
    }
}

TEST(TableMessages, TheDealCarriesDeckRanksAndTheHostsRules) {
    const std::string message = EncodeDeal(SortedDeal(true, false));
    ASSERT_EQ(message.size(), 211u);
    EXPECT_EQ(message.substr(0, 5), "b2\xF7" "2\xE1");       // "b2ч2б": deck numbers 1 and 2
    EXPECT_EQ(message.substr(105, 4), "0101");              // ranks of positions 1 and 2
    EXPECT_EQ(message.substr(207, 2), "13");                // rank of position 52, the ace of spades
    EXPECT_EQ(message.substr(209), Yes + No);
    const DecodedMessage decoded = DecodeTableMessage(message);
    ASSERT_EQ(decoded.Status, DecodeStatus::Ok);
    EXPECT_TRUE(decoded.Message.Deal.ShootMoon);
    EXPECT_FALSE(decoded.Message.Deal.Limit50);
    EXPECT_EQ(decoded.Message.Deal.Deck[44], QueenOfSpades);
    EXPECT_EQ(decoded.Message.Deal.DeckRank[52], 13);
}

TEST(TableMessages, DecodedFieldsFollowTheLayouts) {
    DecodedMessage m = DecodeTableMessage("qor4325connect1Anna");
    ASSERT_EQ(m.Status, DecodeStatus::Ok);
    EXPECT_EQ(m.Message.Kind, TableMessageKind::Hello);
    EXPECT_EQ(m.Message.GameId, 43);
    EXPECT_EQ(m.Message.Protocol, 25);
    EXPECT_EQ(m.Message.Name, "Anna");

    m = DecodeTableMessage("connect2+4HostAnn PC  Bobb");
    ASSERT_EQ(m.Status, DecodeStatus::Ok);
    EXPECT_EQ(m.Message.Seat, 4);
    EXPECT_EQ(m.Message.Names[3], "Bobb");

    m = DecodeTableMessage("h4010203040506070809101112" "1");
    ASSERT_EQ(m.Status, DecodeStatus::Ok);
    EXPECT_EQ(m.Message.Kind, TableMessageKind::PassExchange);
    EXPECT_EQ(m.Message.Slots[0], 1);
    EXPECT_EQ(m.Message.Slots[11], 12);

    m = DecodeTableMessage("s3hi             ");
    ASSERT_EQ(m.Status, DecodeStatus::Ok);
    EXPECT_EQ(m.Message.Seat, 3);
    EXPECT_EQ(m.Message.Text, "hi");
}

TEST(TableMessages, WhatDoesNotFitIsRefusedOrAwaited) {
    struct Case {
        const char* Name;
        std::string Bytes;
        DecodeStatus Want;
    };
    std::string badCard = EncodeDeal(SortedDeal(false, false));
    badCard[1] = 'X';
    std::string badFlag = EncodeDeal(SortedDeal(false, false));
    badFlag[210] = 'x';
    const Case cases[] = {
        {"empty", "", DecodeStatus::Incomplete},
        {"half a card play", "h90", DecodeStatus::Incomplete},
        {"only the letter h", "h", DecodeStatus::Incomplete},
        {"beginning of a seating", "conn", DecodeStatus::Incomplete},
        {"deal cut short", EncodeDeal(SortedDeal(false, false)).substr(0, 150), DecodeStatus::Incomplete},
        {"unknown letter", "x9051", DecodeStatus::Invalid},
        {"unknown move", "hz051", DecodeStatus::Invalid},
        {"slot 14", "h9141", DecodeStatus::Invalid},
        {"slot 00", "h9001", DecodeStatus::Invalid},
        {"seat digit 5", "h9055", DecodeStatus::Invalid},
        {"letters for a slot", "h9ab1", DecodeStatus::Invalid},
        {"sweep with a number", "ha011", DecodeStatus::Invalid},
        {"start with a wrong body", "h10000011", DecodeStatus::Invalid},
        {"seat assignment to seat 1", "connect2+1HostAnn PC  Bobb", DecodeStatus::Invalid},
        {"hello without connect1", "qor4225connect2Anna", DecodeStatus::Invalid},
        {"hello with letters for the game", "qorxx25connect1Anna", DecodeStatus::Invalid},
        {"deal with a bad card", badCard, DecodeStatus::Invalid},
        {"deal with a bad flag", badFlag, DecodeStatus::Invalid},
        {"chat of seat 0", "s0hello          ", DecodeStatus::Invalid},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(DecodeTableMessage(c.Bytes).Status, c.Want);
    }
}

std::vector<std::string> Drain(ReceiveBuffer& buffer) {
    std::vector<std::string> out;
    while (auto message = buffer.Next()) out.push_back(*message);
    return out;
}

TEST(ReceiveBuffer, TwoCardPlaysInOneReadAreTwoMessages) {
    ReceiveBuffer buffer = TableReceiveBuffer();
    buffer.Append("h9051h9071");
    EXPECT_EQ(Drain(buffer), (std::vector<std::string>{"h9051", "h9071"}));
    buffer.Append("h9051");
    EXPECT_EQ(Drain(buffer), (std::vector<std::string>{"h9051"}));
    EXPECT_EQ(buffer.Held(), 0u);
}

TEST(ReceiveBuffer, ASplitMessageWaitsForItsRest) {
    const std::string deal = EncodeDeal(SortedDeal(false, true));
    ReceiveBuffer buffer = TableReceiveBuffer();
    const std::string stream = deal + "h10000001" + "h9031";
    std::vector<std::string> got;
    // Delivered in pieces of 7 bytes, which cut every message somewhere.
    for (std::size_t at = 0; at < stream.size(); at += 7) {
        buffer.Append(std::string_view(stream).substr(at, 7));
        for (auto& message : Drain(buffer)) got.push_back(message);
    }
    EXPECT_EQ(got, (std::vector<std::string>{deal, "h10000001", "h9031"}));
    EXPECT_EQ(buffer.DroppedBytes(), 0u);
}

TEST(ReceiveBuffer, GarbageIsDroppedAndTheLinkGoesOn) {
    ReceiveBuffer buffer = TableReceiveBuffer();
    buffer.Append("zzzz");
    EXPECT_TRUE(Drain(buffer).empty());
    EXPECT_EQ(buffer.DroppedBytes(), 4u);
    buffer.Append("s2hey            ha001");
    EXPECT_EQ(Drain(buffer), (std::vector<std::string>{"s2hey            ", "ha001"}));
}

} // namespace
} // namespace vesrin
