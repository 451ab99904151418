#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace testola {

// The lines of a caption, split at each CR LF; the empty text has no lines, and an empty line stays a line.
std::vector<std::wstring> CaptionLines(std::wstring_view caption);

} // namespace testola
