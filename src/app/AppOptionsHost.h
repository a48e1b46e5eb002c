#pragma once

#include "app/ProgramContext.h"
#include "settings/OptionsHost.h"
#include "table/PictureStores.h"

#include <functional>

namespace vesrin {

class TForm1;

// The options and speed dialogs' way into the main window: every change they make to
// the settings takes effect here at once, on the window's pictures, fonts, texts,
// buttons, cursors and menu.
class AppOptionsHost : public OptionsHost {
public:
    AppOptionsHost(TForm1& window, ProgramContext& context) : window_(window), context_(context) {}

    QWidget* MainWindow() override;
    void ApplyWindowSize() override;
    bool ReloadFaces() override;
    bool ReloadBacks() override;
    bool ReloadBackground() override;
    bool ApplyMenuDesign() override;
    void ApplyTableDesign() override;
    void ApplyFonts() override;
    void RetranslateMainWindow() override;
    void LanguageSelected() override;
    void ApplyButtonLook() override;
    void ApplyCursors(QWidget& dialog) override;
    void ApplyMusic() override;
    void ApplyGifAnimation() override;
    void ApplyNetMode() override;
    void OpenPassport(QWidget& dialog) override;
    void ShowAttention(const QString& line) override;
    void ShowClickEffect(QPoint globalPos) override;

private:
    // Runs one loader step on the picture choices of the settings and keeps its fallbacks.
    bool Load(const std::function<bool(PictureLoader&)>& load);
    void ShowNewBackground();

    TForm1& window_;
    ProgramContext& context_;
};

// The loaders read the picture choices from the settings and hand their fallbacks back,
// so that a missing library is reported once.
void TakePictureChoice(ProgramContext& context);
void KeepPictureFallbacks(ProgramContext& context);
// The attention box about a missing library over the window, in the current language.
MissingLibraryNotice LibraryNotice(const ProgramContext& context, QWidget& window);
// The four font kinds of the window from the settings.
void TakeFontSettings(ProgramContext& context);

} // namespace vesrin
