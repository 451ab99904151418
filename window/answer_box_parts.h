#pragma once

#include "exam_state.h"
#include "runtime.h"

#include <string_view>
#include <vector>

namespace testola {

// The lines of a matrix text as the answer box shows them above its prompt: each without the blanks around it,
// so that it is centred on its numbers, and the empty first line left out.
std::vector<std::string> ExampleLines(std::string_view matrixText);

// What the answer box shows for the current example besides its prompt: the example itself, the example as a
// screen reader says it with the field, and the decimal-point hint.
InputBoxParts AnswerBoxParts(const ExamState& state);

} // namespace testola
