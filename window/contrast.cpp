#include "contrast.h"

#include <algorithm>
#include <cmath>

namespace testola {

namespace {

// Text this far from the face leaves room between them for an edge at 3:1 from the face that is still 3:1 from
// the focus ring, which is drawn in the text's colour beside it.
constexpr double kButtonTextContrast = 9.0;
// How far the disabled looks lie from the face towards the text before they are made darker (or lighter).
constexpr double kPanelTextShare = 0.75;
constexpr double kDisabledTextShare = 0.5;
constexpr int kSteps = 64;
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};

// The first colour on the way from `from` to `to` that stands at `ratio` against `against`, or `to` itself.
Rgb Towards(Rgb from, Rgb to, Rgb against, double ratio) {
    for (int step = 0; step < kSteps; ++step) {
        const Rgb mixed = Mix(from, to, static_cast<double>(step) / kSteps);
        if (ContrastRatio(mixed, against) >= ratio) {
            return mixed;
        }
    }
    return to;
}

Rgb Apart(Rgb moved, Rgb fixed, double ratio) {
    return Towards(moved, Luminance(fixed) > Luminance(moved) ? kBlack : kWhite, fixed, ratio);
}

// Makes `moved` darker or lighter (away from `other`) until the two stand at `ratio`, as far as black or white;
// where that is not enough, `other` gives way too.
void SetApart(Rgb& moved, Rgb& other, double ratio) {
    moved = Apart(moved, other, ratio);
    if (ContrastRatio(moved, other) < ratio) {
        other = Apart(other, moved, ratio);
    }
}

} // namespace

double Luminance(Rgb colour) {
    const auto linear = [](int channel) {
        const double value = channel / 255.0;
        return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.Red) + 0.7152 * linear(colour.Green) + 0.0722 * linear(colour.Blue);
}

double ContrastRatio(Rgb first, Rgb second) {
    const double a = Luminance(first);
    const double b = Luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

Rgb Mix(Rgb from, Rgb to, double share) {
    const auto channel = [share](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * share)); };
    return {channel(from.Red, to.Red), channel(from.Green, to.Green), channel(from.Blue, to.Blue)};
}

Rgb MatrixTextColour(Rgb disabledText, Rgb face, Rgb text) {
    return Towards(disabledText, text, face, MatrixContrast);
}

Rgb DisabledCaptionColour(Rgb disabledText, Rgb face, Rgb text) {
    return Towards(disabledText, text, face, TextContrast);
}

WindowColours ReadableColours(Rgb window, Rgb strip, Rgb stripText, Rgb face, Rgb text) {
    WindowColours colours{window, strip, stripText, face, text, {}, {}, {}, {}};
    SetApart(colours.Text, colours.Face, kButtonTextContrast);
    colours.PanelText = MatrixTextColour(Mix(colours.Face, colours.Text, kPanelTextShare), colours.Face, colours.Text);
    colours.DisabledText =
        DisabledCaptionColour(Mix(colours.Face, colours.Text, kDisabledTextShare), colours.Face, colours.Text);
    // A light title keeps its strip, a dark strip keeps its title: the strip moves first.
    SetApart(colours.Strip, colours.StripText, TextContrast);
    colours.EdgeOnPanel = Towards(colours.Face, colours.Text, colours.Face, EdgeContrast);
    colours.EdgeOnStrip = Towards(colours.Face, colours.Text, colours.Strip, EdgeContrast);
    if (ContrastRatio(colours.EdgeOnStrip, colours.Strip) < EdgeContrast) {
        colours.EdgeOnStrip = Apart(colours.Face, colours.Strip, EdgeContrast);
    }
    return colours;
}

} // namespace testola
