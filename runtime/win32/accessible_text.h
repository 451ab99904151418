#pragma once

#include <string_view>
#include <windows.h>

namespace testola {

// What a screen reader says of a control, given through the accessibility annotations of oleacc
// (IAccPropServices), which the system's own accessible objects for standard controls consult. Where the
// service is missing (COM not started on this thread, or a system without it) nothing is said beyond the
// control's own text, and these return false.
bool SetAccessibleName(HWND control, std::wstring_view name);
// The empty text takes a description away again.
bool SetAccessibleDescription(HWND control, std::wstring_view description);

} // namespace testola
