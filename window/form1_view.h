#pragma once

#include <string>
#include <string_view>

namespace testola {

// What the window's behaviour needs of a front end, and no more: the state of its push buttons, found by their
// names ("Command1" to "Command6"), the panel's caption and what assistive technology says of a control. Texts
// are UTF-8 with CR LF line breaks. Only a front end touches controls; Form1 works through this.
class Form1View {
public:
    Form1View() = default;
    Form1View(const Form1View&) = delete;
    Form1View& operator=(const Form1View&) = delete;
    virtual ~Form1View() = default;

    virtual std::string Caption(std::string_view button) const = 0;
    virtual void SetCaption(std::string_view button, const std::string& text) = 0;
    virtual std::string Tooltip(std::string_view button) const = 0;
    virtual void SetTooltip(std::string_view button, const std::string& text) = 0;
    virtual bool IsEnabled(std::string_view button) const = 0;
    virtual void SetEnabled(std::string_view button, bool enabled) = 0;
    // Gives the button the keyboard focus, even while the window is not the active one.
    virtual void SetFocus(std::string_view button) = 0;
    // The matrix panel's caption, its CR LF breaks kept; screen readers are offered it as well.
    virtual void SetPanelCaption(const std::string& text) = 0;
    // What a screen reader says with the control's name; the empty text says nothing more.
    virtual void SetDescription(std::string_view button, const std::string& text) = 0;
};

} // namespace testola
