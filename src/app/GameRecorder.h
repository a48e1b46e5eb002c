#pragma once

#include "app/ProgramContext.h"
#include "table/GifRecording.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

class QWidget;

namespace vesrin {

// The recording of a hand as an animated GIF (the "Save games as GIFs" option): every
// 100 ms the window's client area, or its rectangle on the screen, becomes a frame
// unless it shows nothing new; at the end of the hand, or when the game is left, the
// recording is written to the "GIFGame" folder of the program folder under the date and
// time. Frames are encoded as they come, so saving only writes the file.
class GameRecorder : public QObject {
    Q_OBJECT
public:
    GameRecorder(QWidget& window, ProgramContext& context);

    QTimer TimerGIF;

    // After the hand is on show: an empty recording, the timer and the first frame.
    void Start();
    // One frame of the window.
    void TakeFrame();
    // A hand is being recorded.
    bool Running() const { return running_; }
    int FrameCount() const { return gif_.FrameCount(); }
    // Saves the recording (with a last frame at the end of a hand) under the "Creating a
    // GIF..." notice and stops the timer. The file written, or empty.
    QString Save(bool takeLastFrame);

    // While hands are recorded the table background is the plain picture "GIFBackGr";
    // leaving the table brings the table's own background back.
    void UseRecordingBackground();
    void RestoreBackground();
    bool RecordingBackgroundShown() const { return backgroundShown_; }

    // The clock that names the files (replaceable for tests).
    std::function<QDateTime()> Now = [] { return QDateTime::currentDateTime(); };

private:
    QImage Grab() const;
    void ShowNotice(bool shown);

    QWidget& window_;
    ProgramContext& context_;
    GifRecording gif_;
    QWidget* notice_ = nullptr;
    bool backgroundShown_ = false;
    bool running_ = false;
    QImage ownBackground_;
};

} // namespace vesrin
