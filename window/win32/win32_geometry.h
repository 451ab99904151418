#pragma once

#include "form1_layout.h"

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

} // namespace testola
