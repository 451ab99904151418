#pragma once

#include "form1_layout.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>
#include <windows.h>

namespace testola {

// Twips on a screen of the given density: 1440 twips to the inch, rounded to the nearest pixel.
int TwipsToDevicePixels(int twips, int dotsPerInch);
RECT ToDeviceRect(const TwipsRect& twips, int dotsPerInch);

// The height a LOGFONT asks for, negative so that it is the height of the characters, not of the cell.
LONG FontHeight(double points, int dotsPerInch);

// The lines of a caption, split at each CR LF; the empty text has no lines, and an empty line stays a line.
std::vector<std::wstring> CaptionLines(std::wstring_view caption);

// The control that Tab (forward) or Shift+Tab (back) moves to from the current one, along the order, passing over
// those that cannot take the focus; the empty name when none can. From no control, Tab starts at the first.
std::string_view NextInTabOrder(const std::vector<std::string_view>& order, std::string_view current, bool forward,
                                const std::function<bool(std::string_view)>& canTakeFocus);

} // namespace testola
