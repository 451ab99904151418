#include "focus_button.h"

#include <QPen>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace testola {

namespace {
constexpr int kMarkInset = 3;
} // namespace

void FocusButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.state &= ~QStyle::State_HasFocus;
    painter.drawControl(QStyle::CE_PushButton, option);

    // The window's focus widget rather than hasFocus(), which stays false until the window is first activated.
    if (window()->focusWidget() != this || !isEnabled()) {
        return;
    }
    QPen dotted(palette().color(QPalette::ButtonText), 0);
    dotted.setDashPattern({1, 1});
    painter.setPen(dotted);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(kMarkInset, kMarkInset, -kMarkInset - 1, -kMarkInset - 1));
}

} // namespace testola
