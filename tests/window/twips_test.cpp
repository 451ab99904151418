#include "form1_layout.h"
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
    EXPECT_EQ(TwipsToPixels(GetParam().twips, GetParam().dotsPerInch), GetParam().pixels);
}

INSTANTIATE_TEST_SUITE_P(Densities, TwipsOnScreen,
                         ::testing::Values(ScaleRow{{"RightMarginAt96"}, 4575, 96, 305},
                                           ScaleRow{{"ResultButtonTopAt96"}, 1680, 96, 112},
                                           ScaleRow{{"HalfRoundsUpAt144"}, 4695, 144, 470},
                                           ScaleRow{{"QuarterRoundsDownAt120"}, 2055, 120, 171},
                                           ScaleRow{{"SmallButtonAt192"}, 255, 192, 34}),
                         RowName{});

TEST(TwipsBox, ScalesTheEdgesSoThatTouchingControlsStillTouch) {
    // The answer button at 1.5 times the density: 2400 to 4575 twips is 240 to 457.5, which rounds to 458.
    const PixelEdges answer = TwipsToPixels({2400, 600, 2175, 255}, 144);
    EXPECT_EQ(answer.Left, 240);
    EXPECT_EQ(answer.Top, 60);
    EXPECT_EQ(answer.Right, 458);
    EXPECT_EQ(answer.Bottom, 86);
}

} // namespace
} // namespace testola::testing
