#include "row_name.h"
#include "verdict.h"

#include <gtest/gtest.h>
#include <string>

namespace testola {
namespace {

struct VerdictCase : testing::NamedRow {
    std::int16_t score;
    const char* title;
    const char* text;
    int style;
};

class MakeVerdictForScore : public ::testing::TestWithParam<VerdictCase> {};

TEST_P(MakeVerdictForScore, GivesTheBandsMessageWithThePointsLine) {
    const VerdictCase& expected = GetParam();

    const Verdict verdict = MakeVerdict(expected.score);

    EXPECT_EQ(verdict.Title, expected.title);
    EXPECT_EQ(verdict.Text, expected.text);
    // The text, a blank line and the points.
    EXPECT_EQ(verdict.Body.rfind(std::string(expected.text) + "\r\n\r\n", 0), 0u);
    EXPECT_TRUE(verdict.Body.ends_with(" " + std::to_string(expected.score)));
    EXPECT_EQ(static_cast<int>(verdict.Style), expected.style);
}

constexpr const char* kPassed = "Тестирование успешно пройдено";
constexpr const char* kFailed = "Тестирование не пройдено";
constexpr const char* kDay = "Вы имеете право поступить на дневное отделение";
constexpr const char* kEvening = "Вы имеете право поступить на вечернее отделение";
constexpr const char* kCorrespondence = "Вы имеете право поступить на заочное отделение";
constexpr const char* kRefused = "Вам отказано в приёме на учебу";

INSTANTIATE_TEST_SUITE_P(BandEdges, MakeVerdictForScore,
                         ::testing::Values(VerdictCase{"Best16", 16, kPassed, kDay, 0},
                                           VerdictCase{"Day13", 13, kPassed, kDay, 0},
                                           VerdictCase{"Evening12", 12, kPassed, kEvening, 0},
                                           VerdictCase{"Evening10", 10, kPassed, kEvening, 0},
                                           VerdictCase{"Correspondence9", 9, kPassed, kCorrespondence, 0},
                                           VerdictCase{"Correspondence8", 8, kPassed, kCorrespondence, 0},
                                           VerdictCase{"Refused7", 7, kFailed, kRefused, 16},
                                           VerdictCase{"Refused6", 6, kFailed, kRefused, 16},
                                           VerdictCase{"Worst0", 0, kFailed, kRefused, 16},
                                           VerdictCase{"Negative", -2, kFailed, kRefused, 16},
                                           VerdictCase{"LargestSixteenBit", 32767, kPassed, kDay, 0},
                                           VerdictCase{"SmallestSixteenBit", -32768, kFailed, kRefused, 16}),
                         testing::RowName());

TEST(MakeVerdict, WritesThePointsOnALineOfTheirOwn) {
    EXPECT_EQ(MakeVerdict(16).Body, "Вы имеете право поступить на дневное отделение\r\n\r\nНабрано баллов: 16");
    EXPECT_EQ(MakeVerdict(-2).Body, "Вам отказано в приёме на учебу\r\n\r\nНабрано баллов: -2");
}

} // namespace
} // namespace testola
