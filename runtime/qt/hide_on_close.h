#pragma once

#include <QObject>

class QWidget;

namespace testola {

// Closes a box by hiding it, so that Qt keeps the box's native window. Qt destroys a closed window's native
// window, and its X11 plugin then drops, unseen, the keys the X server had already addressed to that window:
// those typed right after the key that closed the box. Kept, the hidden window still takes them, and the key
// handover passes them on to the window the box belongs to. A hidden dialog's event loop ends as a closed one's
// does, with the result its button set, or none (a rejection) when the window manager closed it.
// Owned by the box it watches.
class HideOnClose : public QObject {
public:
    explicit HideOnClose(QWidget* box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_box;
};

} // namespace testola
