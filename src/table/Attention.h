#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;

namespace vesrin {

// The attention box used for every missing-file message and for announcements: a
// modal box with a fixed icon, up to three lines in bold "Comic Sans MS" at height 20
// (empty lines are hidden) and an "Ok" button. The third line is underlined and opens
// its text (a web address or a file) when clicked. The texts come from the caller, which
// takes them from the word table of the current language.
class AttentionBox : public QDialog {
    Q_OBJECT
public:
    AttentionBox(QWidget* parent, const QString& line1, const QString& line2, const QString& line3,
                 const QString& caption = QStringLiteral("Attention"), const QString& okText = QStringLiteral("Ok"));

    QLabel* Line(int index) const { return lines_[index]; } // 0..2
    QPushButton* OkButton() const { return ok_; }

    // Client width of the box for the widest line: that width plus the lines' left edge,
    // then plus 50 when the sum is at least 350, otherwise exactly 400.
    static int ClientWidthFor(int widestLine, int labelLeft);

    static constexpr int ClientHeight = 90;
    static constexpr int LabelLeft = 58;

private:
    QLabel* lines_[3] = {};
    QPushButton* ok_ = nullptr;
};

// Shows the attention box modally, centred on the parent (the main window).
void ShowAttention(QWidget* parent, const QString& line1, const QString& line2 = {}, const QString& line3 = {},
                   const QString& caption = QStringLiteral("Attention"), const QString& okText = QStringLiteral("Ok"));

} // namespace vesrin
