#pragma once

#include "table/QorCardsButton.h"

#include <QWidget>

namespace vesrin {

// A minimal main menu until the real one is built: the title picture, "New Player"
// (Button6) and "Exit" (Button11) over the table background.
class MenuPlaceholder : public QWidget {
    Q_OBJECT
public:
    explicit MenuPlaceholder(QWidget* window);

    TQorCardsButton* Button6 = nullptr;
    TQorCardsButton* Button11 = nullptr;

    // Places the title and the buttons for the window's scales.
    void Layout(double scaleX, double scaleY, double scale, const QFont& buttonFont);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage title_;
    QRect titleRect_;
};

} // namespace vesrin
