#include "TableWindowFixture.h"

#include <algorithm>

namespace vesrin::test {
namespace {

long CountOf(const std::vector<std::string>& names, const char* name) {
    return std::count(names.begin(), names.end(), std::string(name));
}

// A whole hand with passing, played through the window's handlers with every card
// flight running at speed 6 (pixel by pixel, without pauses).
TEST_F(TableWindowTest, AWholeHandRunsThroughTheWindowWithFlightsAtSpeedSix) {
    MakeWindow(1, true);
    StartGame(3);
    ASSERT_EQ(State().PassDir, 1);
    ASSERT_TRUE(PlayUntil([&] { return State().Phase == PhaseOf::HandAccounted; }));
    const GameState& s = State();

    // Twelve passed cards given and received, 52 played cards, 13 sweeps.
    EXPECT_EQ(form->Layer().Flights, 12 + 12 + 52 + 13);
    EXPECT_GT(form->Layer().Steps, 89 * 50);
    EXPECT_FALSE(form->Layer().isVisible()) << "the window is uncovered after every flight";
    EXPECT_FALSE(form->Flights().Covering());

    int points = 0;
    for (int seat = 1; seat <= 4; ++seat) points += s.TakenPoints[seat];
    EXPECT_TRUE(points == 26 || points == 78) << points;
    for (int seat = 1; seat <= 4; ++seat) EXPECT_EQ(s.Totals[seat], s.TakenPoints[seat]);

    const std::vector<std::string>& played = sound->Played;
    EXPECT_EQ(CountOf(played, "WTasoKo"), 1);
    EXPECT_EQ(CountOf(played, "WHodsDo"), 24 + 50);
    EXPECT_EQ(CountOf(played, "WSays40"), 1);
    EXPECT_EQ(CountOf(played, "WSays20"), 1);

    EXPECT_TRUE(TableCentreIsClear()) << "the trick was swept off the table";
    EXPECT_EQ(form->Button7->text(), QStringLiteral("Next Round"));
    EXPECT_TRUE(form->Button7->isEnabled());
}

TEST_F(TableWindowTest, WithoutCardFlightsOnlyThePassedCardsFly) {
    MakeWindow(1, true);
    context->Options.CardFlight = false;
    StartGame(3);
    ASSERT_TRUE(PlayUntil([&] { return State().Phase == PhaseOf::HandAccounted; }));
    EXPECT_EQ(form->Layer().Flights, 24);
    EXPECT_TRUE(TableCentreIsClear()) << "played cards lay at their spots and the centre was cleared";
}

} // namespace
} // namespace vesrin::test
