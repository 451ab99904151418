#include "example_generator.h"

#include "conversions.h"
#include "random_source.h"
#include "run_time_error.h"

#include <cmath>

namespace testola {

namespace {

constexpr double kLargestElement = 10.0;

std::int16_t DrawElement(RandomSource& random) {
    // The product stays in double precision: rounding it to single precision first would turn 0.85f * 10 into
    // exactly 8.5 and give 8 instead of 9.
    const double product = static_cast<double>(random.NextRandom()) * kLargestElement;
    if (!std::isfinite(product)) {
        RaiseRunTimeError(RunTimeErrorKind::FloatingPointFault);
    }
    return RoundToInt16(product);
}

} // namespace

void GenerateExample(ExamState& state, RandomSource& random) {
    state.MatrixText.clear();
    for (int row = 0; row < MatrixSize; ++row) {
        std::string rowText;
        for (int column = 0; column < MatrixSize; ++column) {
            const std::int16_t element = DrawElement(random);
            state.Matrix[row][column] = element;
            if (row == 0 && column == 0) {
                state.MaxValue = element;
                state.MinValue = element;
            } else if (element > state.MaxValue) {
                state.MaxValue = element;
            } else if (element < state.MinValue) {
                state.MinValue = element;
            }
            rowText += ' ';
            rowText += IntegerToText(element);
        }
        state.MatrixText += "\r\n";
        state.MatrixText += rowText;
    }
    state.CorrectAnswer = (static_cast<double>(state.MaxValue) + static_cast<double>(state.MinValue)) / 2.0;
}

} // namespace testola
