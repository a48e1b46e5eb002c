#include "net/TableFrames.h"

#include <gtest/gtest.h>

namespace vesrin {
namespace {

std::string Padded(std::string payload, char seat) {
    payload.resize(49, '#');
    return payload + seat;
}

TEST(TableFrames, EncodedFramesArePaddedWithTheSeatLast) {
    struct Case {
        const char* Name;
        std::string Payload;
        int Seat;
        std::string Want;
    };
    const Case cases[] = {
        {"hello", "connect2", 2, Padded("connect2", '2')},
        {"card", "h905", 1, Padded("h905", '1')},
        {"next deal", "bnext", 1, Padded("bnext", '1')},
        {"game over", GameOverPayload({-20, 60, 0, -40}), 1, Padded("o  -20   60    0  -40", '1')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const auto frame = EncodeFrame(c.Payload, c.Seat);
        ASSERT_TRUE(frame.has_value());
        EXPECT_EQ(*frame, c.Want);
        EXPECT_EQ(DecodeFrame(*frame, FrameSource::Player).Status, DecodeStatus::Ok);
    }
    EXPECT_FALSE(EncodeFrame(std::string(50, 's'), 1).has_value());
    EXPECT_FALSE(EncodeFrame("h905", 5).has_value());
}

TEST(TableFrames, AChatFrameShowsItsLetters) {
    const std::string frame = "sHello" + std::string(43, '#') + "3";
    const DecodedFrame decoded = DecodeFrame(frame, FrameSource::Server);
    ASSERT_EQ(decoded.Status, DecodeStatus::Ok);
    EXPECT_EQ(decoded.Frame.Kind, FrameKind::Chat);
    EXPECT_EQ(decoded.Frame.Text, "Hello");
    EXPECT_EQ(decoded.Frame.Seat, 3);
}

TEST(TableFrames, FieldsOfEveryKind) {
    struct Case {
        const char* Name;
        std::string Frame;
        FrameSource Source;
        FrameKind Kind;
        int Seat;
    };
    const Case cases[] = {
        {"connect", Padded("connect3", '3'), FrameSource::Player, FrameKind::Connect, 3},
        {"start", Padded("h1000000", '1'), FrameSource::Server, FrameKind::Start, 1},
        {"pass choice", Padded("h3010203", '2'), FrameSource::Server, FrameKind::PassChoice, 2},
        {"sweep", Padded("ha00", '1'), FrameSource::Server, FrameKind::Sweep, 1},
        {"next deal", Padded("bnext", '1'), FrameSource::Player, FrameKind::NextDeal, 1},
        {"time out of a player", Padded("TOut", '4'), FrameSource::Player, FrameKind::TimeOut, 4},
        {"time out from the server", Padded("T", '2'), FrameSource::Server, FrameKind::TimeOut, 2},
        {"leaving", Padded("disA", '2'), FrameSource::Player, FrameKind::Leave, 2},
        {"table finished", Padded("e", '0'), FrameSource::Server, FrameKind::TableFinished, 0},
        {"player left", Padded("abcde4", '1'), FrameSource::Server, FrameKind::PlayerLeft, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const DecodedFrame decoded = DecodeFrame(c.Frame, c.Source);
        ASSERT_EQ(decoded.Status, DecodeStatus::Ok);
        EXPECT_EQ(decoded.Frame.Kind, c.Kind);
        EXPECT_EQ(decoded.Frame.Seat, c.Seat);
    }
    const DecodedFrame over = DecodeFrame(Padded("o  -20   60    0  -40", '1'), FrameSource::Player);
    ASSERT_EQ(over.Status, DecodeStatus::Ok);
    EXPECT_EQ(over.Frame.Results, (std::array<int, 4>{-20, 60, 0, -40}));
}

TEST(TableFrames, BadFramesAreRefused) {
    const std::string cases[] = {
        Padded("h9ab", '1'), Padded("h905", '7'), Padded("xyz", '1'), Padded("o12345", '1'), Padded("connect9", '1'),
    };
    for (const std::string& frame : cases) {
        SCOPED_TRACE(frame);
        EXPECT_EQ(DecodeFrame(frame, FrameSource::Server).Status, DecodeStatus::Invalid);
    }
    EXPECT_EQ(DecodeFrame(Padded("h905", '1').substr(0, 30), FrameSource::Server).Status, DecodeStatus::Incomplete);
}

TEST(TableFrames, TwoFramesInOneReadAndADealThatEndsTheRun) {
    ReceiveBuffer buffer = FrameReceiveBuffer(FrameSource::Server);
    buffer.Append(Padded("h905", '1') + Padded("h907", '2'));
    auto first = buffer.Next();
    auto second = buffer.Next();
    ASSERT_TRUE(first && second);
    EXPECT_EQ(DecodeFrame(*first, FrameSource::Server).Frame.Slots[0], 5);
    EXPECT_EQ(DecodeFrame(*second, FrameSource::Server).Frame.Seat, 2);
    EXPECT_FALSE(buffer.Next().has_value());

    // A deal from the server is 211 characters; a frame behind it is the next message.
    DealData deal;
    for (int pos = 1; pos <= 52; ++pos) {
        deal.Deck[pos] = CardOfDeckNumber(pos);
        deal.DeckRank[pos] = static_cast<std::uint8_t>(RankValue(deal.Deck[pos]));
    }
    buffer.Append(EncodeDeal(deal) + Padded("h1000000", '1'));
    auto dealFrame = buffer.Next();
    ASSERT_TRUE(dealFrame.has_value());
    const DecodedFrame decoded = DecodeFrame(*dealFrame, FrameSource::Server);
    ASSERT_EQ(decoded.Status, DecodeStatus::Ok);
    EXPECT_EQ(decoded.Frame.Kind, FrameKind::Deal);
    EXPECT_EQ(decoded.Frame.Deal.Deck[52], AceOfSpades);
    auto start = buffer.Next();
    ASSERT_TRUE(start.has_value());
    EXPECT_EQ(DecodeFrame(*start, FrameSource::Server).Frame.Kind, FrameKind::Start);
}

} // namespace
} // namespace vesrin
