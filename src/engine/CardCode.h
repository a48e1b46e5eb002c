#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vesrin {

// A card as the game stores and sends it: the rank character followed by the suit
// character, both single bytes of code page 1251 ("2к" is the two of clubs, "Дп" the
// queen of spades). "##" marks a free hand slot or an empty trick position.
struct CardCode {
    unsigned char Rank = '#';
    unsigned char Suit = '#';

    constexpr bool IsEmpty() const { return Rank == '#' && Suit == '#'; }
    constexpr bool operator==(const CardCode&) const = default;
    // The two bytes as they stand in files and messages.
    std::string Bytes() const { return std::string{static_cast<char>(Rank), static_cast<char>(Suit)}; }
};

inline constexpr CardCode EmptySlot{'#', '#'};

// Suit characters (code page 1251) and suit indexes. The engine's suit order for every
// per-suit table is heart, diamonds, clubs, spades.
inline constexpr unsigned char SuitHeart = 0xF7;    // "ч"
inline constexpr unsigned char SuitDiamonds = 0xE1; // "б"
inline constexpr unsigned char SuitClubs = 0xEA;    // "к"
inline constexpr unsigned char SuitSpades = 0xEF;   // "п"
inline constexpr unsigned char SuitNone = '#';

inline constexpr int Heart = 1;
inline constexpr int Diamonds = 2;
inline constexpr int Clubs = 3;
inline constexpr int Spades = 4;

// Rank characters: "2".."9", "1" for the ten, then jack, queen, king and ace in Cyrillic.
inline constexpr unsigned char RankTen = '1';
inline constexpr unsigned char RankJack = 0xC2;  // "В"
inline constexpr unsigned char RankQueen = 0xC4; // "Д"
inline constexpr unsigned char RankKing = 0xCA;  // "К"
inline constexpr unsigned char RankAce = 0xD2;   // "Т"

inline constexpr int EmptyRank = 99;
inline constexpr int EmptyPenalty = 99;

inline constexpr CardCode TwoOfClubs{'2', SuitClubs};
inline constexpr CardCode QueenOfSpades{RankQueen, SuitSpades};
inline constexpr CardCode KingOfSpades{RankKing, SuitSpades};
inline constexpr CardCode AceOfSpades{RankAce, SuitSpades};

namespace detail {
// RankValue and SuitIndex of every byte, so the hot paths of sorting and the players'
// masks look a byte up instead of branching.
struct CodeTables {
    unsigned char Rank[256];
    unsigned char Suit[256];
    constexpr CodeTables() : Rank{}, Suit{} {
        for (int b = 0; b < 256; ++b) {
            Rank[b] = 99;
            Suit[b] = 0;
        }
        for (int b = '2'; b <= '9'; ++b) Rank[b] = static_cast<unsigned char>(b - '2' + 1);
        Rank[RankTen] = 9;
        Rank[RankJack] = 10;
        Rank[RankQueen] = 11;
        Rank[RankKing] = 12;
        Rank[RankAce] = 13;
        Suit[SuitHeart] = 1;
        Suit[SuitDiamonds] = 2;
        Suit[SuitClubs] = 3;
        Suit[SuitSpades] = 4;
    }
};
inline constexpr CodeTables Codes{};
} // namespace detail

// RankValue of a rank character: 1 for "2" up to 13 for the ace; 99 for anything else.
constexpr int RankValue(unsigned char rank) { return detail::Codes.Rank[rank]; }
constexpr int RankValue(CardCode card) { return RankValue(card.Rank); }
// The rank character of a RankValue 1..13 ('#' otherwise).
unsigned char RankChar(int rankValue);

// SuitIndex of a suit character: 1 heart, 2 diamonds, 3 clubs, 4 spades; 0 otherwise.
constexpr int SuitIndex(unsigned char suit) { return detail::Codes.Suit[suit]; }
constexpr int SuitIndex(CardCode card) { return SuitIndex(card.Suit); }
// The suit character of a SuitIndex 1..4 ('#' otherwise).
unsigned char SuitChar(int suitIndex);

constexpr bool IsHeart(CardCode card) { return card.Suit == SuitHeart; }

// 1 for every heart card, 13 for the queen of spades, 0 for the rest, 99 for a free slot.
int PenaltyValue(CardCode card);

// Deck number n = (RankValue - 1) x 4 + SuitIndex, 1..52; 0 for a free slot or a bad code.
int DeckNumber(CardCode card);
// The card of deck number 1..52 (EmptySlot otherwise).
CardCode CardOfDeckNumber(int n);

// A code is a real card when both of its bytes are one of the 13 ranks and 4 suits.
constexpr bool IsValidCard(CardCode card) { return RankValue(card.Rank) <= 13 && SuitIndex(card.Suit) != 0; }

// ASCII name for logs and test output: rank 2..9, T, J, Q, K, A and suit h, d, c, s
// ("Qs" for the queen of spades, "##" for a free slot).
std::string AsciiName(CardCode card);
// The inverse of AsciiName; EmptySlot when the text is not a card name.
CardCode CardFromAscii(std::string_view text);

} // namespace vesrin
