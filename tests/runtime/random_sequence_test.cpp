#include "random_sequence.h"

#include <gtest/gtest.h>
#include <vector>

namespace testola {
namespace {

constexpr double kTwoTo24 = 16777216.0;

TEST(RandomSequence, StartsEveryRunFromTheSameFirstNumbers) {
    RandomSequence sequence;
    // Worked out by hand from the recurrence x = (16598013 x + 12820163) mod 2^24, starting at 327680.
    EXPECT_EQ(sequence.NextRandom(), static_cast<float>(11837123 / kTwoTo24));
    EXPECT_EQ(sequence.NextRandom(), static_cast<float>(8949370 / kTwoTo24));
    EXPECT_EQ(sequence.NextRandom(), static_cast<float>(9722709 / kTwoTo24));
}

TEST(RandomSequence, TwoSequencesKeepStatesOfTheirOwn) {
    RandomSequence first;
    RandomSequence second;
    EXPECT_EQ(first.NextRandom(), static_cast<float>(11837123 / kTwoTo24));
    EXPECT_EQ(second.NextRandom(), static_cast<float>(11837123 / kTwoTo24));
    EXPECT_EQ(first.NextRandom(), static_cast<float>(8949370 / kTwoTo24));
}

// The whole period: every 24-bit state comes up exactly once, so every number lies in [0, 1) and is a multiple
// of 2^-24, and the sequence returns to its start only after 2^24 draws.
TEST(RandomSequence, VisitsEveryTwentyFourBitValueOncePerPeriod) {
    RandomSequence sequence;
    const float first = sequence.NextRandom();
    std::vector<bool> seen(1u << 24, false);
    seen[static_cast<std::size_t>(static_cast<double>(first) * kTwoTo24)] = true;
    for (std::uint32_t draw = 1; draw < (1u << 24); ++draw) {
        const float number = sequence.NextRandom();
        ASSERT_GE(number, 0.0f);
        ASSERT_LT(number, 1.0f);
        const double scaled = static_cast<double>(number) * kTwoTo24;
        const auto state = static_cast<std::size_t>(scaled);
        ASSERT_EQ(static_cast<double>(state), scaled) << "not a multiple of 2^-24";
        ASSERT_FALSE(seen[state]) << "repeated after " << draw << " draws";
        seen[state] = true;
    }
    EXPECT_EQ(sequence.NextRandom(), first);
}

} // namespace
} // namespace testola
