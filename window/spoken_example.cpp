#include "spoken_example.h"

#include "conversions.h"
#include "form1_texts.h"

namespace testola {

std::string SpokenExample(const ExamState& state) {
    std::string spoken = std::string(SpokenExampleWord) + " " + IntegerToText(state.ExampleNumber) + ".";
    for (int row = 0; row < MatrixSize; ++row) {
        spoken += " " + std::string(SpokenRowWord) + " " + IntegerToText(static_cast<std::int16_t>(row + 1)) + ":";
        for (int column = 0; column < MatrixSize; ++column) {
            spoken += (column == 0 ? " " : ", ") + IntegerToText(state.Matrix[row][column]);
        }
        spoken += ".";
    }
    return spoken;
}

} // namespace testola
