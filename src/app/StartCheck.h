#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

namespace vesrin {

struct ProgramContext;
class TForm1;

// "vesrin --check-start": the program comes up as usual, leaves the start picture as a
// key press would and, once the main menu is shown, writes "vesrin: main menu" and its
// program folder to standard output and closes as a player would (the settings file is
// written). A packaged or installed copy is tried with it without anyone at the
// keyboard. Message boxes on the way are written to standard error and answered, so a
// start-up that ends the program (an unusable records file) ends the check with the
// program's own exit code; no main menu within the time limit ends it with 3.
class StartCheck : public QObject {
public:
    StartCheck(TForm1& window, ProgramContext& context, int limitSeconds = 60);

    static bool Requested(const QStringList& arguments);
    bool MenuReached() const { return menuReached_; }
    // The exit code of the check from the program's own.
    int ExitCode(int programCode) const;

private:
    void Look();

    TForm1& window_;
    ProgramContext& context_;
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 limitMs_;
    bool menuReached_ = false;
    bool timedOut_ = false;
};

} // namespace vesrin
