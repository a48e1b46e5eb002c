#pragma once

#include "records/AuxWindow.h"
#include "records/GameRecords.h"

#include <QString>
#include <QStringList>

class QLabel;
class QMovie;
class QPushButton;

namespace vesrin {

// The end-of-cycle report "The completion of game": an animation and a sound by the
// place reached, the congratulation or regret texts with the cycle score, a medal with
// the place's number for places 1 to 10, and for an account game its emblem and, with
// a bonus, the coins with the bonus. The animation plays once when a place was
// reached and loops otherwise; the sound starts when the report is shown.
class TFormEndGame : public AuxWindow {
    Q_OBJECT
public:
    TFormEndGame(RecordsWindowContext& context, const CycleReport& report, QWidget* parent = nullptr);

    // The texts shown, top to bottom.
    QStringList Lines() const;
    QString AnimationName() const;
    QString SoundName() const;
    bool AnimationLoops() const { return report_.Place == 0; }
    // The place on the medal; 0 shows no medal.
    int MedalPlace() const { return report_.Place >= 1 && report_.Place <= 10 ? report_.Place : 0; }
    bool ShowsBonus() const;
    QPushButton* OkButton() const { return ok_; }

    void setVisible(bool visible) override;

protected:
    void SetTexts() override;
    QString HeaderWord() const override;

private:
    CycleReport report_;
    QLabel* animation_ = nullptr;
    QMovie* movie_ = nullptr;
    QLabel* medal_ = nullptr;
    QLabel* emblem_ = nullptr;
    std::array<QLabel*, 4> lines_{};
    QLabel* coin_ = nullptr;
    QLabel* bonusText_ = nullptr;
    QLabel* coinLettered_ = nullptr;
    QPushButton* ok_ = nullptr;
    bool sounded_ = false;
};

// Shows the report modally; it is destroyed when it closes.
void ShowCycleReport(QWidget* parent, RecordsWindowContext& context, const CycleReport& report);

} // namespace vesrin
