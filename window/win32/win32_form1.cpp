#include "win32_form1.h"

#include "accessible_text.h"
#include "contrast.h"
#include "device_pixels.h"
#include "focus_ring.h"
#include "line_breaks.h"
#include "wide_text.h"
#include "window_resources.h"

#include <algorithm>
#include <commctrl.h>
#include <stdexcept>
#include <uxtheme.h>
#include <vssym32.h>
#include <windowsx.h>

namespace testola {

namespace {

constexpr wchar_t kClassName[] = L"TestolaForm1";
// Fires once, after the window's first drawing: timers come only when no paint is pending.
constexpr UINT_PTR kMakeTooltipsTimer = 1;

bool IsPushButton(const ControlLayout& layout) {
    return layout.Kind == ControlKind::PushButton;
}

// The row of the control with this id; none for another window's, such as the tooltips'.
const ControlLayout* LayoutWithId(UINT_PTR id) {
    const auto found = std::find_if(Form1Controls.begin(), Form1Controls.end(),
                                    [id](const ControlLayout& row) { return static_cast<UINT_PTR>(row.Id) == id; });
    return found != Form1Controls.end() ? &*found : nullptr;
}

int DotsPerInchOf(HWND window) {
    // Windows 10 knows each monitor's density; Windows 7 has one for the whole desktop.
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFunction>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (getDpiForWindow != nullptr) {
        return static_cast<int>(getDpiForWindow(window));
    }
    HDC screen = GetDC(nullptr);
    const int dotsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dotsPerInch;
}

HFONT MakeFont(LOGFONTW font, double points, bool bold, int dotsPerInch) {
    font.lfHeight = FontHeight(points, dotsPerInch);
    font.lfWidth = 0;
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    return CreateFontIndirectW(&font);
}

LOGFONTW DesignFont() {
    LOGFONTW font{};
    font.lfCharSet = DesignCharset;
    const std::wstring family = ToWide(DesignFontFamily);
    family.copy(font.lfFaceName, LF_FACESIZE - 1);
    return font;
}

LOGFONTW DefaultGuiFont() {
    LOGFONTW font{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    return font;
}

Rgb SystemColour(int index) {
    const COLORREF colour = GetSysColor(index);
    return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

COLORREF ToColorRef(Rgb colour) {
    return RGB(colour.Red, colour.Green, colour.Blue);
}

// A one-pixel frame along the inside of `box`.
void DrawFrame(HDC context, const RECT& box, Rgb colour) {
    HBRUSH brush = CreateSolidBrush(ToColorRef(colour));
    FrameRect(context, &box, brush);
    DeleteObject(brush);
}

HFONT FontOf(HWND control) {
    return reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
}

HICON LoadIconSized(HINSTANCE instance, int size) {
    return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(TESTOLA_ICON), IMAGE_ICON, size, size, 0));
}

} // namespace

bool Win32Form1::SystemHighContrast() {
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof contrast;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) != FALSE &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

Win32Form1::Win32Form1(HINSTANCE instance, Runtime& runtime, RandomSource& random, HighContrastQuery isHighContrast)
    : m_instance(instance), m_form(*this, runtime, random), m_isHighContrast(isHighContrast) {
    INITCOMMONCONTROLSEX common{sizeof common, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&common);
    m_icon = LoadIconSized(instance, GetSystemMetrics(SM_CXICON));
    m_smallIcon = LoadIconSized(instance, GetSystemMetrics(SM_CXSMICON));

    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_INACTIVECAPTION + 1);
    windowClass.lpszClassName = kClassName;
    windowClass.hIcon = m_icon;
    windowClass.hIconSm = m_smallIcon;
    RegisterClassExW(&windowClass); // a second window in one process finds the class registered already

