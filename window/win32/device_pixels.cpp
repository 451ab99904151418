#include "device_pixels.h"

#include <cmath>

namespace testola {

namespace {

constexpr double kPointsPerInch = 72.0;

} // namespace

RECT ToDeviceRect(const TwipsRect& twips, int dotsPerInch) {
    const PixelEdges box = TwipsToPixels(twips, dotsPerInch);
    return {box.Left, box.Top, box.Right, box.Bottom};
}

LONG FontHeight(double points, int dotsPerInch) {
    return -std::lround(points * dotsPerInch / kPointsPerInch);
}

} // namespace testola
