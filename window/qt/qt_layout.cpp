#include "qt_layout.h"

namespace testola {

QRect ToPixels(const TwipsRect& twips) {
    return {TwipsToPixels(twips.Left), TwipsToPixels(twips.Top), TwipsToPixels(twips.Width),
            TwipsToPixels(twips.Height)};
}

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QColor ToColour(unsigned rgb) {
    return QColor(static_cast<QRgb>(rgb));
}

} // namespace testola
