#include "title_strip.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWindow>

namespace testola {

void TitleStrip::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        // Started later, at the drag distance, the window system's move would take the window from where the
        // pointer is then, and the window would lag behind by that first stretch.
        QWindow* handle = window()->windowHandle();
        if (handle != nullptr && handle->startSystemMove()) {
            m_drag = Drag::None;
        } else {
            m_drag = Drag::Pressed;
            m_pressedAt = event->globalPosition().toPoint();
            m_windowAtPress = window()->pos();
        }
    }
    QLabel::mousePressEvent(event);
}

void TitleStrip::mouseMoveEvent(QMouseEvent* event) {
    const QPoint moved = event->globalPosition().toPoint() - m_pressedAt;
    if (m_drag == Drag::Pressed && moved.manhattanLength() >= QApplication::startDragDistance()) {
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
