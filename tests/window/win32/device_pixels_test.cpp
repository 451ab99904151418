#include "device_pixels.h"

#include <gtest/gtest.h>

namespace testola::testing {
namespace {

TEST(DeviceRect, ScalesTheEdgesSoThatTouchingControlsStillTouch) {
    // The answer button at 1.5 times the density: 2400 to 4575 twips is 240 to 457.5, which rounds to 458.
    const RECT answer = ToDeviceRect({2400, 600, 2175, 255}, 144);
    EXPECT_EQ(answer.left, 240);
    EXPECT_EQ(answer.top, 60);
    EXPECT_EQ(answer.right, 458);
    EXPECT_EQ(answer.bottom, 86);
}

TEST(FontHeight, IsTheCharacterHeightInPixelsRounded) {
    EXPECT_EQ(FontHeight(8.25, 96), -11);
    EXPECT_EQ(FontHeight(12.0, 96), -16);
    EXPECT_EQ(FontHeight(8.25, 144), -17);
    EXPECT_EQ(FontHeight(12.0, 120), -20);
}

} // namespace
} // namespace testola::testing
