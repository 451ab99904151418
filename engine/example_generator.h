#pragma once

#include "exam_state.h"

namespace testola {

class RandomSource;

// Fills the example fields of the state from exactly nine draws of the random source, in row order.
void GenerateExample(ExamState& state, RandomSource& random);

} // namespace testola
