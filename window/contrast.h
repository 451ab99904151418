#pragma once

namespace testola {

// A colour as the screen shows it: 8-bit sRGB channels.
struct Rgb {
    int Red;
    int Green;
    int Blue;

    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// How far every part of the window stands from what it is drawn on, as the Web Content Accessibility
// Guidelines measure it: the matrix against the panel, every other text (disabled captions too) against its
// face, and the focus mark and the buttons' edges against what surrounds them.
inline constexpr double MatrixContrast = 7.0;
inline constexpr double TextContrast = 4.5;
inline constexpr double EdgeContrast = 3.0;

// Relative luminance: 0 for black, 1 for white.
double Luminance(Rgb colour);

// From 1 for two colours of the same luminance to 21 for black on white.
double ContrastRatio(Rgb first, Rgb second);

// `share` of the way from one colour to the other, each channel rounded.
Rgb Mix(Rgb from, Rgb to, double share);

// The matrix's colour: the desktop's disabled text where it reads at 7:1 on the face, otherwise moved towards
// the normal text just far enough (or the text colour itself, the best the desktop offers).
Rgb MatrixTextColour(Rgb disabledText, Rgb face, Rgb text);
// A disabled caption's colour: the same, held to 4.5:1.
Rgb DisabledCaptionColour(Rgb disabledText, Rgb face, Rgb text);

// The window's colours made readable from the desktop's.
struct WindowColours {
    // The three title-bar colours: the window itself (seen around the strip), the strip and its text.
    Rgb Window;
    Rgb Strip;
    Rgb StripText;
    // The push buttons and the panel share one face.
    Rgb Face;
    Rgb Text;
    Rgb DisabledText;
    // The matrix, in the panel's disabled look.
    Rgb PanelText;
    // The one-pixel edge of a button on the panel and of a button on the strip.
    Rgb EdgeOnPanel;
    Rgb EdgeOnStrip;
};

// Where the window draws its own buttons, strip and panel: from the desktop's title-bar and button colours.
WindowColours ReadableColours(Rgb window, Rgb strip, Rgb stripText, Rgb face, Rgb text);

} // namespace testola
