#pragma once

#include "exam_state.h"

namespace testola {

class Runtime;

// Fills the example fields of the state from exactly nine draws of the runtime's random sequence, in row order.
void GenerateExample(ExamState& state, Runtime& runtime);

} // namespace testola
