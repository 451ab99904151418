#include "form1.h"

#include "answer_box_parts.h"
#include "exam.h"
#include "form1_layout.h"
#include "form1_view.h"
#include "run_time_error.h"
#include "runtime.h"
#include "spoken_example.h"
#include "verdict.h"

#include <string>

namespace testola {

Form1::Form1(Form1View& view, Runtime& runtime, RandomSource& random)
    : m_view(view), m_runtime(runtime), m_random(random) {}

void Form1::Press(std::string_view button) {
    if (!m_view.IsEnabled(button)) {
        return;
    }
    // No failure goes further than the press that caused it: it is reported, and that ends the program.
    try {
        if (button == Command1) {
            OnExitClick();
        } else if (button == Command2) {
            OnMinimiseClick();
        } else if (button == Command4) {
            OnExamClick();
        } else if (button == Command5) {
            OnResultClick();
        } else if (button == Command6) {
            OnAnswerClick();
        }
    } catch (const RunTimeError& failure) {
        m_runtime.ReportRunTimeError(failure.what());
    } catch (...) {
        m_runtime.ReportRunTimeError(UnexpectedFailureDescription());
    }
}

void Form1::PressKey(Form1Key key, std::string_view focusedButton) {
    if (key == Form1Key::Escape) {
        Press(CancelButton);
        return;
    }
    Press(focusedButton.empty() ? DefaultButton : focusedButton);
}

void Form1::RequestClose() {
    m_runtime.EndProgram();
}

void Form1::OnExitClick() {
    m_runtime.EndProgram();
}

void Form1::OnMinimiseClick() {
    m_runtime.MinimiseWindow();
}

void Form1::OnExamClick() {
    const bool startNew = m_view.Caption(Command4) == StartCaption && m_view.Tooltip(Command4) == StartCaption;
    NextExample(m_state, startNew, m_random);
    if (startNew) {
        m_view.SetEnabled(Command5, false);
    }
    m_view.SetEnabled(Command6, true);
    // Said with the button that takes the focus, since readers do not speak what changes elsewhere.
    m_view.SetDescription(Command6, SpokenExample(m_state));
    m_view.SetFocus(Command6);
    m_view.SetPanelCaption(m_state.MatrixText);
    m_view.SetEnabled(Command4, false);
    SetExamButtonTexts(NextCaption);
}

void Form1::OnAnswerClick() {
    const std::string answer = m_runtime.ShowInputBox(std::string(InputPrompt), std::string(InputTitle),
                                                      std::string(InputDefault), AnswerBoxParts(m_state));
    const AnswerOutcome outcome = SubmitAnswer(m_state, answer);
    // The next button takes the focus before the answer button is disabled, which would pass the focus along
    // the tab order first.
    if (outcome.Finished) {
        m_view.SetEnabled(Command5, true);
        m_view.SetFocus(Command5);
        m_view.SetEnabled(Command6, false);
        SetExamButtonTexts(StartCaption);
        m_view.SetEnabled(Command4, false);
        m_view.SetPanelCaption("");
        m_view.SetDescription(Command6, "");
    } else {
        m_view.SetEnabled(Command4, true);
        m_view.SetFocus(Command4);
        m_view.SetEnabled(Command6, false);
    }
}

void Form1::OnResultClick() {
    const Verdict verdict = MakeVerdict(m_state.Score);
    m_runtime.ShowMessageBox(verdict.Body, verdict.Style, verdict.Title);
    m_view.SetEnabled(Command4, true);
    m_view.SetFocus(Command4);
}

void Form1::SetExamButtonTexts(std::string_view text) {
    m_view.SetCaption(Command4, std::string(text));
    m_view.SetTooltip(Command4, std::string(text));
}

} // namespace testola
