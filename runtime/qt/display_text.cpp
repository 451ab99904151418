#include "display_text.h"

#include "line_breaks.h"
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
    return ToDisplayText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

QString ToDisplayText(QString text) {
    return text.replace(QLatin1String(LineBreak.data(), static_cast<qsizetype>(LineBreak.size())),
                        QStringLiteral("\n"));
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
