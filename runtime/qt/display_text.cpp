#include "display_text.h"

#include <QApplication>
#include <QFont>
#include <QFontMetrics>

namespace testola {

namespace {
constexpr double kTitleBarPoints = 11.0;
// The frame's icon and its minimise, maximise and close buttons, each about as wide as the bar is high.
constexpr int kFramePartsBesideTitle = 4;
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
    const int barHeight = metrics.height() + 2 * kTitleBarPadding;
    return metrics.horizontalAdvance(title) + kFramePartsBesideTitle * barHeight;
}

} // namespace testola
