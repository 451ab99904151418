#pragma once

#include <string_view>
#include <vector>
#include <windows.h>

namespace testola {

// In dialog units, as the system's dialogs space their parts: the margin around them and a push button's size.
inline constexpr short DialogMargin = 7;
inline constexpr short DialogButtonWidth = 50;
inline constexpr short DialogButtonHeight = 14;

// Lays out a dialog template in memory, as a resource compiler would, for DialogBoxIndirectParamW. Positions and
// sizes are in dialog units, so the box scales with its font and the screen. The box is in the system dialogs'
// font, "MS Shell Dlg" at 8 points.
class DialogTemplate {
public:
    DialogTemplate(std::wstring_view title, short width);

    // The system's own control classes, by their predefined atoms.
    enum class ControlClass : WORD { Button = 0x0080, Edit = 0x0081, Static = 0x0082 };

    void AddControl(ControlClass kind, WORD id, DWORD style, short x, short y, short width, short height,
                    std::wstring_view text);

    // Set once the controls are laid out, so the box ends below the last of them.
    void SetHeight(short height);

    const DLGTEMPLATE* Get() const;

private:
    void AddWord(WORD word);
    void AddText(std::wstring_view text);
    void AlignToDword();
    template <class Record> void AddRecord(const Record& record);
    DLGTEMPLATE& Header();

    std::vector<WORD> m_words;
};

// The state a box's procedure was given through DialogBoxIndirectParamW, kept with the box from WM_INITDIALOG on;
// null for the few messages before it.
template <class State> State* BoxStateOf(HWND box, UINT message, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(box, DWLP_USER, lParam);
    }
    return reinterpret_cast<State*>(GetWindowLongPtrW(box, DWLP_USER));
}

// Under Wine the window manager hands the X keyboard to a box and, when the box goes, back to the program's window
// through a window of its own, and keys typed in that moment are lost. A box that never takes the X keyboard
// leaves every key at the program's window, and Wine still gives them to the box's control that has the focus.
// Called as the box opens; elsewhere the box is activated as usual.
void KeepXKeyboardAtOwner(HWND box);

} // namespace testola
