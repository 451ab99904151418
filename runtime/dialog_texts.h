#pragma once

#include <string_view>

namespace testola {

// The buttons of the program's own dialogs, the same on every platform.
inline constexpr std::string_view OkText = "ОК";
inline constexpr std::string_view CancelText = "Отмена";

} // namespace testola
