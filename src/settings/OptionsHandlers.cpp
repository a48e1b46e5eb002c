#include "settings/OptionsDialog.h"

#include "base/Cp1251.h"
#include "table/WordText.h"
#include "engine/CardCode.h"
#include "settings/DialogTexts.h"
#include "settings/LanguageSwitch.h"
#include "settings/OptionRules.h"
#include "settings/OptionsLists.h"
#include "settings/SpeedDialog.h"
#include "table/CardPainter.h"
#include "table/ResourceNames.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QFontDatabase>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QSpinBox>

#include <algorithm>
#include <memory>
#include <string>

namespace vesrin {

namespace {

// Marks the controls as being filled from the settings for the guard's lifetime.
class Showing {
public:
    explicit Showing(bool& flag) : flag_(flag), old_(flag) { flag_ = true; }
    ~Showing() { flag_ = old_; }
    Showing(const Showing&) = delete;
    Showing& operator=(const Showing&) = delete;

private:
    bool& flag_;
    bool old_;
};

// The small icon before a face set's name: a card when its pictures are at hand, a
// gray card when its library still has to be fetched.
QIcon FaceSetIcon(bool available) {
    QPixmap icon(16, 16);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(60, 60, 60));
    painter.setBrush(available ? QColor(255, 255, 255) : QColor(190, 190, 190));
    painter.drawRoundedRect(QRectF(3.5, 0.5, 10, 15), 2, 2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(available ? QColor(210, 0, 0) : QColor(130, 130, 130));
    painter.drawEllipse(QRectF(6, 5, 5, 5));
    return QIcon(icon);
}

std::string CodeOf(unsigned char rank, unsigned char suit) { return std::string{char(rank), char(suit)}; }

void Fill(QComboBox* combo, const QStringList& items) {
    combo->clear();
    combo->addItems(items);
}

} // namespace

void TFormOptions::ConnectHandlers() {
    auto guarded = [this](auto handler) {
        return [this, handler](auto... args) {
            if (!showing_) (this->*handler)(args...);
        };
    };
    auto flag = [this](QCheckBox* box, bool Settings::*value, void (OptionsHost::*effect)()) {
        connect(box, &QCheckBox::toggled, this, [this, value, effect](bool on) {
            if (showing_) return;
            settings_.*value = on;
            if (effect) (host_.*effect)();
        });
    };
    connect(ComboBoxLan, &QComboBox::currentIndexChanged, this, [this](int) {
        if (!showing_) SelectLanguage();
    });
    connect(ComboBoxSize, &QComboBox::currentIndexChanged, this, guarded(&TFormOptions::ComboBoxSizeChange));
    flag(CheckSound, &Settings::SoundOn, nullptr);
    flag(CheckMusic, &Settings::MusicOn, &OptionsHost::ApplyMusic);
    flag(CheckGif, &Settings::GifAnimation, &OptionsHost::ApplyGifAnimation);
    flag(CheckFly, &Settings::CardFlight, nullptr);
    flag(CheckNetMode, &Settings::NetMode, &OptionsHost::ApplyNetMode);
    connect(CheckCursor, &QCheckBox::toggled, this, [this](bool on) {
        if (showing_) return;
        settings_.OwnCursor = on;
        host_.ApplyCursors(*this);
    });
    connect(CheckNewButtons, &QCheckBox::toggled, this, [this](bool on) {
        if (showing_) return;
        settings_.NewButtons = on;
        ApplyButtonLooks();
        host_.ApplyButtonLook();
    });
    connect(ButtonSpeed, &QPushButton::clicked, this, &TFormOptions::ButtonSpeedClick);
    connect(ButtonPassport, &QPushButton::clicked, this, [this] { host_.OpenPassport(*this); });

    connect(ComboBoxFaces, &QComboBox::currentIndexChanged, this, guarded(&TFormOptions::ComboBoxFacesChange));
    for (int i = 0; i < 3; ++i) {
        static constexpr int kinds[3] = {1, 2, 8};
        const int kind = kinds[i];
        connect(ButtonCards[std::size_t(i)], &QPushButton::clicked, this, [this, kind] { ButtonLibraryClick(kind); });
    }
    connect(ComboBoxBacks, &QComboBox::currentIndexChanged, this, guarded(&TFormOptions::ComboBoxBacksChange));
    connect(RadioModification, &RadioGroup::ItemClicked, this, guarded(&TFormOptions::RadioModificationClick));

    flag(CheckShootMoon, &Settings::ShootMoon, nullptr);
    flag(CheckLimit50, &Settings::Limit50, nullptr);
    flag(CheckShowHands, &Settings::ShowHandsAtEnd, nullptr);

    connect(ComboBoxFontKind, &QComboBox::currentIndexChanged, this, guarded(&TFormOptions::ComboBoxFontKindChange));
    connect(ComboBoxFont, &QComboBox::currentIndexChanged, this, guarded(&TFormOptions::ComboBoxFontChange));
    connect(SpinScale, &QSpinBox::valueChanged, this, guarded(&TFormOptions::SpinScaleChange));
    connect(ButtonFontDefault, &QPushButton::clicked, this, &TFormOptions::ButtonFontDefaultClick);

    connect(ComboBoxBackground, &QComboBox::currentIndexChanged, this,
            guarded(&TFormOptions::ComboBoxBackgroundChange));
    connect(ComboBoxTint, &QComboBox::currentIndexChanged, this, guarded(&TFormOptions::ComboBoxTintChange));

    connect(CheckSaveGif, &QCheckBox::toggled, this, [this](bool on) {
        if (showing_) return;
        settings_.SaveGif = on;
        ShowGifControls();
    });
    connect(RadioGifArea, &RadioGroup::ItemClicked, this, [this](int index) {
        if (!showing_) settings_.SaveGifArea = index + 1;
    });
    connect(SpinGifDelay, &QSpinBox::valueChanged, this, [this](int value) {
        if (!showing_ && value >= GifDelayMin && value <= GifDelayMax) settings_.SaveGifDelay = value;
    });

    connect(RadioRadioList, &RadioGroup::ItemClicked, this, [this](int index) {
        if (!showing_) settings_.RadioListFromServer = index == 0;
    });
    for (int kind = 1; kind <= LibraryCount; ++kind)
        connect(ButtonLibrary[std::size_t(kind - 1)], &QPushButton::clicked, this,
                [this, kind] { ButtonLibraryClick(kind); });

    connect(RadioMenuDesign, &RadioGroup::ItemClicked, this, guarded(&TFormOptions::RadioMenuDesignClick));
    connect(RadioTableDesign, &RadioGroup::ItemClicked, this, guarded(&TFormOptions::RadioTableDesignClick));
    connect(RadioAuxDesign, &RadioGroup::ItemClicked, this, guarded(&TFormOptions::RadioAuxDesignClick));
    flag(CheckSaluteButtons, &Settings::ClickEffectButtons, nullptr);
    flag(CheckSaluteCards, &Settings::ClickEffectCards, nullptr);

    connect(ButtonOk, &QPushButton::clicked, this, &TFormOptions::ButtonOkClick);
}

void TFormOptions::RebuildLists() {
    Showing showing(showing_);
    auto text = [this](Word row) { return DialogText(row, settings_); };

    offeredSizes_ = OfferedWindowSizes(availableScreen_.width(), availableScreen_.height());
    ComboBoxSize->clear();
    for (int size : offeredSizes_) {
        ComboBoxSize->addItem(text(WindowSizeWord(size)));
        const std::string_view hint = WindowSizeHint(size);
        ComboBoxSize->setItemData(ComboBoxSize->count() - 1, QString::fromLatin1(hint.data(), qsizetype(hint.size())),
                                  Qt::ToolTipRole);
    }

    ComboBoxFaces->clear();
    const QIcon available = FaceSetIcon(true);
    const QIcon missing = FaceSetIcon(false);
    for (int set = 0; set < FaceSetCount; ++set) {
        const QString library = FaceSetLibrary(set);
        const bool atHand = library.isEmpty() || !places_.Find(library).isEmpty();
        ComboBoxFaces->addItem(atHand ? available : missing, text(FaceSetWord(set)));
    }

    QStringList backs;
    for (int set = 0; set < BackSetCount; ++set) backs << text(BackSetWord(set));
    Fill(ComboBoxBacks, backs);
    QStringList backgrounds;
    for (int no = 1; no <= BackgroundCount; ++no) backgrounds << text(BackgroundWord(no));
    Fill(ComboBoxBackground, backgrounds);
    QStringList tints;
    for (int tint = 0; tint < TintCount; ++tint) tints << text(TintWord(tint));
    Fill(ComboBoxTint, tints);

    const int kind = std::max(0, ComboBoxFontKind->currentIndex());
    Fill(ComboBoxFontKind, FontKindTexts(settings_));
    ComboBoxFontKind->setCurrentIndex(kind);

    ShowValues();
}

void TFormOptions::ShowValues() {
    Showing showing(showing_);
    ComboBoxLan->setCurrentIndex(LanguageFromIndex(settings_.Language) ? settings_.Language : 0);

    const auto size = std::find(offeredSizes_.begin(), offeredSizes_.end(), settings_.WindowSize);
    ComboBoxSize->setCurrentIndex(size == offeredSizes_.end() ? -1 : int(size - offeredSizes_.begin()));
    ComboBoxSize->setToolTip(ComboBoxSize->currentData(Qt::ToolTipRole).toString());
    CheckSound->setChecked(settings_.SoundOn);
    CheckMusic->setChecked(settings_.MusicOn);
    CheckGif->setChecked(settings_.GifAnimation);
    CheckFly->setChecked(settings_.CardFlight);
    CheckCursor->setChecked(settings_.OwnCursor);
    CheckNewButtons->setChecked(settings_.NewButtons);
    CheckNetMode->setChecked(settings_.NetMode);
    ShowSpeedCaption();

    ComboBoxFaces->setCurrentIndex(settings_.FaceSet >= 0 && settings_.FaceSet < FaceSetCount ? settings_.FaceSet : 0);
    ComboBoxBacks->setCurrentIndex(settings_.BackSet >= 0 && settings_.BackSet < BackSetCount ? settings_.BackSet : 0);
    ShowBackModification();

    CheckShootMoon->setChecked(settings_.ShootMoon);
    CheckLimit50->setChecked(settings_.Limit50);
    CheckShowHands->setChecked(settings_.ShowHandsAtEnd);

    ShowFontKind();

    const bool backgrounds = BackgroundListsEnabled(settings_);
    ComboBoxBackground->setEnabled(backgrounds);
    ComboBoxTint->setEnabled(backgrounds);
    ComboBoxBackground->setCurrentIndex(settings_.BackgroundNo >= 1 && settings_.BackgroundNo <= BackgroundCount
                                            ? settings_.BackgroundNo - 1
                                            : -1);
    ComboBoxTint->setCurrentIndex(settings_.BackgroundTint >= 0 && settings_.BackgroundTint < TintCount
                                      ? settings_.BackgroundTint
                                      : -1);

    ShowGifControls();
    RadioRadioList->SetItemIndex(settings_.RadioListFromServer ? 0 : 1);
    RadioMenuDesign->SetItemIndex(settings_.MenuDesign - 1);
    RadioTableDesign->SetItemIndex(settings_.TableDesign - 1);
    RadioAuxDesign->SetItemIndex(AuxDesignIndex(settings_));
    CheckSaluteButtons->setChecked(settings_.ClickEffectButtons);
    CheckSaluteCards->setChecked(settings_.ClickEffectCards);

    UpdatePreview();
}

void TFormOptions::ShowBackModification() {
    const bool random = BackSetAlwaysRandom(settings_.BackSet);
    RadioModification->Item(0)->setEnabled(!random);
    RadioModification->Item(1)->setEnabled(!random);
    RadioModification->Item(2)->setEnabled(random);
    RadioModification->SetItemIndex(BackModificationIndex(settings_));
}

void TFormOptions::ShowGifControls() {
    Showing showing(showing_);
    CheckSaveGif->setChecked(settings_.SaveGif);
    RadioGifArea->setEnabled(settings_.SaveGif);
    LabelGifDelay->setEnabled(settings_.SaveGif);
    SpinGifDelay->setEnabled(settings_.SaveGif);
    RadioGifArea->SetItemIndex(settings_.SaveGifArea == 2 ? 1 : 0);
    SpinGifDelay->setValue(std::clamp(settings_.SaveGifDelay, GifDelayMin, GifDelayMax));
}

void TFormOptions::FillFontList() {
    QStringList families = QFontDatabase::families();
    const Settings defaults;
    for (const std::string& name : defaults.FontName) families << FileText(name);
    for (const std::string& name : settings_.FontName) families << FileText(name);
    families.removeDuplicates();
    families.sort(Qt::CaseInsensitive);
    ComboBoxFont->clear();
    ComboBoxFont->addItems(families);
}

// A stored name the system does not know stays in the list, so the setting shows as it is.
void TFormOptions::SelectFontName(const QString& name) {
    int index = ComboBoxFont->findText(name, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (index < 0) {
        if (ComboBoxFont->count() == 0) FillFontList();
        index = ComboBoxFont->findText(name, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    }
    if (index < 0) {
        index = 0;
        while (index < ComboBoxFont->count() && ComboBoxFont->itemText(index).compare(name, Qt::CaseInsensitive) < 0)
            ++index;
        ComboBoxFont->insertItem(index, name);
    }
    ComboBoxFont->setCurrentIndex(index);
}

void TFormOptions::ShowFontKind() {
    Showing showing(showing_);
    const int kind = std::clamp(ComboBoxFontKind->currentIndex(), 0, 3);
    SelectFontName(FileText(settings_.FontName[std::size_t(kind)]));
    SpinScale->setValue(settings_.FontPercent[std::size_t(kind)]);
}

void TFormOptions::UpdatePreview() {
    if (previewSet_ == settings_.FaceSet) return;
    PictureChoice choice;
    choice.FaceSet = settings_.FaceSet;
    PictureLoader loader(previewStores_, previewGeometry_, choice, places_, MissingLibraryNotice{});
    loader.LoadFaces();
    previewSet_ = settings_.FaceSet;

    // Jack of the heart suit, queen of diamonds, king of clubs, ace of spades, overlapping.
    QImage picture(ImPreview->size(), QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    const std::string cards[4] = {CodeOf(RankJack, SuitHeart), CodeOf(RankQueen, SuitDiamonds),
                                  CodeOf(RankKing, SuitClubs), CodeOf(RankAce, SuitSpades)};
    for (int i = 0; i < 4; ++i) DrawCard(painter, i * 63, 0, cards[i], previewStores_, previewGeometry_, 1.0);
    painter.end();
    ImPreview->setPixmap(QPixmap::fromImage(picture));
}

QImage TFormOptions::PreviewPicture() const { return ImPreview->pixmap().toImage(); }

void TFormOptions::RefreshLibraryButtons() {
    const QString download = DialogText(Word::AdvDownload, settings_);
    auto refresh = [&](DialogButton* button, int kind) {
        const QString file = QString::fromLatin1(LibraryFile(kind));
        const bool present = !places_.Find(file).isEmpty();
        button->setEnabled(!present);
        button->setToolTip(present ? file : download + QStringLiteral(" ") + file);
    };
    for (int kind = 1; kind <= LibraryCount; ++kind) refresh(ButtonLibrary[std::size_t(kind - 1)], kind);
    static constexpr int cardKinds[3] = {1, 2, 8};
    for (int i = 0; i < 3; ++i) refresh(ButtonCards[std::size_t(i)], cardKinds[i]);

    const bool graphics = GraphicsLibraryExists();
    GroupSalute->setEnabled(graphics);
    if (!graphics) {
        settings_.ClickEffectButtons = false;
        settings_.ClickEffectCards = false;
        Showing showing(showing_);
        CheckSaluteButtons->setChecked(false);
        CheckSaluteCards->setChecked(false);
    }
    ApplyButtonLooks();
}

void TFormOptions::ComboBoxSizeChange(int index) {
    if (index < 0 || index >= int(offeredSizes_.size())) return;
    settings_.WindowSize = offeredSizes_[std::size_t(index)];
    host_.ApplyWindowSize();
    ShowValues();
}

void TFormOptions::ComboBoxFacesChange(int index) {
    if (index < 0) return;
    settings_.FaceSet = index;
    if (!host_.ReloadFaces()) settings_.FaceSet = 0;
    ShowValues();
}

void TFormOptions::ComboBoxBacksChange(int index) {
    if (index < 0) return;
    settings_.BackSet = index;
    if (!host_.ReloadBacks()) settings_.BackSet = 0;
    ShowValues();
}

void TFormOptions::RadioModificationClick(int index) { SetBackModification(settings_, index); }

void TFormOptions::ComboBoxFontKindChange(int) { ShowFontKind(); }

void TFormOptions::ComboBoxFontChange(int index) {
    if (index < 0) return;
    const int kind = std::clamp(ComboBoxFontKind->currentIndex(), 0, 3);
    // Names are kept in the settings file's code page; a name it cannot hold is refused.
    const std::optional<std::string> name = Utf8ToCp1251(ComboBoxFont->itemText(index).toStdString());
    if (!name || name->empty()) {
        ShowFontKind();
        return;
    }
    settings_.FontName[std::size_t(kind)] = *name;
    host_.ApplyFonts();
}

void TFormOptions::SpinScaleChange(int value) {
    if (value < FontPercentMin || value > FontPercentMax) return;
    const int kind = std::clamp(ComboBoxFontKind->currentIndex(), 0, 3);
    settings_.FontPercent[std::size_t(kind)] = value;
    host_.ApplyFonts();
}

void TFormOptions::ButtonFontDefaultClick() {
    ResetFonts(settings_);
    ShowFontKind();
    host_.ApplyFonts();
}

void TFormOptions::ComboBoxBackgroundChange(int index) {
    if (index < 0) return;
    settings_.BackgroundNo = index + 1;
    // The main-menu design 2 shows its own picture; the choice waits for design 1.
    if (settings_.MenuDesign != 2 && !host_.ReloadBackground()) {
        settings_.BackgroundNo = 2;
        settings_.BackgroundTint = 0;
    }
    ShowValues();
}

void TFormOptions::ComboBoxTintChange(int index) {
    if (index < 0) return;
    settings_.BackgroundTint = index;
    if (settings_.MenuDesign != 2 && !host_.ReloadBackground()) {
        settings_.BackgroundNo = 2;
        settings_.BackgroundTint = 0;
    }
    ShowValues();
}

void TFormOptions::RadioMenuDesignClick(int index) {
    const AuxLook before = AuxLookOf(settings_);
    settings_.MenuDesign = index + 1;
    if (!host_.ApplyMenuDesign()) ResetDesigns(settings_);
    if (AuxLookOf(settings_) != before) Retranslate();
    ShowValues();
}

void TFormOptions::RadioTableDesignClick(int index) {
    const AuxLook before = AuxLookOf(settings_);
    settings_.TableDesign = index + 1;
    if (settings_.TableDesign == 2 && !GraphicsLibraryOpens()) {
        const bool menuWasPurple = settings_.MenuDesign == 2;
        ResetDesigns(settings_);
        MissingGraphics();
        if (menuWasPurple) host_.ApplyMenuDesign();
    }
    host_.ApplyTableDesign();
    if (AuxLookOf(settings_) != before) Retranslate();
    ShowValues();
}

void TFormOptions::RadioAuxDesignClick(int index) {
    if (AuxDesignNeedsGraphics(index) && !GraphicsLibraryOpens()) {
        MissingGraphics();
        index = 0;
    }
    SetAuxDesignIndex(settings_, index);
    // The dialog itself follows the secondary-window design.
    Retranslate();
    ShowValues();
}

void TFormOptions::ButtonSpeedClick() {
    ShowSpeedDialog(settings_, host_, places_, this);
    // A library without the speed dialog's picture switches the purple design off.
    if (AuxLookOf(settings_) != look_) Retranslate();
    ShowSpeedCaption();
}

void TFormOptions::ButtonLibraryClick(int kind) {
    host_.DownloadLibrary(kind);
    RefreshLibraryButtons();
    RebuildLists();
}

void TFormOptions::ButtonOkClick() {
    if (settings_.ClickEffectButtons) host_.ShowClickEffect(QCursor::pos());
    accept();
}

void ShowOptionsDialog(Settings& settings, OptionsHost& host, const LibraryPlaces& places, QSize availableScreen,
                       QWidget* parent) {
    auto dialog = std::make_unique<TFormOptions>(settings, host, places, availableScreen, parent);
    Retranslate(0, dialog.get(), host);
    host.ApplyCursors(*dialog);
    CentreDialog(*dialog, host.MainWindow() ? host.MainWindow() : parent);
    dialog->exec();
}

} // namespace vesrin
