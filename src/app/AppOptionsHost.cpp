#include "app/AppOptionsHost.h"

#include "app/ClickEffect.h"
#include "app/MainMenu.h"
#include "app/TForm1.h"
#include "base/Cp1251.h"
#include "table/Attention.h"
#include "table/WordText.h"

#include <QAbstractButton>

namespace vesrin {

namespace {

// The settings the picture loaders read and fall back on, paired with their copies.
template <typename Copy>
void EachPictureSetting(Settings& o, PictureChoice& c, Copy copy) {
    copy(o.FaceSet, c.FaceSet);
    copy(o.BackSet, c.BackSet);
    copy(o.BackFixed, c.BackFixed);
    copy(o.BackgroundNo, c.BackgroundNo);
    copy(o.BackgroundTint, c.BackgroundTint);
    copy(o.WindowSize, c.WindowSize);
    copy(o.MenuDesign, c.MainMenuDesign);
    copy(o.TableDesign, c.TableDesign);
    copy(o.AuxDesignPurple, c.AuxDesignPurple);
}

} // namespace

void TakePictureChoice(ProgramContext& context) {
    PictureChoice& choice = context.Choice;
    EachPictureSetting(context.Options, choice, [](auto& setting, auto& chosen) { chosen = setting; });
    choice.Scale = context.Scale.Scale;
    choice.TableWidth = context.Scale.TableWidth;
    choice.TableHeight = context.Scale.TableHeight;
}

void KeepPictureFallbacks(ProgramContext& context) {
    EachPictureSetting(context.Options, context.Choice, [](auto& setting, auto& chosen) { setting = chosen; });
}

MissingLibraryNotice LibraryNotice(const ProgramContext& context, QWidget& window) {
    const Language language = LanguageFromIndex(context.Options.Language).value_or(Language::English);
    MissingLibraryNotice notice;
    notice.MissingFileWord = WordText(Word::FileCantFind, language);
    notice.Show = [&window](const QString& line) { vesrin::ShowAttention(&window, line); };
    return notice;
}

void TakeFontSettings(ProgramContext& context) {
    for (std::size_t kind = 0; kind < 4; ++kind) {
        context.Fonts.Names[kind] = FileText(context.Options.FontName[kind]);
        context.Fonts.Percent[kind] = context.Options.FontPercent[kind];
    }
}

QWidget* AppOptionsHost::MainWindow() { return &window_; }

void AppOptionsHost::ApplyWindowSize() { window_.ApplyWindowSize(); }

bool AppOptionsHost::Load(const std::function<bool(PictureLoader&)>& load) {
    TakePictureChoice(context_);
    PictureLoader loader(context_.Stores, context_.Cards, context_.Choice, context_.Places,
                         LibraryNotice(context_, window_));
    const bool loaded = load(loader);
    KeepPictureFallbacks(context_);
    return loaded;
}

bool AppOptionsHost::ReloadFaces() {
    return Load([](PictureLoader& loader) { return loader.LoadFaces(); });
}

bool AppOptionsHost::ReloadBacks() {
    return Load([](PictureLoader& loader) { return loader.LoadBacks(); });
}

bool AppOptionsHost::ReloadBackground() {
    const Settings& o = context_.Options;
    const bool design2 = window_.MenuShown() ? o.MenuDesign == 2 : o.TableDesign == 2;
    const bool loaded = Load([design2](PictureLoader& loader) { return loader.LoadBackground(design2); });
    ShowNewBackground();
    return loaded;
}

bool AppOptionsHost::ApplyMenuDesign() {
    const bool design2 = context_.Options.MenuDesign == 2;
    const bool loaded = Load([design2](PictureLoader& loader) { return loader.LoadBackground(design2); });
    ShowNewBackground();
    return loaded;
}

void AppOptionsHost::ShowNewBackground() {
    if (window_.MenuShown()) window_.LayoutMainMenu();
    window_.update();
}

void AppOptionsHost::ApplyTableDesign() {
    // The table takes its design at the next deal; nothing shows it before.
}

void AppOptionsHost::ApplyFonts() {
    TakeFontSettings(context_);
    window_.ApplyMainFonts();
    if (window_.MenuShown()) window_.Menu->FillClubList();
}

void AppOptionsHost::RetranslateMainWindow() { window_.RetranslateMainWindow(); }

void AppOptionsHost::LanguageSelected() {
    // The calendar's two pictures carry lettering.
    if (window_.MenuShown()) window_.Menu->ShowCalendar();
}

void AppOptionsHost::ApplyButtonLook() { window_.ApplyButtonLook(); }

void AppOptionsHost::ApplyCursors(QWidget& dialog) {
    window_.ApplyCursors();
    dialog.setCursor(window_.ArrowPointer());
    for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) button->setCursor(window_.HandPointer());
}

void AppOptionsHost::ApplyMusic() {
    // The built-in song comes with the music player.
}

void AppOptionsHost::ApplyGifAnimation() { window_.Menu->ApplyGifAnimation(); }

void AppOptionsHost::ApplyNetMode() {
    window_.Menu->PaintCaptions();
    window_.Menu->FillClubList();
}

void AppOptionsHost::OpenPassport(QWidget&) {
    // The world-top-ten identity dialog comes with the world top ten.
}

void AppOptionsHost::ShowAttention(const QString& line) { vesrin::ShowAttention(&window_, line); }

void AppOptionsHost::ShowClickEffect(QPoint globalPos) {
    vesrin::ShowClickEffect(globalPos, context_.Places, context_.Blocking);
}

} // namespace vesrin
