#pragma once

#include "table/CardFlight.h"

#include <chrono>
#include <functional>

namespace vesrin {

// The steps that block their caller as the game prescribes: card flights, the engine's
// pauses, sounds that play to their end, the click effect and the window's questions.
// While one runs, the window keeps repainting (a nested event loop), but user input and
// socket notifications wait until it is over, and every timer handler returns at once:
// no handler ever runs inside another handler's pause.
class BlockingSteps : public FlightPacer {
public:
    // Marks a handler that may block; handlers that find one active return at once.
    class Scope {
    public:
        explicit Scope(BlockingSteps& steps);
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        BlockingSteps& steps_;
    };

    bool Active() const { return depth_ > 0; }

    // Waits while the window repaints. With InstantPauses (tests) it returns at once.
    void Pause(int ms);
    // Handles what is pending for the window: repaints and timers, no user input.
    void ProcessPendingEvents();

    void StepPause(int ms) override;
    void StepWithoutPause() override;

    // Tests make every pause instant; flights keep their own pacing.
    bool InstantPauses = false;

    // Runs once the outermost blocking step is over (at once when none runs).
    void AfterBlocking(std::function<void()> work);

private:
    void Leave();

    int depth_ = 0;
    std::chrono::steady_clock::time_point lastProcessed_{};
    std::chrono::steady_clock::time_point pacedUntil_{};
    std::function<void()> after_;
};

} // namespace vesrin
