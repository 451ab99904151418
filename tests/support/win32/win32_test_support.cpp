#include "win32_test_support.h"

#include "accessible_text.h"
#include "wide_text.h"

#include <oleacc.h>

namespace testola::testing {

namespace {

constexpr UINT kTickMilliseconds = 20;
constexpr int kTicksBeforeFailure = 250;

std::function<void(HWND)> g_action;
int g_ticks = 0;

BOOL CALLBACK FindDialog(HWND window, LPARAM result) {
    wchar_t kind[16] = {};
    GetClassNameW(window, kind, 16);
    if (std::wstring(kind) == L"#32770" && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(result) = window;
        return FALSE;
    }
    return TRUE;
}

HWND OpenDialog() {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindDialog, reinterpret_cast<LPARAM>(&found));
    return found;
}

void CALLBACK OnTick(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = OpenDialog();
    if (dialog == nullptr && ++g_ticks < kTicksBeforeFailure) {
        return;
    }
    KillTimer(nullptr, timer);
    if (dialog == nullptr) {
        ADD_FAILURE() << "no dialog opened";
        return;
    }
    auto action = std::move(g_action);
    action(dialog);
}

std::string ReadAccessible(HWND control, HRESULT (STDMETHODCALLTYPE IAccessible::*read)(VARIANT, BSTR*)) {
    IAccessible* accessible = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                          reinterpret_cast<void**>(&accessible)))) {
        return "(no accessible object)";
    }
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR text = nullptr;
    std::string result;
    if (SUCCEEDED((accessible->*read)(self, &text)) && text != nullptr) {
        result = ToUtf8(text);
        SysFreeString(text);
    }
    accessible->Release();
    return result;
}

} // namespace

void WhenDialogOpens(std::function<void(HWND)> action) {
    g_action = std::move(action);
    g_ticks = 0;
    SetTimer(nullptr, 0, kTickMilliseconds, OnTick);
}

std::string TextOf(HWND window) {
    return ToUtf8(WindowText(window));
}

std::string AccessibleName(HWND control) {
    return ReadAccessible(control, &IAccessible::get_accName);
}

std::string AccessibleDescription(HWND control) {
    return ReadAccessible(control, &IAccessible::get_accDescription);
}

bool AccessibleAnnotationsWork() {
    HWND probe = CreateWindowExW(0, L"BUTTON", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    const bool kept = SetAccessibleName(probe, L"probe");
    DestroyWindow(probe);
    return kept;
}

void PumpMessages() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

} // namespace testola::testing
