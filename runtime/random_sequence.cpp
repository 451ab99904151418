#include "random_sequence.h"

namespace testola {

namespace {
constexpr std::uint32_t kMultiplier = 16598013;
constexpr std::uint32_t kIncrement = 12820163;
constexpr std::uint32_t kModulusMask = (1u << 24) - 1;
constexpr float kModulus = 16777216.0f;
} // namespace

float RandomSequence::NextRandom() noexcept {
    // 64-bit product: the multiplier and the state together need 48 bits.
    const std::uint64_t product = std::uint64_t{kMultiplier} * m_state + kIncrement;
    m_state = static_cast<std::uint32_t>(product) & kModulusMask;
    return static_cast<float>(m_state) / kModulus;
}

} // namespace testola
