#include "settings/DialogButtons.h"

#include "table/Rounding.h"

#include <QVariant>

#include <algorithm>
#include <cmath>

namespace vesrin {

namespace {

constexpr const char* kLookProperty = "vesrinButtonLook";

int Channel(double value) { return std::clamp(RoundHalfEven(value), 0, 255); }

QString Css(QColor colour) { return colour.name(QColor::HexRgb); }

} // namespace

QColor TintButtonColour(QColor red, ButtonScheme scheme, int kLight) {
    const int r = red.red(), g = red.green(), b = red.blue();
    int nr = r, ng = g, nb = b;
    switch (scheme) {
    case ButtonScheme::DRed: break;
    case ButtonScheme::DGreen: nr = g, ng = r, nb = b; break;
    case ButtonScheme::DBlue: nr = b, ng = r, nb = r; break;
    case ButtonScheme::DNavy: nr = b, ng = g, nb = r; break;
    case ButtonScheme::DYellow: nr = r, ng = r, nb = b; break;
    case ButtonScheme::DViolet: nr = r, ng = g, nb = r; break;
    case ButtonScheme::DOrang:
        if (g < r && b < r) {
            const int b2 = Channel(0.7 * b);
            ng = Channel(b2 + 0.4 * (r - b2));
            nb = b2;
        }
        break;
    case ButtonScheme::DCards: nr = Channel(0.7 * r), ng = 0, nb = r; break;
    }
    if (kLight != 0) {
        const double k = kLight / 100.0;
        nr = Channel(k * (255 - nr) + nr);
        ng = Channel(k * (255 - ng) + ng);
        nb = Channel(k * (255 - nb) + nb);
    }
    return QColor(nr, ng, nb);
}

DialogButton* MakeDialogButton(QWidget* parent, const QString& caption) {
    auto* button = new DialogButton(caption, parent);
    button->setAutoDefault(false);
    button->setCursor(Qt::PointingHandCursor);
    SetButtonLook(*button, ButtonLook{});
    return button;
}

void SetButtonLook(DialogButton& button, const ButtonLook& look) {
    button.setProperty(kLookProperty, QVariant::fromValue(QList<QVariant>{
        int(look.Scheme), look.Text, look.Mouse, look.KLight, look.Nata}));
    // The stored shades of the bar: a light band over the upper half, pure reds
    // rising in brightness below, a dark rim.
    auto tint = [&](int r, int g, int b) { return Css(TintButtonColour(QColor(r, g, b), look.Scheme, look.KLight)); };
    const QString mouse = Css(look.Mouse.isValid() ? look.Mouse : look.Text);
    const int radius = look.Nata ? 4 : 9;
    const QString sheet = QStringLiteral(
        "QPushButton { color: %1; border: 1px solid %2; border-radius: %3px;"
        " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %4, stop:0.45 %5,"
        " stop:0.5 %6, stop:1 %7); padding: 0px 4px; }"
        "QPushButton:hover { color: %8; }"
        "QPushButton:pressed { padding-left: 6px; padding-top: 2px; }"
        "QPushButton:disabled { color: %1; }")
        .arg(Css(look.Text), tint(128, 0, 0), QString::number(radius), tint(232, 173, 173), tint(176, 80, 80),
             tint(136, 0, 0), tint(238, 0, 0), mouse);
    button.setStyleSheet(sheet);
}

ButtonLook ButtonLookOf(const DialogButton& button) {
    const QList<QVariant> stored = button.property(kLookProperty).toList();
    ButtonLook look;
    if (stored.size() != 5) return look;
    look.Scheme = ButtonScheme(stored[0].toInt());
    look.Text = stored[1].value<QColor>();
    look.Mouse = stored[2].value<QColor>();
    look.KLight = stored[3].toInt();
    look.Nata = stored[4].toBool();
    return look;
}

} // namespace vesrin
