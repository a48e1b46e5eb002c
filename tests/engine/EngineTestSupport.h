#pragma once

#include "engine/GameFlow.h"
#include "engine/HandQueries.h"
#include "engine/Rules.h"

#include <string>
#include <vector>

namespace vesrin::testing {

// Turns a UTF-8 card name such as "Дп" or "1ч" into its code page 1251 code.
CardCode Card(const std::string& utf8);
// Puts the given cards into a seat's hand (sorted), emptying the rest.
void SetHand(GameState& state, int seat, const std::vector<std::string>& cards);
// The seat's hand as ASCII names, for readable failures.
std::string HandText(const GameState& state, int seat);

// Writes down every observer call as one line of text, for order checks.
class RecordingObserver : public EngineObserver {
public:
    std::vector<std::string> Calls;
    ProfileFigures Profile{"Tester", 0, 0, 0.0};
    int CloseGameCalls = 0;

    void Clear() { Calls.clear(); }
    bool Has(const std::string& call) const;
    int Count(const std::string& call) const;
    // Position of the first call equal to `call`, or -1.
    int IndexOf(const std::string& call, int from = 0) const;

    void PrepareTableForHand() override { Calls.push_back("PrepareTable"); }
    ProfileFigures LoadProfileFigures(int slot) override {
        Calls.push_back("LoadProfile " + std::to_string(slot));
        return Profile;
    }
    void DrawPassArrow(int dir) override { Calls.push_back("Arrow " + std::to_string(dir)); }
    void DrawNamePlates() override { Calls.push_back("NamePlates"); }
    void DrawNamePlate(int seat, NamePlateStyle style) override {
        Calls.push_back("NamePlate " + std::to_string(seat) + (style == NamePlateStyle::Red ? " red" : " yellow"));
    }
    void HandChanged(int seat) override { Calls.push_back("Hand " + std::to_string(seat)); }
    void InvertCardSelection(int slot) override { Calls.push_back("Invert " + std::to_string(slot)); }
    void ShowAllHandsFaceUp() override { Calls.push_back("ShowAllHands"); }
    void ClearTableCentre() override { Calls.push_back("ClearCentre"); }
    void DrawScoreTablet(int seat, int lead, bool repaint, int hand, int total) override {
        Calls.push_back("Tablet " + std::to_string(seat) + " " + std::to_string(lead) + " " +
                        (repaint ? "repaint " : "") + std::to_string(hand) + " " + std::to_string(total));
    }
    void DrawScorePanel() override { Calls.push_back("Panel"); }
    void PassCardGiven(int giver, int r, int slot) override {
        Calls.push_back("Give " + std::to_string(giver) + " " + std::to_string(r) + " " + std::to_string(slot));
    }
    void PassCardReceived(int giver, int r, int receiver, int slot) override {
        Calls.push_back("Receive " + std::to_string(giver) + " " + std::to_string(r) + " " +
                        std::to_string(receiver) + " " + std::to_string(slot));
    }
    void CardPlayed(int seat, int slot, CardCode card) override {
        Calls.push_back("Play " + std::to_string(seat) + " " + std::to_string(slot) + " " + AsciiName(card));
    }
    void SweepTrick(int winner) override { Calls.push_back("Sweep " + std::to_string(winner)); }
    void PlaySound(std::string_view name, bool toEnd) override {
        Calls.push_back("Sound " + std::string(name) + (toEnd ? " end" : ""));
    }
    void Pause(int ms) override { Calls.push_back("Pause " + std::to_string(ms)); }
    void Announce(std::string_view payload) override { Calls.push_back("Announce " + std::string(payload)); }
    void SpeakCard(CardCode card) override { Calls.push_back("Speak " + AsciiName(card)); }
    void ShowClickEffect() override { Calls.push_back("ClickEffect"); }
    void CloseGame() override { ++CloseGameCalls; }
};

// A stand-in for the computer players: the first legal card, the first three slots.
class FirstLegalPlayer : public ComputerPlayers {
public:
    OneBased<int, 3> ChoosePass(const GameState&, int) override { return {0, 1, 2, 3}; }
    int ChooseCard(const GameState& state, int seat, int, EngineObserver&) override {
        for (int slot = 1; slot <= state.HandCount[seat]; ++slot)
            if (CardError(state, seat, slot) == 0) return slot;
        return 1;
    }
};

// The first legal slot of the bottom hand.
int FirstLegalSlot(const GameFlow& flow);

} // namespace vesrin::testing
