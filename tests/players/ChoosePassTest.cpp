#include "EngineTestSupport.h"

#include "players/ChoosePass.h"

#include <gtest/gtest.h>

namespace vesrin {
namespace {

using testing::Card;
using testing::SetHand;

struct PassCase {
    const char* name;
    std::vector<std::string> hand;
    std::vector<std::string> expected; // in pick order
};

TEST(ChoosePassTest, DecisionList) {
    const PassCase cases[] = {
        {"the queen goes first when only two low spades guard it",
         {"Дп", "3п", "5п", "Тб", "Кб", "2б", "Тч", "3ч", "9к", "8к", "7к", "2к", "4к"},
         {"Дп", "Тб", "Тч"}},
        {"queen, king and ace with three low spades",
         {"Дп", "Кп", "Тп", "2п", "3п", "4п", "Тб", "Кб", "2б", "Тч", "3ч", "9к", "8к"},
         {"Дп", "Кп", "Тп"}},
        {"four low spades keep the high ones; weights are recomputed after each pick",
         {"2п", "3п", "4п", "5п", "6п", "Тб", "Кб", "Тч", "2ч", "3ч", "9к", "Дп", "Кп"},
         {"Тб", "Кб", "9к"}},
        {"equal weights keep the earlier suit, then spades when no side suit is left",
         {"2п", "3п", "4п", "5п", "6п", "7п", "8п", "9п", "1п", "Вп", "Дп", "8ч", "8б"},
         {"8ч", "8б", "Дп"}},
        {"thirteen spades pass the three highest",
         {"2п", "3п", "4п", "5п", "6п", "7п", "8п", "9п", "1п", "Вп", "Дп", "Кп", "Тп"},
         {"Тп", "Кп", "Дп"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        GameState state;
        SetHand(state, 2, c.hand);
        const GameState before = state;
        const OneBased<int, 3> picks = ChoosePass(state, 2);
        for (int r = 1; r <= 3; ++r) EXPECT_EQ(AsciiName(state.HandCards[2][picks[r]]), AsciiName(Card(c.expected[r - 1])));
        EXPECT_EQ(testing::HandText(state, 2), testing::HandText(before, 2)); // the hand is untouched
    }
}

} // namespace
} // namespace vesrin
