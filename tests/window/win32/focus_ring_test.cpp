#include "focus_ring.h"
#include "row_name.h"

#include <array>
#include <gtest/gtest.h>

namespace testola::testing {
namespace {

// A rectangle's sides, which compare and print as they are.
std::array<LONG, 4> Sides(const RECT& box) {
    return {box.left, box.top, box.right, box.bottom};
}

struct RingRow : NamedRow {
    RECT box;
    RECT ink;
    RECT ring;
};

class FocusRingPlace : public ::testing::TestWithParam<RingRow> {};

TEST_P(FocusRingPlace, StaysJustInsideTheEdgeUnlessTheInkNeedsTheRoom) {
    EXPECT_EQ(Sides(FocusRing(GetParam().box, GetParam().ink)), Sides(GetParam().ring));
}

// A 17-pixel button, as the small buttons are at 96 dots per inch: the ring's lines lie on pixels 1 and 15,
// one pixel of face must lie between a line and the ink.
INSTANTIATE_TEST_SUITE_P(
    Inks, FocusRingPlace,
    ::testing::Values(RingRow{{"NoCaption"}, {0, 0, 17, 17}, {}, {1, 1, 16, 16}},
                      RingRow{{"InkClearOfTheRing"}, {0, 0, 17, 17}, {5, 5, 12, 13}, {1, 1, 16, 16}},
                      RingRow{{"InkOnePixelAboveTheBottomGap"}, {0, 0, 17, 17}, {5, 13, 12, 14}, {1, 1, 16, 16}},
                      RingRow{{"InkTouchingTheBottomGap"}, {0, 0, 17, 17}, {5, 14, 12, 15}, {1, 1, 16, 17}},
                      RingRow{{"InkTouchingTheLeftGap"}, {0, 0, 17, 17}, {2, 5, 12, 12}, {0, 1, 16, 16}},
                      RingRow{{"InkOverTheWholeBox"}, {0, 0, 17, 17}, {0, 0, 17, 17}, {0, 0, 17, 17}},
                      RingRow{{"MovedBox"}, {10, 20, 27, 37}, {15, 34, 22, 35}, {11, 21, 26, 37}}),
    RowName{});

class CaptionInkTest : public ::testing::Test {
protected:
    CaptionInkTest() : m_screen(GetDC(nullptr)) {}
    ~CaptionInkTest() override { ReleaseDC(nullptr, m_screen); }

    RECT Ink(const wchar_t* caption, const RECT& box) {
        return CaptionInk(m_screen, static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)), caption, box);
    }

    HDC m_screen;
};

TEST_F(CaptionInkTest, FindsTheCaptionsPixelsWhereTheButtonCentresIt) {
    const RECT box{0, 0, 17, 17};
    const RECT none = Ink(L"", box);
    EXPECT_TRUE(IsRectEmpty(&none));
    const RECT blank = Ink(L" ", box);
    EXPECT_TRUE(IsRectEmpty(&blank)) << "a blank sets no pixel";

    const RECT cross = Ink(L"X", box);
    EXPECT_FALSE(IsRectEmpty(&cross));
    // The cell is centred; the glyph's own bearings may put its ink a pixel off the middle.
    EXPECT_LE(std::abs(cross.left - (box.right - cross.right)), 2) << "centred across";
    EXPECT_LE(std::abs(cross.top - (box.bottom - cross.bottom)), 2) << "centred down";

    const RECT line = Ink(L"_", box);
    EXPECT_FALSE(IsRectEmpty(&line));
    EXPECT_GE(line.top, cross.bottom - 1) << "the underscore lies on the baseline or below";

    const RECT moved = Ink(L"_", {10, 20, 27, 37});
    EXPECT_EQ(Sides(moved), Sides({line.left + 10, line.top + 20, line.right + 10, line.bottom + 20}));
}

} // namespace
} // namespace testola::testing
