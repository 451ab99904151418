#include "form1_layout.h"

namespace testola {

QRect ToPixels(const TwipsRect& twips) {
    return {TwipsToPixels(twips.Left), TwipsToPixels(twips.Top), TwipsToPixels(twips.Width),
            TwipsToPixels(twips.Height)};
}

} // namespace testola
