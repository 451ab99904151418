#pragma once

#include "form1_layout.h"

#include <windows.h>

namespace testola {

// The layout's twips as a RECT on a screen of the given density.
RECT ToDeviceRect(const TwipsRect& twips, int dotsPerInch);

// The height a LOGFONT asks for, negative so that it is the height of the characters, not of the cell.
LONG FontHeight(double points, int dotsPerInch);

} // namespace testola
