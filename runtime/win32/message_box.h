#pragma once

#include "message_style.h"

#include <string>
#include <windows.h>

namespace testola {

// The identifier of the message box's text, as the system's own message box numbers it, by which tests and
// assistive technology find it.
inline constexpr WORD MessageTextId = 0xFFFF;
inline constexpr WORD MessageIconId = 0x0014;

// The modal box that tells one message: the system's stop icon for that style, the text in the desktop's message
// font, one OK button under them, the title above; as the system's message box draws it, but a box that keeps
// keys typed as it closes. Escape and the close box close it as OK does.
void RunMessageBox(HWND owner, const std::wstring& text, MessageStyle style, const std::wstring& title);

} // namespace testola
