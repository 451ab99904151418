#pragma once

#include <QString>
#include <string_view>

namespace testola {

// The texts of the dialogs as Qt shows them: how they cross into Qt, and how wide a box must be for its title.

// Texts cross into Qt as UTF-8, with CR LF shown as a single line break.
QString ToDisplayText(std::string_view text);
QString ToDisplayText(QString text);

// TitleBarWidth for the title in a bold title-bar font of at least 11 points (the size the larger desktops use).
int TitleBarWidth(const QString& title);

} // namespace testola
