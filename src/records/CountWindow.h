#pragma once

#include "records/AuxWindow.h"
#include "records/Rating.h"

#include <QString>
#include <QStringList>

#include <array>

class QLabel;
class QPushButton;

namespace vesrin {

// What the count window shows of the running game: its counters and the account state
// (1 not signed in, 2 signed in, 3 an account game), which choose the pictures.
struct GameCountsView {
    CountInputs Counts;
    int AccountState = 1;
};

// The pictures of the kind of game: built-in ones, or the animations of
// "QorCGraph1.dll" in the purple design, and the lamp beside the account emblem.
QStringList CountKindPictures(GameKind kind, bool purple);
QString AccountLampPicture(int accountState);

// The count window "Information about game": the seven counters of the game under their
// labels, the kind of game and the account state in pictures, and an Ok button.
class TFormCount : public AuxWindow {
    Q_OBJECT
public:
    TFormCount(RecordsWindowContext& context, const GameCountsView& game, QWidget* parent = nullptr);

    static constexpr int Rows = 7;
    QString LabelText(int row) const; // 0..6
    QString ValueText(int row) const;
    const QStringList& ShownPictures() const { return shownPictures_; }
    QPushButton* OkButton() const { return ok_; }

protected:
    void SetTexts() override;
    QString HeaderWord() const override;

private:
    GameCountsView game_;
    std::array<QLabel*, Rows> labels_{};
    std::array<QLabel*, Rows> values_{};
    std::array<QLabel*, 2> kindPictures_{};
    QLabel* emblem_ = nullptr;
    QPushButton* ok_ = nullptr;
    QStringList shownPictures_;
};

// Opens the count window modally; it is destroyed when it closes.
void ShowGameCounts(QWidget* parent, RecordsWindowContext& context, const GameCountsView& game);

} // namespace vesrin
