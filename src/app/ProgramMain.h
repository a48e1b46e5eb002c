#pragma once

#include "app/ProgramContext.h"
#include "app/TForm1.h"
#include "base/ProgramFolders.h"

#include <filesystem>
#include <memory>

namespace vesrin {

// The process entry of the game: the application object, the process-wide state, the
// main window and the event loop until the main window closes. The main window's first
// paint runs the start-up; the start picture leads to the main menu.
//
// The environment variable VESRIN_PROGRAM_FOLDER names another program folder (it is
// used as it stands, like the folder of a portable copy): tests and the screenshot tool
// start the program on a folder of their own with it.
int ProgramMain(int argc, char** argv);

// The folders of this copy of the program, from its executable's folder.
ProgramFolders FoldersOfThisProgram(const std::filesystem::path& executableFolder);

// The process-wide state and the main window, wired as the program runs them: the
// records hooks, the start-up at the first paint and the heartbeat. Nothing is shown yet.
struct Program {
    std::unique_ptr<ProgramContext> Context;
    std::unique_ptr<TForm1> Window;
};
Program MakeProgram(const std::filesystem::path& programFolder, std::unique_ptr<SoundPlayer> sound);

} // namespace vesrin
