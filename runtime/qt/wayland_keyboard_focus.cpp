#include "wayland_keyboard_focus.h"

#include <QGuiApplication>
#include <algorithm>

namespace testola {

namespace {

QWindow* HiddenBox() {
    const QWindowList windows = QGuiApplication::allWindows();
    const auto found = std::find_if(windows.begin(), windows.end(), [](QWindow* window) {
        return window->transientParent() != nullptr && !window->isVisible();
    });
    return found != windows.end() ? *found : nullptr;
}

} // namespace

void WaylandKeyboardFocus::Enter(QWindow* window) {
    Follow(window, true);
}

// The keys for a surface already gone are lost, and whichever box's it was, the key handover gives them to the
// window the boxes belong to (or to the box shown meanwhile).
void WaylandKeyboardFocus::EnterGone() {
    Follow(HiddenBox(), false);
}

// A leave from a surface that does not have the keyboard changes nothing; after a leave from one that has it, a
// key is the compositor's mistake, not a box's closing, and none is sent on.
void WaylandKeyboardFocus::Leave(QWindow* window) {
    if (window != nullptr && m_qtHasFocus && window == m_focus) {
        Follow(nullptr, false);
    }
}

void WaylandKeyboardFocus::Reset() {
    Follow(nullptr, false);
}

QWindow* WaylandKeyboardFocus::LostKeysBox() const {
    if (m_qtHasFocus || m_focus == nullptr || m_focus->transientParent() == nullptr) {
        return nullptr;
    }
    return m_focus;
}

// Hiding the focused window ends its surface: Qt drops its keys from then on, even once it is shown again with a
// new surface, until the compositor enters that one.
void WaylandKeyboardFocus::Follow(QWindow* window, bool qtHasIt) {
    disconnect(m_focusHidden);
    m_focus = window;
    m_qtHasFocus = qtHasIt;
    if (window != nullptr && qtHasIt) {
        m_focusHidden = connect(window, &QWindow::visibleChanged, this, [this](bool visible) {
            if (!visible) {
                m_qtHasFocus = false;
                disconnect(m_focusHidden);
            }
        });
    }
}

} // namespace testola
