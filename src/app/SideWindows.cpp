#include "app/SideWindows.h"

#include "app/StartPicture.h"
#include "base/ProgramFolders.h"
#include "records/WindowWords.h"
#include "table/QorCardsButton.h"
#include "table/ResourceLibrary.h"
#include "table/TableFonts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace vesrin {

namespace {

constexpr const char* kHelpPage = "Vesrin.html";

} // namespace

std::filesystem::path FindHelpPage(const std::filesystem::path& executableFolder) {
    std::error_code error;
    for (const std::filesystem::path& folder : {executableFolder, InstallContentFolder(executableFolder)}) {
        const std::filesystem::path page = folder / kHelpPage;
        if (std::filesystem::is_regular_file(page, error)) return page;
    }
    return {};
}

QUrl HelpAddress(const std::filesystem::path& page, int helpContext) {
    QUrl address = QUrl::fromLocalFile(QString::fromStdString(page.string()));
    address.setFragment(QStringLiteral("context-%1").arg(helpContext));
    return address;
}

AboutBox::AboutBox(const Settings& settings, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormAbout"));
    setWindowTitle(WordText(settings, Word::MenuAbout));
    setAttribute(Qt::WA_DeleteOnClose, false);
    const QString decor = FileText(settings.FontName[std::size_t(FontKind::Decor)]);

    auto* logo = new QLabel(this);
    QImage picture;
    if (LoadPngFromLibrary(QStringLiteral("Logo"), QString(), picture, LibraryPlaces{}))
        logo->setPixmap(QPixmap::fromImage(picture));
    title_ = new QLabel(WordText(settings, Word::TitleMixed), this);
    title_->setFont(FontWithHeight(decor, 28, true));
    version_ = new QLabel(QString::fromLatin1(StartPicture::Version) + QStringLiteral("\n") +
                              WordText(settings, Word::VersionDate),
                          this);
    version_->setFont(FontWithHeight(decor, 16));
    credits_ = new QLabel(WordText(settings, Word::AboutCredits) + QStringLiteral("\n\n") +
                              WordText(settings, Word::AboutMoreInHelp),
                          this);
    credits_->setWordWrap(true);
    credits_->setFont(FontWithHeight(decor, 15));
    credits_->setFixedWidth(356);
    auto* ok = new TQorCardsButton(QStringLiteral("Ok"), this);
    ok->setFixedSize(100, 30);
    ok->setFont(FontWithHeight(decor, 18, true));
    ok->FontColor = Qt::white;
    ok->LightFont = true;
    ok->ColorMouse = QColor(255, 255, 0);
    ok->Nata = settings.NewButtons;
    ok_ = ok;
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

    auto* heading = new QVBoxLayout;
    heading->addWidget(title_);
    heading->addWidget(version_);
    auto* top = new QHBoxLayout;
    top->addWidget(logo, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(heading, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addWidget(credits_);
    layout->addSpacing(8);
    layout->addWidget(ok_, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void ShowAboutBox(const Settings& settings, QWidget* parent) {
    AboutBox box(settings, parent);
    box.exec();
}

} // namespace vesrin
