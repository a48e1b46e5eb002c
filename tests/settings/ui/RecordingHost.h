#pragma once

#include "settings/OptionsHost.h"
#include "settings/Settings.h"
#include "table/ResourceLibrary.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <string>
#include <vector>

namespace vesrin::test {

// The main window's side of the dialogs, written down call by call. The reload results
// can be set to the failure a missing library gives; a failing reload puts the loaders'
// fallback into the settings as the program does.
class RecordingHost : public OptionsHost {
public:
    explicit RecordingHost(Settings& settings) : settings_(settings) {}

    std::vector<std::string> Calls;
    QStringList Attentions;
    bool FacesLoad = true;
    bool BacksLoad = true;
    bool BackgroundLoads = true;
    bool MenuDesignLoads = true;

    bool Called(const std::string& name) const;
    void Clear() {
        Calls.clear();
        Attentions.clear();
    }

    // Outside the small window the window-size step switches the GIF recording off.
    void ApplyWindowSize() override;
    bool ReloadFaces() override;
    bool ReloadBacks() override;
    bool ReloadBackground() override;
    bool ApplyMenuDesign() override;
    void ApplyTableDesign() override { Calls.push_back("ApplyTableDesign"); }
    void ApplyFonts() override { Calls.push_back("ApplyFonts"); }
    void RetranslateMainWindow() override { Calls.push_back("RetranslateMainWindow"); }
    void LanguageSelected() override { Calls.push_back("LanguageSelected"); }
    void ApplyButtonLook() override { Calls.push_back("ApplyButtonLook"); }
    void ApplyCursors(QWidget&) override { Calls.push_back("ApplyCursors"); }
    void ApplyMusic() override { Calls.push_back("ApplyMusic"); }
    void ApplyGifAnimation() override { Calls.push_back("ApplyGifAnimation"); }
    void ApplyNetMode() override { Calls.push_back("ApplyNetMode"); }
    void OpenPassport(QWidget&) override { Calls.push_back("OpenPassport"); }
    bool DownloadLibrary(int kind) override {
        Calls.push_back("DownloadLibrary " + std::to_string(kind));
        return false;
    }
    void ShowAttention(const QString& line) override {
        Calls.push_back("ShowAttention");
        Attentions << line;
    }
    void ShowClickEffect(QPoint) override { Calls.push_back("ShowClickEffect"); }

private:
    Settings& settings_;
};

// A program folder of its own, with or without the graphics library beside it.
class ProgramFolder {
public:
    ProgramFolder();
    LibraryPlaces Places() const;
    // The graphics library with the pictures the dialogs take from it: the options icon
    // strip, the speed dialog's background, header and icon strip.
    bool AddGraphicsLibrary();
    // An empty file under a library's name: enough for the buttons, which look only at
    // whether the file is there.
    void AddFile(const QString& name);
    QString Path(const QString& name) const;

private:
    QTemporaryDir root_;
};

} // namespace vesrin::test
