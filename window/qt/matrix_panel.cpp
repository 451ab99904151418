#include "matrix_panel.h"

#include "qt_layout.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace testola {

MatrixPanel::MatrixPanel(QWidget* parent) : QPushButton(parent) {
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(ToQString(PanelName));
    QPalette panelPalette = palette();
    const QColor text = ToColour(PanelTextColour);
    panelPalette.setColor(QPalette::Disabled, QPalette::ButtonText, text);
    panelPalette.setColor(QPalette::Disabled, QPalette::WindowText, text);
    setPalette(panelPalette);
}

void MatrixPanel::SetCaption(const QString& caption) {
    setText(caption);
    setAccessibleDescription(DisplayedText());
}

QString MatrixPanel::DisplayedText() const {
    QString shown = text();
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

void MatrixPanel::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButtonBevel, option);
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(rect(), Qt::AlignCenter, DisplayedText());
}

} // namespace testola
