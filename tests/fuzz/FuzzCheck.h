#pragma once

#include <cstdio>
#include <cstdlib>

// A harness's own check (a round trip, a promise of the parser): on failure it names
// the check and aborts, which both libFuzzer and the replay driver report as a crash
// and keep the input of.
#define VESRIN_FUZZ_CHECK(condition)                                                                   \
    do {                                                                                               \
        if (!(condition)) {                                                                            \
            std::fprintf(stderr, "fuzz check failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__);  \
            std::abort();                                                                              \
        }                                                                                              \
    } while (0)
