#include "focus_ring.h"

#include <algorithm>

namespace testola {

RECT CaptionInk(HDC like, HFONT font, std::wstring_view caption, const RECT& box) {
    const int width = box.right - box.left;
    const int height = box.bottom - box.top;
    RECT ink{};
    if (width <= 0 || height <= 0) {
        return ink;
    }
    // Drawn black on white into a bitmap of the box's size, whose rows are then read back.
    HDC memory = CreateCompatibleDC(like);
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height; // top row first
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previousBitmap = SelectObject(memory, bitmap);
    HGDIOBJ previousFont = SelectObject(memory, font);
    RECT local{0, 0, width, height};
    FillRect(memory, &local, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetTextColor(memory, RGB(0, 0, 0));
    SetBkMode(memory, TRANSPARENT);
    DrawTextW(memory, caption.data(), static_cast<int>(caption.size()), &local,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    GdiFlush();

    const auto* pixels = static_cast<const DWORD*>(bits);
    RECT found{width, height, 0, 0};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            // Anything not white: smoothed edges of a glyph are ink too.
            if ((pixels[y * width + x] & 0xFFFFFF) != 0xFFFFFF) {
                found = {std::min<LONG>(found.left, x), std::min<LONG>(found.top, y),
                         std::max<LONG>(found.right, x + 1), std::max<LONG>(found.bottom, y + 1)};
            }
        }
    }
    SelectObject(memory, previousFont);
    SelectObject(memory, previousBitmap);
    DeleteObject(bitmap);
    DeleteDC(memory);
    if (found.right > found.left) {
        ink = found;
        OffsetRect(&ink, box.left, box.top);
    }
    return ink;
}

RECT FocusRing(const RECT& box, const RECT& ink) {
    RECT ring = box;
    InflateRect(&ring, -1, -1);
    if (IsRectEmpty(&ink)) {
        return ring;
    }
    // A side's line of pixels keeps one pixel of face between it and the ink: the left line at ring.left must lie
    // before ink.left - 1, the right line at ring.right - 1 after ink.right, and so on; never beyond the edge.
    ring.left = std::max(box.left, std::min(ring.left, ink.left - 2));
    ring.top = std::max(box.top, std::min(ring.top, ink.top - 2));
    ring.right = std::min(box.right, std::max(ring.right, ink.right + 2));
    ring.bottom = std::min(box.bottom, std::max(ring.bottom, ink.bottom + 2));
    return ring;
}

} // namespace testola
