#include "settings/OptionsDialog.h"

#include "settings/DialogHeader.h"
#include "settings/DialogTexts.h"
#include "settings/LanguageSwitch.h"
#include "settings/OptionRules.h"
#include "settings/OptionsLists.h"
#include "table/ResourceNames.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace vesrin {

namespace {

constexpr int kTabLeft = 10;
constexpr int kTabWidth = 360;
constexpr int kTabHeight = 270;
constexpr int kSideLeft = 390;
constexpr int kOkWidth = 100;
constexpr int kOkHeight = 30;
constexpr int kDialogFontHeight = 16; // character cell of the dialog's texts

constexpr const char* kLibraryFiles[TFormOptions::LibraryCount] = {
    FacesLibraryA, FacesLibraryB, BackgroundsLibrary, "QorCalendar01.dll", "QorRadio.rad",
    "QorRadio02.dll", "QorCVoice3.dll", FacesLibraryC, GraphicsLibrary};

// The kinds of the three face library buttons of the "Cards" page.
constexpr int kCardLibraryKinds[3] = {1, 2, 8};

QVBoxLayout* PageLayout(QWidget* page) {
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->setSpacing(4);
    return layout;
}

// The window colour of designs 1 to 3: the button face of the platform.
QColor ButtonFace() { return QApplication::palette().color(QPalette::Button); }

QGroupBox* CheckGroup(QWidget* parent, std::initializer_list<QCheckBox**> boxes,
                      Qt::Orientation orientation = Qt::Vertical) {
    auto* group = new QGroupBox(parent);
    QBoxLayout* layout = orientation == Qt::Vertical ? static_cast<QBoxLayout*>(new QVBoxLayout(group))
                                                     : static_cast<QBoxLayout*>(new QHBoxLayout(group));
    layout->setContentsMargins(8, 2, 4, 2);
    layout->setSpacing(1);
    for (QCheckBox** box : boxes) {
        *box = new QCheckBox(group);
        layout->addWidget(*box);
    }
    return group;
}

} // namespace

const char* TFormOptions::LibraryFile(int kind) {
    return kind >= 1 && kind <= LibraryCount ? kLibraryFiles[kind - 1] : "";
}

TFormOptions::TFormOptions(Settings& settings, OptionsHost& host, LibraryPlaces places, QSize availableScreen,
                           QWidget* parent)
    : QDialog(parent), settings_(settings), host_(host), places_(std::move(places)),
      availableScreen_(availableScreen) {
    setModal(true);
    setFont(KindFont(settings_, FontKind::Decor, kDialogFontHeight, false));

    ImHeader = new QLabel(this);
    RedBar = new QFrame(this);
    RedBar->setAutoFillBackground(true);
    QPalette bar = RedBar->palette();
    bar.setColor(QPalette::Window, QColor(255, 0, 0));
    RedBar->setPalette(bar);
    ImFlag = new QLabel(this);
    ImFlag->resize(100, 68);
    ImAnimation = new QLabel(this);
    ImAnimation->resize(48, 48);
    PageControl1 = new PageControl(9, this);

    BuildGeneralPage(PageControl1->Page(0));
    BuildCardsPage(PageControl1->Page(1));
    BuildDecksPage(PageControl1->Page(2));
    BuildGamePage(PageControl1->Page(3));
    BuildFontsPage(PageControl1->Page(4));
    BuildBackgroundPage(PageControl1->Page(5));
    BuildSaveGamesPage(PageControl1->Page(6));
    BuildLibraryPage(PageControl1->Page(7));
    BuildDesignPage(PageControl1->Page(8));

    ButtonOk = MakeDialogButton(this, QStringLiteral("Ok"));
    ButtonOk->setDefault(true);

    animationTimer_.setInterval(100);
    connect(&animationTimer_, &QTimer::timeout, this, &TFormOptions::TickAnimation);

    ConnectHandlers();
    Retranslate();
    ShowValues();
}

TFormOptions::~TFormOptions() = default;

