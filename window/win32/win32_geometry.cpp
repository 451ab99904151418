#include "win32_geometry.h"

#include <algorithm>
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

std::vector<std::wstring> CaptionLines(std::wstring_view caption) {
    std::vector<std::wstring> lines;
    if (caption.empty()) {
        return lines;
    }
    for (std::size_t start = 0;;) {
        const std::size_t end = caption.find(L"\r\n", start);
        lines.emplace_back(caption.substr(start, end == std::wstring_view::npos ? end : end - start));
        if (end == std::wstring_view::npos) {
            return lines;
        }
        start = end + 2;
    }
}

} // namespace testola
