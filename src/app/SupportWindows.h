#pragma once

#include "settings/Settings.h"

#include <QDialog>
#include <QString>
#include <QUrl>

#include <filesystem>
#include <vector>

class QLabel;
class QPushButton;

namespace vesrin {

// The folders and files a support request asks about.
struct SupportFacts {
    std::filesystem::path ProgramFolder;
    std::filesystem::path SettingsFile;
    std::filesystem::path HelpPage; // empty: not found
};

// The short plain-text report of the program and the system it runs on, for pasting into
// a message about a problem: version, Qt, the operating system, the display, the language
// and window size chosen, and the folders.
QString SystemReport(const Settings& settings, const SupportFacts& facts);

// The support window: how to report a problem, the program's version, the folders it
// uses, and a button that copies the system report to the clipboard.
class SupportWindow : public QDialog {
    Q_OBJECT
public:
    SupportWindow(const Settings& settings, const SupportFacts& facts, QWidget* parent);

    QPushButton* CopyButton() const { return copy_; }
    QLabel* Copied() const { return copied_; }

private:
    QPushButton* copy_ = nullptr;
    QLabel* copied_ = nullptr;
};

// The public pages of the game service, from the address the program talks to: the
// service's home, news and downloads, and the world top ten.
struct ServiceLink {
    QString Title;
    QUrl Address;
};
std::vector<ServiceLink> ServiceLinks(const Settings& settings);

// The window of the other games: the program's other ways to play and the links to the
// game service's public pages.
class OtherGamesWindow : public QDialog {
    Q_OBJECT
public:
    OtherGamesWindow(const Settings& settings, QWidget* parent);
};

} // namespace vesrin