void TFormOptions::BuildGeneralPage(OptionsPage* page) {
    auto* layout = PageLayout(page);
    auto* lists = new QHBoxLayout;
    ComboBoxLan = new QComboBox(page);
    ComboBoxLan->setItemDelegate(new LanguageItemDelegate(ComboBoxLan));
    ComboBoxLan->setMaxVisibleItems(LanguageListVisibleItems);
    for (int i = 0; i < LanguageCount; ++i) {
        const std::string_view name = LanguageListName(*LanguageFromIndex(i));
        ComboBoxLan->addItem(QIcon(QPixmap::fromImage(LanguageFlagPicture(*LanguageFromIndex(i)))),
                             QString::fromUtf8(name.data(), qsizetype(name.size())));
    }
    ComboBoxSize = new QComboBox(page);
    lists->addWidget(ComboBoxLan, 1);
    lists->addWidget(ComboBoxSize, 1);
    layout->addLayout(lists);

    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    GroupMultimedia = CheckGroup(page, {&CheckSound, &CheckMusic});
    left->addWidget(GroupMultimedia);
    CheckNetMode = new QCheckBox(page);
    left->addWidget(CheckNetMode);
    left->addStretch(1);
    ButtonPassport = MakeDialogButton(page);
    ButtonPassport->setFixedHeight(kOkHeight);
    left->addWidget(ButtonPassport);

    auto* right = new QVBoxLayout;
    right->setSpacing(2);
    CheckGif = new QCheckBox(page);
    CheckFly = new QCheckBox(page);
    CheckCursor = new QCheckBox(page);
    CheckNewButtons = new QCheckBox(page);
    for (QCheckBox* box : {CheckGif, CheckFly, CheckCursor, CheckNewButtons}) right->addWidget(box);
    right->addStretch(1);
    ButtonSpeed = MakeDialogButton(page);
    ButtonSpeed->setFixedHeight(kOkHeight);
    right->addWidget(ButtonSpeed);

    columns->addLayout(left, 1);
    columns->addLayout(right, 1);
    layout->addLayout(columns, 1);
}

void TFormOptions::BuildCardsPage(OptionsPage* page) {
    auto* layout = PageLayout(page);
    ComboBoxFaces = new QComboBox(page);
    ComboBoxFaces->setMaxVisibleItems(16);
    layout->addWidget(ComboBoxFaces);
    ImPreview = new QLabel(page);
    ImPreview->setFixedSize(189 + 71, 96);
    layout->addWidget(ImPreview, 0, Qt::AlignHCenter);
    layout->addStretch(1);
    auto* buttons = new QHBoxLayout;
    const char* captions[3] = {"06A", "06B", "06C"};
    for (int i = 0; i < 3; ++i) {
        ButtonCards[std::size_t(i)] = MakeDialogButton(page, QString::fromLatin1(captions[i]));
        ButtonCards[std::size_t(i)]->setFixedHeight(kOkHeight);
        buttons->addWidget(ButtonCards[std::size_t(i)]);
    }
    layout->addLayout(buttons);
}

void TFormOptions::BuildDecksPage(OptionsPage* page) {
    auto* layout = PageLayout(page);
    ComboBoxBacks = new QComboBox(page);
    layout->addWidget(ComboBoxBacks);
    RadioModification = new RadioGroup(3, page);
    layout->addWidget(RadioModification);
    layout->addStretch(1);
}

void TFormOptions::BuildGamePage(OptionsPage* page) {
    auto* layout = PageLayout(page);
    GroupMinor = CheckGroup(page, {&CheckShootMoon, &CheckLimit50, &CheckShowHands});
    layout->addWidget(GroupMinor);
    layout->addStretch(1);
}

void TFormOptions::BuildFontsPage(OptionsPage* page) {
    auto* layout = PageLayout(page);
    ComboBoxFontKind = new QComboBox(page);
    ComboBoxFontKind->addItems(FontKindTexts(settings_));
    layout->addWidget(ComboBoxFontKind);
    ComboBoxFont = new QComboBox(page);
    ComboBoxFont->setMaxVisibleItems(16);
    layout->addWidget(ComboBoxFont);
    auto* scale = new QHBoxLayout;
    LabelScale = new QLabel(page);
    SpinScale = new QSpinBox(page);
    SpinScale->setRange(FontPercentMin, FontPercentMax);
    ButtonFontDefault = MakeDialogButton(page);
    ButtonFontDefault->setFixedHeight(kOkHeight);
    scale->addWidget(LabelScale);
    scale->addWidget(SpinScale);
    scale->addStretch(1);
    scale->addWidget(ButtonFontDefault);
    layout->addLayout(scale);
    LabelFontWarning = new QLabel(page);
    LabelFontWarning->setWordWrap(true);
    LabelFontWarning->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette warning = LabelFontWarning->palette();
    warning.setColor(QPalette::WindowText, QColor(192, 0, 0));
    LabelFontWarning->setPalette(warning);
    layout->addWidget(LabelFontWarning, 1);
}

