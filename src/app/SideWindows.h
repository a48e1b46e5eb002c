#pragma once

#include "settings/Settings.h"

#include <QDialog>
#include <QUrl>

#include <filesystem>

class QLabel;
class QPushButton;

namespace vesrin {

// The program's own help page "Vesrin.html": beside the program (a portable copy or
// the build folder) or in the installation content of an installed copy. Empty when
// neither place has it.
std::filesystem::path FindHelpPage(const std::filesystem::path& executableFolder);

// The address that opens the help page at the part for a help context (1 the menu, 2 a
// new hand, 5 trick play, 10 the end of a hand).
QUrl HelpAddress(const std::filesystem::path& page, int helpContext);

// The about box: the logo, the title, the version "V 5.7f" with its date, the thanks to
// the authors of the pictures, sounds and music, and a pointer to the help.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    AboutBox(const Settings& settings, QWidget* parent);

    QLabel* Title() const { return title_; }
    QLabel* Version() const { return version_; }
    QLabel* Credits() const { return credits_; }
    QPushButton* OkButton() const { return ok_; }

private:
    QLabel* title_ = nullptr;
    QLabel* version_ = nullptr;
    QLabel* credits_ = nullptr;
    QPushButton* ok_ = nullptr;
};

void ShowAboutBox(const Settings& settings, QWidget* parent);

} // namespace vesrin
