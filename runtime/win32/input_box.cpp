#include "input_box.h"

#include "accessible_text.h"
#include "dialog_template.h"
#include "dialog_texts.h"
#include "wide_text.h"

#include <commctrl.h>
#include <vector>

namespace testola {

namespace {

struct BoxState {
    const std::wstring* DefaultText;
    std::wstring Description;
    std::wstring Answer;
    HFONT LineFont = nullptr;
    HFONT HintFont = nullptr;
    // Whether the field's last key down was the keypad's decimal key, whose character follows it.
    bool DecimalKeyDown = false;
};

// In dialog units: about four to a character across and eight to a line down.
constexpr short kWidth = 220;
constexpr short kLineHeight = 12;
constexpr short kTextHeight = 8;
constexpr short kFieldHeight = 14;
constexpr short kGap = 4;

// The keypad's decimal key types KeypadDecimalPoint. With NumLock off the key is Delete and types nothing, so it
// keeps that meaning.
LRESULT CALLBACK AnswerFieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    bool& decimalKeyDown = *reinterpret_cast<bool*>(data);
    if (message == WM_KEYDOWN) {
        decimalKeyDown = wParam == VK_DECIMAL;
    } else if (message == WM_CHAR && decimalKeyDown) {
        decimalKeyDown = false;
        wParam = static_cast<WPARAM>(KeypadDecimalPoint);
    } else if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(field, AnswerFieldProc, 0);
    }
    return DefSubclassProc(field, message, wParam, lParam);
}

HFONT ScaledFont(HWND dialog, int percent) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0)), sizeof font, &font);
    font.lfHeight = MulDiv(font.lfHeight, percent, 100);
    return CreateFontIndirectW(&font);
}

void SetFont(HWND dialog, int id, HFONT font) {
    SendDlgItemMessageW(dialog, id, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

void OnInitDialog(HWND dialog, BoxState& state) {
    state.LineFont = ScaledFont(dialog, InputBoxParts::LinesAbovePercent);
    state.HintFont = ScaledFont(dialog, InputBoxParts::HintPercent);
    for (int id = FirstLineId; GetDlgItem(dialog, id) != nullptr; ++id) {
        SetFont(dialog, id, state.LineFont);
    }
    SetFont(dialog, HintId, state.HintFont);

    KeepXKeyboardAtOwner(dialog);
    HWND field = GetDlgItem(dialog, FieldId);
    SetWindowSubclass(field, AnswerFieldProc, 0, reinterpret_cast<DWORD_PTR>(&state.DecimalKeyDown));
    SetWindowTextW(field, state.DefaultText->c_str());
    // A screen reader says the prompt, the static just before the field, as its name, and this with it.
    SetAccessibleDescription(field, state.Description);
    SetFocus(field);
    SendMessageW(field, EM_SETSEL, 0, -1);
}

std::wstring FieldText(HWND dialog) {
    return WindowText(GetDlgItem(dialog, FieldId));
}

INT_PTR CALLBACK InputBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = BoxStateOf<BoxState>(dialog, message, lParam);
    switch (message) {
    case WM_INITDIALOG:
        OnInitDialog(dialog, *state);
        return FALSE; // the focus is set already
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            state->Answer = FieldText(dialog);
            EndDialog(dialog, IDOK);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        return FALSE;
    case WM_DESTROY:
        DeleteObject(state->LineFont);
        DeleteObject(state->HintFont);
        return FALSE;
    default:
        return FALSE;
    }
}

DialogTemplate BoxTemplate(const std::wstring& prompt, const std::wstring& title, const InputBoxParts& parts) {
    using Class = DialogTemplate::ControlClass;
    constexpr short inner = kWidth - 2 * DialogMargin;
    std::vector<std::wstring> lines;
    for (const std::string& line : parts.LinesAbove) {
        lines.push_back(ToWide(line));
    }
    const std::wstring hint = ToWide(parts.Hint);
    DialogTemplate box(title, kWidth);
    short y = DialogMargin;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        box.AddControl(Class::Static, static_cast<WORD>(FirstLineId + i), SS_CENTER | SS_NOPREFIX, DialogMargin, y,
                       inner, kLineHeight, lines[i]);
        y += kLineHeight;
    }
    if (!lines.empty()) {
        y += kGap;
    }
    box.AddControl(Class::Static, PromptId, SS_LEFT | SS_NOPREFIX, DialogMargin, y, inner, kTextHeight, prompt);
    y += kTextHeight + 2;
    box.AddControl(Class::Edit, FieldId, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, DialogMargin, y, inner, kFieldHeight,
                   L"");
    y += kFieldHeight + kGap;
    if (!hint.empty()) {
        box.AddControl(Class::Static, HintId, SS_LEFT | SS_NOPREFIX, DialogMargin, y, inner, kTextHeight, hint);
        y += kTextHeight + kGap;
    }
    y += kGap;
    const short cancelX = kWidth - DialogMargin - DialogButtonWidth;
    box.AddControl(Class::Button, IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, cancelX - kGap - DialogButtonWidth, y,
                   DialogButtonWidth, DialogButtonHeight, ToWide(OkText));
    box.AddControl(Class::Button, IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, cancelX, y, DialogButtonWidth,
                   DialogButtonHeight, ToWide(CancelText));
    box.SetHeight(static_cast<short>(y + DialogButtonHeight + DialogMargin));
    return box;
}

} // namespace

std::wstring RunInputBox(HWND owner, const std::wstring& prompt, const std::wstring& title,
                         const std::wstring& defaultText, const InputBoxParts& parts) {
    const DialogTemplate box = BoxTemplate(prompt, title, parts);
    BoxState state{&defaultText, ToWide(parts.FieldDescription), {}};
    const INT_PTR result = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), box.Get(), owner, InputBoxProc,
                                                   reinterpret_cast<LPARAM>(&state));
    return result == IDOK ? state.Answer : std::wstring();
}

} // namespace testola