void TFormOptions::BuildBackgroundPage(OptionsPage* page) {
    auto* layout = PageLayout(page);
    LabelBackground = new QLabel(page);
    layout->addWidget(LabelBackground);
    ComboBoxBackground = new QComboBox(page);
    ComboBoxBackground->setMaxVisibleItems(BackgroundCount);
    layout->addWidget(ComboBoxBackground);
    ComboBoxTint = new QComboBox(page);
    layout->addWidget(ComboBoxTint);
    layout->addStretch(1);
}

void TFormOptions::BuildSaveGamesPage(OptionsPage* page) {
    auto* layout = PageLayout(page);
    CheckSaveGif = new QCheckBox(page);
    layout->addWidget(CheckSaveGif);
    RadioGifArea = new RadioGroup(2, page);
    layout->addWidget(RadioGifArea);
    auto* delay = new QHBoxLayout;
    LabelGifDelay = new QLabel(page);
    LabelGifDelay->setWordWrap(true);
    SpinGifDelay = new QSpinBox(page);
    SpinGifDelay->setRange(GifDelayMin, GifDelayMax);
    SpinGifDelay->setSingleStep(10);
    delay->addWidget(LabelGifDelay, 1);
    delay->addWidget(SpinGifDelay);
    layout->addLayout(delay);
    layout->addStretch(1);
}

void TFormOptions::BuildLibraryPage(OptionsPage* page) {
    auto* layout = PageLayout(page);
    RadioRadioList = new RadioGroup(2, page);
    layout->addWidget(RadioRadioList);
    auto* grid = new QGridLayout;
    grid->setSpacing(2);
    for (int kind = 1; kind <= LibraryCount; ++kind) {
        QString name = QString::fromLatin1(LibraryFile(kind));
        DialogButton* button = MakeDialogButton(page, name);
        button->setFixedHeight(24);
        ButtonLibrary[std::size_t(kind - 1)] = button;
        grid->addWidget(button, (kind - 1) / 2, (kind - 1) % 2);
    }
    layout->addLayout(grid);
    layout->addStretch(1);
}

void TFormOptions::BuildDesignPage(OptionsPage* page) {
    auto* layout = new QGridLayout(page);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->setSpacing(3);
    RadioMenuDesign = new RadioGroup(2, page, 2);
    RadioTableDesign = new RadioGroup(2, page, 2);
    RadioAuxDesign = new RadioGroup(4, page, 2);
    GroupSalute = CheckGroup(page, {&CheckSaluteButtons, &CheckSaluteCards}, Qt::Horizontal);
    ArrangeDesignPage(false);
}

// The two designs of the main window stand side by side when their titles are short
// enough, one under the other when not; the secondary windows and the salute below.
void TFormOptions::ArrangeDesignPage(bool sideBySide) {
    auto* layout = static_cast<QGridLayout*>(PageControl1->Page(8)->layout());
    for (QWidget* group : {static_cast<QWidget*>(RadioMenuDesign), static_cast<QWidget*>(RadioTableDesign),
                           static_cast<QWidget*>(RadioAuxDesign), static_cast<QWidget*>(GroupSalute)})
        layout->removeWidget(group);
    for (RadioGroup* group : {RadioMenuDesign, RadioTableDesign}) group->SetColumns(sideBySide ? 1 : 2);
    if (sideBySide) {
        layout->addWidget(RadioMenuDesign, 0, 0);
        layout->addWidget(RadioTableDesign, 0, 1);
    } else {
        layout->addWidget(RadioMenuDesign, 0, 0, 1, 2);
        layout->addWidget(RadioTableDesign, 1, 0, 1, 2);
    }
    layout->addWidget(RadioAuxDesign, 2, 0, 1, 2);
    layout->addWidget(GroupSalute, 3, 0, 1, 2);
    layout->setRowStretch(4, 1);
}

