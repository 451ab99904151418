#include "hide_on_close.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>
#include <chrono>

namespace testola {

namespace {

// Some six frames at 60 a second: a compositor that has not answered by then shows the box no more.
constexpr std::chrono::milliseconds kLastFrameWait{100};

} // namespace

HideOnClose::HideOnClose(QWidget* box, bool afterLastFrame, std::function<void()> closing)
    : QObject(box), m_box(box), m_afterLastFrame(afterLastFrame), m_closing(std::move(closing)) {
    m_lastFrameWait.setSingleShot(true);
    m_lastFrameWait.setInterval(kLastFrameWait);
    connect(&m_lastFrameWait, &QTimer::timeout, this, &HideOnClose::Hide);
    box->installEventFilter(this);
}

bool HideOnClose::eventFilter(QObject* watched, QEvent* event) {
    // The native window exists from the box's first showing on; installing again only moves the filter first.
    if (watched == m_box && event->type() == QEvent::Show && m_box->windowHandle() != nullptr) {
        m_box->windowHandle()->installEventFilter(this);
    } else if (watched != m_box && event->type() == QEvent::Close) {
        BeginClosing();
        return true;
    } else if (watched != m_box && event->type() == QEvent::UpdateRequest && m_isClosing) {
        Hide();
        return true;
    }
    return false;
}

void HideOnClose::BeginClosing() {
    if (m_isClosing) {
        return;
    }
    m_isClosing = true;
    m_closing();
    if (!m_afterLastFrame) {
        Hide();
        return;
    }
    // Drawn no more, the frame to wait for is the last one drawn, or none.
    m_box->setUpdatesEnabled(false);
    m_box->windowHandle()->requestUpdate();
    m_lastFrameWait.start();
}

void HideOnClose::Hide() {
    if (!m_isClosing) {
        return;
    }
    m_isClosing = false;
    m_lastFrameWait.stop();
    m_box->hide();
    m_box->setUpdatesEnabled(true);
}

} // namespace testola
