#include "line_breaks.h"

namespace testola {

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    if (text.empty()) {
        return lines;
    }
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(LineBreak, start);
        lines.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) {
            return lines;
        }
        start = end + LineBreak.size();
    }
}

} // namespace testola
