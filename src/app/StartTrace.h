#pragma once

namespace vesrin {

// Start-up timing for the desktop benchmark. With the environment variable
// VESRIN_START_TRACE set, every noted moment prints one line to the standard error,
//   start-trace <moment> <milliseconds since the process started>
// The variable may hold the launch moment in nanoseconds of the real-time clock (as
// `date +%s%N` gives it); otherwise the process's own start time is used, which the
// system keeps in hundredths of a second. Without the variable nothing is printed and a
// note costs one test of a flag.
void NoteStartMoment(const char* moment);

} // namespace vesrin
