#pragma once

#include "contrast.h"

class QPalette;
class QWidget;

namespace testola {

// The window's colours, read from the desktop's palette so that the window looks at home on a light, a dark or
// a high-contrast desktop, and made readable there by the window's contrast rules.
WindowColours ColoursFor(const QPalette& desktop);

// Paints the window's controls in the colours of the application's palette, now and whenever the desktop
// changes it.
void FollowDesktopColours(QWidget& window);

} // namespace testola
