#include "conversions.h"

#include "run_time_error.h"

#include <cmath>
#include <limits>

namespace testola {

namespace {
constexpr double kInt16Min = std::numeric_limits<std::int16_t>::min();
constexpr double kInt16Max = std::numeric_limits<std::int16_t>::max();
} // namespace

std::int16_t RoundToInt16(double value) {
    // Rounded by hand rather than through the floating-point environment, so no caller's rounding mode leaks in.
    const double floor = std::floor(value);
    const double fraction = value - floor;
    double rounded = floor;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(floor, 2.0) != 0.0)) {
        rounded = floor + 1.0;
    }
    if (!(rounded >= kInt16Min && rounded <= kInt16Max)) {
        RaiseRunTimeError(RunTimeErrorKind::Overflow);
    }
    return static_cast<std::int16_t>(rounded);
}

std::string IntegerToText(std::int16_t value) {
    return std::to_string(value);
}

std::int16_t AddInt16(std::int16_t left, std::int16_t right) {
    const int sum = left + right;
    if (sum < std::numeric_limits<std::int16_t>::min() || sum > std::numeric_limits<std::int16_t>::max()) {
        RaiseRunTimeError(RunTimeErrorKind::Overflow);
    }
    return static_cast<std::int16_t>(sum);
}

} // namespace testola
