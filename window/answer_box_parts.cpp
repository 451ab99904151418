#include "answer_box_parts.h"

#include "form1_texts.h"
#include "spoken_example.h"

#include <algorithm>

namespace testola {

std::vector<std::string> ExampleLines(std::string_view matrixText) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= matrixText.size()) {
        const std::size_t end = std::min(matrixText.find("\r\n", start), matrixText.size());
        std::string_view line = matrixText.substr(start, end - start);
        const std::size_t first = line.find_first_not_of(' ');
        if (first != std::string_view::npos) {
            line = line.substr(first, line.find_last_not_of(' ') - first + 1);
            lines.emplace_back(line);
        }
        start = end + 2;
    }
    return lines;
}

InputBoxParts AnswerBoxParts(const ExamState& state) {
    return {ExampleLines(state.MatrixText), SpokenExample(state), std::string(AnswerHint)};
}

} // namespace testola
