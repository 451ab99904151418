#include "title_strip.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWindow>

namespace testola {

void TitleStrip::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_drag = Drag::Pressed;
        m_pressedAt = event->globalPosition().toPoint();
        m_windowAtPress = window()->pos();
    }
    QLabel::mousePressEvent(event);
}

void TitleStrip::mouseMoveEvent(QMouseEvent* event) {
    const QPoint moved = event->globalPosition().toPoint() - m_pressedAt;
    if (m_drag == Drag::Pressed && moved.manhattanLength() >= QApplication::startDragDistance()) {
        QWindow* handle = window()->windowHandle();
        if (handle != nullptr && handle->startSystemMove()) {
            // The window system has the pointer now and moves the window until the button is released.
            m_drag = Drag::None;
            return;
        }
        m_drag = Drag::FollowingPointer;
    }
    if (m_drag == Drag::FollowingPointer) {
        window()->move(m_windowAtPress + moved);
    }
    QLabel::mouseMoveEvent(event);
}

void TitleStrip::mouseReleaseEvent(QMouseEvent* event) {
    m_drag = Drag::None;
    QLabel::mouseReleaseEvent(event);
}

} // namespace testola
