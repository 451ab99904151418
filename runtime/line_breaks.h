#pragma once

#include <string_view>
#include <vector>

namespace testola {

// The line break of every text that crosses the core: the captions, the dialogs' texts and the examples.
inline constexpr std::string_view LineBreak = "\r\n";

// The lines of a text, split at each CR LF; the empty text has no lines, and an empty line stays a line.
std::vector<std::string_view> SplitLines(std::string_view text);

} // namespace testola
