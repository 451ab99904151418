#include "key_handover.h"

#include <QAbstractEventDispatcher>
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
    m_boxClosing = false;
}

void KeyHandover::Closing() {
    m_boxClosing = true;
}

void KeyHandover::Closed() {
    m_box = nullptr;
    if (m_held.empty()) {
        return;
    }
    // The last first, so that the first held is the queue's first.
    for (auto key = m_held.rbegin(); key != m_held.rend(); ++key) {
        QWindowSystemInterfacePrivate::windowSystemEventQueue.prepend(key->release());
    }
    m_held.clear();
    QAbstractEventDispatcher::instance()->wakeUp();
}

bool KeyHandover::sendEvent(SystemEvent* event) {
    if (event->type == QWindowSystemInterfacePrivate::Key) {
        auto& key = *static_cast<KeyEvent*>(event);
        QWindow* boxWindow = m_box != nullptr ? m_box->windowHandle() : nullptr;
        if (boxWindow != nullptr && m_box->isVisible() && !m_boxClosing) {
            if (key.window != boxWindow) {
                Retarget(key, boxWindow);
            }
        } else if (m_box != nullptr && key.keyType != QEvent::ShortcutOverride) {
            m_held.push_back(std::make_unique<KeyEvent>(key));
            return true;
        } else if (key.window != nullptr && !key.window->isVisible() && key.window->transientParent() != nullptr) {
            Retarget(key, key.window->transientParent());
        }
    }
    return QWindowSystemEventHandler::sendEvent(event);
}

} // namespace testola
