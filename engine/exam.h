#pragma once

#include "exam_state.h"

#include <string_view>

namespace testola {

class RandomSource;

struct AnswerOutcome {
    bool Correct = false;
    // True after the last example of the exam has been answered.
    bool Finished = false;
};

// Moves to the next example, first starting a new exam (example 1, score 0) when startNew is set.
void NextExample(ExamState& state, bool startNew, RandomSource& random);

// Reads the typed answer, scores it against the current example and says whether the exam is over.
AnswerOutcome SubmitAnswer(ExamState& state, std::string_view answerText);

} // namespace testola
