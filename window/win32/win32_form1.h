#pragma once

#include "form1.h"
#include "form1_layout.h"
#include "form1_view.h"

#include <array>
#include <string>
#include <windows.h>

struct tagNMCUSTOMDRAWINFO; // commctrl.h's NMCUSTOMDRAW

namespace testola {

// The program's window on Win32: a borderless popup with real controls at their twips positions at the screen's
// density, in the layout table's stacking order. It is the view the behaviour works through, and it hands the
// behaviour every press, key and close request.
class Win32Form1 : public Form1View {
public:
    // Whether the desktop asks for high contrast; the system's answer unless a test gives its own.
    using HighContrastQuery = bool (*)();
    static bool SystemHighContrast();

    Win32Form1(HINSTANCE instance, Runtime& runtime, RandomSource& random,
               HighContrastQuery isHighContrast = SystemHighContrast);
    ~Win32Form1() override;

    HWND Window() const { return m_window; }
    // The control of the table's row; the panel, strip and icon included.
    HWND ControlWindow(std::string_view name) const;
    // The tooltip control, made now if the window has not drawn itself yet.
    HWND Tooltips();
    const Form1& Behaviour() const { return m_form; }

    // Takes the window's keys (Tab, Enter, Escape) out of a message before it is dispatched; true when it was one.
    bool HandleKey(const MSG& message);

    // Captions and enabled states are read from the controls themselves.
    std::string Caption(std::string_view button) const override;
    void SetCaption(std::string_view button, const std::string& text) override;
    bool IsEnabled(std::string_view button) const override;
    void SetEnabled(std::string_view button, bool enabled) override;
    // The tooltip control gives its texts back only into a buffer of a guessed size, so they are kept here too.
    std::string Tooltip(std::string_view button) const override;
    void SetTooltip(std::string_view button, const std::string& text) override;
    // The focus is remembered, for the window to give back when it is activated again.
    void SetFocus(std::string_view button) override;
    // Drawn by the window, line by line.
    void SetPanelCaption(const std::string& text) override;
    // Through oleacc's annotations, where the system keeps them.
    void SetDescription(std::string_view button, const std::string& text) override;

private:
    struct ControlEntry {
        const ControlLayout* Layout = nullptr;
        HWND Window = nullptr;
        std::wstring Tooltip;
    };

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void CreateControls();
    void AddTooltips();
    // Sends the tooltip control a button's tool (the button itself, on this window) with its text.
    void SendTool(UINT message, ControlEntry& control);
    void ApplyDensity(int dotsPerInch);
    void CentreOnScreen();
    void DrawItem(const DRAWITEMSTRUCT& item);
    // Asks the desktop again for high contrast, after a change of colours, theme or settings, and redraws.
    void FollowColours();
    // A disabled push button: its face, with the caption in the desktop's disabled text where that reads at
    // 4.5:1 (always under high contrast), otherwise in the shared rule's nearest colour that does.
    void DrawDisabledButton(const tagNMCUSTOMDRAWINFO& draw);
    // A push button's one-pixel edge and, when it has the focus, a ring just inside that keeps clear of the
    // caption, each at 3:1 by the shared rule; under high contrast the desktop's own are left alone. The layout is
    // the button's row.
    void DrawEdges(const tagNMCUSTOMDRAWINFO& draw, const ControlLayout& layout);
    void RestoreFocus();
    void ShowAsDefault(HWND focused);

    ControlEntry& At(std::string_view name);
    const ControlEntry& At(std::string_view name) const;
    // The push button that has the keyboard focus, or the empty name.
    std::string_view FocusedButton() const;

    HINSTANCE m_instance;
    Form1 m_form;
    HWND m_window = nullptr;
    HWND m_tooltips = nullptr;
    std::array<ControlEntry, Form1Controls.size()> m_controls;
    std::string m_panelCaption;
    int m_dotsPerInch = DesignDotsPerInch;
    HFONT m_windowFont = nullptr;
    HFONT m_smallBoldFont = nullptr;
    HFONT m_titleFont = nullptr;
    HICON m_icon = nullptr;
    HICON m_smallIcon = nullptr;
    // Where the focus goes back to when the window is activated again, after a dialog or from the taskbar.
    HWND m_focusTarget = nullptr;
    HighContrastQuery m_isHighContrast;
    // Under high contrast the window paints with the system's colours only, and its controls have no theme.
    bool m_highContrast = false;
};

// Delivers the window's messages, its keys first, until the program ends; returns the program's status.
int RunMessageLoop(Win32Form1& form);

} // namespace testola
