#include "answer_box_parts.h"

#include "form1_texts.h"
#include "line_breaks.h"
#include "spoken_example.h"

namespace testola {

std::vector<std::string> ExampleLines(std::string_view matrixText) {
    std::vector<std::string> lines;
    for (const std::string_view line : SplitLines(matrixText)) {
        const std::size_t first = line.find_first_not_of(' ');
        if (first != std::string_view::npos) {
            lines.emplace_back(line.substr(first, line.find_last_not_of(' ') - first + 1));
        }
    }
    return lines;
}

InputBoxParts AnswerBoxParts(const ExamState& state) {
    return {ExampleLines(state.MatrixText), SpokenExample(state), std::string(AnswerHint)};
}

} // namespace testola
