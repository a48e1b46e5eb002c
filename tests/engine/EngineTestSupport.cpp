#include "EngineTestSupport.h"

#include <algorithm>

namespace vesrin::testing {

namespace {

// UTF-8 letters of the card names and their code page 1251 bytes.
unsigned char Cp1251Of(const std::string& letter) {
    static const std::pair<const char*, unsigned char> letters[] = {
        {"В", 0xC2}, {"Д", 0xC4}, {"К", 0xCA}, {"Т", 0xD2},
        {"ч", 0xF7}, {"б", 0xE1}, {"к", 0xEA}, {"п", 0xEF}};
    for (const auto& [utf8, byte] : letters)
        if (letter == utf8) return byte;
    return letter.size() == 1 ? static_cast<unsigned char>(letter[0]) : '?';
}

// Splits a UTF-8 text into its characters.
std::vector<std::string> Letters(const std::string& text) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        out.push_back(text.substr(i, length));
        i += length;
    }
    return out;
}

} // namespace

CardCode Card(const std::string& utf8) {
    const auto letters = Letters(utf8);
    if (letters.size() != 2) return EmptySlot;
    return CardCode{Cp1251Of(letters[0]), Cp1251Of(letters[1])};
}

void SetHand(GameState& state, int seat, const std::vector<std::string>& cards) {
    for (int slot = 1; slot <= HandSlots; ++slot) ClearSlot(state, seat, slot);
    int slot = 1;
    for (const auto& name : cards) {
        const CardCode card = Card(name);
        PutCard(state, seat, slot++, card, RankValue(card), PenaltyValue(card));
    }
    SortHand(state, seat);
}

std::string HandText(const GameState& state, int seat) {
    std::string text;
    for (int slot = 1; slot <= CardsPerHand; ++slot) {
        if (!text.empty()) text += ' ';
        text += AsciiName(state.HandCards[seat][slot]);
    }
    return text;
}

bool RecordingObserver::Has(const std::string& call) const { return IndexOf(call) >= 0; }

int RecordingObserver::Count(const std::string& call) const {
    return static_cast<int>(std::count(Calls.begin(), Calls.end(), call));
}

int RecordingObserver::IndexOf(const std::string& call, int from) const {
    for (std::size_t i = static_cast<std::size_t>(from); i < Calls.size(); ++i)
        if (Calls[i] == call) return static_cast<int>(i);
    return -1;
}

int FirstLegalSlot(const GameFlow& flow) {
    const GameState& state = flow.State();
    for (int slot = 1; slot <= state.HandCount[LocalSeat]; ++slot)
        if (flow.HumanCardError(slot) == 0) return slot;
    return 0;
}

} // namespace vesrin::testing
