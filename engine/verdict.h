#pragma once

#include "message_style.h"

#include <cstdint>
#include <string>

namespace testola {

// The result message of an exam.
struct Verdict {
    std::string Title;
    std::string Text;
    // Text, an empty line, and the points line.
    std::string Body;
    MessageStyle Style = MessageStyle::Plain;
};

Verdict MakeVerdict(std::int16_t score);

} // namespace testola
