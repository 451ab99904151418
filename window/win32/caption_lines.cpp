#include "caption_lines.h"

namespace testola {

std::vector<std::wstring> CaptionLines(std::wstring_view caption) {
    std::vector<std::wstring> lines;
    if (caption.empty()) {
        return lines;
    }
    for (std::size_t start = 0;;) {
        const std::size_t end = caption.find(L"\r\n", start);
        lines.emplace_back(caption.substr(start, end == std::wstring_view::npos ? end : end - start));
        if (end == std::wstring_view::npos) {
            return lines;
        }
        start = end + 2;
    }
}

} // namespace testola
