#include "app/BlockingSteps.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <thread>

namespace vesrin {

namespace {

constexpr QEventLoop::ProcessEventsFlags WithoutInput =
    QEventLoop::ExcludeUserInputEvents | QEventLoop::ExcludeSocketNotifiers;

// A window that has not repainted for this long gets the chance during a flight that
// does not pause (speeds 5 and 6).
constexpr auto RepaintGap = std::chrono::milliseconds(40);

} // namespace

BlockingSteps::Scope::Scope(BlockingSteps& steps) : steps_(steps) { ++steps_.depth_; }

BlockingSteps::Scope::~Scope() { steps_.Leave(); }

void BlockingSteps::Leave() {
    if (--depth_ > 0 || !after_) return;
    // The deferred work runs from the event loop, outside the handler that just ended.
    std::function<void()> work = std::move(after_);
    after_ = nullptr;
    QTimer::singleShot(0, [work = std::move(work)] { work(); });
}

void BlockingSteps::AfterBlocking(std::function<void()> work) {
    if (!Active()) {
        work();
        return;
    }
    after_ = std::move(work);
}

void BlockingSteps::ProcessPendingEvents() {
    Scope scope(*this);
    QCoreApplication::processEvents(WithoutInput);
    lastProcessed_ = std::chrono::steady_clock::now();
}

void BlockingSteps::Pause(int ms) {
    if (InstantPauses || ms <= 0) return;
    Scope scope(*this);
    QEventLoop loop;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(ms);
    loop.exec(WithoutInput);
    lastProcessed_ = std::chrono::steady_clock::now();
}

void BlockingSteps::StepPause(int ms) {
    // A step's pause is a millisecond or two: the pending repaints are handled and the
    // rest of the time is slept. The steps keep to a common clock, so that a sleep that
    // overshoots is made up by the next one and a flight takes its steps times the pause;
    // a flight held up for longer than a pause does not rush to catch up.
    const auto pause = std::chrono::milliseconds(ms);
    const auto now = std::chrono::steady_clock::now();
    if (pacedUntil_ + pause < now) pacedUntil_ = now;
    pacedUntil_ += pause;
    {
        Scope scope(*this);
        QCoreApplication::processEvents(WithoutInput);
    }
    lastProcessed_ = std::chrono::steady_clock::now();
    std::this_thread::sleep_until(pacedUntil_);
}

void BlockingSteps::StepWithoutPause() {
    const auto now = std::chrono::steady_clock::now();
    if (now - lastProcessed_ < RepaintGap) return;
    ProcessPendingEvents();
}

} // namespace vesrin
