#pragma once

#include <string_view>

namespace testola {

// The two texts of the exam button; while they read StartCaption, its next click starts a new exam.
inline constexpr std::string_view StartCaption = "Пройти экзамен";
inline constexpr std::string_view NextCaption = "Следующий пример";

} // namespace testola
