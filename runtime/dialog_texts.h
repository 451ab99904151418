#pragma once

#include <string_view>

namespace testola {

// The buttons of the program's own dialogs, the same on every platform.
inline constexpr std::string_view OkText = "ОК";
inline constexpr std::string_view CancelText = "Отмена";

// What the keypad's decimal key types in the answer field, whatever the keyboard layout: the Russian one gives a
// comma, which would end the number.
inline constexpr char KeypadDecimalPoint = '.';

} // namespace testola
