#include "app/StartTrace.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace vesrin {

namespace {

double NowMs(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return double(now.tv_sec) * 1000.0 + double(now.tv_nsec) / 1e6;
}

// The process's start in milliseconds of the boot-time clock, from /proc.
double ProcessStartMs() {
    std::ifstream file("/proc/self/stat");
    std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    // The command name may hold blanks: the fields are counted after its closing bracket.
    const std::size_t close = text.rfind(')');
    if (close == std::string::npos) return NowMs(CLOCK_BOOTTIME);
    std::istringstream fields(text.substr(close + 2));
    std::string field;
    // Field 22 (start time) is the 20th after the name.
    for (int i = 0; i < 20 && fields >> field; ++i) {}
    const long ticks = sysconf(_SC_CLK_TCK);
    return std::strtod(field.c_str(), nullptr) * 1000.0 / double(ticks > 0 ? ticks : 100);
}

struct Trace {
    bool On = false;
    bool RealTime = false;
    double StartMs = 0;
};

const Trace& TheTrace() {
    static const Trace trace = [] {
        Trace t;
        const char* value = std::getenv("VESRIN_START_TRACE");
        if (value == nullptr || *value == '\0') return t;
        t.On = true;
        const double launch = std::strtod(value, nullptr);
        // A launch moment in nanoseconds of the real-time clock is far above a year's worth.
        if (launch > 1e15) {
            t.RealTime = true;
            t.StartMs = launch / 1e6;
        } else {
            t.StartMs = ProcessStartMs();
        }
        return t;
    }();
    return trace;
}

} // namespace

void NoteStartMoment(const char* moment) {
    const Trace& trace = TheTrace();
    if (!trace.On) return;
    const double now = NowMs(trace.RealTime ? CLOCK_REALTIME : CLOCK_BOOTTIME);
    std::fprintf(stderr, "start-trace %s %.1f\n", moment, now - trace.StartMs);
    std::fflush(stderr);
}

} // namespace vesrin
