#pragma once

#include "contrast.h"
#include "form1_texts.h"

#include <array>
#include <functional>
#include <string_view>
#include <vector>

namespace testola {

// The window is laid out in twips, as it was designed: 1440 to the inch, so 15 to a pixel at 96 dots per inch.
// (window/CMakeLists.txt reads these two and Form1Client from here.)
inline constexpr int TwipsPerInch = 1440;
inline constexpr int DesignDotsPerInch = 96;

// Twips in pixels on a screen of the given density, rounded to the nearest pixel (twips are never negative).
constexpr int TwipsToPixels(int twips, double dotsPerInch = DesignDotsPerInch) {
    return static_cast<int>(twips * dotsPerInch / TwipsPerInch + 0.5);
}

struct TwipsRect {
    int Left;
    int Top;
    int Width;
    int Height;
};

struct PixelEdges {
    int Left;
    int Top;
    int Right;
    int Bottom;
};

// The far edges are scaled, not the sizes, so that controls that touch in twips touch on the screen.
constexpr PixelEdges TwipsToPixels(const TwipsRect& twips, double dotsPerInch = DesignDotsPerInch) {
    return {TwipsToPixels(twips.Left, dotsPerInch), TwipsToPixels(twips.Top, dotsPerInch),
            TwipsToPixels(twips.Left + twips.Width, dotsPerInch), TwipsToPixels(twips.Top + twips.Height, dotsPerInch)};
}

// The controls' names.
inline constexpr std::string_view Command1 = "Command1"; // exit
inline constexpr std::string_view Command2 = "Command2"; // minimise
inline constexpr std::string_view Command3 = "Command3"; // the matrix panel
inline constexpr std::string_view Command4 = "Command4"; // the exam button, the window's default
inline constexpr std::string_view Command5 = "Command5"; // result
inline constexpr std::string_view Command6 = "Command6"; // answer
inline constexpr std::string_view Image1 = "Image1";     // the strip's icon
inline constexpr std::string_view Label1 = "Label1";     // the title strip

// What each control is, which decides how a front end makes it: the panel is a push button only in name,
// disabled for good and drawn by the window.
enum class ControlKind { PushButton, Panel, Strip, Icon };

// The window's font (the platform's default size), the bold one of the two small buttons, and the strip's.
enum class ControlFont { Window, SmallBold, TitleBold };

struct ControlLayout {
    std::string_view Name;
    // A number of the control's own, where a toolkit tells controls apart by number (Win32's control ids); written
    // in the row so that reordering the table renumbers nothing.
    int Id;
    ControlKind Kind;
    TwipsRect Box;
    std::string_view Caption;
    std::string_view Tooltip;
    bool Enabled;
    // The order in which Tab visits the controls, lowest first; -1 for a control that is not in the tab order.
    int TabIndex;
    ControlFont Font;
    std::string_view AccessibleName;
};

inline constexpr TwipsRect Form1Client{0, 0, 4695, 2055};

// Topmost first; push buttons are always above the strip and its icon. The accessible name is what assistive
// technology calls a control whose caption does not say what it is; empty where the caption does.
// clang-format off
inline constexpr std::array<ControlLayout, 8> Form1Controls{{
    {Command6, 100, ControlKind::PushButton, {2400, 600, 2175, 255}, AnswerCaption, AnswerCaption, false, 1, ControlFont::Window, ""},
    {Command5, 101, ControlKind::PushButton, {120, 1680, 4455, 255}, ResultCaption, ResultCaption, false, 2, ControlFont::Window, ""},
    {Command4, 102, ControlKind::PushButton, {120, 600, 2175, 255}, StartCaption, StartCaption, true, 0, ControlFont::Window, ""},
    {Command3, 103, ControlKind::Panel, {0, 480, 4695, 1575}, "", "", false, 6, ControlFont::Window, PanelName},
    {Command2, 104, ControlKind::PushButton, {3960, 120, 255, 255}, MinimiseCaption, MinimiseTooltip, true, 3, ControlFont::SmallBold, MinimiseTooltip},
    {Command1, 105, ControlKind::PushButton, {4320, 120, 255, 255}, ExitCaption, ExitTooltip, true, 4, ControlFont::SmallBold, ExitTooltip},
    {Image1, 106, ControlKind::Icon, {120, 120, 255, 255}, "", "", true, -1, ControlFont::Window, ""},
    {Label1, 107, ControlKind::Strip, {60, 60, 4575, 375}, StripCaption, "", true, -1, ControlFont::TitleBold, ""},
}};
// clang-format on

// What assistive technology says of the window, named by its caption: the strip's caption, without the spaces
// that keep it clear of the icon.
inline constexpr std::string_view Form1Description = StripCaption.substr(StripCaption.find_first_not_of(' '));

// Enter presses the focused push button, or this one when none has the focus; it has the focus at start.
// Escape presses the cancel button.
inline constexpr std::string_view DefaultButton = Command4;
inline constexpr std::string_view CancelButton = Command1;

// The row of the named control; a name not in the table is a fault in the program.
const ControlLayout& LayoutOf(std::string_view name);

// Whether a control lies on the title strip (the icon and the two small buttons do), where a button's edge must
// stand apart from the strip's colour rather than the panel's.
bool LiesOnStrip(const ControlLayout& control);

// The push buttons in the order Tab visits them. (The panel, last in the order, never takes the focus.)
std::vector<std::string_view> TabOrder();

// The control that Tab (forward) or Shift+Tab (back) moves to from the current one, along the order, passing over
// those that cannot take the focus; the empty name when none can. From no control, Tab starts at the first and
// Shift+Tab at the last.
std::string_view NextInTabOrder(const std::vector<std::string_view>& order, std::string_view current, bool forward,
                                const std::function<bool(std::string_view)>& canTakeFocus);

// Fonts: "MS Sans Serif" with the Cyrillic character set, at these sizes.
inline constexpr std::string_view DesignFontFamily = "MS Sans Serif";
inline constexpr int DesignCharset = 204;
inline constexpr double WindowFontPoints = 8.25;
inline constexpr double SmallButtonFontPoints = 8.25;
inline constexpr double TitleFontPoints = 12.0;

// The classic desktop colours for the three title-bar colours the window is painted in, where the platform has
// no system colours of its own: a white title on a navy strip (16:1) over a grey window.
inline constexpr Rgb ActiveTitleColour{0x00, 0x00, 0x80};
inline constexpr Rgb ActiveTitleTextColour{0xFF, 0xFF, 0xFF};
inline constexpr Rgb InactiveTitleColour{0x80, 0x80, 0x80};

} // namespace testola
