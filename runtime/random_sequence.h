#pragma once

#include <cstdint>

namespace testola {

// The program's pseudo-random sequence: a 24-bit linear congruential generator that every run starts from the
// same state, so every run presents the same examples in the same order.
class RandomSequence {
public:
    static constexpr std::uint32_t kInitialState = 327680;

    // The next number, at least 0 and below 1; exact in single precision since the state has 24 bits.
    float Next() noexcept;

private:
    std::uint32_t m_state = kInitialState;
};

} // namespace testola
