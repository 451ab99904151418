#pragma once

#include <QColor>
#include <QPushButton>

namespace testola {

// A push button drawn flat in the window's own colours: a face, a one-pixel edge that sets it apart from what
// surrounds it, and its caption. The keyboard focus is marked plainly, from the window's first frame on, by a
// ring just inside the edge, one logical pixel wide, that never touches the caption. Only the window's focus
// button shows it.
class FocusButton : public QPushButton {
public:
    using QPushButton::QPushButton;

    void SetEdgeColour(const QColor& edge);

protected:
    void paintEvent(QPaintEvent* event) override;
    // Enter is the window's key, acted on as it goes down, whatever the desktop's theme makes of it. GNOME's
    // makes it press a button as Space does, clicking only as it comes up, and a focus moved in between (Mutter
    // moves it while a box closes) would lose the click.
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    QColor m_edge;
};

} // namespace testola