void TFormOptions::FitPages() {
    PageControl1->FitPageFonts(font());
    // The arrangement of the design page that lets its texts stay larger wins.
    ArrangeDesignPage(true);
    const int sideBySide = PageControl1->FitPageFont(8, font());
    ArrangeDesignPage(false);
    const int stacked = PageControl1->FitPageFont(8, font());
    if (sideBySide > stacked) {
        ArrangeDesignPage(true);
        PageControl1->FitPageFont(8, font());
    }
}

bool TFormOptions::GraphicsLibraryOpens() const {
    return ResourceLibrary::Open(QString::fromLatin1(GraphicsLibrary), places_).has_value();
}

bool TFormOptions::GraphicsLibraryExists() const {
    return !places_.Find(QString::fromLatin1(GraphicsLibrary)).isEmpty();
}

void TFormOptions::MissingGraphics() {
    host_.ShowAttention(DialogText(Word::FileCantFind, settings_) + QStringLiteral(" ") +
                        QString::fromLatin1(GraphicsLibrary));
}

void TFormOptions::ApplyDesign() {
    const AuxLook wanted = AuxLookOf(settings_);
    if (wanted != AuxLook::Design2 && !GraphicsLibraryOpens()) {
        // Only the gray aristocratic design is built from the program's own pictures.
        SetAuxDesignIndex(settings_, 0);
        MissingGraphics();
    }
    look_ = AuxLookOf(settings_);
    const OptionsLayout layout = OptionsLayoutFor(look_);
    const bool purple = look_ == AuxLook::Purple;
    setFixedSize(OptionsClientWidth, layout.ClientHeight);

    QPalette window = palette();
    const QColor face = purple ? QColor(0, 0, 0) : ButtonFace();
    window.setColor(QPalette::Window, face);
    setPalette(window);
    setAutoFillBackground(true);

    const HeaderSpec spec = OptionsHeader();
    ImHeader->setVisible(!purple);
    RedBar->setVisible(!purple);
    if (!purple) {
        ImHeader->setGeometry(5, 0, spec.Width, layout.HeaderHeight);
        ImHeader->setPixmap(QPixmap::fromImage(PaintSecondaryHeader(spec, look_, settings_, places_, face)));
        RedBar->setGeometry(5, layout.RedBarTop, 490, 6);
    }
    PageControl1->setGeometry(kTabLeft, layout.TabTop, kTabWidth, kTabHeight);
    for (int i = 0; i < PageControl1->Count(); ++i) PageControl1->Page(i)->SetGradient(purple);
    ImFlag->move(kSideLeft, layout.TabTop);
    ImAnimation->move(kSideLeft + (100 - ImAnimation->width()) / 2, layout.AnimationTop);
    ButtonOk->setGeometry(kSideLeft, layout.OkTop, kOkWidth, kOkHeight);

    // The animated icon comes from the graphics library; the decoration timer runs
    // only in the purple design.
    animationStrip_ = QImage();
    LoadPngFromLibrary(QStringLiteral("GIcon48Opt"), QString::fromLatin1(GraphicsLibrary), animationStrip_, places_);
    ImAnimation->setVisible(!animationStrip_.isNull());
    animationFrame_ = 0;
    TickAnimation();
    if (purple && !animationStrip_.isNull())
        animationTimer_.start();
    else
        animationTimer_.stop();
    ApplyButtonLooks();
}

void TFormOptions::TickAnimation() {
    if (animationStrip_.isNull()) return;
    const int frames = std::max(1, animationStrip_.width() / 48);
    ImAnimation->setPixmap(QPixmap::fromImage(animationStrip_.copy(animationFrame_ * 48, 0, 48, 48)));
    animationFrame_ = (animationFrame_ + 1) % frames;
}

