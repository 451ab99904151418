#pragma once

#include "exam_state.h"

#include <string>

namespace testola {

// The current example as a screen reader should say it: its number, then each row of the matrix as a sentence
// of its own, so the reader pauses between rows.
std::string SpokenExample(const ExamState& state);

} // namespace testola
