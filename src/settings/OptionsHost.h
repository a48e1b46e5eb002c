#pragma once

#include <QPoint>
#include <QString>

class QWidget;

namespace vesrin {

// What the options and speed dialogs need of the rest of the program. The dialogs change
// the process-wide settings themselves, each control at once; every effect outside the
// dialog goes through this interface, which the main window implements (and the tests
// with a recorder). Each call comes right after the settings value changed.
class OptionsHost {
public:
    virtual ~OptionsHost() = default;

    // The window the dialogs are centred on; nullptr centres them on their parent.
    virtual QWidget* MainWindow() { return nullptr; }

    // `WindowSize` changed: the window-size step of the table (table size and scales,
    // background, fonts, menu layout, faces and backs; outside the small window the GIF
    // recording is switched off). Fallbacks of the loaders go into the settings.
    virtual void ApplyWindowSize() = 0;
    // `FaceSet` changed: load the faces (and with them the backs). False when the set's
    // library was missing; the user has been told and the built-in set is loaded.
    virtual bool ReloadFaces() = 0;
    // `BackSet` or `BackFixed` changed: load the backs. False when the library was missing.
    virtual bool ReloadBacks() = 0;
    // `BackgroundNo` or `BackgroundTint` changed (not called while the main-menu design 2
    // shows its own picture): load the table background, set the window colour and paint
    // the window again. False when the background library was missing.
    virtual bool ReloadBackground() = 0;
    // `MenuDesign` changed: load the background for that design and lay out the main
    // menu again. False when the graphics library was missing (then every design is 1).
    virtual bool ApplyMenuDesign() = 0;
    // `TableDesign` changed: the table takes it at its next layout; a running game may
    // repaint its buttons.
    virtual void ApplyTableDesign() {}
    // A font name or percentage changed: the main window's fonts are applied again.
    virtual void ApplyFonts() = 0;
    // Steps 2 to 5 of the retranslation: main window caption, menu buttons, the club
    // list header, the menu caption pictures, the table's pop-up menu.
    virtual void RetranslateMainWindow() = 0;
    // The language was chosen in the dialog (after the retranslation): the main menu
    // lays out and draws its two calendar pictures again when it is showing.
    virtual void LanguageSelected() {}
    // `NewButtons` changed: every owner-drawn button of the main window takes the look.
    virtual void ApplyButtonLook() = 0;
    // `OwnCursor` changed: the cursors of the dialog and of the main window switch.
    virtual void ApplyCursors(QWidget& dialog) = 0;
    // `MusicOn` changed: the built-in song starts or stops.
    virtual void ApplyMusic() = 0;
    // `GifAnimation` changed: the two main-menu animations run or freeze.
    virtual void ApplyGifAnimation() = 0;
    // `NetMode` changed: the banner under the menu caption and the club list change.
    virtual void ApplyNetMode() = 0;
    // "Passport": the world-top-ten identity dialog, modal over the options dialog.
    virtual void OpenPassport(QWidget& dialog) = 0;
    // A library button of a missing library was pressed (kind 1..9 of the download
    // page). Gives whether the file was fetched; the dialog then looks at the files again.
    virtual bool DownloadLibrary(int kind) {
        (void)kind;
        return false;
    }
    // The attention box with one line (a missing library).
    virtual void ShowAttention(const QString& line) = 0;
    // The click effect at a point of the screen (called only when it is switched on).
    virtual void ShowClickEffect(QPoint globalPos) { (void)globalPos; }
};

} // namespace vesrin