void TFormOptions::ApplyButtonLooks() {
    const bool purple = look_ == AuxLook::Purple;
    const QColor gold(200, 175, 50);
    const QColor yellow(255, 255, 0);
    const QColor white(255, 255, 255);
    ButtonLook red{ButtonScheme::DRed, white, {}, 0, settings_.NewButtons};
    ButtonLook main = purple ? ButtonLook{ButtonScheme::DCards, gold, {}, 0, settings_.NewButtons} : red;
    ButtonLook library = purple ? ButtonLook{ButtonScheme::DCards, yellow, {}, 0, settings_.NewButtons} : red;
    ButtonLook ok = main;
    if (!purple) ok.Mouse = yellow;
    SetButtonLook(*ButtonOk, ok);
    for (DialogButton* button : {ButtonSpeed, ButtonPassport, ButtonFontDefault}) SetButtonLook(*button, main);
    auto shaded = [&](DialogButton* button) {
        ButtonLook look = library;
        look.KLight = button->isEnabled() ? 0 : 50;
        SetButtonLook(*button, look);
    };
    for (DialogButton* button : ButtonLibrary) shaded(button);
    for (DialogButton* button : ButtonCards) shaded(button);
}

void TFormOptions::Retranslate() {
    ApplyDesign();
    auto text = [this](Word row) { return DialogText(row, settings_); };
    setWindowTitle(text(Word::MainOptions));
    PageControl1->SetTitles({text(Word::OptPageGeneral), text(Word::OptPageCards), text(Word::OptPageDecks),
                             text(Word::OptPageGame), text(Word::OptPageFonts), text(Word::BgPage),
                             text(Word::OptSaveGames), text(Word::OptPageDll), text(Word::DesignPage)});

    GroupMultimedia->setTitle(text(Word::OptMultimedia));
    CheckSound->setText(text(Word::OptSound));
    CheckMusic->setText(text(Word::OptMusic));
    CheckGif->setText(text(Word::OptGifAnimation));
    CheckFly->setText(text(Word::OptFlyCards));
    CheckCursor->setText(text(Word::OptRedCursor));
    CheckNewButtons->setText(text(Word::OptNewButtons));
    CheckNetMode->setText(text(Word::NetMultiplayer));
    ButtonPassport->setText(text(Word::WorldPassport));
    ShowSpeedCaption();

    RadioModification->SetTexts(text(Word::OptModification),
                                {text(Word::OptChangeDecks), text(Word::OptAlwaysOne), text(Word::OptRandom)});
    GroupMinor->setTitle(text(Word::OptMinor));
    CheckShootMoon->setText(text(Word::RuleShootMoon));
    CheckLimit50->setText(text(Word::RuleShortGame));
    CheckShowHands->setText(text(Word::RuleShowCardsAtEnd));

    LabelScale->setText(text(Word::OptFontScale));
    ButtonFontDefault->setText(text(Word::OptFontDefault));
    LabelFontWarning->setText(text(Word::OptFontWarning));
    LabelBackground->setText(text(Word::BgBackground));

    CheckSaveGif->setText(text(Word::OptSaveGif));
    RadioGifArea->SetTexts(QString(), {text(Word::OptSaveMainWindow), text(Word::OptSaveScreen)});
    LabelGifDelay->setText(text(Word::OptFrameDelay));

    RadioRadioList->SetTexts(text(Word::OptRadioList),
                             {text(Word::OptRadioFromServer), text(Word::OptRadioFromDisk)});
    const QStringList designs = {text(Word::DesignCustomizable), text(Word::DesignPurple)};
    RadioMenuDesign->SetTexts(text(Word::DesignMainMenu), designs);
    RadioTableDesign->SetTexts(text(Word::DesignGameTable), designs);
    RadioAuxDesign->SetTexts(text(Word::DesignAuxWindows),
                             {text(Word::DesignGrayAristocratic), text(Word::DesignGrayConcise),
                              text(Word::DesignGrayRedRibbons), text(Word::DesignPurple)});
    GroupSalute->setTitle(text(Word::DesignSalute));
    CheckSaluteButtons->setText(text(Word::DesignSaluteButtons));
    CheckSaluteCards->setText(text(Word::DesignSaluteCards));

    RebuildLists();
    RefreshLibraryButtons();
    FitPages();
    ShowLanguageFlag();
}

void TFormOptions::ShowSpeedCaption() {
    ButtonSpeed->setText(DialogText(Word::OptSpeed, settings_) + QStringLiteral(" = ") +
                         QString::number(settings_.Speed));
}

} // namespace vesrin
