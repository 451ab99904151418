#pragma once

#include <QColor>

class QPalette;
class QWidget;

namespace testola {

// The colours the window is painted in, read from the desktop's palette so that the window looks at home on a
// light, a dark or a high-contrast desktop and stays readable on each: every text at least 4.5:1 against what it
// is drawn on, the matrix at least 7:1, and every button told apart from what surrounds it at 3:1 or more.
struct WindowColours {
    // The three title-bar colours: the window itself (seen around the strip), the strip and its text.
    QColor Window;
    QColor Strip;
    QColor StripText;
    // The push buttons and the panel share one face.
    QColor Face;
    QColor Text;
    QColor DisabledText;
    // The matrix, in the panel's disabled look.
    QColor PanelText;
    // The one-pixel edge of a button on the panel and of a button on the strip.
    QColor EdgeOnPanel;
    QColor EdgeOnStrip;
};

// WCAG 2 contrast of two colours: 1 for the same luminance, 21 for black on white.
double ContrastRatio(const QColor& first, const QColor& second);

WindowColours ColoursFor(const QPalette& desktop);

// Paints the window's controls in the colours of the application's palette, now and whenever the desktop
// changes it.
void FollowDesktopColours(QWidget& window);

} // namespace testola
