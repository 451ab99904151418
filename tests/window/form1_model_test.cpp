// Random walks through the window, checked after every step against a reference model of the exam written as
// the window's state table. The steps include clicks on disabled buttons, Enter with the focus anywhere,
// minimising, the desktop's close request and every kind of answer text.

#include "matrix_script.h"
#include "scripted_form1.h"

#include <cmath>
#include <limits>
#include <random>

namespace testola::testing {
namespace {

enum class ModelState { Start, ExampleShown, Answered, Finished, ResultShown };

// The panel is a button too, disabled for good: clicks on it must come to nothing.
const char* const kButtons[] = {"Command1", "Command2", "Command3", "Command4", "Command5", "Command6"};

struct AnswerText {
    std::string Text;
    double Value;
};

// The exam as the window must present it, kept apart from the engine it checks.
struct ExamModel {
    ModelState State = ModelState::Start;
    int ExampleNumber = 0;
    int Score = 0;
    std::string MatrixText;
    double Answer = 0.0;
    std::string Focus = "Command4";
    int Ends = 0;
    int Minimises = 0;
    int InputBoxes = 0;
    std::vector<std::string> Verdicts;

    bool Enabled(const std::string& button) const {
        if (button == "Command4") {
            return State == ModelState::Start || State == ModelState::Answered || State == ModelState::ResultShown;
        }
        if (button == "Command6") {
            return State == ModelState::ExampleShown;
        }
        if (button == "Command5") {
            return State == ModelState::Finished || State == ModelState::ResultShown;
        }
        return button == "Command1" || button == "Command2";
    }

    std::string ExamButtonText() const {
        return State == ModelState::ExampleShown || State == ModelState::Answered ? "Следующий пример"
                                                                                  : "Пройти экзамен";
    }

    static std::string VerdictText(int score) {
        if (score >= 13) {
            return "Вы имеете право поступить на дневное отделение";
        }
        if (score >= 10) {
            return "Вы имеете право поступить на вечернее отделение";
        }
        if (score >= 8) {
            return "Вы имеете право поступить на заочное отделение";
        }
        return "Вам отказано в приёме на учебу";
    }

    // A press of an enabled button; what the window must do with it.
    void Press(const std::string& button, const ExampleMatrix& nextMatrix, const AnswerText& nextAnswer) {
        if (button == "Command1") {
            ++Ends;
        } else if (button == "Command2") {
            ++Minimises;
        } else if (button == "Command4") {
            const bool startNew = State == ModelState::Start || State == ModelState::ResultShown;
            if (startNew) {
                ExampleNumber = 1;
                Score = 0;
            } else {
                ++ExampleNumber;
            }
            ShowExample(nextMatrix);
            State = ModelState::ExampleShown;
            Focus = "Command6";
        } else if (button == "Command6") {
            ++InputBoxes;
            if (nextAnswer.Value == Answer) {
                Score += 2;
            }
            if (ExampleNumber == 8) {
                State = ModelState::Finished;
                MatrixText.clear();
                Focus = "Command5";
            } else {
                State = ModelState::Answered;
                Focus = "Command4";
            }
        } else if (button == "Command5") {
            Verdicts.push_back(VerdictText(Score) + "\r\n\r\nНабрано баллов: " + std::to_string(Score));
            State = ModelState::ResultShown;
            Focus = "Command4";
        }
    }

    void ShowExample(const ExampleMatrix& matrix) {
        MatrixText.clear();
        int largest = matrix[0][0];
        int smallest = matrix[0][0];
        for (const MatrixRow& row : matrix) {
            MatrixText += "\r\n";
            for (const std::int16_t element : row) {
                MatrixText += " " + std::to_string(element);
                largest = std::max<int>(largest, element);
                smallest = std::min<int>(smallest, element);
            }
        }
        Answer = (largest + smallest) / 2.0;
    }
};

class Form1Model : public ScriptedForm1Test, public ::testing::WithParamInterface<unsigned> {
protected:
    ExampleMatrix RandomMatrix() {
        ExampleMatrix matrix{};
        // Now and then a matrix of zeros, for which a cancelled or empty answer is right.
        const bool zeros = std::uniform_int_distribution<int>(0, 9)(m_walk) == 0;
        for (MatrixRow& row : matrix) {
            for (std::int16_t& element : row) {
                element = zeros ? 0 : static_cast<std::int16_t>(std::uniform_int_distribution<int>(0, 10)(m_walk));
            }
        }
        return matrix;
    }

    AnswerText RandomAnswer(double answer) {
        const double infinity = std::numeric_limits<double>::infinity();
        switch (std::uniform_int_distribution<int>(0, 9)(m_walk)) {
        case 0:
        case 1:
        case 2:
            return {std::to_string(answer), answer};
        case 3:
            return {std::to_string(answer + 0.5), answer + 0.5};
        case 4:
            return {"", 0.0};
        case 5:
            return {"1e400", infinity};
        case 6:
            return {std::string(3000, '7'), infinity};
        case 7:
            return {std::string("\x01\x02\x7f", 3) + std::string(1, '\0') + "5", 0.0};
        case 8:
            return {"\xff\xfe\xc2", 0.0};
        default:
            return {" \t-0,5", 0.0};
        }
    }

