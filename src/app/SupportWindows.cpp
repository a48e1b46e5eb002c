#include "app/SupportWindows.h"

#include "app/StartPicture.h"
#include "records/WindowWords.h"
#include "table/QorCardsButton.h"
#include "table/TableFonts.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QSysInfo>
#include <QVBoxLayout>

namespace vesrin {

namespace {

QString PathText(const std::filesystem::path& path, const Settings& settings) {
    if (path.empty()) return WordText(settings, Word::SupportNotFound);
    return QString::fromStdString(path.string());
}

QFont DecorFont(const Settings& settings, int height, bool bold = false) {
    return FontWithHeight(FileText(settings.FontName[std::size_t(FontKind::Decor)]), height, bold);
}

TQorCardsButton* WindowButton(const QString& text, const Settings& settings, QWidget* parent) {
    auto* button = new TQorCardsButton(text, parent);
    button->setFont(DecorFont(settings, 16, true));
    button->setMinimumSize(160, 30);
    button->FontColor = Qt::white;
    button->LightFont = true;
    button->ColorMouse = QColor(255, 255, 0);
    button->Nata = settings.NewButtons;
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

QLabel* Text(const QString& text, const Settings& settings, QWidget* parent, int height = 15) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setFont(DecorFont(settings, height));
    return label;
}

// The window's caption, its heading and the text under it; the layout goes on below.
QVBoxLayout* BeginSideWindow(QDialog& window, const Settings& settings, Word caption, Word intro) {
    window.setWindowTitle(WordText(settings, caption));
    auto* layout = new QVBoxLayout(&window);
    auto* title = Text(WordText(settings, caption), settings, &window, 26);
    title->setFont(DecorFont(settings, 26, true));
    layout->addWidget(title);
    layout->addWidget(Text(WordText(settings, intro), settings, &window));
    layout->addSpacing(6);
    window.setFixedWidth(520);
    return layout;
}

} // namespace

QString SystemReport(const Settings& settings, const SupportFacts& facts) {
    QStringList lines;
    lines << QStringLiteral("Vesrin %1 (%2)")
                 .arg(QString::fromLatin1(StartPicture::Version), WordText(Word::VersionDate, Language::English));
    lines << QStringLiteral("Qt %1 (built with %2)").arg(QString::fromLatin1(qVersion()), QStringLiteral(QT_VERSION_STR));
    lines << QStringLiteral("System: %1, kernel %2 %3, %4")
                 .arg(QSysInfo::prettyProductName(), QSysInfo::kernelType(), QSysInfo::kernelVersion(),
                      QSysInfo::currentCpuArchitecture());
    lines << QStringLiteral("Display platform: %1").arg(QGuiApplication::platformName());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        lines << QStringLiteral("Screen: %1 x %2, scale %3")
                     .arg(screen->size().width())
                     .arg(screen->size().height())
                     .arg(screen->devicePixelRatio());
    const Language language = LanguageFromIndex(settings.Language).value_or(Language::English);
    lines << QStringLiteral("Language: %1, window size %2, design %3/%4")
                 .arg(QString::fromLatin1(LanguageCode(language).data(), qsizetype(LanguageCode(language).size())))
                 .arg(settings.WindowSize)
                 .arg(settings.MenuDesign)
                 .arg(settings.TableDesign);
    lines << QStringLiteral("Program folder: %1").arg(QString::fromStdString(facts.ProgramFolder.string()));
    lines << QStringLiteral("Settings file: %1").arg(QString::fromStdString(facts.SettingsFile.string()));
    lines << QStringLiteral("Help page: %1")
                 .arg(facts.HelpPage.empty() ? QStringLiteral("not found") : QString::fromStdString(facts.HelpPage.string()));
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

SupportWindow::SupportWindow(const Settings& settings, const SupportFacts& facts, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormSupport"));
    QVBoxLayout* layout = BeginSideWindow(*this, settings, Word::HelpDeskCaption, Word::SupportHowToReport);
    const std::filesystem::path gifFolder = facts.ProgramFolder.empty() ? std::filesystem::path() : facts.ProgramFolder / "GIFGame";
    const std::pair<Word, QString> facts_[] = {
        {Word::SupportVersion, QString::fromLatin1(StartPicture::Version) + QStringLiteral("  ") +
                                   WordText(settings, Word::VersionDate)},
        {Word::SupportProgramFolder, PathText(facts.ProgramFolder, settings)},
        {Word::SupportGifFolder, PathText(gifFolder, settings)},
        {Word::SupportHelpPage, PathText(facts.HelpPage, settings)},
    };
    for (const auto& [label, value] : facts_) {
        auto* line = Text(QStringLiteral("<b>%1</b> %2").arg(WordText(settings, label).toHtmlEscaped(), value.toHtmlEscaped()),
                          settings, this, 14);
        line->setTextInteractionFlags(Qt::TextSelectableByMouse);
        layout->addWidget(line);
    }
    layout->addSpacing(6);
    copy_ = WindowButton(WordText(settings, Word::SupportCopyReport), settings, this);
    copied_ = Text(QString(), settings, this, 14);
    auto* close = WindowButton(WordText(settings, Word::SideClose), settings, this);
    const QString report = SystemReport(settings, facts);
    connect(copy_, &QPushButton::clicked, this, [this, report, &settings] {
        if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setText(report);
        copied_->setText(WordText(settings, Word::SupportReportCopied));
    });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(copy_);
    buttons->addStretch(1);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    layout->addWidget(copied_);
}

std::vector<ServiceLink> ServiceLinks(const Settings& settings) {
    // The game service answers the top ten at a path of its own; its public pages sit
    // at the root of the same address.
    QUrl base(QString::fromStdString(settings.TopTenAddress.empty() ? std::string(kDefaultTopTenAddress)
                                                                    : settings.TopTenAddress));
    if (!base.isValid() || base.host().isEmpty()) base = QUrl(QString::fromLatin1(kDefaultTopTenAddress.data()));
    base.setPath(QStringLiteral("/"));
    base.setQuery(QString());
    base.setFragment(QString());
    return {
        {WordText(settings, Word::TitleMixed), base},
        {WordText(settings, Word::OtherGamesNews), base.resolved(QUrl(QStringLiteral("news.html")))},
        {WordText(settings, Word::OtherGamesTopTen), base.resolved(QUrl(QStringLiteral("worldtop")))},
        {WordText(settings, Word::OtherGamesDownloads), base.resolved(QUrl(QStringLiteral("downloads/")))},
    };
}

OtherGamesWindow::OtherGamesWindow(const Settings& settings, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormOtherGames"));
    QVBoxLayout* layout = BeginSideWindow(*this, settings, Word::OtherGamesCaption, Word::OtherGamesModes);
    layout->addWidget(Text(WordText(settings, Word::OtherGamesLinks), settings, this));
    for (const ServiceLink& link : ServiceLinks(settings)) {
        auto* line = Text(QStringLiteral("<a href=\"%1\">%2</a> &nbsp; %3")
                              .arg(link.Address.toString(QUrl::FullyEncoded).toHtmlEscaped(), link.Title.toHtmlEscaped(),
                                   link.Address.toDisplayString().toHtmlEscaped()),
                          settings, this, 14);
        line->setOpenExternalLinks(true);
        line->setCursor(Qt::PointingHandCursor);
        layout->addWidget(line);
    }
    layout->addSpacing(6);
    auto* close = WindowButton(WordText(settings, Word::SideClose), settings, this);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(close, 0, Qt::AlignHCenter);
}

} // namespace vesrin
