#include "conversions.h"
#include "row_name.h"
#include "run_time_error.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace testola {
namespace {

struct RoundCase : testing::NamedRow {
    double value;
    std::int16_t rounded;
};

class RoundToInt16InRange : public ::testing::TestWithParam<RoundCase> {};

TEST_P(RoundToInt16InRange, GivesTheNearestIntegerWithHalvesToEven) {
    EXPECT_EQ(RoundToInt16(GetParam().value), GetParam().rounded);
}

INSTANTIATE_TEST_SUITE_P(Values, RoundToInt16InRange,
                         ::testing::Values(RoundCase{"Zero", 0.0, 0}, RoundCase{"BelowHalf", 2.4999999, 2},
                                           RoundCase{"AboveHalf", 2.5000001, 3}, RoundCase{"HalfToEvenBelow", 2.5, 2},
                                           RoundCase{"HalfToEvenAbove", 3.5, 4}, RoundCase{"SevenAndAHalf", 7.5, 8},
                                           RoundCase{"NegativeHalfToEven", -2.5, -2},
                                           RoundCase{"NegativeHalfToZero", -0.5, 0},
                                           RoundCase{"NegativeAboveHalf", -1.6, -2},
                                           RoundCase{"LargestBelowLimit", 32767.49, 32767},
                                           RoundCase{"SmallestHalfRoundsToEvenLimit", -32768.5, -32768}),
                         ::testola::testing::RowName());

class RoundToInt16OutOfRange : public ::testing::TestWithParam<double> {};

TEST_P(RoundToInt16OutOfRange, RaisesOverflow) {
    try {
        RoundToInt16(GetParam());
        FAIL() << "no run-time error for " << GetParam();
    } catch (const RunTimeError& error) {
        EXPECT_EQ(error.Kind(), RunTimeErrorKind::Overflow);
    }
}

INSTANTIATE_TEST_SUITE_P(Values, RoundToInt16OutOfRange,
                         ::testing::Values(32767.5, 32768.0, -32768.6, -32769.0, 1e300,
                                           std::numeric_limits<double>::infinity(),
                                           -std::numeric_limits<double>::infinity(),
                                           std::numeric_limits<double>::quiet_NaN()));

TEST(IntegerToText, WritesPlainDecimalDigitsWithAMinusSignWhenNegative) {
    EXPECT_EQ(IntegerToText(0), "0");
    EXPECT_EQ(IntegerToText(16), "16");
    EXPECT_EQ(IntegerToText(-6), "-6");
    EXPECT_EQ(IntegerToText(32767), "32767");
    EXPECT_EQ(IntegerToText(-32768), "-32768");
}

TEST(AddInt16, AddsUpToTheLimitsAndRaisesOverflowBeyondThem) {
    EXPECT_EQ(AddInt16(32765, 2), 32767);
    EXPECT_EQ(AddInt16(-32766, -2), -32768);
    EXPECT_THROW(AddInt16(32766, 2), RunTimeError);
    EXPECT_THROW(AddInt16(-32768, -1), RunTimeError);
}

TEST(RunTimeError, CarriesItsKindAndARussianDescription) {
    for (const RunTimeErrorKind kind : {RunTimeErrorKind::Overflow, RunTimeErrorKind::FloatingPointFault}) {
        try {
            RaiseRunTimeError(kind);
            FAIL() << "nothing raised";
        } catch (const RunTimeError& error) {
            EXPECT_EQ(error.Kind(), kind);
            EXPECT_EQ(std::string(error.what()), RunTimeErrorDescription(kind));
            EXPECT_EQ(std::string(error.what()).rfind("Ошибка выполнения", 0), 0u);
        }
    }
    EXPECT_NE(RunTimeErrorDescription(RunTimeErrorKind::Overflow),
              RunTimeErrorDescription(RunTimeErrorKind::FloatingPointFault));
}

} // namespace
} // namespace testola
