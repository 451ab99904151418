#pragma once

#include <string_view>
#include <windows.h>

namespace testola {

// Where a caption drawn in the font, one line centred both ways in the box as a push button draws it, leaves
// ink: the smallest rectangle holding every pixel it sets; empty for a caption that sets none.
RECT CaptionInk(HDC like, HFONT font, std::wstring_view caption, const RECT& box);

// The one-pixel focus ring of a button whose edge is the box's outermost pixels: just inside the edge, but each
// side that would come within a pixel of the caption's ink moved out by what the ink needs, at most onto the
// edge itself.
RECT FocusRing(const RECT& box, const RECT& ink);

} // namespace testola
