#include "display_text.h"

#include "title_bar.h"

#include <QApplication>
#include <QFont>
#include <QFontMetrics>

namespace testola {

namespace {
constexpr double kTitleBarPoints = 11.0;
constexpr int kTitleBarPadding = 6;
} // namespace

QString ToDisplayText(std::string_view text) {
    QString display = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    display.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return display;
}

int TitleBarWidth(const QString& title) {
    QFont font = QApplication::font();
    font.setBold(true);
    if (font.pointSizeF() < kTitleBarPoints) {
        font.setPointSizeF(kTitleBarPoints);
    }
    const QFontMetrics metrics(font);
    // The frame's icon and buttons are each about as wide as the bar is high.
    const int barHeight = metrics.height() + 2 * kTitleBarPadding;
    return TitleBarWidth(metrics.horizontalAdvance(title), barHeight, barHeight, 0);
}

} // namespace testola
