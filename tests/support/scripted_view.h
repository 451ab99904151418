#pragma once

#include "form1_view.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace testola::testing {

// The window's controls as plain records, built from the layout table, with the one rule of a toolkit the
// behaviour relies on: a focused button that is disabled passes the focus on along the tab order. Every button
// that takes the focus is logged, so a stray focus shows.
class ScriptedView : public Form1View {
public:
    struct Control {
        std::string Caption;
        std::string Tooltip;
        bool Enabled = false;
        std::string Description;
    };

    ScriptedView();

    std::string Caption(std::string_view button) const override { return At(button).Caption; }
    void SetCaption(std::string_view button, const std::string& text) override { At(button).Caption = text; }
    std::string Tooltip(std::string_view button) const override { return At(button).Tooltip; }
    void SetTooltip(std::string_view button, const std::string& text) override { At(button).Tooltip = text; }
    bool IsEnabled(std::string_view button) const override { return At(button).Enabled; }
    void SetEnabled(std::string_view button, bool enabled) override;
    void SetFocus(std::string_view button) override;
    void SetPanelCaption(const std::string& text) override { PanelCaption = text; }
    void SetDescription(std::string_view button, const std::string& text) override { At(button).Description = text; }

    const std::string& Description(std::string_view button) const { return At(button).Description; }
    // The button with the keyboard focus, or the empty text when none has it.
    const std::string& Focus() const { return m_focus; }
    void ClearFocus() { m_focus.clear(); }
    // The buttons that took the focus since the last call, in order.
    std::vector<std::string> TakeFocusLog();

    std::string PanelCaption;

private:
    Control& At(std::string_view button);
    const Control& At(std::string_view button) const;

    std::map<std::string, Control, std::less<>> m_controls;
    std::string m_focus;
    std::vector<std::string> m_focusLog;
};

} // namespace testola::testing
