// Reading the number at the start of an applicant's answer.
//
// Grammar, after skipping blanks (space, tab, CR, LF, U+00A0):
//     [+|-] digits-with-at-most-one-period [(e|E) [+|-] digits]
// The digit part needs at least one digit; an exponent without digits is left out of the number.
// Whatever follows the number is ignored, and text that does not start with one reads 0.
// Values beyond the double range read as signed infinity, values too small as signed zero.

#include "conversions.h"

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <system_error>

namespace testola {

namespace {

// Far beyond any decimal power a double can reach, yet far from int64 overflow when added to a digit position
// (positions are bounded by the text length, which no real memory lets exceed this).
constexpr std::int64_t kExponentCap = 100'000'000'000'000'000;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t SkipBlanks(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        const char c = text[pos];
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            ++pos;
        } else if (static_cast<unsigned char>(c) == 0xC2 && pos + 1 < text.size() &&
                   static_cast<unsigned char>(text[pos + 1]) == 0xA0) {
            pos += 2; // U+00A0, which word processors like to paste in
        } else {
            break;
        }
    }
    return pos;
}

} // namespace

double TextToDouble(std::string_view text) {
    std::size_t pos = SkipBlanks(text);

    // from_chars refuses a leading '+', so the sign is always ours to apply.
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    const std::size_t start = pos;

    // Track the decimal power of the first non-zero digit, so an out-of-range result can be told apart as
    // overflow or underflow without trusting anything but the text.
    bool seenPeriod = false;
    bool anyDigit = false;
    bool anyNonZero = false;
    std::int64_t leadPower = 0;
    std::int64_t fractionDigits = 0;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c == '.' && !seenPeriod) {
            seenPeriod = true;
            continue;
        }
        if (!IsDigit(c)) {
            break;
        }
        anyDigit = true;
        if (seenPeriod) {
            ++fractionDigits;
            if (!anyNonZero && c != '0') {
                anyNonZero = true;
                leadPower = -fractionDigits;
            }
        } else if (anyNonZero) {
            ++leadPower;
        } else if (c != '0') {
            anyNonZero = true;
        }
    }
    // This also keeps "inf", "nan", "." and a bare sign away from from_chars.
    if (!anyDigit) {
        return 0.0;
    }

    // The exponent belongs to the number only when it has a digit; it is summed with saturation because
    // an answer may carry millions of exponent digits.
    std::int64_t exponent = 0;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t exponentPos = pos + 1;
        bool exponentNegative = false;
        if (exponentPos < text.size() && (text[exponentPos] == '+' || text[exponentPos] == '-')) {
            exponentNegative = text[exponentPos] == '-';
            ++exponentPos;
        }
        if (exponentPos < text.size() && IsDigit(text[exponentPos])) {
            for (; exponentPos < text.size() && IsDigit(text[exponentPos]); ++exponentPos) {
                if (exponent < kExponentCap) {
                    exponent = exponent * 10 + (text[exponentPos] - '0');
                }
            }
            if (exponent > kExponentCap) {
                exponent = kExponentCap;
            }
            if (exponentNegative) {
                exponent = -exponent;
            }
            pos = exponentPos;
        }
    }

    // from_chars is locale-independent and correctly rounded; it only ever sees the span we accepted above.
    double value = 0.0;
    const char* first = text.data() + start;
    const char* last = text.data() + pos;
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        // The value is left untouched here, so decide from the decimal magnitude: at least 1 means overflow.
        const bool overflow = anyNonZero && leadPower + exponent >= 0;
        value = overflow ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (error != std::errc() || end != last) {
        // Unreachable for a span that passed the scan; stay predictable all the same.
        value = 0.0;
    }
    return negative ? -value : value;
}

} // namespace testola
