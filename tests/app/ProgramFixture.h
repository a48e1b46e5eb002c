#pragma once

#include "TableWindowFixture.h"
#include "UiTestSupport.h"

#include "app/MainMenu.h"
#include "app/ProgramMain.h"
#include "app/StartPicture.h"

#include <QUrl>

#include <string>
#include <vector>

namespace vesrin::test {

// The whole program as ProgramMain wires it (records hooks, start-up, menus) on a
// program folder of its own that holds the records files as they come with the
// program. Sounds are silent and written down, pauses and flights are instant, yes/no
// questions are answered with `answer`, and the help page is not opened but noted.
class ProgramTest : public TableWindowTest {
protected:
    // Makes the program; with `start` it also runs the start-up and leaves the start
    // picture with a key, as a player does.
    void MakeProgram(bool start = true);
    void RunStartUp();
    void PressKeyOnStartPicture();

    MainMenu& Menu() { return *form->Menu; }
    const std::filesystem::path& ProgramFolder() const { return files.folder.Path(); }
    std::filesystem::path SettingsFile() const { return files.folder / "Vesrin.ini"; }
    // A roster line of the local records file (1..5) and its top ten line (1..10).
    std::string RosterLine(int slot) const;
    std::string TopTenLine(int place) const;
    // Plays the running game to its summing up with the computer players' choices.
    void PlayToTheEnd();
    int TimesPlayed(std::string_view sound) const;

    WindowsFixture files;
    std::vector<QUrl> opened;
};

// A roster line of a player: name, rating, games, cycle score and plain password.
std::string PlayerLine(std::string_view name, double rating, int games, int cycleScore, std::string_view password);

} // namespace vesrin::test
