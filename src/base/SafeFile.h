#pragma once

#include <filesystem>
#include <string_view>

namespace vesrin {

// Rewriting a file so that a crash, a full disk or a refused write never leaves half a
// file: the new content goes to a temporary file in the same folder, is flushed to the
// disk and then renamed over the old file. On any failure the temporary file is removed
// and the old file is exactly as it was. A writer killed half-way leaves its temporary
// file; the next successful rewrite in that folder removes those of dead processes.

enum class WriteStatus {
    Ok,
    TempCreateFailed, // the folder is missing or refuses a new file
    WriteFailed,      // disk full, file size limit, I/O error
    RenameFailed,     // the temporary file could not replace the old one
};

WriteStatus ReplaceFileContents(const std::filesystem::path& file, std::string_view bytes);

namespace detail {
// The same with the final rename supplied by the caller, so that tests can make exactly
// that step fail.
using RenameFunction = int (*)(const char* from, const char* to);
WriteStatus ReplaceFileContentsWith(const std::filesystem::path& file, std::string_view bytes,
                                    RenameFunction renameFile);
} // namespace detail

} // namespace vesrin
