#pragma once

#include "settings/Settings.h"

#include <string_view>
#include <vector>

namespace vesrin {

// The rules of the options dialog that do not depend on any window: which window sizes
// the screen allows, which back-set choices are open, how the design choices map onto
// the settings, the value ranges of the spin boxes.

// The window sizes in the order of the dialog's list (small, full screen, average 1,
// average 2, large) that a screen of this available size can hold: the three fixed sizes
// above the small window need their table plus room for the window frame (990 x 670,
// 1290 x 870, 1520 x 1020, width and height both). The thresholds grow with the list, so
// the result is always a prefix of it and list index + 1 stays the window size.
std::vector<int> OfferedWindowSizes(int screenWidth, int screenHeight);

// The table size shown as the hint of a window size ("990 x 650"); empty for full screen
// and for a value outside 1..5.
std::string_view WindowSizeHint(int windowSize);

// Back sets 8..11 have ten pictures and are always dealt at random; the others let the
// player keep one back or change it with the weekday.
bool BackSetAlwaysRandom(int backSet);

// The three choices of the "Modification" group: change with the weekday, always one,
// random. The group's index for the settings, and the settings for an index.
int BackModificationIndex(const Settings& settings);
void SetBackModification(Settings& settings, int index);

// The secondary-window designs in the order of the dialog's group: "Gray aristocratic"
// (design 2), "Gray concise" (1), "Gray with red ribbons" (3), "Purple".
int AuxDesignIndex(const Settings& settings);
void SetAuxDesignIndex(Settings& settings, int index);
// Whether the choice needs the graphics library: designs 1 and 3 and the purple one take
// their pictures from it.
bool AuxDesignNeedsGraphics(int index);

// Every design back to 1, as after a missing graphics library. The secondary windows'
// design number is kept; only the purple design is switched off.
void ResetDesigns(Settings& settings);

// The table and menu backgrounds cannot be chosen while both designs show the purple
// design picture.
bool BackgroundListsEnabled(const Settings& settings);

inline constexpr int FontPercentMin = 50;
inline constexpr int FontPercentMax = 150;
inline constexpr int GifDelayMin = 10;
inline constexpr int GifDelayMax = 5000;

// The four font names and percentages back to their defaults.
void ResetFonts(Settings& settings);

} // namespace vesrin
