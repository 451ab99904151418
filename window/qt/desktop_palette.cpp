#include "desktop_palette.h"

#include "focus_button.h"
#include "matrix_panel.h"
#include "qt_layout.h"
#include "title_strip.h"

#include <QApplication>
#include <QEvent>
#include <QPalette>
#include <QWidget>
#include <cmath>
#include <vector>

// The palette Qt gives an application when the desktop gives none of its own (dark where the desktop says it is
// dark). Exported by QtGui for its styles; no public call tells a desktop's palette from Qt's own.
QPalette qt_fusionPalette();

namespace testola {

namespace {

constexpr double kTextRatio = 4.5;
constexpr double kMatrixRatio = 7.0;
constexpr double kEdgeRatio = 3.0;
// Text this far from the face leaves room between them for an edge at 3:1 from the face that is still 3:1 from
// the focus ring, which is drawn in the text's colour beside it.
constexpr double kButtonTextRatio = 9.0;
// How far the disabled looks lie from the face towards the text before they are made darker (or lighter).
constexpr double kPanelTextShare = 0.75;
constexpr double kDisabledTextShare = 0.5;
constexpr int kSteps = 64;

double Luminance(const QColor& colour) {
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

QColor Mix(const QColor& from, const QColor& to, double share) {
    const auto channel = [share](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * share)); };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()), channel(from.blue(), to.blue()));
}

// The first colour on the way from `from` to `to` that stands at `ratio` against `against`, or `to` itself.
QColor Towards(const QColor& from, const QColor& to, const QColor& against, double ratio) {
    for (int step = 0; step < kSteps; ++step) {
        const QColor mixed = Mix(from, to, static_cast<double>(step) / kSteps);
        if (ContrastRatio(mixed, against) >= ratio) {
            return mixed;
        }
    }
    return to;
}

// `moved`, made darker or lighter (away from `fixed`) until the two stand at `ratio`, as far as black or white.
QColor Apart(const QColor& moved, const QColor& fixed, double ratio) {
    const QColor end = Luminance(fixed) > Luminance(moved) ? QColor(Qt::black) : QColor(Qt::white);
    return Towards(moved, end, fixed, ratio);
}

// Makes the first colour stand at `ratio` against the second, moving the second too where the first alone cannot.
void SetApart(QColor& moved, QColor& other, double ratio) {
    moved = Apart(moved, other, ratio);
    if (ContrastRatio(moved, other) < ratio) {
        other = Apart(other, moved, ratio);
    }
}

bool IsQtsOwnLightPalette(const QPalette& palette) {
    return palette == qt_fusionPalette() &&
           Luminance(palette.color(QPalette::Window)) > Luminance(palette.color(QPalette::WindowText));
}

void SetInEveryGroup(QPalette& palette, QPalette::ColorRole role, const QColor& colour) {
    palette.setColor(QPalette::Active, role, colour);
    palette.setColor(QPalette::Inactive, role, colour);
    palette.setColor(QPalette::Disabled, role, colour);
}

// The window's controls of one kind. They have no meta-objects of their own, so findChildren() would take
// every push button or label for one.
template <class Control> std::vector<Control*> ControlsOf(QWidget& window) {
    std::vector<Control*> controls;
    for (QObject* child : window.children()) {
        if (auto* control = dynamic_cast<Control*>(child)) {
            controls.push_back(control);
        }
    }
    return controls;
}

void Paint(QWidget& window, const WindowColours& colours) {
    QPalette windowPalette = window.palette();
    SetInEveryGroup(windowPalette, QPalette::Window, colours.Window);
    window.setPalette(windowPalette);

    const std::vector<TitleStrip*> strips = ControlsOf<TitleStrip>(window);
    TitleStrip* strip = strips.empty() ? nullptr : strips.front();
    if (strip != nullptr) {
        QPalette stripPalette = strip->palette();
        SetInEveryGroup(stripPalette, QPalette::Window, colours.Strip);
        SetInEveryGroup(stripPalette, QPalette::WindowText, colours.StripText);
        strip->setPalette(stripPalette);
    }

    for (FocusButton* button : ControlsOf<FocusButton>(window)) {
        QPalette buttonPalette = button->palette();
        SetInEveryGroup(buttonPalette, QPalette::Button, colours.Face);
        SetInEveryGroup(buttonPalette, QPalette::ButtonText, colours.Text);
        buttonPalette.setColor(QPalette::Disabled, QPalette::ButtonText, colours.DisabledText);
        button->setPalette(buttonPalette);
        const bool onStrip = strip != nullptr && strip->geometry().contains(button->geometry());
        button->SetEdgeColour(onStrip ? colours.EdgeOnStrip : colours.EdgeOnPanel);
    }

    for (MatrixPanel* panel : ControlsOf<MatrixPanel>(window)) {
        QPalette panelPalette = panel->palette();
        SetInEveryGroup(panelPalette, QPalette::Button, colours.Face);
        SetInEveryGroup(panelPalette, QPalette::ButtonText, colours.PanelText);
        panel->setPalette(panelPalette);
    }
}

// Paints the window again when the desktop's palette changes while the program runs. The application hears of
// every change, the window only of those made while the event loop runs.
class PaletteFollower : public QObject {
public:
    explicit PaletteFollower(QWidget& window) : QObject(&window), m_window(window) {
        QCoreApplication::instance()->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == QCoreApplication::instance() && event->type() == QEvent::ApplicationPaletteChange) {
            Paint(m_window, ColoursFor(QGuiApplication::palette()));
        }
        return false;
    }

private:
    QWidget& m_window;
};

} // namespace

double ContrastRatio(const QColor& first, const QColor& second) {
    const double a = Luminance(first);
    const double b = Luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

WindowColours ColoursFor(const QPalette& desktop) {
    WindowColours colours;
    QColor face = desktop.color(QPalette::Active, QPalette::Button);
    QColor text = desktop.color(QPalette::Active, QPalette::ButtonText);
    SetApart(text, face, kButtonTextRatio);
    colours.Face = face;
    colours.Text = text;
    colours.PanelText = Towards(Mix(face, text, kPanelTextShare), text, face, kMatrixRatio);
    colours.DisabledText = Towards(Mix(face, text, kDisabledTextShare), text, face, kTextRatio);

    if (IsQtsOwnLightPalette(desktop)) {
        // No colours from the desktop: the classic title-bar colours.
        colours.Window = ToColour(InactiveTitleColour);
        colours.Strip = ToColour(ActiveTitleColour);
        colours.StripText = ToColour(ActiveTitleTextColour);
    } else {
        colours.Window = Mix(desktop.color(QPalette::Active, QPalette::Button),
                             desktop.color(QPalette::Active, QPalette::Dark), 0.5);
        colours.Strip = desktop.color(QPalette::Active, QPalette::Highlight);
        colours.StripText = desktop.color(QPalette::Active, QPalette::HighlightedText);
        // A light title keeps its strip, a dark strip keeps its title: the strip moves first.
        SetApart(colours.Strip, colours.StripText, kTextRatio);
    }

    colours.EdgeOnPanel = Towards(face, text, face, kEdgeRatio);
    colours.EdgeOnStrip = Towards(face, text, colours.Strip, kEdgeRatio);
    if (ContrastRatio(colours.EdgeOnStrip, colours.Strip) < kEdgeRatio) {
        colours.EdgeOnStrip = Apart(face, colours.Strip, kEdgeRatio);
    }
    return colours;
}

void FollowDesktopColours(QWidget& window) {
    Paint(window, ColoursFor(QGuiApplication::palette()));
    new PaletteFollower(window);
}

} // namespace testola
