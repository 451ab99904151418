#include "hide_on_close.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace testola {

HideOnClose::HideOnClose(QWidget* box) : QObject(box), m_box(box) {
    box->installEventFilter(this);
}

bool HideOnClose::eventFilter(QObject* watched, QEvent* event) {
    // The native window exists from the box's first showing on; installing again only moves the filter first.
    if (watched == m_box && event->type() == QEvent::Show && m_box->windowHandle() != nullptr) {
        m_box->windowHandle()->installEventFilter(this);
    } else if (watched != m_box && event->type() == QEvent::Close) {
        m_box->hide();
        return true;
    }
    return false;
}

} // namespace testola
