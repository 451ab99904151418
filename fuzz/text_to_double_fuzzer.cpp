// Checks TextToDouble against an oracle built another way: a regular expression finds the number and the C
// library's strtod reads it under the "C" locale.

#include "conversions.h"

#include <bit>
#include <cerrno>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <locale.h>
#include <regex>
#include <string>
#include <string_view>

namespace {

// std::regex matches by recursion, one chain of stack frames per character; beyond this length the oracle
// could run out of stack, so longer inputs are only run for the sanitizers. check.sh uses -max_len=4096.
constexpr std::size_t kOracleLimit = 4096;

// Leading blanks (no-break space as its UTF-8 bytes), then optionally the number as group 1. The quantifiers
// are greedy and nothing follows the number, so the first match found is the longest one.
const std::regex& NumberPattern() {
    static const std::regex pattern("(?:[ \\t\\r\\n]|\\xC2\\xA0)*"
                                    "([+-]?(?:[0-9]+\\.?[0-9]*|\\.[0-9]+)(?:[eE][+-]?[0-9]+)?)?",
                                    std::regex::ECMAScript | std::regex::optimize);
    return pattern;
}

locale_t CLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
}

double Oracle(std::string_view text) {
    std::match_results<std::string_view::const_iterator> match;
    if (!std::regex_search(text.begin(), text.end(), match, NumberPattern(), std::regex_constants::match_continuous) ||
        !match[1].matched) {
        return 0.0;
    }
    const std::string number = match[1].str();
    errno = 0;
    char* end = nullptr;
    double value = strtod_l(number.c_str(), &end, CLocale());
    if (end != number.c_str() + number.size()) {
        std::fprintf(stderr, "oracle: strtod stopped early in \"%s\"\n", number.c_str());
        std::abort();
    }
    // glibc already returns these, but the rules are ours, so they are spelled out rather than assumed.
    const bool negative = number.front() == '-';
    if (errno == ERANGE && std::fabs(value) == HUGE_VAL) {
        value = negative ? -INFINITY : INFINITY;
    } else if (errno == ERANGE && value == 0.0) {
        value = negative ? -0.0 : 0.0;
    }
    return value;
}

void PrintText(std::string_view text) {
    std::fputc('"', stderr);
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && c != '"' && c != '\\') {
            std::fputc(c, stderr);
        } else {
            std::fprintf(stderr, "\\x%02X", byte);
        }
    }
    std::fputs("\"\n", stderr);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    if (CLocale() == static_cast<locale_t>(nullptr)) {
        std::fputs("cannot create the C locale\n", stderr);
        std::abort();
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double actual = testola::TextToDouble(text);
    if (size > kOracleLimit) {
        return 0;
    }
    const double expected = Oracle(text);
    // Bitwise, so that the sign of zero counts; neither side can give NaN.
    if (std::bit_cast<std::uint64_t>(actual) != std::bit_cast<std::uint64_t>(expected)) {
        std::fputs("TextToDouble disagrees with the oracle on ", stderr);
        PrintText(text);
        std::fprintf(stderr, "  TextToDouble: %a (%.17g)\n  oracle:       %a (%.17g)\n", actual, actual, expected,
                     expected);
        std::abort();
    }
    return 0;
}
