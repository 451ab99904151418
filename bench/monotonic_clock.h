#pragma once

#include <ctime>

// The probes' clock: the benchmark compares the times that separate processes print, so it must be one clock
// shared by all of them, and never set back.
inline long long MonotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}
