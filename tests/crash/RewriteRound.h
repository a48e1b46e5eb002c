#pragma once

#include <cstddef>
#include <filesystem>
#include <map>
#include <string>

namespace vesrin::test {

// One round of the rewrites a game makes at its end and at exit, numbered so that the
// same round on the same files always writes the same bytes: the records file and the
// history through the end-of-game record keeping (self-play's player "Sim"), then the
// settings file. Gives whether every write reported success.
bool RewriteRound(const std::filesystem::path& programFolder, long round);

// The program's files of a folder, by path relative to it. Hidden files (the writers'
// temporary files) are left out; TemporaryFiles counts them.
using FolderFiles = std::map<std::filesystem::path, std::string>;
FolderFiles ReadFolderFiles(const std::filesystem::path& folder);
std::size_t TemporaryFiles(const std::filesystem::path& folder);
// Those with the process id pid in their name.
std::size_t TemporaryFilesOf(const std::filesystem::path& folder, long pid);
// Makes folder hold exactly files.
void WriteFolderFiles(const std::filesystem::path& folder, const FolderFiles& files);

// Empty when the file passes the check the program makes when it reads it, else why not.
std::string FileCheckFailure(const std::filesystem::path& relative, const std::string& bytes);

} // namespace vesrin::test
