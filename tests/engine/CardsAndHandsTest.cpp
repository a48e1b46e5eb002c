#include "EngineTestSupport.h"

#include "engine/Seats.h"

#include <gtest/gtest.h>

namespace vesrin {
namespace {

using testing::Card;
using testing::HandText;
using testing::SetHand;

TEST(CardCodeTest, DeckNumbersRanksAndPenalties) {
    EXPECT_EQ(CardOfDeckNumber(44), Card("Дп"));
    EXPECT_EQ(CardOfDeckNumber(3), Card("2к"));
    EXPECT_EQ(CardOfDeckNumber(1), Card("2ч"));
    EXPECT_EQ(CardOfDeckNumber(52), Card("Тп"));
    for (int n = 1; n <= 52; ++n) EXPECT_EQ(DeckNumber(CardOfDeckNumber(n)), n);
    EXPECT_EQ(RankValue(Card("1ч")), 9);
    EXPECT_EQ(RankValue(Card("Вб")), 10);
    EXPECT_EQ(RankValue(EmptySlot), 99);
    EXPECT_EQ(PenaltyValue(Card("7ч")), 1);
    EXPECT_EQ(PenaltyValue(Card("Дп")), 13);
    EXPECT_EQ(PenaltyValue(Card("Кп")), 0);
    EXPECT_EQ(PenaltyValue(EmptySlot), 99);
    EXPECT_EQ(Card("Дп").Bytes(), "\xC4\xEF");
    EXPECT_EQ(AsciiName(Card("1ч")), "Th");
    EXPECT_EQ(CardFromAscii("Qs"), Card("Дп"));
}

TEST(SortHandTest, OrdersClubsDiamondsSpadesHeartAndFillsTheRest) {
    GameState state;
    SetHand(state, 1, {"Тч", "2к", "Дп", "3б", "2п"});
    EXPECT_EQ(HandText(state, 1), "2c 3d 2s Qs Ah ## ## ## ## ## ## ## ##");
    EXPECT_EQ(state.HandCount[1], 5);
    for (int slot = 6; slot <= 13; ++slot) {
        EXPECT_TRUE(state.HandCards[1][slot].IsEmpty());
        EXPECT_EQ(state.HandRanks[1][slot], 99);
    }
}

TEST(SortHandTest, PlayedSlotLeavesNoGap) {
    GameState state;
    SetHand(state, 2, {"2к", "3к", "4к", "5к", "6к", "7к", "8к", "9к", "2б", "3б", "4б", "5б", "6б"});
    const CardCode eighth = state.HandCards[2][8];
    ClearSlot(state, 2, 7);
    SortHand(state, 2);
    EXPECT_EQ(state.HandCount[2], 12);
    EXPECT_EQ(state.HandCards[2][7], eighth);
    EXPECT_TRUE(state.HandCards[2][13].IsEmpty());
}

TEST(HandQueriesTest, AbsentSuitsAndCards) {
    GameState state;
    SetHand(state, 3, {"2к", "Кк", "9б"});
    EXPECT_EQ(LowestRankOfSuit(state, 3, SuitHeart), 14);
    EXPECT_EQ(HighestRankOfSuit(state, 3, SuitHeart), 0);
    EXPECT_EQ(SlotOfCard(state, 3, Card("Дп")), 0);
    EXPECT_EQ(HighestSlotOfSuit(state, 3, SuitClubs), 2);
    EXPECT_EQ(LowestSlotOfSuit(state, 3, SuitClubs), 1);
    EXPECT_EQ(CountSuit(state, 3, SuitClubs), 2);
}

TEST(HandQueriesTest, WinningRankIgnoresOtherSuits) {
    GameState state;
    state.Trick[1] = Card("9к");
    state.TrickRanks[1] = 8;
    state.Trick[2] = Card("Тч");
    state.TrickRanks[2] = 13;
    EXPECT_EQ(WinningRank(state), 8);
    EXPECT_EQ(WinningRank(GameState{}), 0);
}

TEST(SeatsTest, NetworkSeatingAndPassing) {
    // A client at NetSeat 3 shows the host at its right and NetSeat 2 at its left.
    EXPECT_EQ(LocalSeatOfNetSeat(3, 1), 3);
    EXPECT_EQ(LocalSeatOfNetSeat(3, 2), 1);
    for (int viewer = 1; viewer <= 4; ++viewer) EXPECT_EQ(LocalSeatOfNetSeat(viewer, viewer), 4);
    EXPECT_EQ(LocalSeatOfNetSeat(0, 1), 0);
    // The local player receives from 3 passing left, from 1 passing right, from 2 across.
    EXPECT_EQ(PassGiver(1, 4), 3);
    EXPECT_EQ(PassGiver(2, 4), 1);
    EXPECT_EQ(PassGiver(3, 4), 2);
    EXPECT_EQ(PassReceiver(1, 4), 1);
    EXPECT_EQ(PassDirOfHand(4), 0);
    EXPECT_EQ(PassDirOfHand(5), 1);
    EXPECT_EQ(SeatOfTrickPos(3, 3), 1);
    EXPECT_EQ(TrickPosOfSeat(3, 1), 3);
}

} // namespace
} // namespace vesrin
