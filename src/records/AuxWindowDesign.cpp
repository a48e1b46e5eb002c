#include "records/AuxWindowDesign.h"

#include "records/WindowWords.h"
#include "table/QorCardsButton.h"
#include "table/Rounding.h"
#include "table/TableFonts.h"
#include "words/Language.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

namespace vesrin {

namespace {

const QColor kButtonFace(240, 240, 240);
const QColor kGold(200, 175, 50);
const QColor kRibbonText(255, 255, 0);
const QColor kRibbonShadow(128, 128, 0);

QString CodeOf(const Settings& settings) {
    const Language language = LanguageFromIndex(settings.Language).value_or(Language::English);
    return QString::fromUtf8(LanguageCode(language).data());
}

// The grey designs: heights of the header and the tops of the red bar.
struct GreyLayout {
    int Header;
    int Bar;
};
GreyLayout GreyLayoutOf(AuxLook look) {
    switch (look) {
    case AuxLook::Design1: return {48, 55};
    case AuxLook::Design3: return {90, 108};
    default: return {64, 73};
    }
}

// The word in yellow with a shadow one pixel down and right in half the colour,
// centred in box; the font shrinks until the word fits.
void DrawRibbonWord(QPainter& painter, const QRect& box, const QString& word, QFont font, const QColor& colour,
                    const QColor& shadow) {
    painter.setFont(FitFontToWidth(font, word, box.width()));
    painter.setPen(shadow);
    painter.drawText(box.translated(1, 1), Qt::AlignCenter, word);
    painter.setPen(colour);
    painter.drawText(box, Qt::AlignCenter, word);
}

// Design 2: the narrowest built-in caption ribbon (300 pixels at least) whose face
// holds the word, as wide as the window allows.
QImage CaptionRibbon(int clientWidth, int wordWidth) {
    static const int widths[] = {300, 550, 610};
    int chosen = 300;
    for (int width : widths) {
        if (width > clientWidth - 10) break;
        chosen = width;
        if (wordWidth <= width - 60) break;
    }
    return BuiltInPicture(QStringLiteral("GCap%1").arg(chosen));
}

} // namespace

QFont ScaledKindFont(const Settings& settings, FontKind kind, int height, bool bold) {
    const auto index = std::size_t(kind);
    const int percent = settings.FontPercent[index];
    return FontWithHeight(FileText(settings.FontName[index]), RoundHalfEven(double(height) * percent / 100.0), bold);
}

QFont FitFontToWidth(QFont font, const QString& text, int width) {
    while (QFontMetrics(font).horizontalAdvance(text) > width && font.pixelSize() > 8)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

QImage BuiltInPicture(const QString& name) {
    QImage picture;
    LoadPngFromLibrary(name, QString(), picture, LibraryPlaces{});
    return picture;
}

QPushButton* MakeWindowButton(QWidget* parent) {
    auto* button = new TQorCardsButton(parent);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

void StyleWindowButton(QPushButton& button, const WindowButtonLook& look, const QFont& font) {
    button.setFont(font);
    button.setFixedHeight(look.Height);
    auto* own = qobject_cast<TQorCardsButton*>(&button);
    if (!own) return;
    own->SetColorSB(look.Cards ? TColorSB::DCards : TColorSB::DRed);
    own->FontColor = look.Text;
    own->ColorMouse = look.MouseOver;
    own->LightFont = true;
    own->GrayDis = true;
    own->Nata = look.Nata;
    own->update();
}

AuxDesign ResolveAuxDesign(const RecordsWindowContext& context, const AuxPictureNames& names) {
    Settings& settings = context.Values;
    const QString library = QString::fromLatin1(kGraphicsLibraryName);
    const QString code = CodeOf(settings);
    AuxDesign design;
    design.Look = AuxLookOf(settings);

    bool pictures = true;
    if (design.Look == AuxLook::Purple && !names.Form.isEmpty()) {
        pictures = LoadJpegFromLibrary(names.Form, library, design.Background, context.Libraries) &&
                   LoadPngFromLibrary(names.Form + code, library, design.Header, context.Libraries);
    } else if (design.Look == AuxLook::Design1 && !names.Inscription.isEmpty()) {
        pictures = LoadPngFromLibrary(names.Inscription + code, library, design.Header, context.Libraries);
    } else if (design.Look == AuxLook::Design3 && !names.Form.isEmpty()) {
        pictures = LoadPngFromLibrary(names.Form + code, library, design.Header, context.Libraries);
    }
    if (!pictures) {
        settings.AuxDesignPurple = false;
        settings.AuxDesign = 2;
        design = AuxDesign{};
        design.Look = AuxLook::Design2;
        if (context.MissingLibrary)
            context.MissingLibrary(WordText(settings, Word::FileCantFind) + QLatin1Char(' ') + library);
    }

    design.Buttons.Nata = settings.NewButtons;
    if (design.Look == AuxLook::Purple) {
        design.Ground = QColor(0, 0, 0);
        design.Text = kGold;
        design.Buttons.Cards = true;
        design.Buttons.Text = kGold;
        design.HeaderHeight = design.Header.isNull() ? 64 : std::min(design.Header.height(), 120);
        design.ContentTop = design.HeaderHeight + 10;
    } else {
        const GreyLayout grey = GreyLayoutOf(design.Look);
        design.Ground = kButtonFace;
        design.Text = QColor(0, 0, 0);
        design.HeaderHeight = grey.Header;
        design.BarTop = grey.Bar;
        design.ContentTop = grey.Bar + 6 + 12;
    }
    return design;
}

void PaintAuxDesign(QPainter& painter, const AuxDesign& design, const Settings& settings, QSize client,
                    const QString& headerWord) {
    const int width = client.width();
    const QString word = headerWord.toUpper();
    painter.fillRect(QRect(QPoint(0, 0), client), design.Ground);

    if (design.Look == AuxLook::Purple) {
        if (!design.Background.isNull()) {
            painter.drawImage(QRect(QPoint(0, 0), client), design.Background);
        } else {
            QLinearGradient ground(0, 0, 0, client.height());
            ground.setColorAt(0, QColor(0, 0, 0));
            ground.setColorAt(1, QColor(70, 30, 110));
            painter.fillRect(QRect(QPoint(0, 0), client), ground);
        }
        if (!design.Header.isNull()) {
            painter.drawImage(0, 0, design.Header);
        } else {
            DrawRibbonWord(painter, QRect(10, 8, width - 20, design.HeaderHeight - 16), word,
                           ScaledKindFont(settings, FontKind::Serif, 36, true), kGold, QColor(60, 20, 90));
        }
        return;
    }

    const QFont ribbonFont = ScaledKindFont(settings, FontKind::Serif, 40, true);
    switch (design.Look) {
    case AuxLook::Design1:
        if (!design.Header.isNull()) {
            painter.drawImage((width - design.Header.width()) / 2, 0, design.Header);
        } else {
            DrawRibbonWord(painter, QRect(10, 4, width - 20, design.HeaderHeight - 8), word,
                           ScaledKindFont(settings, FontKind::Serif, 34, true), QColor(128, 0, 0), QColor(230, 200, 200));
        }
        break;
    case AuxLook::Design3: {
        // The ribbon stretches to hold the word when the window has no lettered picture.
        const QImage ribbon = BuiltInPicture(QStringLiteral("GLenta280x090"));
        const int wordWidth = QFontMetrics(ribbonFont).horizontalAdvance(word);
        const int ribbonWidth =
            design.Header.isNull() ? std::clamp(wordWidth + 90, ribbon.width(), width - 10) : ribbon.width();
        const QRect ribbonBox((width - ribbonWidth) / 2, 0, ribbonWidth, ribbon.height());
        painter.drawImage(ribbonBox, ribbon);
        if (!design.Header.isNull())
            painter.drawImage(-5, -7, design.Header);
        else
            DrawRibbonWord(painter, ribbonBox.adjusted(40, 14, -40, -30), word, ribbonFont, kRibbonText,
                           kRibbonShadow);
        break;
    }
    default: {
        const QImage ribbon = CaptionRibbon(width, QFontMetrics(ribbonFont).horizontalAdvance(word));
        const int left = (width - ribbon.width()) / 2;
        painter.drawImage(left, 0, ribbon);
        DrawRibbonWord(painter, QRect(left + 30, 10, ribbon.width() - 60, 44), word, ribbonFont, kRibbonText,
                       kRibbonShadow);
        break;
    }
    }
    if (design.BarTop >= 0) painter.fillRect(5, design.BarTop, width - 10, 6, QColor(255, 0, 0));
}

} // namespace vesrin
