#include "EngineTestSupport.h"

#include "engine/Seats.h"
#include "players/ChooseCard.h"
#include "players/DecisionListPlayers.h"

#include <gtest/gtest.h>

namespace vesrin {
namespace {

using testing::Card;
using testing::SetHand;

// One moment of a hand as the deciding seat sees it.
struct Situation {
    const char* name;
    std::vector<std::string> hand;
    std::vector<std::string> trick;  // in play order, led by the seat before the decider
    std::vector<std::string> played; // cards of earlier tricks
    int trickNo = 5;
    bool broken = false;
    bool moon = false;
    std::string expected;
    std::string label;
};

constexpr int Decider = 3;

GameState StateOf(const Situation& s) {
    GameState state;
    SetHand(state, Decider, s.hand);
    state.TrickNo = s.trickNo;
    state.SuitBroken = s.broken;
    state.ShootMoon = s.moon;
    state.TrickPos = static_cast<int>(s.trick.size()) + 1;
    state.Leader = WrapSeat(Decider - static_cast<int>(s.trick.size()));
    for (std::size_t i = 0; i < s.trick.size(); ++i) {
        state.Trick[i + 1] = Card(s.trick[i]);
        state.TrickRanks[i + 1] = static_cast<std::uint8_t>(RankValue(Card(s.trick[i])));
    }
    if (!s.trick.empty()) state.LedSuit = Card(s.trick[0]).Suit;
    for (std::size_t i = 0; i < s.played.size(); ++i)
        state.PlayedCards[i / 4 + 1][i % 4 + 1] = Card(s.played[i]);
    return state;
}

// Counts the name-plate styles the moon consideration shows.
class PlateObserver : public EngineObserver {
public:
    int Red = 0, Yellow = 0;
    void DrawNamePlate(int, NamePlateStyle style) override { ++(style == NamePlateStyle::Red ? Red : Yellow); }
};

void Check(const Situation& s) {
    SCOPED_TRACE(s.name);
    const GameState state = StateOf(s);
    PlateObserver plates;
    const PlayDecision decision = ChooseCard(state, Decider, state.TrickPos, plates);
    EXPECT_EQ(AsciiName(state.HandCards[Decider][decision.Slot]), AsciiName(Card(s.expected)));
    EXPECT_STREQ(decision.Label, s.label.c_str());
    EXPECT_EQ(CardError(state, Decider, decision.Slot), 0) << "the choice must be legal";
    if (!s.moon) {
        EXPECT_EQ(plates.Red + plates.Yellow, 0);
    }
}

// Clubs 4 to jack and the king and ace of diamonds: played, so that the lead below sees
// four unseen clubs and ten unseen diamonds.
const std::vector<std::string> ThresholdPlayed = {"4к", "5к", "6к", "7к", "8к", "9к", "1к", "Вк", "Кб", "Тб"};

TEST(ChooseCardTest, Leads) {
    const Situation cases[] = {
        {"trick 1 is led with the two of clubs", {"2к", "Тп", "Кп", "Дп", "Тч"}, {}, {}, 1, false, true, "2к", "1-0"},
        {"no high spade and the queen out: the highest low spade", {"9п", "4п", "7б", "Кч"}, {}, {}, 5, false, false, "9п", "1-1-1"},
        {"king held, spades safe: the highest low spade", {"Кп", "3п", "9б"}, {},
         {"2п", "4п", "5п", "6п", "7п", "8п", "9п", "1п"}, 5, false, false, "3п", "1-1-2"},
        {"king held, spades dangerous: on to the thresholds", {"Кп", "3п", "9б"}, {}, {}, 5, false, false, "9б", "1-1-3"},
        {"the first threshold above a suit's ratio: clubs at 0.25 before diamonds at 0.3",
         {"5б", "3к", "4ч", "9ч"}, {}, ThresholdPlayed, 5, false, false, "3к", "1-1-3"},
        {"holding the queen: the shortest suit with unseen cards, heart not yet",
         {"Дп", "5б", "Кб", "3к", "7к", "Тк", "2ч", "6ч", "9ч", "Дч"}, {}, {}, 4, false, false, "5б", "1-1-5"},
        {"queen played: second-lowest of a safe suit",
         {"2б", "6б", "9б", "Тч"}, {}, {"Дп", "3п", "4п", "5п"}, 2, false, false, "6б", "1-2"},
    };
    for (const auto& c : cases) Check(c);
}

TEST(ChooseCardTest, SecondAndThirdHand) {
    const Situation cases[] = {
        {"every spade would win, queen held: king first", {"Кп", "Дп", "5п", "9б"}, {"3п"}, {}, 5, false, false, "Кп", "2-2"},
        {"every spade would win, queen elsewhere: the lowest", {"Кп", "5п", "9б"}, {"3п"}, {}, 5, false, false, "5п", "2-2"},
        {"the queen on the table: the lowest", {"Кп", "Тп"}, {"Дп", "3п"}, {}, 5, false, false, "Кп", "2-1"},
        {"dangerous clubs with many unseen: the highest", {"4к", "Тк", "9б"}, {"9к"}, {}, 5, false, false, "Тк", "2-5"},
        {"few unseen clubs: duck",
         {"4к", "Тк", "9б"}, {"9к"}, {"Кк", "Дк", "Вк", "1к", "8к", "7к"}, 5, false, false, "4к", "2-6"},
        {"heart led: duck under the winner", {"2ч", "Тч", "9б"}, {"9ч"}, {}, 5, true, false, "2ч", "2-5"},
        {"cannot go under: the highest, or the queen on a spade lead",
         {"5п", "Дп", "9б"}, {"Кп"}, {}, 5, false, false, "Дп", "2-5"},
        {"void: the queen goes", {"Дп", "9б", "Тч"}, {"9к"}, {}, 5, false, false, "Дп", "2-7"},
        {"void, queen out: king before ace", {"Тп", "Кп", "9б"}, {"9к"}, {}, 5, false, false, "Кп", "2-7"},
        {"trick 1, void in clubs: neither the queen nor a heart card",
         {"Дп", "5б", "9б", "Тч", "Кч"}, {"2к"}, {}, 1, false, false, "9б", "2-7"},
        {"trick 1, only heart cards and the queen: a heart card",
         {"Дп", "5ч", "Тч"}, {"2к"}, {}, 1, false, false, "Тч", "2-7"},
    };
    for (const auto& c : cases) Check(c);
}

TEST(ChooseCardTest, FourthHand) {
    const Situation cases[] = {
        {"diamonds dangerous, no heart card in the trick: take it high", {"9б", "Тб", "3к"}, {"5б", "Вб", "2б"}, {}, 5,
         false, false, "Тб", "4-4"},
        {"every diamond wins: the highest", {"Дб", "Тб", "3к"}, {"5б", "Вб", "2б"}, {}, 5, false, false, "Тб", "4-1"},
        {"every spade wins: the queen gives way to a lower spade", {"5п", "Дп", "3к"}, {"4п", "2п", "3п"}, {}, 5, false,
         false, "5п", "4-1"},
        {"taking high with the queen on top: the spade below it", {"2п", "Вп", "Дп"}, {"3п", "9п", "4п"}, {}, 5, false,
         false, "Вп", "4-4"},
        {"only the queen above the winner: duck", {"2п", "5п", "Дп"}, {"3п", "9п", "4п"}, {}, 5, false, false, "5п", "4-3"},
        {"two heart cards in the trick: duck", {"2ч", "Тч"}, {"9ч", "3ч", "4ч"}, {}, 5, true, false, "2ч", "4-3"},
        {"all below the winner: the queen on a spade lead", {"3п", "Дп"}, {"Тп", "2п", "4п"}, {}, 5, false, false, "Дп", "4-2"},
    };
    for (const auto& c : cases) Check(c);
}

TEST(ChooseCardTest, MoonPlay) {
    // All other cards of the seat's suits are gone or lower: every suit is safe.
    const std::vector<std::string> played = {"Дп", "Вп", "1п", "9п", "Дч", "Вч", "1ч", "9ч",
                                             "Тб", "Кб", "Дб", "Вб", "Тк", "Кк", "Дк", "Вк"};
    const Situation lead{"safe in every suit: the highest spade", {"Тп", "Кп", "Тч", "Кч"}, {}, played, 5, true, true, "Тп", "moon"};
    const GameState state = StateOf(lead);
    PlateObserver plates;
    const PlayDecision decision = ChooseCard(state, Decider, 1, plates);
    EXPECT_EQ(AsciiName(state.HandCards[Decider][decision.Slot]), "As");
    EXPECT_STREQ(decision.Label, "moon");
    EXPECT_EQ(plates.Red, 1);
    EXPECT_EQ(plates.Yellow, 0);

    // Another seat has taken points: no moon consideration at all.
    GameState taken = state;
    taken.TakenPoints[1] = 2;
    PlateObserver none;
    EXPECT_STRNE(ChooseCard(taken, Decider, 1, none).Label, "moon");
    EXPECT_EQ(none.Red + none.Yellow, 0);

    // A weak hand considers the moon, shows yellow and plays on normally.
    const Situation weak{"weak", {"2п", "4б", "3к"}, {}, {}, 5, false, true, "2п", "1-1-1"};
    PlateObserver yellow;
    const GameState weakState = StateOf(weak);
    EXPECT_STREQ(ChooseCard(weakState, Decider, 1, yellow).Label, "1-1-1");
    EXPECT_EQ(yellow.Red, 0);
    EXPECT_EQ(yellow.Yellow, 1);
}

} // namespace
} // namespace vesrin
