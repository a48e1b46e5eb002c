#include "engine/CardCode.h"

#include <array>

namespace vesrin {

namespace {

constexpr std::array<unsigned char, 14> RankChars{'#', '2', '3', '4', '5', '6', '7', '8', '9',
                                                  RankTen, RankJack, RankQueen, RankKing, RankAce};
constexpr std::array<unsigned char, 5> SuitChars{'#', SuitHeart, SuitDiamonds, SuitClubs, SuitSpades};
constexpr std::string_view AsciiRanks = "#23456789TJQKA";
constexpr std::string_view AsciiSuits = "#hdcs";

} // namespace

unsigned char RankChar(int rankValue) {
    return rankValue >= 1 && rankValue <= 13 ? RankChars[static_cast<std::size_t>(rankValue)] : '#';
}

unsigned char SuitChar(int suitIndex) {
    return suitIndex >= 1 && suitIndex <= 4 ? SuitChars[static_cast<std::size_t>(suitIndex)] : '#';
}

int PenaltyValue(CardCode card) {
    if (card.IsEmpty()) return EmptyPenalty;
    if (IsHeart(card)) return 1;
    if (card == QueenOfSpades) return 13;
    return 0;
}

int DeckNumber(CardCode card) {
    if (!IsValidCard(card)) return 0;
    return (RankValue(card.Rank) - 1) * 4 + SuitIndex(card.Suit);
}

CardCode CardOfDeckNumber(int n) {
    if (n < 1 || n > 52) return EmptySlot;
    return CardCode{RankChar((n - 1) / 4 + 1), SuitChar((n - 1) % 4 + 1)};
}

std::string AsciiName(CardCode card) {
    if (!IsValidCard(card)) return "##";
    return std::string{AsciiRanks[static_cast<std::size_t>(RankValue(card.Rank))],
                       AsciiSuits[static_cast<std::size_t>(SuitIndex(card.Suit))]};
}

CardCode CardFromAscii(std::string_view text) {
    if (text.size() != 2) return EmptySlot;
    const auto r = AsciiRanks.find(text[0]);
    const auto s = AsciiSuits.find(text[1]);
    if (r == std::string_view::npos || s == std::string_view::npos || r == 0 || s == 0) return EmptySlot;
    return CardCode{RankChar(static_cast<int>(r)), SuitChar(static_cast<int>(s))};
}

} // namespace vesrin
