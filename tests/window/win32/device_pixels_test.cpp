#include "device_pixels.h"
#include "row_name.h"

namespace testola::testing {
namespace {

struct ScaleRow : NamedRow {
    int twips;
    int dotsPerInch;
    int pixels;
};

class TwipsOnScreen : public ::testing::TestWithParam<ScaleRow> {};

TEST_P(TwipsOnScreen, RoundToTheNearestPixel) {
    EXPECT_EQ(TwipsToDevicePixels(GetParam().twips, GetParam().dotsPerInch), GetParam().pixels);
}

INSTANTIATE_TEST_SUITE_P(Densities, TwipsOnScreen,
                         ::testing::Values(ScaleRow{{"WindowWidthAt96"}, 4695, 96, 313},
                                           ScaleRow{{"WindowHeightAt96"}, 2055, 96, 137},
                                           ScaleRow{{"HalfRoundsUpAt144"}, 4695, 144, 470},
                                           ScaleRow{{"QuarterRoundsDownAt120"}, 2055, 120, 171},
                                           ScaleRow{{"SmallButtonAt192"}, 255, 192, 34}),
                         RowName{});

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
