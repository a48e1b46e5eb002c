#include "table/Attention.h"

#include "table/QorCardsButton.h"
#include "table/ResourceLibrary.h"

#include <QDesktopServices>
#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QUrl>

#include <algorithm>

namespace vesrin {

namespace {

QFont AttentionFont() {
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setPixelSize(20);
    font.setBold(true);
    return font;
}

// The third line: a label that opens its own text when clicked.
class LinkLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        QLabel::mouseReleaseEvent(event);
        if (event->button() == Qt::LeftButton && !text().isEmpty())
            QDesktopServices::openUrl(QUrl::fromUserInput(text()));
    }
};

} // namespace

int AttentionBox::ClientWidthFor(int widestLine, int labelLeft) {
    const int width = widestLine + labelLeft;
    return width >= 350 ? width + 50 : 400;
}

AttentionBox::AttentionBox(QWidget* parent, const QString& line1, const QString& line2, const QString& line3,
                           const QString& caption, const QString& okText)
    : QDialog(parent) {
    setWindowTitle(caption);
    setModal(true);
    setAttribute(Qt::WA_DeleteOnClose, false);
    const QFont font = AttentionFont();
    const QFontMetrics metrics(font);

    auto* icon = new QLabel(this);
    QImage picture;
    LoadPngFromLibrary(QStringLiteral("GAttention"), QString(), picture, LibraryPlaces{});
    icon->setPixmap(QPixmap::fromImage(picture));
    icon->setGeometry(8, 10, 40, 40);

    const QString texts[3] = {line1, line2, line3};
    int widest = 0;
    for (int i = 0; i < 3; ++i) {
        QLabel* label = i == 2 ? new LinkLabel(this) : new QLabel(this);
        QFont labelFont = font;
        if (i == 2) {
            labelFont.setUnderline(true);
            label->setCursor(Qt::PointingHandCursor);
        }
        label->setFont(labelFont);
        label->setText(texts[i]);
        label->setVisible(!texts[i].isEmpty());
        widest = std::max(widest, metrics.horizontalAdvance(texts[i]));
        lines_[i] = label;
    }
    const int width = ClientWidthFor(widest, LabelLeft);
    for (int i = 0; i < 3; ++i) lines_[i]->setGeometry(LabelLeft, 2 + i * 20, width - LabelLeft - 4, 22);

    auto* ok = new TQorCardsButton(okText, this);
    ok->FontColor = Qt::white;
    ok_ = ok;
    ok_->setFont(font);
    ok_->setDefault(true);
    ok_->setGeometry(5, ClientHeight - 28, width - 10, 26);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    setFixedSize(width, ClientHeight);
}

void ShowAttention(QWidget* parent, const QString& line1, const QString& line2, const QString& line3,
                   const QString& caption, const QString& okText) {
    AttentionBox box(parent, line1, line2, line3, caption, okText);
    if (parent) {
        const QRect frame = parent->frameGeometry();
        box.move(frame.center() - QPoint(box.width() / 2, box.height() / 2));
    }
    box.exec();
}

} // namespace vesrin
