#pragma once

#include <QColor>
#include <QRect>
#include <QSize>
#include <QString>
#include <array>
#include <string_view>

namespace testola {

// The window is laid out in twips, as it was designed; one logical pixel is 15 twips at 96 dots per inch,
// and Qt's own high-DPI scaling takes it from logical pixels to the screen.
inline constexpr int TwipsPerPixel = 15;

constexpr int TwipsToPixels(int twips) {
    return twips / TwipsPerPixel;
}

struct TwipsRect {
    int Left;
    int Top;
    int Width;
    int Height;
};

QRect ToPixels(const TwipsRect& twips);

// The layout's texts are UTF-8 and its colours 0xRRGGBB; these bring them into Qt.
QString ToQString(std::string_view text);
QColor ToColour(unsigned rgb);

inline constexpr TwipsRect Form1Client{0, 0, 4695, 2055};

// The two texts of the exam button; while they read StartCaption, its next click starts a new exam.
inline constexpr std::string_view StartCaption = "Пройти экзамен";
inline constexpr std::string_view NextCaption = "Следующий пример";

struct ControlLayout {
    std::string_view Name;
    TwipsRect Box;
    std::string_view Caption;
    std::string_view Tooltip;
    bool Enabled;
    // The order in which Tab visits the controls, lowest first; -1 for a control that is not in the tab order.
    int TabIndex;
};

// Topmost first.
inline constexpr std::array<ControlLayout, 8> Form1Controls{{
    {"Command6", {2400, 600, 2175, 255}, "Ответ", "Ответ", false, 1},
    {"Command5", {120, 1680, 4455, 255}, "Получить результат", "Получить результат", false, 2},
    {"Command4", {120, 600, 2175, 255}, StartCaption, StartCaption, true, 0},
    {"Command3", {0, 480, 4695, 1575}, "", "", false, 6},
    {"Command2", {3960, 120, 255, 255}, "_", "Свернуть", true, 3},
    {"Command1", {4320, 120, 255, 255}, "X", "Выход", true, 4},
    {"Image1", {120, 120, 255, 255}, "", "", true, -1},
    {"Label1", {60, 60, 4575, 375}, "    Вступительный экзамен", "", true, -1},
}};

inline constexpr std::string_view Form1Title = "Testola";
inline constexpr std::string_view InputPrompt = "Введите ответ";
inline constexpr std::string_view InputTitle = "Ввод ответа";
inline constexpr std::string_view InputDefault = "0";
// Under the answer box's field: a comma ends the number, so the decimal point must be a period.
inline constexpr std::string_view AnswerHint = "Дробную часть пишите после точки, например: 4.5";

// Fonts: the designed family has no Linux counterpart, so it is mapped to one that has Cyrillic.
inline constexpr std::string_view DesignFontFamily = "MS Sans Serif";
inline constexpr std::string_view SubstituteFontFamily = "DejaVu Sans";
inline constexpr double WindowFontPoints = 8.25;
inline constexpr double SmallButtonFontPoints = 8.25;
inline constexpr double TitleFontPoints = 12.0;

// The classic desktop colours for the three title-bar colours the window is painted in: a white title on a navy
// strip (contrast 16:1) over a grey window.
inline constexpr unsigned ActiveTitleColour = 0x000080;
inline constexpr unsigned ActiveTitleTextColour = 0xFFFFFF;
inline constexpr unsigned InactiveTitleColour = 0x808080;
// The matrix panel's disabled text: dark enough to read every number on the button face.
inline constexpr unsigned PanelTextColour = 0x303030;

} // namespace testola
