#include "form1_layout.h"
#include "row_name.h"

#include <set>

namespace testola::testing {
namespace {

TEST(Strip, CarriesTheTwoSmallButtonsOnly) {
    for (const ControlLayout& control : Form1Controls) {
        EXPECT_EQ(LiesOnStrip(control),
                  control.Name == "Command1" || control.Name == "Command2" || control.Name == "Image1")
            << control.Name;
    }
}

// Each control's number is its own, fits the 16 bits a Win32 notification carries, and is neither 1 nor 2, the
// numbers the system gives Enter and Escape (IDOK and IDCANCEL).
TEST(ControlIds, AreEachControlsOwnAndClearOfEnterAndEscape) {
    std::set<int> ids;
    for (const ControlLayout& control : Form1Controls) {
        EXPECT_TRUE(ids.insert(control.Id).second) << control.Name << " shares its id " << control.Id;
        EXPECT_GT(control.Id, 2) << control.Name;
        EXPECT_LE(control.Id, 0xFFFF) << control.Name;
    }
}

TEST(TabOrder, IsTheDesignedOrderOfThePushButtons) {
    EXPECT_EQ(TabOrder(), (std::vector<std::string_view>{"Command4", "Command6", "Command5", "Command2", "Command1"}));
}

struct WalkRow : NamedRow {
    std::string_view current;
    bool forward;
    std::string_view canTakeFocus; // one letter for each control that can
    std::string_view next;
};

class TabWalk : public ::testing::TestWithParam<WalkRow> {};

TEST_P(TabWalk, PassesOverWhatCannotTakeTheFocusAndWraps) {
    const WalkRow& row = GetParam();
    const std::vector<std::string_view> order{"A", "B", "C", "D"};
    EXPECT_EQ(
        NextInTabOrder(order, row.current, row.forward,
                       [&row](std::string_view name) { return row.canTakeFocus.find(name) != row.canTakeFocus.npos; }),
        row.next);
}

INSTANTIATE_TEST_SUITE_P(FourControls, TabWalk,
                         ::testing::Values(WalkRow{{"ForwardOverOne"}, "A", true, "ACD", "C"},
                                           WalkRow{{"ForwardRoundTheEnd"}, "D", true, "ACD", "A"},
                                           WalkRow{{"BackOverOne"}, "C", false, "ACD", "A"},
                                           WalkRow{{"BackRoundTheStart"}, "A", false, "ACD", "D"},
                                           WalkRow{{"ForwardFromNowhereTakesTheFirst"}, "", true, "ACD", "A"},
                                           WalkRow{{"BackFromNowhereTakesTheLast"}, "", false, "ACD", "D"},
                                           WalkRow{{"TheOnlyOneStays"}, "C", true, "C", "C"},
                                           WalkRow{{"FromOneThatCannotToTheNext"}, "B", true, "AD", "D"},
                                           WalkRow{{"NoneCan"}, "A", true, "", ""}),
                         RowName{});

} // namespace
} // namespace testola::testing
