#include "contrast.h"
#include "row_name.h"

#include <ostream>

namespace testola {
// So that a failure shows the colour, not its bytes.
void PrintTo(const Rgb& colour, std::ostream* out) {
    *out << "(" << colour.Red << ", " << colour.Green << ", " << colour.Blue << ")";
}
} // namespace testola

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

struct RulesRow : NamedRow {
    Rgb window, strip, stripText, face, text;
};

class Readable : public ::testing::TestWithParam<RulesRow> {};

TEST_P(Readable, EveryTextEdgeAndTheMatrixReachTheirRatio) {
    const RulesRow& row = GetParam();
    const WindowColours colours = ReadableColours(row.window, row.strip, row.stripText, row.face, row.text);
    EXPECT_GE(ContrastRatio(colours.PanelText, colours.Face), MatrixContrast);
    EXPECT_GE(ContrastRatio(colours.Text, colours.Face), TextContrast);
    EXPECT_GE(ContrastRatio(colours.DisabledText, colours.Face), TextContrast);
    EXPECT_GE(ContrastRatio(colours.StripText, colours.Strip), TextContrast);
    EXPECT_GE(ContrastRatio(colours.EdgeOnPanel, colours.Face), EdgeContrast);
    EXPECT_GE(ContrastRatio(colours.EdgeOnStrip, colours.Strip), EdgeContrast);
    EXPECT_EQ(colours.Window, row.window) << "the window's own colour carries no text";
}

INSTANTIATE_TEST_SUITE_P(
    Desktops, Readable,
    ::testing::Values(RulesRow{{"Classic"}, Grey(128), {0, 0, 128}, Grey(255), Grey(239), Grey(0)},
                      // White on light blue stands at 2.6:1: the strip darkens.
                      RulesRow{{"LightBlueStrip"}, Grey(200), {61, 174, 233}, Grey(255), Grey(239), Grey(0)},
                      // No text colour reaches 7:1 on a mid grey face: the face gives way.
                      RulesRow{{"MidGrey"}, Grey(128), Grey(128), Grey(255), Grey(128), Grey(255)}),
    RowName{});

TEST(Readable, KeepsColoursThatAlreadyRead) {
    // Black on white with a navy strip: every pair reads, so only the derived colours are new.
    const WindowColours colours = ReadableColours(Grey(128), {0, 0, 128}, Grey(255), Grey(255), Grey(0));
    EXPECT_EQ(colours.Face, Grey(255));
    EXPECT_EQ(colours.Text, Grey(0));
    EXPECT_EQ(colours.Strip, (Rgb{0, 0, 128}));
    EXPECT_EQ(colours.StripText, Grey(255));
}

} // namespace
} // namespace testola::testing
