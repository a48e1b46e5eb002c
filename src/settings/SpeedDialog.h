#pragma once

#include "settings/DialogButtons.h"
#include "settings/DialogDesigns.h"
#include "settings/OptionsHost.h"
#include "settings/Settings.h"
#include "table/ResourceLibrary.h"

#include <QDialog>
#include <QImage>
#include <QTimer>

#include <array>

class QLabel;
class QSlider;

namespace vesrin {

// The speed dialog: the flight speed of the cards on a slider from 1 to 6. Every move of
// the slider sets `Speed` at once; "Ok" or closing the window ends the dialog. Opened
// from the options dialog and from the table's menu.
class TFormSpeed : public QDialog {
    Q_OBJECT
public:
    // Without the graphics library's background picture the purple design is switched
    // off here (secondary-window design 2 instead) and stays off in the settings.
    TFormSpeed(Settings& settings, OptionsHost& host, LibraryPlaces places, QWidget* parent = nullptr);

    AuxLook Look() const { return look_; }
    // The animated icon's tick in the purple design (0 when it does not run).
    int IconInterval() const;

    QLabel* ImHeader = nullptr;
    QLabel* ImPicture = nullptr; // the speed dial of designs 1 to 3
    QLabel* LabelPrompt = nullptr;
    QSlider* TrackBar1 = nullptr;
    std::array<QLabel*, 6> LabelDigits{};
    DialogButton* ButtonOk = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void SetTexts();
    void TrackBar1Change(int value);
    void TickIcon();
    void PaintDial();
    void AlignSliderToDigits();

    Settings& settings_;
    OptionsHost& host_;
    LibraryPlaces places_;
    AuxLook look_ = AuxLook::Design2;
    QImage background_;
    QImage header_;
    QImage iconStrip_;
    int iconFrame_ = 0;
    QTimer iconTimer_;
};

// The 128 x 128 dial beside the slider: six marks and a needle at the speed.
QImage PaintSpeedDial(int speed);

// The x of the slider's handle centre at a value, in the coordinates of its parent.
int SliderMarkCentre(const QSlider& slider, int value);

// Opens the speed dialog modally, centred on the main window, and frees it afterwards.
void ShowSpeedDialog(Settings& settings, OptionsHost& host, const LibraryPlaces& places, QWidget* parent);

} // namespace vesrin
