#include "qt_layout.h"

#include <QApplication>
#include <QFont>
#include <QFontInfo>
#include <algorithm>

namespace testola {

namespace {

// The size of Qt's general font where the desktop names none, as on a bare X11 or Wayland session.
constexpr double kQtDefaultPoints = 9.0;

} // namespace

double DesktopFontScale() {
    const QFont general = QApplication::font();
    // A desktop may give its font in pixels; QFontInfo turns them into points.
    const double points = general.pointSizeF() > 0 ? general.pointSizeF() : QFontInfo(general).pointSizeF();
    return std::max(1.0, points / kQtDefaultPoints);
}

QRect ToPixels(const TwipsRect& twips, double scale) {
    const PixelEdges box = TwipsToPixels(twips, DesignDotsPerInch * scale);
    return {box.Left, box.Top, box.Right - box.Left, box.Bottom - box.Top};
}

QColor ToColour(Rgb rgb) {
    return QColor(rgb.Red, rgb.Green, rgb.Blue);
}

} // namespace testola
