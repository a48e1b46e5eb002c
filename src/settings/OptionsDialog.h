#pragma once

#include "settings/DialogButtons.h"
#include "settings/DialogDesigns.h"
#include "settings/OptionsHost.h"
#include "settings/OptionsWidgets.h"
#include "settings/Settings.h"
#include "table/PictureStores.h"
#include "table/ResourceLibrary.h"

#include <QDialog>
#include <QSize>
#include <QTimer>

#include <array>
#include <vector>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QSpinBox;

namespace vesrin {

// The options dialog. Every control changes its settings value the moment it changes
// and passes any effect outside the dialog to the host; there is no cancel. The texts
// come from the word table each time the dialog sets them (when it is shown and after
// every change of the language), and the dialog follows the secondary-window design.
//
// The controls are public like the components of a form, so that the program and the
// tests can reach them by name.
class TFormOptions : public QDialog {
    Q_OBJECT
public:
    // availableScreen is the screen area the main window may use: it decides which
    // window sizes the list offers.
    TFormOptions(Settings& settings, OptionsHost& host, LibraryPlaces places, QSize availableScreen,
                 QWidget* parent = nullptr);
    ~TFormOptions() override;

    // The dialog's own part of the retranslation: header, caption, page names, group
    // and box titles, every list rebuilt in the current language with the item of the
    // current setting chosen again, the design and the flag.
    void Retranslate();
    // The change handler of the language list.
    void SelectLanguage();
    // Paints the flag of the current language into ImFlag.
    void ShowLanguageFlag();
    // Library buttons enabled only for libraries found in neither place; the click-effect
    // boxes only with the graphics library (cleared without it).
    void RefreshLibraryButtons();
    // Every control shows its settings value again; no change handler runs.
    void ShowValues();

    // The window sizes the list holds, in list order.
    const std::vector<int>& OfferedSizes() const { return offeredSizes_; }
    AuxLook Look() const { return look_; }
    // The picture the "Cards" page shows of the chosen face set.
    QImage PreviewPicture() const;

    // Library kinds of the nine library buttons (1..9) and their files.
    static constexpr int LibraryCount = 9;
    static const char* LibraryFile(int kind);

    // Header and frame.
    QLabel* ImHeader = nullptr;
    QFrame* RedBar = nullptr;
    QLabel* ImFlag = nullptr;
    QLabel* ImAnimation = nullptr;
    PageControl* PageControl1 = nullptr;
    DialogButton* ButtonOk = nullptr;

    // General.
    QComboBox* ComboBoxLan = nullptr;
    QComboBox* ComboBoxSize = nullptr;
    QGroupBox* GroupMultimedia = nullptr;
    QCheckBox* CheckSound = nullptr;
    QCheckBox* CheckMusic = nullptr;
    QCheckBox* CheckGif = nullptr;
    QCheckBox* CheckFly = nullptr;
    QCheckBox* CheckCursor = nullptr;
    QCheckBox* CheckNewButtons = nullptr;
    DialogButton* ButtonSpeed = nullptr;
    DialogButton* ButtonPassport = nullptr;
    QCheckBox* CheckNetMode = nullptr;
    // Cards.
    QComboBox* ComboBoxFaces = nullptr;
    QLabel* ImPreview = nullptr;
    std::array<DialogButton*, 3> ButtonCards{}; // "06A", "06B", "06C"
    // Decks.
    QComboBox* ComboBoxBacks = nullptr;
    RadioGroup* RadioModification = nullptr;
    // Game.
    QGroupBox* GroupMinor = nullptr;
    QCheckBox* CheckShootMoon = nullptr;
    QCheckBox* CheckLimit50 = nullptr;
    QCheckBox* CheckShowHands = nullptr;
    // Fonts.
    QComboBox* ComboBoxFontKind = nullptr;
    QComboBox* ComboBoxFont = nullptr; // the system's font families
    QLabel* LabelScale = nullptr;
    QSpinBox* SpinScale = nullptr;
    DialogButton* ButtonFontDefault = nullptr;
    QLabel* LabelFontWarning = nullptr;
    // BG.
    QLabel* LabelBackground = nullptr;
    QComboBox* ComboBoxBackground = nullptr;
    QComboBox* ComboBoxTint = nullptr;
    // Save games.
    QCheckBox* CheckSaveGif = nullptr;
    RadioGroup* RadioGifArea = nullptr;
    QLabel* LabelGifDelay = nullptr;
    QSpinBox* SpinGifDelay = nullptr;
    // DLL.
    RadioGroup* RadioRadioList = nullptr;
    std::array<DialogButton*, LibraryCount> ButtonLibrary{}; // by kind - 1
    // Design.
    RadioGroup* RadioMenuDesign = nullptr;
    RadioGroup* RadioTableDesign = nullptr;
    RadioGroup* RadioAuxDesign = nullptr;
    QGroupBox* GroupSalute = nullptr;
    QCheckBox* CheckSaluteButtons = nullptr;
    QCheckBox* CheckSaluteCards = nullptr;

private:
    void BuildGeneralPage(OptionsPage* page);
    void BuildCardsPage(OptionsPage* page);
    void BuildDecksPage(OptionsPage* page);
    void BuildGamePage(OptionsPage* page);
    void BuildFontsPage(OptionsPage* page);
    void BuildBackgroundPage(OptionsPage* page);
    void BuildSaveGamesPage(OptionsPage* page);
    void BuildLibraryPage(OptionsPage* page);
    void BuildDesignPage(OptionsPage* page);
    void ConnectHandlers();
    void ArrangeDesignPage(bool sideBySide);
    void FitPages();

    void ApplyDesign();
    void ApplyButtonLooks();
    void RebuildLists();
    void ShowFontKind();
    void ShowBackModification();
    void ShowGifControls();
    void ShowSpeedCaption();
    void UpdatePreview();
    void FillFontList();
    void SelectFontName(const QString& name);
    void TickAnimation();
    bool GraphicsLibraryOpens() const;
    bool GraphicsLibraryExists() const;

    // Change handlers, named after their controls.
    void ComboBoxSizeChange(int index);
    void ComboBoxFacesChange(int index);
    void ComboBoxBacksChange(int index);
    void RadioModificationClick(int index);
    void ComboBoxFontKindChange(int index);
    void ComboBoxFontChange(int index);
    void SpinScaleChange(int value);
    void ButtonFontDefaultClick();
    void ComboBoxBackgroundChange(int index);
    void ComboBoxTintChange(int index);
    void RadioMenuDesignClick(int index);
    void RadioTableDesignClick(int index);
    void RadioAuxDesignClick(int index);
    void ButtonSpeedClick();
    void ButtonLibraryClick(int kind);
    void ButtonOkClick();
    void MissingGraphics();

    Settings& settings_;
    OptionsHost& host_;
    LibraryPlaces places_;
    QSize availableScreen_;
    AuxLook look_ = AuxLook::Design2;
    std::vector<int> offeredSizes_;
    QTimer animationTimer_;
    QImage animationStrip_;
    int animationFrame_ = 0;
    // Set while the controls are filled from the settings, so no change handler runs.
    bool showing_ = false;
    int previewSet_ = -1;
    // The preview's own small faces, loaded silently: the host has told the user
    // about a missing library already.
    PictureStores previewStores_;
    CardGeometry previewGeometry_;
};

// Opens the options dialog modally over the main window and frees it when it closes.
void ShowOptionsDialog(Settings& settings, OptionsHost& host, const LibraryPlaces& places, QSize availableScreen,
                       QWidget* parent);

} // namespace vesrin
