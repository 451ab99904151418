#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

class QWidget;

namespace testola {

// Closes a box by hiding it, so that Qt keeps the box's native window. Qt destroys a closed window's native
// window, and its X11 plugin then drops, unseen, the keys the X server had already addressed to that window:
// those typed right after the key that closed the box. Kept, the hidden window still takes them, and the key
// handover passes them on to the window the box belongs to. A hidden dialog's event loop ends as a closed one's
// does, with the result its button set, or none (a rejection) when the window manager closed it. Needed with Qt
// 6.4's X11 plugin and, as far as is known, every later one; the keys after a box's closing in the X11 desktop
// check (scripts/x11-keys.sh) tell whether a Qt still needs it.
//
// On Wayland the box hides only once the compositor has shown the last frame it drew, and it draws no more
// meanwhile. Qt 6.4's Wayland plugin hands the compositor's "frame shown" to a thread of its own, and that thread
// and a hiding window each free the frame's callback unguarded: a box that hid just as its frame was shown took
// the program down (wl_proxy_unref's assertion). Qt's own answer to the frame, the window's update request,
// comes once that thread is done with it; a compositor that never answers is not waited for longer than
// kLastFrameWait.
// For Qt 6.4 (Debian 12 ships 6.4.2); qtwayland's guard for that callback (change 445585, late 2022) came after
// it, with 6.5. The wait can go once the oldest Qt the program is built with has that guard: there, with
// QtRuntime built to hide its boxes at once, the Wayland desktop checks (scripts/wayland-smoke.sh) open and close
// the boxes under a compositor without the assertion.
// Owned by the box it watches.
class HideOnClose : public QObject {
public:
    // `closing` is called as the box starts to close, before it hides.
    HideOnClose(QWidget* box, bool afterLastFrame, std::function<void()> closing);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BeginClosing();
    void Hide();

    QWidget* m_box;
    bool m_afterLastFrame;
    std::function<void()> m_closing;
    bool m_isClosing = false;
    QTimer m_lastFrameWait;
};

} // namespace testola
