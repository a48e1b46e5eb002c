#include "app/StartCheck.h"

#include "app/ProgramContext.h"
#include "app/StartPicture.h"
#include "app/TForm1.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>

namespace vesrin {

StartCheck::StartCheck(TForm1& window, ProgramContext& context, int limitSeconds)
    : window_(window), context_(context), limitMs_(qint64(limitSeconds) * 1000) {
    connect(&timer_, &QTimer::timeout, this, &StartCheck::Look);
    timer_.start(20);
    clock_.start();
}

bool StartCheck::Requested(const QStringList& arguments) {
    return arguments.contains(QStringLiteral("--check-start"));
}

int StartCheck::ExitCode(int programCode) const {
    if (timedOut_) return 3;
    if (menuReached_) return programCode;
    return programCode != 0 ? programCode : 1;
}

void StartCheck::Look() {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        std::fprintf(stderr, "vesrin: message: %s\n", qPrintable(box->text()));
        std::fflush(stderr);
        box->accept();
        return;
    }
    if (clock_.elapsed() > limitMs_) {
        timer_.stop();
        timedOut_ = true;
        std::fprintf(stderr, "vesrin: no main menu after %lld s\n", static_cast<long long>(limitMs_ / 1000));
        QApplication::exit(3);
        return;
    }
    if (menuReached_ || context_.Blocking.Active()) return;
    if (context_.State.CurrentScreen == Screen::Intro && window_.Image1->Composed()) {
        window_.LeaveStartPicture();
    } else if (window_.MenuShown()) {
        menuReached_ = true;
        timer_.stop();
        std::printf("vesrin: main menu, program folder %s\n", context_.Files.Program.c_str());
        std::fflush(stdout);
        window_.close();
    }
}

} // namespace vesrin
