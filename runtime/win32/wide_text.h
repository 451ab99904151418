#pragma once

#include <string>
#include <string_view>

namespace testola {

// The program's texts are UTF-8; Win32 takes UTF-16. CR LF passes through both ways unchanged, which is also the
// line break Win32's controls expect.
std::wstring ToWide(std::string_view text);
std::string ToUtf8(std::wstring_view text);

} // namespace testola
