#include "contrast.h"
#include "row_name.h"

namespace testola::testing {
namespace {

constexpr Rgb Grey(int level) {
    return {level, level, level};
}

TEST(ContrastRatio, MeasuresAsTheGuidelinesDo) {
    EXPECT_NEAR(ContrastRatio(Grey(0), Grey(255)), 21.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(Grey(90), Grey(90)), 1.0, 1e-9);
    // The classic scheme's grey text on its grey face.
    EXPECT_NEAR(ContrastRatio(Grey(128), Grey(192)), 2.17, 0.01);
    // Pure green weighs 0.7152: (0.7152 + 0.05) / 0.05.
    EXPECT_NEAR(ContrastRatio({0, 255, 0}, Grey(0)), 15.304, 1e-3);
}

struct MatrixRow : NamedRow {
    Rgb disabledText;
    Rgb face;
    Rgb text;
    Rgb shown;
};

class MatrixText : public ::testing::TestWithParam<MatrixRow> {};

TEST_P(MatrixText, ReadsAtSevenToOneMovingNoFurtherThanItMust) {
    const MatrixRow& row = GetParam();
    const Rgb shown = MatrixTextColour(row.disabledText, row.face, row.text);
    EXPECT_EQ(shown, row.shown);
    EXPECT_TRUE(ContrastRatio(shown, row.face) >= MatrixContrast || shown == row.text);
}

// Worked by hand in sixty-fourths of the way from the disabled colour to the text.
INSTANTIATE_TEST_SUITE_P(
    Schemes, MatrixText,
    ::testing::Values(
        // High contrast black: green on black reads at 14:1 and stays.
        MatrixRow{{"HighContrastKeepsItsGreen"}, {63, 242, 63}, Grey(0), Grey(255), {63, 242, 63}},
        // Windows 10's grey on its face reads at 4.54:1; 17/64 of the way to black, 80, reads at 7.08:1 and
        // 16/64, 82, at 6.86:1.
        MatrixRow{{"Windows10GreyDarkensJustEnough"}, Grey(109), Grey(240), Grey(0), Grey(80)},
        // The classic grey on its grey face: 39/64 of the way, 50, reads at 7.05:1, and 38/64, 52, at 6.84:1.
        MatrixRow{{"ClassicGreyDarkensJustEnough"}, Grey(128), Grey(192), Grey(0), Grey(50)},
        // Nothing between them reads: the text colour is the best the desktop offers.
        MatrixRow{{"FallsBackToTheText"}, Grey(150), Grey(150), Grey(140), Grey(140)}),
    RowName{});

// A disabled caption needs only 4.5:1: Windows 10's grey already has it, and the classic grey darkens 25/64 of
// the way, to 78 (4.57:1; 24/64, 80, reads at 4.43:1).
TEST(DisabledCaption, ReadsAtFourAndAHalfToOne) {
    EXPECT_EQ(DisabledCaptionColour(Grey(109), Grey(240), Grey(0)), Grey(109));
    EXPECT_EQ(DisabledCaptionColour(Grey(128), Grey(192), Grey(0)), Grey(78));
}

} // namespace
} // namespace testola::testing
