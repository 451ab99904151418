#pragma once

namespace testola {

// Icon style of a message box.
enum class MessageStyle : int {
    Plain = 0,
    Stop = 16,
};

} // namespace testola
