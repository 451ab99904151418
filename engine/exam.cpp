#include "exam.h"

#include "conversions.h"
#include "example_generator.h"

namespace testola {

void NextExample(ExamState& state, bool startNew, RandomSource& random) {
    if (startNew) {
        state.ExampleNumber = 1;
        state.Score = 0;
    } else {
        state.ExampleNumber = AddInt16(state.ExampleNumber, 1);
    }
    GenerateExample(state, random);
}

AnswerOutcome SubmitAnswer(ExamState& state, std::string_view answerText) {
    state.UserAnswer = TextToDouble(answerText);
    AnswerOutcome outcome;
    // Exact comparison: every correct answer is a whole number or a half, both exact in a double.
    outcome.Correct = state.UserAnswer == state.CorrectAnswer;
    if (outcome.Correct) {
        state.Score = AddInt16(state.Score, PointsPerAnswer);
    }
    outcome.Finished = state.ExampleNumber == ExamLength;
    return outcome;
}

} // namespace testola
