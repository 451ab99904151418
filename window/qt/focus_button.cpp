#include "focus_button.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QPainter>
#include <QPen>
#include <cmath>

namespace testola {

namespace {

// The edge takes the outermost logical pixel and the focus ring the next one; the caption keeps at least half
// a pixel clear of the ring, which at twice the density is a whole device pixel.
constexpr double kLine = 1.0;
constexpr double kCaptionClearance = 2 * kLine + 0.5;

// A one-pixel frame `inset` pixels inside the widget's edge, in whole logical pixels at any density.
void DrawFrame(QPainter& painter, const QRect& bounds, double inset, const QColor& colour) {
    painter.setPen(QPen(colour, kLine));
    painter.setBrush(Qt::NoBrush);
    const double middle = inset + kLine / 2;
    painter.drawRect(QRectF(bounds).adjusted(middle, middle, -middle, -middle));
}

QColor Halfway(const QColor& from, const QColor& to) {
    return QColor::fromRgbF((from.redF() + to.redF()) / 2, (from.greenF() + to.greenF()) / 2,
                            (from.blueF() + to.blueF()) / 2);
}

bool IsEnter(const QKeyEvent* event) {
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

// How far to move the caption up or down, in whole pixels, so that no part of its glyphs reaches the focus
// ring: an underscore, for one, sits at the very bottom of the font's line.
int CaptionShift(const QFontMetricsF& metrics, const QString& caption, int height) {
    const QRectF ink = metrics.tightBoundingRect(caption);
    const double baseline = (height - metrics.height()) / 2 + metrics.ascent();
    const double below = baseline + ink.bottom() - (height - kCaptionClearance);
    if (below > 0) {
        return -static_cast<int>(std::ceil(below));
    }
    const double above = kCaptionClearance - (baseline + ink.top());
    return above > 0 ? static_cast<int>(std::ceil(above)) : 0;
}

} // namespace

void FocusButton::SetEdgeColour(const QColor& edge) {
    m_edge = edge;
    update();
}

void FocusButton::keyPressEvent(QKeyEvent* event) {
    if (IsEnter(event)) {
        event->ignore();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void FocusButton::keyReleaseEvent(QKeyEvent* event) {
    if (IsEnter(event)) {
        event->ignore();
        return;
    }
    QPushButton::keyReleaseEvent(event);
}

void FocusButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPalette& colours = palette();
    const QColor face = colours.color(QPalette::Button);
    const QColor edge = m_edge.isValid() ? m_edge : colours.color(QPalette::Dark);
    // Pressed, the face darkens (or lightens) halfway to the edge, which the caption still reads against.
    painter.fillRect(rect(), isDown() ? Halfway(face, edge) : face);
    DrawFrame(painter, rect(), 0, edge);

    painter.setPen(colours.color(QPalette::ButtonText));
    const int shift = CaptionShift(QFontMetricsF(font()), text(), height());
    painter.drawText(rect().translated(0, shift), Qt::AlignCenter | Qt::TextShowMnemonic, text());

    // The window's focus widget rather than hasFocus(), which stays false until the window is first activated.
    if (window()->focusWidget() == this && isEnabled()) {
        DrawFrame(painter, rect(), kLine, colours.color(QPalette::ButtonText));
    }
}

} // namespace testola
