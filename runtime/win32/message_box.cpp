#include "message_box.h"

#include "dialog_template.h"
#include "dialog_texts.h"
#include "title_bar.h"
#include "wide_text.h"

#include <algorithm>
#include <climits>

namespace testola {

namespace {

struct BoxState {
    MessageStyle Style;
    HFONT Font = nullptr;
};

// A box's pixels for a size in dialog units.
SIZE DialogPixels(HWND dialog, int width, int height) {
    RECT box{0, 0, width, height};
    MapDialogRect(dialog, &box);
    return {box.right, box.bottom};
}

NONCLIENTMETRICSW DesktopMetrics() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    return metrics;
}

// A window's text as it is drawn in the font, wrapped at no more than the given width, as a static draws it.
SIZE TextSize(HWND window, HFONT font, int widest) {
    const std::wstring content = WindowText(window);
    HDC context = GetDC(window);
    HGDIOBJ previous = SelectObject(context, font);
    RECT box{0, 0, widest, 0};
    DrawTextW(context, content.c_str(), static_cast<int>(content.size()), &box,
              DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);
    SelectObject(context, previous);
    ReleaseDC(window, context);
    return {box.right, box.bottom};
}

// TitleBarWidth in the desktop's caption font, beside the small icon and the caption buttons.
int TitleWidth(HWND dialog, const SIZE& margin) {
    const NONCLIENTMETRICSW metrics = DesktopMetrics();
    HFONT font = CreateFontIndirectW(&metrics.lfCaptionFont);
    const int title = TextSize(dialog, font, SHRT_MAX).cx;
    DeleteObject(font);
    return TitleBarWidth(title, GetSystemMetrics(SM_CXSMICON), metrics.iCaptionWidth, margin.cx);
}

void Place(HWND control, int x, int y, SIZE size) {
    SetWindowPos(control, nullptr, x, y, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

// The parts laid out in pixels once the box knows its fonts: the icon at the top left, the text beside it and
// centred on it when shorter, the button centred below both; the box fits them and its whole title, and sits in
// the middle of the owner's screen.
void LayOut(HWND dialog, const BoxState& state) {
    const SIZE margin = DialogPixels(dialog, DialogMargin, DialogMargin);
    HWND icon = GetDlgItem(dialog, MessageIconId);
    const SIZE iconSize = icon != nullptr ? SIZE{GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)} : SIZE{};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(GetWindow(dialog, GW_OWNER), MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& work = monitor.rcWork;

    const int textLeft = margin.cx + (icon != nullptr ? iconSize.cx + margin.cx : 0);
    HWND text = GetDlgItem(dialog, MessageTextId);
    const SIZE textSize = TextSize(text, state.Font, (work.right - work.left) / 2);
    const int contentHeight = std::max(iconSize.cy, textSize.cy);
    Place(text, textLeft, margin.cy + (contentHeight - textSize.cy) / 2, textSize);
    if (icon != nullptr) {
        Place(icon, margin.cx, margin.cy + (contentHeight - iconSize.cy) / 2, iconSize);
    }

    const SIZE button = DialogPixels(dialog, DialogButtonWidth, DialogButtonHeight);
    const int contentWidth = std::max(textLeft + textSize.cx, button.cx + margin.cx) + margin.cx;
    RECT client{0, 0, std::max(contentWidth, TitleWidth(dialog, margin)), 0};
    const int buttonTop = margin.cy + contentHeight + margin.cy;
    client.bottom = buttonTop + button.cy + margin.cy;
    Place(GetDlgItem(dialog, IDOK), (client.right - button.cx) / 2, buttonTop, button);

    AdjustWindowRectEx(&client, static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_EXSTYLE)));
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    SetWindowPos(dialog, nullptr, work.left + (work.right - work.left - width) / 2,
                 work.top + (work.bottom - work.top - height) / 2, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void OnInitDialog(HWND dialog, BoxState& state) {
    const NONCLIENTMETRICSW metrics = DesktopMetrics();
    state.Font = CreateFontIndirectW(&metrics.lfMessageFont);
    for (const int id : {int{MessageTextId}, int{IDOK}}) {
        SendDlgItemMessageW(dialog, id, WM_SETFONT, reinterpret_cast<WPARAM>(state.Font), FALSE);
    }
    if (state.Style == MessageStyle::Stop) {
        SendDlgItemMessageW(dialog, MessageIconId, STM_SETICON,
                            reinterpret_cast<WPARAM>(LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_HAND))), 0);
    }
    LayOut(dialog, state);
    KeepXKeyboardAtOwner(dialog);
    // The sound the desktop gives a message of this kind.
    MessageBeep(state.Style == MessageStyle::Stop ? MB_ICONHAND : MB_OK);
}

INT_PTR CALLBACK MessageBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = BoxStateOf<BoxState>(dialog, message, lParam);
    switch (message) {
    case WM_INITDIALOG:
        OnInitDialog(dialog, *state);
        return TRUE; // the focus goes to the OK button
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, IDOK);
            return TRUE;
        }
        return FALSE;
    case WM_DESTROY:
        DeleteObject(state->Font);
        return FALSE;
    default:
        return FALSE;
    }
}

// The parts at a size of one unit each; they find their places once the box has its fonts.
DialogTemplate BoxTemplate(const std::wstring& text, const std::wstring& title, MessageStyle style) {
    using Class = DialogTemplate::ControlClass;
    DialogTemplate box(title, 1);
    if (style == MessageStyle::Stop) {
        box.AddControl(Class::Static, MessageIconId, SS_ICON, 0, 0, 1, 1, L"");
    }
    box.AddControl(Class::Static, MessageTextId, SS_LEFT | SS_NOPREFIX, 0, 0, 1, 1, text);
    box.AddControl(Class::Button, IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 0, 1, 1, ToWide(OkText));
    box.SetHeight(1);
    return box;
}

} // namespace

void RunMessageBox(HWND owner, const std::wstring& text, MessageStyle style, const std::wstring& title) {
    const DialogTemplate box = BoxTemplate(text, title, style);
    BoxState state{style};
    DialogBoxIndirectParamW(GetModuleHandleW(nullptr), box.Get(), owner, MessageBoxProc,
                            reinterpret_cast<LPARAM>(&state));
}

} // namespace testola
