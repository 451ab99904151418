#pragma once

#include <string_view>

namespace testola {

// Every text of the window and of the answer box, in one place. (The verdicts belong to the exam itself, the
// error reports and the dialogs' buttons to the runtime.)

// The program's name, from the build.
inline constexpr std::string_view Form1Title = TESTOLA_NAME;
// The strip's caption; its four spaces keep the text clear of the icon drawn over the strip's left end.
inline constexpr std::string_view StripCaption = "    Вступительный экзамен";

// The two texts of the exam button; while they read StartCaption, its next click starts a new exam.
inline constexpr std::string_view StartCaption = "Пройти экзамен";
inline constexpr std::string_view NextCaption = "Следующий пример";
inline constexpr std::string_view AnswerCaption = "Ответ";
inline constexpr std::string_view ResultCaption = "Получить результат";
inline constexpr std::string_view MinimiseCaption = "_";
inline constexpr std::string_view MinimiseTooltip = "Свернуть";
inline constexpr std::string_view ExitCaption = "X";
inline constexpr std::string_view ExitTooltip = "Выход";
// What assistive technology calls the matrix panel, which has no caption of its own between examples.
inline constexpr std::string_view PanelName = "Пример";

inline constexpr std::string_view InputPrompt = "Введите ответ";
inline constexpr std::string_view InputTitle = "Ввод ответа";
inline constexpr std::string_view InputDefault = "0";
// Under the answer box's field: a comma ends the number, so the decimal point must be a period.
inline constexpr std::string_view AnswerHint = "Дробную часть пишите после точки, например: 4.5";

// The words a screen reader says the example with.
inline constexpr std::string_view SpokenExampleWord = "Пример";
inline constexpr std::string_view SpokenRowWord = "Строка";

} // namespace testola
