#pragma once

#include "words/Language.h"

#include <optional>
#include <string_view>

// The start-up rule that can override the language read from the settings: a local records
// file whose checksum line begins with "1" belongs to a Russian distribution, which always
// starts in Russian.

namespace vesrin {

struct StartLanguage {
  Language Chosen;
  // The records file exists but does not have the 17 lines of their fixed lengths. The
  // settings writer must then write nothing at exit.
  bool RecordsFileUnusable;
};

// Settles the language at the first paint of the main window. `recordsFile` is the raw content
// of the local records file for games against the computer, or nothing when the file does not
// exist; `fromSettings` is the language the settings file gave.
//   - 17 lines (ended by CR LF or LF; a last line may lack its end) of 59 characters for lines
//     1-5, 26 for lines 6-15 and 28 for lines 16-17, and line 17 begins with "1": Russian.
//   - Such a file whose line 17 begins otherwise: the settings' language.
//   - Another count of lines or a line of another length: the settings' language, and the file
//     is marked unusable.
//   - No file: the settings' language.
StartLanguage SettleStartLanguage(std::optional<std::string_view> recordsFile, Language fromSettings);

}  // namespace vesrin
