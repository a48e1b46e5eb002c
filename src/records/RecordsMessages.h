#pragma once

#include "records/RecordsFile.h"
#include "settings/Settings.h"

#include <QString>

#include <filesystem>
#include <string_view>

class QWidget;

namespace vesrin {

// The message boxes of the records windows, captioned with the program's title in the
// current language.

void ShowRecordsError(QWidget* parent, const Settings& settings, const QString& text);
void ShowRecordsInformation(QWidget* parent, const Settings& settings, const QString& text);
bool AskRecordsQuestion(QWidget* parent, const Settings& settings, const QString& text);

// The start-up message about a records file, or an empty text when it is usable:
// "Can`t find the file" or "The incorrect file", a blank, the path in double quotes and
// "!"; for a usable file with incorrect attributes the warning "The file "..." has
// incorrect attributes!" with its second line.
QString RecordsCheckMessage(const Settings& settings, const RecordsCheck& check, const std::filesystem::path& file);

} // namespace vesrin
