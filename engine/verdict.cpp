#include "verdict.h"

#include "conversions.h"

namespace testola {

namespace {

constexpr std::int16_t kDayDepartmentScore = 13;
constexpr std::int16_t kEveningDepartmentScore = 10;
constexpr std::int16_t kCorrespondenceDepartmentScore = 8;

constexpr const char* kPassedTitle = "Тестирование успешно пройдено";
constexpr const char* kFailedTitle = "Тестирование не пройдено";
constexpr const char* kPointsLabel = "Набрано баллов: ";

Verdict Passed(const char* text) {
    return Verdict{kPassedTitle, text, {}, MessageStyle::Plain};
}

} // namespace

Verdict MakeVerdict(std::int16_t score) {
    Verdict verdict;
    if (score >= kDayDepartmentScore) {
        verdict = Passed("Вы имеете право поступить на дневное отделение");
    } else if (score >= kEveningDepartmentScore) {
        verdict = Passed("Вы имеете право поступить на вечернее отделение");
    } else if (score >= kCorrespondenceDepartmentScore) {
        verdict = Passed("Вы имеете право поступить на заочное отделение");
    } else {
        verdict = Verdict{kFailedTitle, "Вам отказано в приёме на учебу", {}, MessageStyle::Stop};
    }
    verdict.Body = verdict.Text + "\r\n\r\n" + kPointsLabel + IntegerToText(score);
    return verdict;
}

} // namespace testola
