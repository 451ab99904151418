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

} // namespace
} // namespace testola::testing
