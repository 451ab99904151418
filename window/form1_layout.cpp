#include "form1_layout.h"

#include <algorithm>
#include <stdexcept>

namespace testola {

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
        if (control.TabIndex >= 0) {
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

} // namespace testola
