#include "settings/LanguageSwitch.h"

#include "settings/OptionsDialog.h"
#include "settings/OptionsHost.h"
#include "table/ResourceLibrary.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QPalette>

#include <array>

namespace vesrin {

namespace {

constexpr int kGlyphWidth = 14;
constexpr int kGlyphHeight = 12;

QString FlagListName(Continent continent) {
    switch (continent) {
    case Continent::Europe: return QStringLiteral("ILEuro");
    case Continent::Asia: return QStringLiteral("ILAsia");
    case Continent::NorthAmerica: return QStringLiteral("ILNAme");
    case Continent::SouthAmerica: return QStringLiteral("ILSAme");
    case Continent::Oceania: return QStringLiteral("ILOcea");
    case Continent::Africa: return QStringLiteral("ILAfri");
    }
    return {};
}

QString ListName(int index) {
    const std::optional<Language> language = LanguageFromIndex(index);
    if (!language) return {};
    const std::string_view name = LanguageListName(*language);
    return QString::fromUtf8(name.data(), qsizetype(name.size()));
}

} // namespace

void Retranslate(int scope, TFormOptions* options, OptionsHost& host) {
    if (scope == 0 && options) options->Retranslate();
    host.RetranslateMainWindow();
}

QImage LanguageFlagPicture(Language language) {
    const FlagGlyph glyph = LanguageFlagGlyph(language);
    QImage strip;
    if (!LoadPngFromLibrary(FlagListName(glyph.List), QString(), strip, LibraryPlaces{})) return {};
    const QRect cell(glyph.Index * kGlyphWidth, 0, kGlyphWidth, kGlyphHeight);
    if (!strip.rect().contains(cell)) return {};
    return strip.copy(cell);
}

void DrawLanguageItem(QPainter& painter, int index, const QRect& rect, bool selected, const QPalette& palette) {
    painter.save();
    painter.fillRect(rect, selected ? palette.highlight() : palette.base());
    if (const std::optional<Language> language = LanguageFromIndex(index)) {
        const QImage glyph = LanguageFlagPicture(*language);
        if (!glyph.isNull()) painter.drawImage(rect.left() + 2, rect.top() + 2, glyph);
    }
    painter.setPen(selected ? palette.highlightedText().color() : palette.text().color());
    painter.drawText(rect.adjusted(20, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, ListName(index));
    painter.restore();
}

void LanguageItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    const bool selected = option.state & (QStyle::State_Selected | QStyle::State_MouseOver);
    painter->setFont(option.font);
    DrawLanguageItem(*painter, index.row(), option.rect, selected, option.palette);
}

QSize LanguageItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const QFontMetrics metrics(option.font);
    const int width = 20 + metrics.horizontalAdvance(ListName(index.row())) + 6;
    return QSize(width, std::max(kGlyphHeight + 4, metrics.height() + 2));
}

void TFormOptions::SelectLanguage() {
    const int index = ComboBoxLan->currentIndex();
    if (!LanguageFromIndex(index)) return;
    settings_.Language = index;
    vesrin::Retranslate(0, this, host_);
    host_.LanguageSelected();
    update();
}

void TFormOptions::ShowLanguageFlag() {
    QImage picture(ImFlag->size(), QImage::Format_ARGB32_Premultiplied);
    // The flag lies on the window itself: with the graphics library that is the window's
    // background, without it the button face. Both are the window colour here.
    picture.fill(palette().color(QPalette::Window));
    const Language language = LanguageFromIndex(settings_.Language).value_or(Language::English);
    const std::string_view name = FlagPictureName(language);
    QImage flag;
    if (LoadPngFromLibrary(QString::fromLatin1(name.data(), qsizetype(name.size())), QString(), flag, LibraryPlaces{})) {
        QPainter painter(&picture);
        painter.drawImage(0, 0, flag);
    }
    ImFlag->setPixmap(QPixmap::fromImage(picture));
}

} // namespace vesrin
