#include "icon_image.h"

#include <QPainter>

namespace testola {

IconImage::IconImage(const QIcon& icon, QWidget* parent) : QWidget(parent), m_icon(icon) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void IconImage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    m_icon.paint(&painter, rect());
}

} // namespace testola
