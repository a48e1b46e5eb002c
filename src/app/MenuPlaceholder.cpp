#include "app/MenuPlaceholder.h"

#include "table/ResourceLibrary.h"
#include "table/Rounding.h"

#include <QPainter>

namespace vesrin {

MenuPlaceholder::MenuPlaceholder(QWidget* window) : QWidget(window) {
    setObjectName(QStringLiteral("MenuPlaceholder"));
    // The window's background shows through around the title and the buttons.
    setAttribute(Qt::WA_NoSystemBackground);
    LoadPngFromLibrary(QStringLiteral("GTitle"), QString(), title_, LibraryPlaces{});
    Button6 = new TQorCardsButton(this);
    Button6->setObjectName(QStringLiteral("Button6"));
    Button11 = new TQorCardsButton(this);
    Button11->setObjectName(QStringLiteral("Button11"));
    for (TQorCardsButton* button : {Button6, Button11}) {
        button->LightFont = true;
        button->ColorMouse = QColor(255, 255, 0);
    }
    Button6->SetColorSB(TColorSB::DNavy);
    Button6->FontColor = QColor(0, 255, 255);
    Button11->SetColorSB(TColorSB::DRed);
    Button11->FontColor = Qt::white;
}

void MenuPlaceholder::Layout(double scaleX, double scaleY, double scale, const QFont& buttonFont) {
    setGeometry(parentWidget()->rect());
    const int rowHeight = RoundHalfEven(scale * 30);
    titleRect_ = QRect(RoundHalfEven(scaleX * 230), RoundHalfEven(scaleY * 90) - RoundHalfEven(scale * 5),
                       RoundHalfEven(scaleX * 300), 3 * rowHeight);
    Button6->setGeometry(RoundHalfEven(scaleX * 280), RoundHalfEven(scaleY * 265) + 5 * rowHeight + RoundHalfEven(scale * 10),
                         RoundHalfEven(scaleX * 200), rowHeight);
    Button11->setGeometry(RoundHalfEven(scaleX * 330), RoundHalfEven(scaleY * 465), RoundHalfEven(scaleX * 100),
                          rowHeight);
    Button6->setFont(buttonFont);
    Button11->setFont(buttonFont);
    update();
}

void MenuPlaceholder::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!title_.isNull()) p.drawImage(titleRect_, title_);
}

} // namespace vesrin
