#include "device_pixels.h"

#include <cmath>

namespace testola {

namespace {

constexpr double kPointsPerInch = 72.0;

} // namespace

int TwipsToDevicePixels(int twips, int dotsPerInch) {
    return MulDiv(twips, dotsPerInch, TwipsPerInch);
}

RECT ToDeviceRect(const TwipsRect& twips, int dotsPerInch) {
    const int left = TwipsToDevicePixels(twips.Left, dotsPerInch);
    const int top = TwipsToDevicePixels(twips.Top, dotsPerInch);
    // The far edges are scaled, not the sizes, so that controls that touch in twips touch on the screen.
    return {left, top, TwipsToDevicePixels(twips.Left + twips.Width, dotsPerInch),
            TwipsToDevicePixels(twips.Top + twips.Height, dotsPerInch)};
}

LONG FontHeight(double points, int dotsPerInch) {
    return -std::lround(points * dotsPerInch / kPointsPerInch);
}

} // namespace testola
