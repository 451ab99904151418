#pragma once

#include "contrast.h"
#include "form1_layout.h"

#include <QColor>
#include <QRect>

namespace testola {

// How many times larger than designed the window is laid out: the desktop's general font (the application's)
// over Qt's own default of 9 points, where the user has chosen a larger one; never below 1. Qt's high-DPI
// scaling comes on top of it.
double DesktopFontScale();

// The layout's twips in Qt's logical pixels at that scale, each edge rounded to a pixel.
QRect ToPixels(const TwipsRect& twips, double scale = 1.0);

// The layout's colours are plain sRGB; this brings them into Qt. (Its texts come in through ToDisplayText.)
QColor ToColour(Rgb rgb);

} // namespace testola
