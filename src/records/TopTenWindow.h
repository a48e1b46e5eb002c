#pragma once

#include "records/AuxWindow.h"

#include <QString>

#include <array>

class QLabel;
class QPushButton;

namespace vesrin {

// The local top ten of the records file in use ("Vesrin.net" while the network switch
// is on): its title, the column titles "Top Ten" and "Score", and the ten best cycles
// numbered "1." to "10.", the first three in red and the others in navy. A records file
// that cannot be read shows the incorrect-file message in place of the list.
class TFormTopTen : public AuxWindow {
    Q_OBJECT
public:
    explicit TFormTopTen(RecordsWindowContext& context, QWidget* parent = nullptr);

    static constexpr int Places = 10;
    QString Title() const;
    // The number, the name and the score of a place 1..10, as shown.
    QString PlaceText(int place) const;
    QString NameText(int place) const;
    QString ScoreText(int place) const;
    QColor PlaceColour(int place) const;
    // Empty unless the file could not be read.
    QString FileMessage() const;
    QPushButton* OkButton() const { return ok_; }

protected:
    void SetTexts() override;
    QString HeaderWord() const override;

private:
    struct Row {
        QLabel* Place = nullptr;
        QLabel* Name = nullptr;
        QLabel* Score = nullptr;
    };
    QWidget* sheet_ = nullptr;
    QLabel* title_ = nullptr;
    QLabel* nameTitle_ = nullptr;
    QLabel* scoreTitle_ = nullptr;
    QLabel* message_ = nullptr;
    std::array<Row, Places> rows_{};
    QPushButton* ok_ = nullptr;
};

// Opens the local top ten modally; it is destroyed when it closes.
void ShowLocalTopTen(QWidget* parent, RecordsWindowContext& context);

} // namespace vesrin
