#pragma once

namespace vesrin {

class TForm1;
struct ProgramContext;

// The one-time start-up sequence of the main window's first paint, in its order: the
// settings and the language, the start picture, the check of the two records files (an
// unusable one ends the program with its message, and the settings are then not
// written), the table background, the button look, the hints, the settings applied to
// the window (fonts, cursors, texts). The steps of features that come later (the
// internet radio, the start announcement, the start count, the account sign-in, the
// music playlist and the background tune) are calls that do nothing yet.
void StartUp(TForm1& window, ProgramContext& context);

} // namespace vesrin