    // Keeps one example and one answer ready in the scripted runtime, as the model expects them.
    void KeepScriptFilled() {
        if (m_random.RandomsDrawn == m_randomsQueued) {
            m_nextMatrix = RandomMatrix();
            m_random.QueueRandoms(RandomsForMatrix(m_nextMatrix));
            m_randomsQueued += 9;
        }
        if (static_cast<int>(m_runtime.InputBoxes.size()) == m_answersQueued) {
            // The answer is chosen for the example that is shown when the box opens.
            m_nextAnswer = RandomAnswer(m_model.Answer);
            m_runtime.QueueAnswer(m_nextAnswer.Text);
            ++m_answersQueued;
        }
    }

    void PressInModel(const std::string& button) {
        if (m_model.Enabled(button)) {
            m_model.Press(button, m_nextMatrix, m_nextAnswer);
        }
    }

    void Step() {
        KeepScriptFilled();
        const std::string button = kButtons[std::uniform_int_distribution<int>(0, 5)(m_walk)];
        switch (std::uniform_int_distribution<int>(0, 5)(m_walk)) {
        case 0:
        case 1: // a mouse click, on an enabled button or not; an enabled one takes the focus first
            if (m_model.Enabled(button)) {
                m_model.Focus = button;
            }
            PressInModel(button);
            Click(button);
            break;
        case 2: // Enter, with the focus on some enabled button or on none
            if (std::uniform_int_distribution<int>(0, 3)(m_walk) == 0) {
                m_view.ClearFocus();
                m_model.Focus.clear();
            } else if (m_model.Enabled(button)) {
                m_view.SetFocus(button);
                m_model.Focus = button;
            }
            PressInModel(m_model.Focus.empty() ? "Command4" : m_model.Focus);
            PressKey(Form1Key::Enter);
            break;
        case 3:
            PressInModel("Command1");
            PressKey(Form1Key::Escape);
            break;
        case 4: // the desktop asks the window to close
            ++m_model.Ends;
            m_form.RequestClose();
            break;
        default: // Space, which presses the focused button, if any
            if (!m_model.Focus.empty()) {
                PressInModel(m_model.Focus);
                m_form.Press(m_view.Focus());
            }
            break;
        }
    }

    void ExpectWindowMatchesModel(int step) {
        SCOPED_TRACE("step " + std::to_string(step));
        for (const char* button : kButtons) {
            ASSERT_EQ(m_view.IsEnabled(button), m_model.Enabled(button)) << button;
        }
        ASSERT_EQ(m_view.Caption("Command4"), m_model.ExamButtonText());
        ASSERT_EQ(m_view.Tooltip("Command4"), m_model.ExamButtonText());
        ASSERT_EQ(m_view.Caption("Command6"), "Ответ");
        ASSERT_EQ(m_view.Caption("Command5"), "Получить результат");
        ASSERT_EQ(m_view.PanelCaption, m_model.MatrixText);
        // The answer button says the example from the moment it is shown until the exam ends.
        ASSERT_EQ(m_view.Description("Command6").empty(), m_model.MatrixText.empty());
        ASSERT_EQ(m_view.Focus(), m_model.Focus);

        ASSERT_EQ(m_form.State().ExampleNumber, m_model.ExampleNumber);
        ASSERT_EQ(m_form.State().Score, m_model.Score);
        // The program's own invariants, whatever the model says: two points for each example at most, eight
        // examples at most, and a new exam only once the last one's verdict has been shown.
        const ExamState& exam = m_form.State();
        ASSERT_TRUE(exam.Score % 2 == 0 && exam.Score >= 0 && exam.Score <= 2 * exam.ExampleNumber) << exam.Score;
        ASSERT_GE(exam.ExampleNumber, 0);
        ASSERT_LE(exam.ExampleNumber, 8);
        if (exam.ExampleNumber < m_lastExampleNumber) {
            ASSERT_GT(m_runtime.Messages.size(), m_messagesWhenLastExamEnded) << "a new exam before the verdict";
        }
        if (exam.ExampleNumber == 8 && m_lastExampleNumber != 8) {
            m_messagesWhenLastExamEnded = m_runtime.Messages.size();
        }
        m_lastExampleNumber = exam.ExampleNumber;
        ASSERT_EQ(m_runtime.EndCount, m_model.Ends);
        ASSERT_EQ(m_runtime.MinimiseCount, m_model.Minimises);
        ASSERT_EQ(static_cast<int>(m_runtime.InputBoxes.size()), m_model.InputBoxes);
        ASSERT_EQ(m_runtime.Messages.size(), m_model.Verdicts.size());
        if (!m_model.Verdicts.empty()) {
            ASSERT_EQ(m_runtime.Messages.back().Prompt, m_model.Verdicts.back());
        }
    }

    std::mt19937 m_walk{GetParam()};
    ExamModel m_model;
    ExampleMatrix m_nextMatrix{};
    AnswerText m_nextAnswer;
    int m_randomsQueued = 0;
    int m_answersQueued = 0;
    int m_lastExampleNumber = 0;
    std::size_t m_messagesWhenLastExamEnded = 0;
};

TEST_P(Form1Model, TenThousandRandomStepsKeepWindowAndEngineInStepWithTheModel) {
    constexpr int kSteps = 10'000;
    for (int step = 0; step < kSteps; ++step) {
        ASSERT_NO_FATAL_FAILURE(Step());
        ASSERT_NO_FATAL_FAILURE(ExpectWindowMatchesModel(step));
    }
    // The walk must reach the end of exams often enough to have tested the verdicts and new exams.
    EXPECT_GE(m_model.Verdicts.size(), 20u);
    EXPECT_GE(m_model.InputBoxes, 300);
}

INSTANTIATE_TEST_SUITE_P(Seeds, Form1Model, ::testing::Values(1u, 2u, 3u, 20261208u));

} // namespace
} // namespace testola::testing
