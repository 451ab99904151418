#include "conversions.h"
#include "row_name.h"

#include <chrono>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <limits>
#include <locale>
#include <ostream>
#include <string>
#include <vector>

namespace testola {
namespace {

using namespace std::string_literals;

constexpr double kInf = std::numeric_limits<double>::infinity();

// Named, so that failure messages stay short: some rows hold thousands of characters.
struct Row : testing::NamedRow {
    std::string text;
    double expected;
};

// Same value and same sign, so +0/-0 and +inf/-inf are told apart.
void ExpectSameDouble(double actual, double expected) {
    EXPECT_EQ(std::signbit(actual), std::signbit(expected)) << "actual " << actual << ", expected " << expected;
    EXPECT_EQ(actual, expected);
}

std::vector<Row> Rows() {
    const std::string zeros(5000, '0');
    return {
        // What ends the number
        {"CommaEndsNumber", "4,5", 4.0},
        {"LettersEndNumber", "5abc", 5.0},
        {"SecondPeriodEndsNumber", "1.2.3", 1.2},
        {"TrailingBlankIgnored", "7 ", 7.0},
        {"UnderscoreEndsNumber", "1_000", 1.0},
        {"HexIsNotRead", "0x10", 0.0},
        {"NulAfterNumber", "7\0x"s, 7.0},
        // Blanks and signs
        {"LeadingSpace", " 7", 7.0},
        {"LeadingMixedBlanks", "\t\r\n 7", 7.0},
        {"LeadingNoBreakSpace", "\xC2\xA0"s + "7", 7.0},
        {"NoBreakSpacesAndSpacesBeforeSign", "\xC2\xA0 \xC2\xA0-7", -7.0},
        {"PlusSign", "+3", 3.0},
        {"MinusSign", "-3", -3.0},
        {"NegativeZero", "  -0", -0.0},
        {"NegativeZeroWithExponent", "-0.0e-5", -0.0},
        {"BlankAfterSign", "- 7", 0.0},
        {"NoBreakSpaceAfterSign", "-\xC2\xA0"s + "7", 0.0},
        {"TwoSigns", "+-7", 0.0},
        // Periods
        {"LeadingPeriod", ".5", 0.5},
        {"TrailingPeriod", "5.", 5.0},
        {"NegativeLeadingPeriod", "-.5", -0.5},
        {"TrailingPeriodThenExponent", "1.e2", 100.0},
        {"LeadingPeriodThenExponent", ".5e1", 5.0},
        // Exponents
        {"Exponent", "1e3", 1000.0},
        {"CapitalExponent", "1E3", 1000.0},
        {"ExponentPlus", "1e+5", 100000.0},
        {"NegativeExponent", "1e-2", 0.01},
        {"ExponentThenLetter", "1e5x", 100000.0},
        {"ExponentWithoutDigits", "1e", 1.0},
        {"ExponentSignWithoutDigits", "1e+", 1.0},
        {"ExponentMinusWithoutDigits", "1.5e-", 1.5},
        {"ExponentTwoSigns", "1e+-5", 1.0},
        {"ExponentDoubled", "1ee5", 1.0},
        {"ExponentAfterBlank", "1e 5", 1.0},
        {"ExponentManyLeadingZeros", "1e0000000000000000000000000000001", 10.0},
        {"NegativeExponentManyLeadingZeros", "1e-0000000000000000000000000000001", 0.1},
        {"ZeroWithHugeExponent", "0e99999", 0.0},
        {"ExponentBeyondUint64", "1e18446744073709551617", kInf},
        {"NegativeExponentBeyondInt64", "1e-9223372036854775809", 0.0},
        {"ExponentOf40Digits", "-1e9999999999999999999999999999999999999999", -kInf},
        // Out of range
        {"Overflow", "1e400", kInf},
        {"NegativeOverflow", "-1e400", -kInf},
        {"Underflow", "1e-400", 0.0},
        {"NegativeUnderflow", "-1e-400", -0.0},
        {"JustAboveMaxRoundsToInfinity", "1.7976931348623159e308", kInf},
        {"BelowHalfSmallestRoundsToZero", "2e-324", 0.0},
        {"ManyDigitsOverflow", "1" + zeros, kInf},
        {"ManyFractionZerosUnderflow", "-0." + zeros + "1", -0.0},
        {"ManyDigitsNegativeExponentStillOverflows", "1" + zeros + "e-4000", kInf},
        {"ManyZerosHugeExponentOverflows", "0." + zeros + "1e99999999999999999999", kInf},
        // Correct rounding
        {"OneTenth", "0.1", 0.1},
        {"LargestSubnormalNeighbour", "2.2250738585072011e-308", 0x0.fffffffffffffp-1022},
        {"SmallestNormal", "2.2250738585072012e-308", 0x1p-1022},
        {"SmallestSubnormal", "4.9e-324", 0x0.0000000000001p-1022},
        {"NegativeSmallestSubnormal", "-4.9e-324", -0x0.0000000000001p-1022},
        {"LargestDouble", "1.7976931348623157e308", 0x1.fffffffffffffp+1023},
        {"HalfwayTiesToEven", "9007199254740993", 9007199254740992.0},
        {"HalfwayBrokenByLateDigit", "9007199254740993.0000000000000000000001", 9007199254740994.0},
        // Long runs of zeros
        {"LeadingZeros", zeros + "1.5", 1.5},
        {"FractionZerosThenExponent", "0." + zeros + "1e+5001", 1.0},
        {"FractionZerosThenLargerExponent", "0.0001e+6", 100.0},
        {"TrailingFractionZeros", "2." + zeros, 2.0},
        // Nothing to read
        {"Empty", "", 0.0},
        {"OnlyBlanks", " \t\xC2\xA0", 0.0},
        {"Letters", "abc", 0.0},
        {"CommaFirst", ",5", 0.0},
        {"Nan", "nan", 0.0},
        {"NanCapital", "NaN", 0.0},
        {"Inf", "inf", 0.0},
        {"NegativeInf", "-inf", 0.0},
        {"Infinity", "Infinity", 0.0},
        {"OnlyMinus", "-", 0.0},
        {"OnlyPlus", "+", 0.0},
        {"OnlyPeriod", ".", 0.0},
        {"MinusPeriod", "-.", 0.0},
        {"PeriodThenExponent", ".e1", 0.0},
        {"OnlyExponent", "e5", 0.0},
        {"NulBeforeNumber", "\0"s + "7", 0.0},
        {"Emoji", "\xF0\x9F\x98\x80"s + "5", 0.0},
        {"LoneLeadByte", "\xC2"s + "5", 0.0},
        {"LoneNoBreakSpaceTail", "\xA0"s + "5", 0.0},
        {"TruncatedTextEndsInLeadByte", " \xC2", 0.0},
        {"EmSpaceIsNotBlank", "\xE2\x80\x83"s + "5", 0.0},
        {"FullwidthDigit", "\xEF\xBC\x91", 0.0},
    };
}

class TextToDoubleRows : public ::testing::TestWithParam<Row> {};

TEST_P(TextToDoubleRows, ReadsExpectedValue) {
    const Row& row = GetParam();
    ExpectSameDouble(TextToDouble(row.text), row.expected);
}

INSTANTIATE_TEST_SUITE_P(TextToDouble, TextToDoubleRows, ::testing::ValuesIn(Rows()), testing::RowName());

TEST(TextToDouble, ReadsOnlyTheGivenLength) {
    // The byte after the view must not be looked at.
    const std::string text = "12345";
    ExpectSameDouble(TextToDouble(std::string_view(text).substr(0, 2)), 12.0);
    ExpectSameDouble(TextToDouble(std::string_view("1e5").substr(0, 2)), 1.0);
    ExpectSameDouble(TextToDouble(std::string_view("\xC2\xA0"s + "5").substr(0, 1)), 0.0);
}

TEST(TextToDouble, HugeTextsTakeLinearTime) {
    const std::size_t megabyte = 1 << 20;
    const std::string ones(megabyte, '1');
    const std::string zeros(megabyte, '0');
    const std::string tenMillionZeros(10'000'000, '0');
    const Row rows[] = {
        {"MegabyteOfOnes", ones, kInf},
        {"NegativeMegabyteOfOnes", "-" + ones, -kInf},
        {"MegabyteOfZerosThenHalf", zeros + ".5", 0.5},
        {"MegabyteOfFractionZeros", "0." + zeros + "1", 0.0},
        {"MegabyteOfFractionZerosThenExponent", "0." + zeros + "1e+1048577", 1.0},
        {"MegabyteOfOnesThenNegativeExponent", ones + "e-1048000", kInf},
        {"MegabyteOfOnesScaledToOne", ones + "e-1048575", 10.0 / 9.0},
        {"MegabyteOfOnesThenLargerNegativeExponent", ones + "e-1048976", 0.0},
        {"MegabyteOfOnesAfterPeriod", "." + ones + "e1", 10.0 / 9.0},
        {"TenMillionExponentZeros", "1e" + tenMillionZeros + "1", 10.0},
        {"TenMillionExponentNines", "1e" + std::string(10'000'000, '9'), kInf},
        {"TenMillionNegativeExponentNines", "1e-" + std::string(10'000'000, '9'), 0.0},
        {"MegabyteOfNuls", std::string(megabyte, '\0'), 0.0},
        {"MegabyteOfNoBreakSpaces",
         [&] {
             std::string text;
             for (std::size_t i = 0; i < megabyte / 2; ++i) {
                 text += "\xC2\xA0";
             }
             return text + "3";
         }(),
         3.0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto started = std::chrono::steady_clock::now();
        const double value = TextToDouble(row.text);
        const auto elapsed = std::chrono::steady_clock::now() - started;
        EXPECT_LT(elapsed, std::chrono::seconds(1));
        ExpectSameDouble(value, row.expected);
    }
}

// Restores both the C and the C++ global locale, whatever the test did to them.
class LocaleGuard {
public:
    LocaleGuard() : cLocale_(std::setlocale(LC_ALL, nullptr)), cppLocale_() {}
    ~LocaleGuard() {
        std::locale::global(cppLocale_);
        std::setlocale(LC_ALL, cLocale_.c_str());
    }
    LocaleGuard(const LocaleGuard&) = delete;
    LocaleGuard& operator=(const LocaleGuard&) = delete;

private:
    std::string cLocale_;
    std::locale cppLocale_;
};

class CommaDecimalPoint : public std::numpunct<char> {
protected:
    char do_decimal_point() const override { return ','; }
};

void ExpectPeriodIsTheDecimalPoint() {
    ExpectSameDouble(TextToDouble("4.5"), 4.5);
    ExpectSameDouble(TextToDouble("4,5"), 4.0);
    ExpectSameDouble(TextToDouble("-1.25e1"), -12.5);
}

TEST(TextToDouble, IgnoresGlobalCppLocale) {
    const LocaleGuard guard;
    std::locale::global(std::locale(std::locale::classic(), new CommaDecimalPoint));
    ASSERT_EQ(std::use_facet<std::numpunct<char>>(std::locale()).decimal_point(), ',');
    ExpectPeriodIsTheDecimalPoint();
}

TEST(TextToDouble, IgnoresCommaDecimalCLocale) {
    const LocaleGuard guard;
    const char* chosen = nullptr;
    // The last is the Windows C runtime's name for a Russian locale; it rejects the others.
    for (const char* name : {"ru_RU.UTF-8", "de_DE.UTF-8", "ru_RU.utf8", "de_DE.utf8", "Russian_Russia.1251"}) {
        if (std::setlocale(LC_ALL, name) != nullptr) {
            chosen = name;
            break;
        }
    }
    if (chosen == nullptr) {
        // Where the build compiled a Russian locale for this test (LOCPATH), it must load.
        ASSERT_EQ(std::getenv("LOCPATH"), nullptr) << "the locale compiled into LOCPATH does not load";
        GTEST_SKIP() << "no comma-decimal C locale installed";
    }
    ASSERT_EQ(*std::localeconv()->decimal_point, ',') << chosen;
    ExpectPeriodIsTheDecimalPoint();
}

} // namespace
} // namespace testola
