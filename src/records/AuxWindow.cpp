#include "records/AuxWindow.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace vesrin {

AuxWindow::AuxWindow(RecordsWindowContext& context, AuxPictureNames pictures, QWidget* parent)
    : QDialog(parent), context_(context), pictures_(std::move(pictures)) {
    setModal(true);
    content_ = new QWidget(this);
}

void AuxWindow::SetContentSize(int contentWidth, int contentHeight) {
    content_->setGeometry(0, design_.ContentTop, contentWidth, contentHeight);
    setFixedSize(contentWidth, design_.ContentTop + contentHeight);
}

QPushButton* AuxWindow::MakeOkButton() {
    QPushButton* ok = MakeWindowButton(content_);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    return ok;
}

void AuxWindow::PlaceOkButtonLast(QPushButton& ok, int contentWidth, int top) {
    ok.setText(QStringLiteral("Ok"));
    StyleButton(ok);
    ok.setGeometry(10, top, contentWidth - 20, ok.height());
    SetContentSize(contentWidth, top + ok.height() + 10);
}

QFont AuxWindow::DecorFont(int height, bool bold) const {
    return ScaledKindFont(settings(), FontKind::Decor, height, bold);
}

void AuxWindow::StyleLabel(QLabel& label, int height, bool bold, const QColor& colour) const {
    label.setFont(DecorFont(height, bold));
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, colour.isValid() ? colour : design_.Text);
    label.setPalette(palette);
}

void AuxWindow::StyleButton(QPushButton& button, int height) const {
    WindowButtonLook look = design_.Buttons;
    look.Height = height;
    StyleWindowButton(button, look, DecorFont(height >= 45 ? 20 : 17, true));
}

void AuxWindow::setVisible(bool visible) {
    if (visible && !isVisible()) {
        design_ = ResolveAuxDesign(context_, pictures_);
        SetTexts();
    }
    QDialog::setVisible(visible);
}

void AuxWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintAuxDesign(painter, design_, settings(), size(), HeaderWord());
}

} // namespace vesrin