    // No frame and no title bar; the system menu and the minimise box let the taskbar minimise and restore it.
    CreateWindowExW(WS_EX_APPWINDOW, kClassName, ToWide(Form1Title).c_str(),
                    WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0, 0, 0, nullptr, nullptr, instance,
                    this);
    if (m_window == nullptr) {
        throw std::runtime_error("the window cannot be created");
    }
    CreateControls();
    FollowColours();
    // Making the tooltip control takes about a quarter of building the window under Wine, and nothing can point
    // at a button before the window shows; so it is made once the window has drawn itself.
    SetTimer(m_window, kMakeTooltipsTimer, USER_TIMER_MINIMUM, nullptr);
    ApplyDensity(DotsPerInchOf(m_window));
    CentreOnScreen();
    // The focused button shows its dotted frame from the start, not only once a key has been pressed.
    SendMessageW(m_window, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    m_focusTarget = At(DefaultButton).Window;
}

Win32Form1::~Win32Form1() {
    if (IsWindow(m_window)) {
        DestroyWindow(m_window);
    }
    for (HFONT font : {m_windowFont, m_smallBoldFont, m_titleFont}) {
        DeleteObject(font);
    }
    DestroyIcon(m_icon);
    DestroyIcon(m_smallIcon);
}

void Win32Form1::CreateControls() {
    constexpr DWORD common = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    for (std::size_t index = 0; index < Form1Controls.size(); ++index) {
        const ControlLayout& layout = Form1Controls[index];
        const wchar_t* kind = L"BUTTON";
        DWORD style = common;
        switch (layout.Kind) {
        case ControlKind::Strip:
            kind = L"STATIC";
            style |= SS_LEFT | SS_CENTERIMAGE | SS_NOPREFIX;
            break;
        case ControlKind::Icon:
            kind = L"STATIC";
            style |= SS_OWNERDRAW;
            break;
        case ControlKind::Panel:
            // Drawn by the window, so that its lines are centred.
            style |= BS_OWNERDRAW;
            break;
        case ControlKind::PushButton:
            style |= (layout.Name == DefaultButton ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | BS_NOTIFY | WS_TABSTOP;
            break;
        }
        if (!layout.Enabled) {
            style |= WS_DISABLED;
        }
        HWND control = CreateWindowExW(0, kind, ToWide(layout.Caption).c_str(), style, 0, 0, 0, 0, m_window,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(layout.Id)), m_instance, nullptr);
        if (control == nullptr) {
            throw std::runtime_error("a control cannot be created");
        }
        m_controls[index] = {&layout, control, ToWide(layout.Tooltip)};
        if (!layout.AccessibleName.empty()) {
            SetAccessibleName(control, ToWide(layout.AccessibleName));
        }
    }
    // Stacked as the table lists them, topmost first.
    HWND above = HWND_TOP;
    for (const ControlEntry& control : m_controls) {
        SetWindowPos(control.Window, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        above = control.Window;
    }
    SetAccessibleDescription(m_window, ToWide(Form1Description));
}

HWND Win32Form1::Tooltips() {
    AddTooltips();
    return m_tooltips;
}

void Win32Form1::AddTooltips() {
    if (m_tooltips != nullptr) {
        return;
    }
    m_tooltips =
        CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_window, nullptr, m_instance, nullptr);
    for (ControlEntry& control : m_controls) {
        if (!IsPushButton(*control.Layout)) {
            continue;
        }
        SendTool(TTM_ADDTOOLW, control);
    }
}

void Win32Form1::SendTool(UINT message, ControlEntry& control) {
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = m_window;
    tool.uId = reinterpret_cast<UINT_PTR>(control.Window);
    tool.lpszText = control.Tooltip.data();
    SendMessageW(m_tooltips, message, 0, reinterpret_cast<LPARAM>(&tool));
}

void Win32Form1::ApplyDensity(int dotsPerInch) {
    m_dotsPerInch = dotsPerInch;
    const RECT client = ToDeviceRect(Form1Client, dotsPerInch);
    SetWindowPos(m_window, nullptr, 0, 0, client.right, client.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

    for (HFONT font : {m_windowFont, m_smallBoldFont, m_titleFont}) {
        DeleteObject(font);
    }
    m_windowFont = MakeFont(DefaultGuiFont(), WindowFontPoints, false, dotsPerInch);
    m_smallBoldFont = MakeFont(DesignFont(), SmallButtonFontPoints, true, dotsPerInch);
    m_titleFont = MakeFont(DesignFont(), TitleFontPoints, true, dotsPerInch);

    for (const ControlEntry& control : m_controls) {
        const RECT box = ToDeviceRect(control.Layout->Box, dotsPerInch);
        SetWindowPos(control.Window, nullptr, box.left, box.top, box.right - box.left, box.bottom - box.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        HFONT font = control.Layout->Font == ControlFont::SmallBold   ? m_smallBoldFont
                     : control.Layout->Font == ControlFont::TitleBold ? m_titleFont
                                                                      : m_windowFont;
        SendMessageW(control.Window, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
}

void Win32Form1::CentreOnScreen() {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(m_window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    RECT window{};
    GetWindowRect(m_window, &window);
    const RECT& screen = monitor.rcMonitor;
    const int left = screen.left + (screen.right - screen.left - (window.right - window.left)) / 2;
    const int top = screen.top + (screen.bottom - screen.top - (window.bottom - window.top)) / 2;
    SetWindowPos(m_window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK Win32Form1::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Win32Form1*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->m_window = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Win32Form1*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    }
    return self != nullptr ? self->HandleMessage(message, wParam, lParam)
                           : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT Win32Form1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND: {
        const ControlLayout* layout = LayoutWithId(LOWORD(wParam));
        if (layout == nullptr) {
            break;
        }
        if (HIWORD(wParam) == BN_CLICKED) {
            m_form.Press(layout->Name);
        } else if (HIWORD(wParam) == BN_SETFOCUS) {
            m_focusTarget = At(layout->Name).Window;
            ShowAsDefault(m_focusTarget);
        }
        return 0;
    }
    case WM_DRAWITEM:
        DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_NOTIFY: {
        const auto& draw = *reinterpret_cast<const NMCUSTOMDRAW*>(lParam);
        // The tooltips custom-draw too; only the push buttons are ours to draw.
        const ControlLayout* layout = LayoutWithId(draw.hdr.idFrom);
        if (draw.hdr.code != NM_CUSTOMDRAW || layout == nullptr || At(layout->Name).Window != draw.hdr.hwndFrom ||
            !IsPushButton(*layout)) {
            break;
        }
        if (draw.dwDrawStage == CDDS_PREPAINT && !IsWindowEnabled(draw.hdr.hwndFrom)) {
            DrawDisabledButton(draw);
            DrawEdges(draw, *layout);
            return CDRF_SKIPDEFAULT;
        }
        // Under high contrast the desktop's own edges and focus mark, in its colours.
        if (m_highContrast) {
            return CDRF_DODEFAULT;
        }
        if (draw.dwDrawStage == CDDS_PREPAINT) {
            return CDRF_NOTIFYPOSTPAINT;
        }
        if (draw.dwDrawStage == CDDS_POSTPAINT) {
            DrawEdges(draw, *layout);
        }
        return CDRF_DODEFAULT;
    }
    case WM_TIMER:
        if (wParam != kMakeTooltipsTimer) {
            break;
        }
        KillTimer(m_window, kMakeTooltipsTimer);
        AddTooltips();
        return 0;
    case WM_SYSCOLORCHANGE:
    case WM_THEMECHANGED:
    case WM_SETTINGCHANGE:
        FollowColours();
        break;
    case WM_CTLCOLORSTATIC:
        if (reinterpret_cast<HWND>(lParam) == At(Label1).Window) {
            auto* context = reinterpret_cast<HDC>(wParam);
            SetTextColor(context, GetSysColor(COLOR_CAPTIONTEXT));
            SetBkColor(context, GetSysColor(COLOR_ACTIVECAPTION));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_ACTIVECAPTION));
        }
        break;
    case WM_NCHITTEST: {
        // The strip and its icon (which lets the mouse through to the window) move the window, as a title bar.
        const LRESULT hit = DefWindowProcW(m_window, message, wParam, lParam);
        POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ScreenToClient(m_window, &point);
        const RECT strip = ToDeviceRect(LayoutOf(Label1).Box, m_dotsPerInch);
        return hit == HTCLIENT && PtInRect(&strip, point) ? HTCAPTION : hit;
    }
    case WM_ACTIVATE:
        // Back from a dialog or the taskbar, the focus goes to the button it was last given, not to the window.
        if (LOWORD(wParam) != WA_INACTIVE && HIWORD(wParam) == 0) {
            RestoreFocus();
        }
        return 0;
    case WM_SETFOCUS:
        RestoreFocus();
        return 0;
    case WM_DPICHANGED: {
        ApplyDensity(HIWORD(wParam));
        const auto* suggested = reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(m_window, nullptr, suggested->left, suggested->top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    case WM_CLOSE:
        m_form.RequestClose();
        return 0;
    default:
        break;
    }
    return DefWindowProcW(m_window, message, wParam, lParam);
}

void Win32Form1::DrawItem(const DRAWITEMSTRUCT& item) {
    const RECT& box = item.rcItem;
    if (item.hwndItem == At(Image1).Window) {
        FillRect(item.hDC, &box, GetSysColorBrush(COLOR_ACTIVECAPTION));
        DrawIconEx(item.hDC, box.left, box.top, m_icon, box.right - box.left, box.bottom - box.top, 0, nullptr,
                   DI_NORMAL);
        return;
    }
    // The panel: a button face with its caption's lines each centred across, the block centred down.
    RECT face = box;
    DrawFrameControl(item.hDC, &face, DFC_BUTTON, DFCS_BUTTONPUSH);
    const std::vector<std::string_view> lines = SplitLines(m_panelCaption);
    HGDIOBJ previousFont = SelectObject(item.hDC, m_windowFont);
    TEXTMETRICW metrics{};
    GetTextMetricsW(item.hDC, &metrics);
    SetBkMode(item.hDC, TRANSPARENT);
    // Under high contrast the desktop's own text colour, which its scheme keeps readable on the face.
    const Rgb text = m_highContrast ? SystemColour(COLOR_BTNTEXT)
                                    : MatrixTextColour(SystemColour(COLOR_GRAYTEXT), SystemColour(COLOR_BTNFACE),
                                                       SystemColour(COLOR_BTNTEXT));
    SetTextColor(item.hDC, ToColorRef(text));
    const int lineHeight = metrics.tmHeight;
    int top = box.top + (box.bottom - box.top - static_cast<int>(lines.size()) * lineHeight) / 2;
    for (const std::string_view line : lines) {
        RECT band{box.left, top, box.right, top + lineHeight};
        const std::wstring wide = ToWide(line);
        DrawTextW(item.hDC, wide.c_str(), static_cast<int>(wide.size()), &band,
                  DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
        top += lineHeight;
    }
    SelectObject(item.hDC, previousFont);
}

void Win32Form1::FollowColours() {
    m_highContrast = m_isHighContrast();
    // A theme draws with colours of its own; the empty theme names give the classic look in system colours.
    const wchar_t* theme = m_highContrast ? L"" : nullptr;
    for (const ControlEntry& control : m_controls) {
        SetWindowTheme(control.Window, theme, theme);
    }
    // The controls too: the window clips its children, so its own invalidation would leave them as they were.
    RedrawWindow(m_window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Win32Form1::DrawDisabledButton(const NMCUSTOMDRAW& draw) {
    RECT face = draw.rc;
    HTHEME theme = m_highContrast ? nullptr : GetWindowTheme(draw.hdr.hwndFrom);
    if (theme != nullptr) {
        DrawThemeBackground(theme, draw.hdc, BP_PUSHBUTTON, PBS_DISABLED, &face, nullptr);
    } else {
        DrawFrameControl(draw.hdc, &face, DFC_BUTTON, DFCS_BUTTONPUSH);
    }
    // The desktop's disabled text, moved towards its normal text where it reads at less than 4.5:1; under high
    // contrast the desktop's own, whatever it is.
    const Rgb grey = SystemColour(COLOR_GRAYTEXT);
    const Rgb caption =
        m_highContrast ? grey : DisabledCaptionColour(grey, SystemColour(COLOR_BTNFACE), SystemColour(COLOR_BTNTEXT));
    const std::wstring text = WindowText(draw.hdr.hwndFrom);
    HGDIOBJ previousFont = SelectObject(draw.hdc, FontOf(draw.hdr.hwndFrom));
    SetBkMode(draw.hdc, TRANSPARENT);
    SetTextColor(draw.hdc, ToColorRef(caption));
    RECT band = draw.rc;
    DrawTextW(draw.hdc, text.c_str(), static_cast<int>(text.size()), &band,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(draw.hdc, previousFont);
}

void Win32Form1::DrawEdges(const NMCUSTOMDRAW& draw, const ControlLayout& layout) {
    if (m_highContrast) {
        return;
    }
    const WindowColours colours =
        ReadableColours(SystemColour(COLOR_INACTIVECAPTION), SystemColour(COLOR_ACTIVECAPTION),
                        SystemColour(COLOR_CAPTIONTEXT), SystemColour(COLOR_BTNFACE), SystemColour(COLOR_BTNTEXT));
    const bool onStrip = LiesOnStrip(layout);
    DrawFrame(draw.hdc, draw.rc, onStrip ? colours.EdgeOnStrip : colours.EdgeOnPanel);
    // The focus ring just inside the edge, in the caption's colour, clear of the caption itself.
    if (GetFocus() == draw.hdr.hwndFrom && IsWindowEnabled(draw.hdr.hwndFrom)) {
        const RECT ink = CaptionInk(draw.hdc, FontOf(draw.hdr.hwndFrom), WindowText(draw.hdr.hwndFrom), draw.rc);
        DrawFrame(draw.hdc, FocusRing(draw.rc, ink), colours.Text);
    }
}

void Win32Form1::RestoreFocus() {
    HWND target = m_focusTarget;
    if (target == nullptr || !IsWindowEnabled(target)) {
        const std::string_view first =
            NextInTabOrder(TabOrder(), {}, true, [this](std::string_view name) { return IsEnabled(name); });
        target = first.empty() ? nullptr : At(first).Window;
    }
    if (target != nullptr) {
        ::SetFocus(target);
    }
}

void Win32Form1::ShowAsDefault(HWND focused) {
    // Enter presses the focused button, so that one wears the default button's heavier frame.
    for (const ControlEntry& control : m_controls) {
        if (IsPushButton(*control.Layout)) {
            const bool isDefault = control.Window == focused;
            SendMessageW(control.Window, BM_SETSTYLE, (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | BS_NOTIFY, TRUE);
        }
    }
}

bool Win32Form1::HandleKey(const MSG& message) {
    if (message.message != WM_KEYDOWN || (message.hwnd != m_window && !IsChild(m_window, message.hwnd))) {
        return false;
    }
    switch (message.wParam) {
    case VK_RETURN:
        m_form.PressKey(Form1Key::Enter, FocusedButton());
        return true;
    case VK_ESCAPE:
        m_form.PressKey(Form1Key::Escape, FocusedButton());
        return true;
    case VK_TAB: {
        // Along the table's tab order, which is not its stacking order.
        const bool forward = GetKeyState(VK_SHIFT) >= 0;
        const std::string_view next = NextInTabOrder(TabOrder(), FocusedButton(), forward,
                                                     [this](std::string_view name) { return IsEnabled(name); });
        if (!next.empty()) {
            SetFocus(next);
        }
        return true;
    }
    default:
        return false;
    }
}

Win32Form1::ControlEntry& Win32Form1::At(std::string_view name) {
    for (ControlEntry& control : m_controls) {
        if (control.Layout->Name == name) {
            return control;
        }
    }
    throw std::logic_error("no such control");
}

const Win32Form1::ControlEntry& Win32Form1::At(std::string_view name) const {
    return const_cast<Win32Form1*>(this)->At(name);
}

HWND Win32Form1::ControlWindow(std::string_view name) const {
    return At(name).Window;
}

std::string_view Win32Form1::FocusedButton() const {
    HWND focused = GetFocus();
    for (const auto& control : m_controls) {
        if (control.Window == focused && IsPushButton(*control.Layout)) {
            return control.Layout->Name;
        }
    }
    return {};
}

std::string Win32Form1::Caption(std::string_view button) const {
    return ToUtf8(WindowText(At(button).Window));
}

void Win32Form1::SetCaption(std::string_view button, const std::string& text) {
    SetWindowTextW(At(button).Window, ToWide(text).c_str());
}

std::string Win32Form1::Tooltip(std::string_view button) const {
    return ToUtf8(At(button).Tooltip);
}

void Win32Form1::SetTooltip(std::string_view button, const std::string& text) {
    auto& control = At(button);
    control.Tooltip = ToWide(text);
    if (m_tooltips == nullptr) {
        return; // made later with the text kept here
    }
    SendTool(TTM_UPDATETIPTEXTW, control);
}

bool Win32Form1::IsEnabled(std::string_view button) const {
    return IsWindowEnabled(At(button).Window) != FALSE;
}

void Win32Form1::SetEnabled(std::string_view button, bool enabled) {
    EnableWindow(At(button).Window, enabled ? TRUE : FALSE);
}

void Win32Form1::SetFocus(std::string_view button) {
    m_focusTarget = At(button).Window;
    ::SetFocus(m_focusTarget);
}

void Win32Form1::SetPanelCaption(const std::string& text) {
    m_panelCaption = text;
    // Kept as the control's text too, where assistive technology reads it.
    SetWindowTextW(At(Command3).Window, ToWide(text).c_str());
    InvalidateRect(At(Command3).Window, nullptr, TRUE);
}

void Win32Form1::SetDescription(std::string_view button, const std::string& text) {
    SetAccessibleDescription(At(button).Window, ToWide(text));
}

int RunMessageLoop(Win32Form1& form) {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!form.HandleKey(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    // The status that EndProgram or the error report posted with the end.
    return static_cast<int>(message.wParam);
}

} // namespace testola
