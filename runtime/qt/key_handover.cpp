#include "key_handover.h"

#include <QWidget>

namespace testola {

namespace {

using SystemEvent = QWindowSystemInterfacePrivate::WindowSystemEvent;
using KeyEvent = QWindowSystemInterfacePrivate::KeyEvent;

void Retarget(KeyEvent& key, QWindow* window) {
    key.window = window;
    key.flags &= ~SystemEvent::NullWindow;
}

} // namespace

KeyHandover::KeyHandover() {
    QWindowSystemInterfacePrivate::installWindowSystemEventHandler(this);
}

KeyHandover::~KeyHandover() {
    QWindowSystemInterfacePrivate::removeWindowSystemEventhandler(this);
}

void KeyHandover::Opening(QWidget* box) {
    m_box = box;
}

void KeyHandover::Closed() {
    m_box = nullptr;
    std::vector<HeldKey> held;
    held.swap(m_held);
    // Queued behind nothing: the box's own event loop took every key there was before it returned.
    for (const HeldKey& key : held) {
        QWindowSystemInterface::handleExtendedKeyEvent(key.Window, key.Timestamp, key.Type, key.Key, key.Modifiers,
                                                       key.NativeScanCode, key.NativeVirtualKey, key.NativeModifiers,
                                                       key.Text, key.Repeat, key.RepeatCount);
    }
}

bool KeyHandover::sendEvent(SystemEvent* event) {
    if (event->type == QWindowSystemInterfacePrivate::Key) {
        auto& key = *static_cast<KeyEvent*>(event);
        QWindow* boxWindow = m_box != nullptr ? m_box->windowHandle() : nullptr;
        if (boxWindow != nullptr && m_box->isVisible()) {
            if (key.window != boxWindow) {
                Retarget(key, boxWindow);
            }
        } else if (m_box != nullptr && key.keyType != QEvent::ShortcutOverride) {
            m_held.push_back(HeldKey{key.nullWindow() ? nullptr : key.window.data(), key.timestamp, key.keyType,
                                     key.key, key.modifiers, key.nativeScanCode, key.nativeVirtualKey,
                                     key.nativeModifiers, key.unicode, key.repeat, key.repeatCount});
            return true;
        } else if (key.window != nullptr && !key.window->isVisible() && key.window->transientParent() != nullptr) {
            Retarget(key, key.window->transientParent());
        }
    }
    return QWindowSystemEventHandler::sendEvent(event);
}

} // namespace testola
