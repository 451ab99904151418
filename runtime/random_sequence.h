#pragma once

#include "random_source.h"

#include <cstdint>

namespace testola {

// The program's pseudo-random sequence: a 24-bit linear congruential generator that every run starts from the
// same state, so every run presents the same examples in the same order.
class RandomSequence final : public RandomSource {
public:
    static constexpr std::uint32_t kInitialState = 327680;

    // Exact in single precision, since the state has 24 bits.
    float NextRandom() noexcept override;

private:
    std::uint32_t m_state = kInitialState;
};

} // namespace testola
