#pragma once

#include <QColor>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <vector>

namespace vesrin {

// Where the balloon's pointer sits, and so on which side of the control the balloon
// opens: 1 the pointer at the balloon's top left (the balloon below the control), 2 at
// its right (the balloon to the left), 3 at its left (to the right), 4 at its bottom
// left (above).
enum class BalloonArrow { TopLeft = 1, Right = 2, Left = 3, BottomLeft = 4 };

struct BalloonStyle {
    QString FontName = QStringLiteral("Comic Sans MS");
    int FontSize = 9; // points
    int Kind = 1;     // 1 information, 2 warning, 3 error icon
    int DurationMs = 5000;
    QColor Border = QColor(255, 0, 0);
    QColor Background = QColor(255, 255, 225);
    QColor Text = QColor(255, 0, 0);
    QColor Title = QColor(128, 0, 0);
    BalloonArrow Arrow = BalloonArrow::TopLeft;
};

// A text balloon that points at a control: a title, lines of text and an icon, opening
// from its centre and closing by itself after its duration.
class HintBalloon : public QWidget {
    Q_OBJECT
public:
    HintBalloon(QWidget* control, const QString& title, const QString& text, const BalloonStyle& style);

    const QString& Title() const { return title_; }
    const QString& Text() const { return text_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString title_;
    QString text_;
    BalloonStyle style_;
    QTimer closer_;
};

// The open balloons of a window. Every caller closes them all when the mouse leaves
// its control.
class HintBalloons {
public:
    // ShowHintBalloon: switches the control's plain hint off and opens a balloon.
    HintBalloon* Show(QWidget* control, const QString& title, const QString& text, const BalloonStyle& style);
    void CloseAll();
    // The balloons still open.
    std::vector<HintBalloon*> Open() const;

private:
    std::vector<QPointer<HintBalloon>> balloons_;
};

} // namespace vesrin
