#pragma once

#include <string>
#include <string_view>
#include <windows.h>

namespace testola {

// The program's texts are UTF-8; Win32 takes UTF-16. CR LF passes through both ways unchanged, which is also the
// line break Win32's controls expect.
std::wstring ToWide(std::string_view text);
std::string ToUtf8(std::wstring_view text);

// A window's text: a control's caption, a field's contents, a box's title.
std::wstring WindowText(HWND window);

} // namespace testola
