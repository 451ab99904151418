#pragma once

#include "exam_state.h"

#include <vector>

namespace testola::testing {

// A random number that the generator turns into the given element (0 to 10).
inline float RandomForElement(int element) {
    return element >= 10 ? 0.99f : static_cast<float>(element) / 10.0f;
}

// The nine random numbers that make the given matrix, in the order the generator draws them.
inline std::vector<float> RandomsForMatrix(const ExampleMatrix& matrix) {
    std::vector<float> numbers;
    for (const MatrixRow& row : matrix) {
        for (const std::int16_t element : row) {
            numbers.push_back(RandomForElement(element));
        }
    }
    return numbers;
}

} // namespace testola::testing
