#pragma once

#include <QPushButton>

namespace testola {

// A push button that marks the keyboard focus plainly: a dotted rectangle inside it in the button's text colour,
// from the window's first frame on. The style's own mark is faint on small buttons and appears only after Tab.
class FocusButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace testola
