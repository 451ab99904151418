#pragma once

#include "runtime.h"

#include <string>
#include <windows.h>

namespace testola {

// The identifiers of the answer box's controls, by which tests and assistive technology find them. The lines
// above the prompt are numbered from FirstLineId on.
inline constexpr WORD FirstLineId = 1000;
inline constexpr WORD PromptId = 1100;
inline constexpr WORD FieldId = 1101;
inline constexpr WORD HintId = 1102;

// The modal box that asks for one line of text: the given lines above the prompt in larger type, the field with
// its default selected so that typing replaces it, the hint under it in smaller type, then OK and Cancel. Returns
// the field's text when confirmed and the empty text when cancelled.
std::wstring RunInputBox(HWND owner, const std::wstring& prompt, const std::wstring& title,
                         const std::wstring& defaultText, const InputBoxParts& parts);

} // namespace testola
