#include "spoken_example.h"

#include "conversions.h"
#include "form1_texts.h"

namespace testola {

std::string SpokenExample(const ExamState& state) {
    // Appended piece by piece: GCC's -O3 misreads chains of operator+ on literals as overlapping copies.
    std::string spoken(SpokenExampleWord);
    spoken.append(" ").append(IntegerToText(state.ExampleNumber)).append(".");
    for (int row = 0; row < MatrixSize; ++row) {
        spoken.append(" ").append(SpokenRowWord).append(" ");
        spoken.append(IntegerToText(static_cast<std::int16_t>(row + 1))).append(":");
        for (int column = 0; column < MatrixSize; ++column) {
            spoken.append(column == 0 ? " " : ", ").append(IntegerToText(state.Matrix[row][column]));
        }
        spoken.append(".");
    }
    return spoken;
}

} // namespace testola
