#pragma once

#include "exam_state.h"

#include <string_view>

namespace testola {

class Form1View;
class RandomSource;
class Runtime;

enum class Form1Key { Enter, Escape };

// The behaviour of the program's only window, whatever draws it: the click handlers that lead the applicant
// through the exam, the keys of the window and what happens to a failure. It owns the exam state for the whole
// run, draws the examples from the random source, reaches the controls through the view and the platform
// through the runtime. The view's controls must stand as the layout table builds them before the first press.
class Form1 {
public:
    Form1(Form1View& view, Runtime& runtime, RandomSource& random);

    // A press of a push button, by the mouse or a key. A disabled button is never pressed. A failure in the
    // handler is reported through the runtime, which ends the program.
    void Press(std::string_view button);

    // Enter or Escape in the window; focusedButton names the push button that has the keyboard focus, or is
    // empty when none has it.
    void PressKey(Form1Key key, std::string_view focusedButton);

    // The desktop asks the window to close: the program ends, as it does by the exit button.
    void RequestClose();

    const ExamState& State() const { return m_state; }

private:
    void OnExitClick();
    void OnMinimiseClick();
    void OnExamClick();
    void OnAnswerClick();
    void OnResultClick();

    void SetExamButtonTexts(std::string_view text);

    Form1View& m_view;
    Runtime& m_runtime;
    RandomSource& m_random;
    ExamState m_state;
};

} // namespace testola
