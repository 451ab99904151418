#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace testola {

// Nearest 16-bit integer, halves to the even neighbour; a value outside -32768..32767 (or NaN) raises Overflow.
std::int16_t RoundToInt16(double value);

// Plain decimal digits, with a minus sign when negative.
std::string IntegerToText(std::int16_t value);

// 16-bit signed addition that raises Overflow instead of wrapping.
std::int16_t AddInt16(std::int16_t left, std::int16_t right);

// Reads the number at the start of a typed text; see text_to_double.cpp for the grammar.
double TextToDouble(std::string_view text);

} // namespace testola
