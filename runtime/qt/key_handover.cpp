#include "key_handover.h"

#include <QAbstractEventDispatcher>
#include <QPointer>
#include <QWidget>
#include <qpa/qwindowsysteminterface_p.h>
#include <vector>

namespace testola {

namespace {

using SystemEvent = QWindowSystemInterfacePrivate::WindowSystemEvent;
using KeyEvent = QWindowSystemInterfacePrivate::KeyEvent;

void Retarget(KeyEvent& key, QWindow* window) {
    key.window = window;
    key.flags &= ~SystemEvent::NullWindow;
}

} // namespace

class KeyHandover::Handler : public QWindowSystemEventHandler {
public:
    Handler() { QWindowSystemInterfacePrivate::installWindowSystemEventHandler(this); }
    Handler(const Handler&) = delete;
    Handler& operator=(const Handler&) = delete;
    ~Handler() override { QWindowSystemInterfacePrivate::removeWindowSystemEventhandler(this); }

    bool sendEvent(SystemEvent* event) override {
        if (event->type == QWindowSystemInterfacePrivate::Key) {
            auto& key = *static_cast<KeyEvent*>(event);
            QWindow* boxWindow = Box != nullptr ? Box->windowHandle() : nullptr;
            if (boxWindow != nullptr && Box->isVisible() && !BoxClosing) {
                if (key.window != boxWindow) {
                    Retarget(key, boxWindow);
                }
            } else if (Box != nullptr && key.keyType != QEvent::ShortcutOverride) {
                Held.push_back(std::make_unique<KeyEvent>(key));
                return true;
            } else if (key.window != nullptr && !key.window->isVisible() && key.window->transientParent() != nullptr) {
                Retarget(key, key.window->transientParent());
            }
        }
        return QWindowSystemEventHandler::sendEvent(event);
    }

    QPointer<QWidget> Box;
    bool BoxClosing = false;
    std::vector<std::unique_ptr<KeyEvent>> Held;
};

KeyHandover::KeyHandover() : m_handler(std::make_unique<Handler>()) {}

KeyHandover::~KeyHandover() = default;

void KeyHandover::Opening(QWidget* box) {
    m_handler->Box = box;
    m_handler->BoxClosing = false;
}

void KeyHandover::Closing() {
    m_handler->BoxClosing = true;
}

void KeyHandover::Closed() {
    m_handler->Box = nullptr;
    auto& held = m_handler->Held;
    if (held.empty()) {
        return;
    }
    // The last first, so that the first held is the queue's first.
    for (auto key = held.rbegin(); key != held.rend(); ++key) {
        QWindowSystemInterfacePrivate::windowSystemEventQueue.prepend(key->release());
    }
    held.clear();
    QAbstractEventDispatcher::instance()->wakeUp();
}

} // namespace testola
