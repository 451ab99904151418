#include "matrix_panel.h"

#include "display_text.h"

#include <QPainter>

namespace testola {

MatrixPanel::MatrixPanel(QWidget* parent) : QPushButton(parent) {
    setFocusPolicy(Qt::NoFocus);
}

void MatrixPanel::SetCaption(const QString& caption) {
    setText(caption);
    setAccessibleDescription(DisplayedText());
}

QString MatrixPanel::DisplayedText() const {
    return ToDisplayText(text());
}

void MatrixPanel::paintEvent(QPaintEvent*) {
    // Flat, in the face the buttons over it share, so that the text's contrast is the one its colours have.
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(rect(), Qt::AlignCenter, DisplayedText());
}

} // namespace testola
