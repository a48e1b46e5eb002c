#pragma once

#include <filesystem>
#include <span>
#include <string_view>

namespace vesrin {

// Where the program keeps its files. A portable copy is one whose executable folder
// holds the program's records files or the portable marker: that folder is the program
// folder and the folder above it is the parent folder that sibling games share. Any
// other copy is an installed one, whoever runs it (root may write into /usr/bin, but
// that does not make /usr/bin a program folder): it keeps its files per user under the
// data home ("Qor/Vesrin/" and "Qor/"), and its first start copies the installation
// content (the two records files) there.
struct ProgramFolders {
    std::filesystem::path Program;
    std::filesystem::path Parent;
    bool Portable = false;
};

// The file a portable layout ships beside the program, so that the folder stays the
// program folder even when a records file is lost (which is then reported as missing).
inline constexpr std::string_view kPortableMarker = "Vesrin.portable";

// Whether folder is the program folder of a portable copy: it holds one of the
// records files or the portable marker.
bool IsPortableFolder(const std::filesystem::path& folder, std::span<const std::string_view> recordsFileNames);

// dataHome is the per-user data folder ("~/.local/share", or $XDG_DATA_HOME).
ProgramFolders ResolveProgramFolders(const std::filesystem::path& executableFolder, bool portable,
                                     const std::filesystem::path& dataHome);

// The XDG rule: xdgDataHome when it is an absolute path, else home + ".local/share".
std::filesystem::path DataHomeFolder(const char* xdgDataHome, const std::filesystem::path& home);

// Where an installed copy finds its installation content (the records files, the help
// page, resource libraries): the data folder of the installation, "../share/vesrin"
// from the executable folder in the standard layout.
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
