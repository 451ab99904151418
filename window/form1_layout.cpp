#include "form1_layout.h"

#include <algorithm>
#include <stdexcept>

namespace testola {

bool LiesOnStrip(const ControlLayout& control) {
    const TwipsRect& strip = LayoutOf(Label1).Box;
    const TwipsRect& box = control.Box;
    return control.Name != Label1 && box.Left >= strip.Left && box.Top >= strip.Top &&
           box.Left + box.Width <= strip.Left + strip.Width && box.Top + box.Height <= strip.Top + strip.Height;
}

const ControlLayout& LayoutOf(std::string_view name) {
    const auto found = std::find_if(Form1Controls.begin(), Form1Controls.end(),
                                    [name](const ControlLayout& control) { return control.Name == name; });
    if (found == Form1Controls.end()) {
        throw std::logic_error("no layout for a control");
    }
    return *found;
}

std::vector<std::string_view> TabOrder() {
    std::vector<const ControlLayout*> byTabIndex;
    for (const ControlLayout& control : Form1Controls) {
        if (control.TabIndex >= 0 && control.Kind == ControlKind::PushButton) {
            byTabIndex.push_back(&control);
        }
    }
    std::sort(byTabIndex.begin(), byTabIndex.end(),
              [](const ControlLayout* left, const ControlLayout* right) { return left->TabIndex < right->TabIndex; });
    std::vector<std::string_view> names;
    for (const ControlLayout* control : byTabIndex) {
        names.push_back(control->Name);
    }
    return names;
}

std::string_view NextInTabOrder(const std::vector<std::string_view>& order, std::string_view current, bool forward,
                                const std::function<bool(std::string_view)>& canTakeFocus) {
    const auto count = static_cast<std::ptrdiff_t>(order.size());
    const auto found = std::find(order.begin(), order.end(), current);
    // From nowhere, Tab starts at the first control and Shift+Tab at the last.
    std::ptrdiff_t at = found == order.end() ? (forward ? -1 : count) : found - order.begin();
    for (std::ptrdiff_t tried = 0; tried < count; ++tried) {
        at = ((forward ? at + 1 : at - 1) % count + count) % count;
        if (canTakeFocus(order[static_cast<std::size_t>(at)])) {
            return order[static_cast<std::size_t>(at)];
        }
    }
    return {};
}

} // namespace testola
