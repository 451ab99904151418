#include "exam.h"

#include "example_generator.h"
#include "runtime.h"

namespace testola {

void NextExample(ExamState& state, bool startNew, Runtime& runtime) {
    if (startNew) {
        state.ExampleNumber = 1;
        state.Score = 0;
    } else {
        state.ExampleNumber = runtime.AddInt16(state.ExampleNumber, 1);
    }
    GenerateExample(state, runtime);
}

AnswerOutcome SubmitAnswer(ExamState& state, std::string_view answerText, Runtime& runtime) {
    state.UserAnswer = runtime.TextToDouble(answerText);
    AnswerOutcome outcome;
    // Exact comparison: every correct answer is a whole number or a half, both exact in a double.
    outcome.Correct = state.UserAnswer == state.CorrectAnswer;
    if (outcome.Correct) {
        state.Score = runtime.AddInt16(state.Score, PointsPerAnswer);
    }
    outcome.Finished = state.ExampleNumber == ExamLength;
    return outcome;
}

} // namespace testola
