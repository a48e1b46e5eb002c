#pragma once

#include "settings/Settings.h"
#include "table/ResourceLibrary.h"

#include <QString>

#include <filesystem>
#include <functional>
#include <string_view>

namespace vesrin {

// What the records windows need of the application: the process-wide settings (the
// language, the secondary-window design, the new-buttons look, the font names, the
// network switch and the player name offered by the welcome dialog), the program
// folder that holds the records files and the "History" folder, the places of the
// resource libraries, and two callbacks. The windows read everything when they are
// shown, so a change of language or design reaches them at their next opening.
struct RecordsWindowContext {
    Settings& Values;
    std::filesystem::path ProgramFolder;
    LibraryPlaces Libraries;
    // Plays a sound by resource name ("WFiBest"). The application decides whether sound
    // is on; empty plays nothing.
    std::function<void(std::string_view soundName)> PlaySound;
    // Shows the attention box with one line when a design's pictures are missing from
    // "QorCGraph1.dll"; empty shows nothing.
    std::function<void(const QString& line)> MissingLibrary;

    void Sound(std::string_view name) const {
        if (PlaySound) PlaySound(name);
    }
};

} // namespace vesrin
