#pragma once

#include <QString>

namespace vesrin {

// How every card, back and background picture is named, and which library holds it.
// Names are matched without regard to case; these functions give them in the spelling
// of the design tables ("Ch3QB", "Ob01MoU", "Fon05ReB").

// The library file names the program looks for.
inline constexpr const char* FacesLibraryA = "QorCards06A.dll"; // face sets 1..31
inline constexpr const char* FacesLibraryB = "QorCards06B.dll"; // face sets 32..39, all backs
inline constexpr const char* FacesLibraryC = "QorCards06C.dll"; // face sets 40..47
inline constexpr const char* BackgroundsLibrary = "QorBackG03.dll";
inline constexpr const char* GraphicsLibrary = "QorCGraph1.dll";

inline constexpr int FaceSetCount = 48; // 0..47
inline constexpr int BackSetCount = 13; // 0..12

// Picture mode values of the card cells.
inline constexpr int CardPictureLarge = 0;  // large pictures scaled to the cell
inline constexpr int CardPictureSmall = 1;  // small pictures 1:1
inline constexpr int CardPictureNative = 2; // large pictures at their own size

// Face sets: the name shown in the options dialog (English), the set code and the codes
// of its pip cards and aces; all three codes are empty for set 0.
struct FaceSetInfo {
    const char* Name;
    const char* Code;
    const char* PipCode;
    const char* AceCode;
};
const FaceSetInfo& FaceSet(int set); // set outside 0..47 gives set 0

// The library of a face set; empty for set 0 (the program itself).
QString FaceSetLibrary(int set);
// Standard proportions (71 x 96 cells) or narrow ones (61 x 96).
bool IsWideFaceSet(int set);

// The picture code of a card by its deck number 1..52 ("Ch02", "Pi3Q"): suit in the
// program's order (heart, diamonds, clubs, spades) within each rank.
QString CardPictureCode(int deckNumber);

// Resource name of a face picture for a set, card and picture mode.
QString FaceResourceName(int set, int deckNumber, int cardPictureMode);

// Back sets: name shown in the options dialog, code, number of pictures (7 or 10).
struct BackSetInfo {
    const char* Name;
    const char* Code;
    int Pictures;
};
const BackSetInfo& BackSet(int set); // set outside 0..12 gives set 0

// Resource name of back picture 1..10 of a back set for a picture mode; large narrow
// backs carry "U", large wide ones "B".
QString BackResourceName(int set, int picture, int cardPictureMode, bool wideFaces);

// Background names shown in the options dialog, 1..10, and the tint codes 0..6.
const char* BackgroundName(int backgroundNo);
const char* TintCode(int tint); // "Gr" .. "Fi"; empty outside 0..6

// Resource name of a table background: "FonG" for the program's own one (background 2,
// tint 0), else "Fon" + two digits + tint code; "B" unless the small window (1) is used.
QString BackgroundResourceName(int backgroundNo, int tint, int windowSize);
// The built-in background is background 2 with tint 0.
inline bool IsBuiltInBackground(int backgroundNo, int tint) { return backgroundNo == 2 && tint == 0; }

} // namespace vesrin
