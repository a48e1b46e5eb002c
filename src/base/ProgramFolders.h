#pragma once

#include <filesystem>
#include <span>
#include <string_view>

namespace vesrin {

// Where the program keeps its files. A copy whose executable folder is writable is
// portable: that folder is the program folder and the folder above it is the parent
// folder that sibling games share. An installed copy keeps its files per user under the
// data home ("Qor/Vesrin/" and "Qor/"), and its first start copies the installation
// content (the two records files) there.
struct ProgramFolders {
    std::filesystem::path Program;
    std::filesystem::path Parent;
    bool Portable = false;
};

// dataHome is the per-user data folder ("~/.local/share", or $XDG_DATA_HOME).
ProgramFolders ResolveProgramFolders(const std::filesystem::path& executableFolder,
                                     bool executableFolderWritable, const std::filesystem::path& dataHome);

// The XDG rule: xdgDataHome when it is an absolute path, else home + ".local/share".
std::filesystem::path DataHomeFolder(const char* xdgDataHome, const std::filesystem::path& home);

// Whether a new file can be created in folder (tried with a probe file, then removed).
bool IsFolderWritable(const std::filesystem::path& folder);

// Where an installed copy finds its installation content: "../share/vesrin" beside the
// executable folder.
std::filesystem::path InstallContentFolder(const std::filesystem::path& executableFolder);

enum class FirstStartStatus { NotNeeded, Copied, Failed };

// On the first start of an installed copy (its program folder does not exist yet):
// create the folder and copy each named file from contentFolder. A portable copy, or a
// program folder that exists, is left alone, so a records file the player lost is
// reported as missing rather than silently replaced.
FirstStartStatus PrepareProgramFolder(const ProgramFolders& folders,
                                      const std::filesystem::path& contentFolder,
                                      std::span<const std::string_view> fileNames);

} // namespace vesrin
