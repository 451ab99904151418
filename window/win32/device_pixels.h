#pragma once

#include "form1_layout.h"

#include <windows.h>

namespace testola {

// Twips on a screen of the given density: 1440 twips to the inch, rounded to the nearest pixel.
int TwipsToDevicePixels(int twips, int dotsPerInch);
RECT ToDeviceRect(const TwipsRect& twips, int dotsPerInch);

// The height a LOGFONT asks for, negative so that it is the height of the characters, not of the cell.
LONG FontHeight(double points, int dotsPerInch);

} // namespace testola
