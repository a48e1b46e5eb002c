#pragma once

namespace vesrin {

// The process entry of the game: the application object, the process-wide state, the
// main window and the event loop until the main window closes.
//
// Until the start picture, the main menu and the login are built, "--table" starts a
// game for a new player at once.
int ProgramMain(int argc, char** argv);

} // namespace vesrin
