#pragma once

#include "settings/Settings.h"
#include "words/WordTable.h"

#include <QStringList>

namespace vesrin {

// The word-table rows of the options dialog's lists, by the value each item stands for.

Word FaceSetWord(int faceSet);          // 0..47
Word BackSetWord(int backSet);          // 0..12
Word BackgroundWord(int backgroundNo);  // 1..10
Word TintWord(int tint);                // 0..6
Word WindowSizeWord(int windowSize);    // 1..5

inline constexpr int BackgroundCount = 10;
inline constexpr int TintCount = 7;

// "Large font", "Small font", "Special font 1", "Special font 2": the kinds decor, serif,
// fixed and conew in the current language.
QStringList FontKindTexts(const Settings& settings);

} // namespace vesrin
