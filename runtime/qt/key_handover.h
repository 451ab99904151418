#pragma once

#include <memory>

class QWidget;

namespace testola {

// Keeps every key that arrives while a modal box opens or closes. The window system goes on sending keys to the
// window that had the keyboard until it hands the keyboard over, and Qt drops the keys of a window a modal box
// blocks; here they are handed to the box instead. Keys that arrive after the box has closed but before the
// handler that opened it has finished are held, and sent on to the window once it has: so a key typed ahead
// meets the buttons as the handler leaves them. They go back to the front of Qt's queue, where they were taken
// from: the keys queued meanwhile (on Wayland, the lost keys of the box's surface) were typed after them, and a
// release handled before its press would leave a button drawn pressed and never clicked. Keys for a hidden box
// go to the window it belongs to.
// Installed for the whole application while it exists; Qt takes one such handler at a time. Qt's queue of
// window-system events is private API, kept to key_handover.cpp.
class KeyHandover {
public:
    KeyHandover();
    KeyHandover(const KeyHandover&) = delete;
    KeyHandover& operator=(const KeyHandover&) = delete;
    ~KeyHandover();

    // From just before the box is shown until the call that showed it returns.
    void Opening(QWidget* box);
    // The box starts to close: keys are held from now on, as for a hidden box, even while it is still shown.
    void Closing();
    // The call that showed the box returns: the keys held since it closed go on to the window, ahead of any
    // queued since.
    void Closed();

private:
    class Handler;
    std::unique_ptr<Handler> m_handler;
};

} // namespace testola
