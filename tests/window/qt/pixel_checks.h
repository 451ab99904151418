#pragma once

#include "contrast.h"

#include <QColor>
#include <QHash>
#include <QImage>
#include <QPushButton>
#include <QRect>
#include <algorithm>

namespace testola::testing {

// What the window's pixels are judged by: the window's own contrast measure, tested on its own.
inline double ContrastRatio(const QColor& first, const QColor& second) {
    return testola::ContrastRatio({first.red(), first.green(), first.blue()},
                                  {second.red(), second.green(), second.blue()});
}

// How a text in a box of the image reads, as a person measures it on the screen: the box's commonest colour is
// what the text is drawn on, and the text is the pixel that stands out from it most.
inline double TextContrastIn(const QImage& image, const QRect& box) {
    QHash<QRgb, int> counts;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            ++counts[image.pixel(x, y)];
        }
    }
    QRgb background = 0;
    int most = 0;
    for (auto count = counts.cbegin(); count != counts.cend(); ++count) {
        if (count.value() > most) {
            most = count.value();
            background = count.key();
        }
    }
    double strongest = 1.0;
    for (auto count = counts.cbegin(); count != counts.cend(); ++count) {
        strongest = std::max(strongest, ContrastRatio(QColor(count.key()), QColor(background)));
    }
    return strongest;
}

struct MarkAndCaption {
    int markPixels = 0;
    int captionPixels = 0;
    int shared = 0;
};

// Where a button's focus mark and its caption leave pixels: the mark where the button without its caption
// changes with the focus, the caption where it changes with the caption. `other` is a button to hand the focus to.
inline MarkAndCaption MarkAndCaptionPixels(QPushButton* button, QPushButton* other) {
    other->setFocus();
    const QImage plain = button->grab().toImage();
    const QString caption = button->text();
    button->setText(QString());
    const QImage blank = button->grab().toImage();
    button->setFocus();
    const QImage blankMarked = button->grab().toImage();
    button->setText(caption);

    MarkAndCaption pixels;
    for (int y = 0; y < plain.height(); ++y) {
        for (int x = 0; x < plain.width(); ++x) {
            const bool mark = blank.pixel(x, y) != blankMarked.pixel(x, y);
            const bool ink = plain.pixel(x, y) != blank.pixel(x, y);
            pixels.markPixels += mark ? 1 : 0;
            pixels.captionPixels += ink ? 1 : 0;
            pixels.shared += mark && ink ? 1 : 0;
        }
    }
    return pixels;
}

} // namespace testola::testing
