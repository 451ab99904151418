#pragma once

#include "form1_layout.h"

#include <QColor>
#include <QRect>
#include <QString>
#include <string_view>

namespace testola {

// The layout's twips in Qt's logical pixels, which Qt's own high-DPI scaling takes to the screen.
QRect ToPixels(const TwipsRect& twips);

// The layout's texts are UTF-8 and its colours 0xRRGGBB; these bring them into Qt.
QString ToQString(std::string_view text);
QColor ToColour(unsigned rgb);

} // namespace testola
