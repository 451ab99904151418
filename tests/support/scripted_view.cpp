#include "scripted_view.h"

#include "form1_layout.h"

#include <stdexcept>
#include <utility>

namespace testola::testing {

ScriptedView::ScriptedView() : m_focus(DefaultButton) {
    for (const ControlLayout& layout : Form1Controls) {
        if (layout.Kind == ControlKind::PushButton || layout.Kind == ControlKind::Panel) {
            m_controls[std::string(layout.Name)] = {std::string(layout.Caption), std::string(layout.Tooltip),
                                                    layout.Enabled, ""};
        }
    }
}

void ScriptedView::SetEnabled(std::string_view button, bool enabled) {
    At(button).Enabled = enabled;
    if (enabled || m_focus != button) {
        return;
    }
    // As a toolkit does: the next enabled button after it in the tab order, round to the start, takes the focus.
    const std::string_view next =
        NextInTabOrder(TabOrder(), button, true, [this](std::string_view name) { return At(name).Enabled; });
    if (next.empty()) {
        m_focus.clear();
    } else {
        SetFocus(next);
    }
}

void ScriptedView::SetFocus(std::string_view button) {
    if (m_focus != button) {
        m_focus = std::string(button);
        m_focusLog.push_back(m_focus);
    }
}

std::vector<std::string> ScriptedView::TakeFocusLog() {
    return std::exchange(m_focusLog, {});
}

ScriptedView::Control& ScriptedView::At(std::string_view button) {
    return const_cast<Control&>(std::as_const(*this).At(button));
}

const ScriptedView::Control& ScriptedView::At(std::string_view button) const {
    const auto found = m_controls.find(button);
    if (found == m_controls.end()) {
        throw std::logic_error("no such button: " + std::string(button));
    }
    return found->second;
}

} // namespace testola::testing
