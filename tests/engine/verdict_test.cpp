#include "row_name.h"
#include "verdict.h"

#include <gtest/gtest.h>

namespace testola {
namespace {

struct VerdictCase : testing::NamedRow {
    std::int16_t score;
    const char* title;
    const char* text;
    const char* body;
    int style;
};

class MakeVerdictForScore : public ::testing::TestWithParam<VerdictCase> {};

TEST_P(MakeVerdictForScore, GivesTheBandsMessageWithThePointsLine) {
    const VerdictCase& expected = GetParam();

    const Verdict verdict = MakeVerdict(expected.score);

    EXPECT_EQ(verdict.Title, expected.title);
    EXPECT_EQ(verdict.Text, expected.text);
    EXPECT_EQ(verdict.Body, expected.body);
    EXPECT_EQ(static_cast<int>(verdict.Style), expected.style);
}

constexpr const char* kPassed = "Тестирование успешно пройдено";
constexpr const char* kFailed = "Тестирование не пройдено";
constexpr const char* kDay = "Вы имеете право поступить на дневное отделение";
constexpr const char* kEvening = "Вы имеете право поступить на вечернее отделение";
constexpr const char* kCorrespondence = "Вы имеете право поступить на заочное отделение";
constexpr const char* kRefused = "Вам отказано в приёме на учебу";

INSTANTIATE_TEST_SUITE_P(
    BandEdges, MakeVerdictForScore,
    ::testing::Values(
        VerdictCase{"Best16", 16, kPassed, kDay,
                    "Вы имеете право поступить на дневное отделение\r\n\r\nНабрано баллов: 16", 0},
        VerdictCase{"Day13", 13, kPassed, kDay,
                    "Вы имеете право поступить на дневное отделение\r\n\r\nНабрано баллов: 13", 0},
        VerdictCase{"Evening12", 12, kPassed, kEvening,
                    "Вы имеете право поступить на вечернее отделение\r\n\r\nНабрано баллов: 12", 0},
        VerdictCase{"Evening10", 10, kPassed, kEvening,
                    "Вы имеете право поступить на вечернее отделение\r\n\r\nНабрано баллов: 10", 0},
        VerdictCase{"Correspondence9", 9, kPassed, kCorrespondence,
                    "Вы имеете право поступить на заочное отделение\r\n\r\nНабрано баллов: 9", 0},
        VerdictCase{"Correspondence8", 8, kPassed, kCorrespondence,
                    "Вы имеете право поступить на заочное отделение\r\n\r\nНабрано баллов: 8", 0},
        VerdictCase{"Refused7", 7, kFailed, kRefused, "Вам отказано в приёме на учебу\r\n\r\nНабрано баллов: 7", 16},
        VerdictCase{"Refused6", 6, kFailed, kRefused, "Вам отказано в приёме на учебу\r\n\r\nНабрано баллов: 6", 16},
        VerdictCase{"Worst0", 0, kFailed, kRefused, "Вам отказано в приёме на учебу\r\n\r\nНабрано баллов: 0", 16},
        VerdictCase{"Negative", -2, kFailed, kRefused, "Вам отказано в приёме на учебу\r\n\r\nНабрано баллов: -2", 16},
        VerdictCase{"LargestSixteenBit", 32767, kPassed, kDay,
                    "Вы имеете право поступить на дневное отделение\r\n\r\nНабрано баллов: 32767", 0},
        VerdictCase{"SmallestSixteenBit", -32768, kFailed, kRefused,
                    "Вам отказано в приёме на учебу\r\n\r\nНабрано баллов: -32768", 16}),
    testing::RowName());

} // namespace
} // namespace testola
