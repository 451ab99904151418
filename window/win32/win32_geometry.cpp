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

std::string_view NextInTabOrder(const std::vector<std::string_view>& order, std::string_view current, bool forward,
                                const std::function<bool(std::string_view)>& canTakeFocus) {
    const auto count = static_cast<std::ptrdiff_t>(order.size());
    const auto found = std::find(order.begin(), order.end(), current);
    // From nowhere, Tab starts at the first control and Shift+Tab at the last.
    std::ptrdiff_t at = found == order.end() ? (forward ? -1 : count) : found - order.begin();
    for (std::ptrdiff_t tried = 0; tried < count; ++tried) {
        at = ((forward ? at + 1 : at - 1) % count + count) % count;
        if (canTakeFocus(order[static_cast<std::size_t>(at)])) {
            return order[static_cast<std::size_t>(at)];
        }
    }
    return {};
}

} // namespace testola
