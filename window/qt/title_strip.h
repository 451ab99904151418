#pragma once

#include <QLabel>
#include <QPoint>

namespace testola {

// The window's own title strip. A press and drag on it moves the window, the point pressed staying under the
// pointer: through the window system where it can (the only way on Wayland, and the way that snaps to screen
// edges), handed over at the press itself, or else by following the pointer once it has moved the drag distance.
// A click without movement does nothing.
class TitleStrip : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    enum class Drag { None, Pressed, FollowingPointer };

    Drag m_drag = Drag::None;
    QPoint m_pressedAt;
    QPoint m_windowAtPress;
};

} // namespace testola
