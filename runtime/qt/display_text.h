#pragma once

#include <QString>
#include <string_view>

namespace testola {

// The texts of the dialogs as Qt shows them: how they cross into Qt, and how wide a box must be for its title.

// Texts cross into Qt as UTF-8, with CR LF shown as a single line break.
QString ToDisplayText(std::string_view text);

// How wide a dialog must be for the window manager to show its whole title: the title in a bold title-bar font
// of at least 11 points (the size the larger desktops use), beside the frame's icon and its three buttons.
int TitleBarWidth(const QString& title);

} // namespace testola
