#pragma once

#include <QObject>
#include <QPointer>
#include <QWindow>

namespace testola {

// Which of the program's windows a Wayland compositor has given the keyboard, followed as Qt's Wayland keyboard
// follows it, and so which keys Qt drops: those for a box whose surface is gone. Apart from the Wayland
// connection (WaylandLostKeys), so that the rules can be tested with plain windows.
class WaylandKeyboardFocus : public QObject {
public:
    // The compositor gave the keyboard to this window's surface (nullptr: a live surface of no window's).
    void Enter(QWindow* window);
    // The compositor gave the keyboard to a surface the program has already destroyed, and only a box's can be:
    // the box hid before the compositor gave it the keyboard.
    void EnterGone();
    // The compositor took the keyboard from this window's surface (nullptr: one already destroyed).
    void Leave(QWindow* window);
    // The keyboard left with no enter, as when the seat loses its keyboard.
    void Reset();
    // The box's window that a key sent now is lost for, so that it is sent on for it; nullptr where Qt takes the
    // key itself, or where it is for no box (the window hides only as the program ends).
    QWindow* LostKeysBox() const;

private:
    void Follow(QWindow* window, bool qtHasIt);

    QPointer<QWindow> m_focus;
    bool m_qtHasFocus = false;
    QMetaObject::Connection m_focusHidden;
};

} // namespace testola
