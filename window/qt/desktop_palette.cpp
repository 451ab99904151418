#include "desktop_palette.h"

#include "focus_button.h"
#include "matrix_panel.h"
#include "qt_layout.h"
#include "title_strip.h"

#include <QApplication>
#include <QEvent>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>
#include <memory>
#include <vector>

namespace testola {

namespace {

Rgb ToRgb(const QColor& colour) {
    return {colour.red(), colour.green(), colour.blue()};
}

// Qt's own light palette, which an application has when the desktop gives none of its own: the Fusion style's.
bool IsQtsOwnLightPalette(const QPalette& palette) {
    static const QPalette qtsOwn =
        std::unique_ptr<QStyle>(QStyleFactory::create(QStringLiteral("Fusion")))->standardPalette();
    return palette == qtsOwn &&
           Luminance(ToRgb(palette.color(QPalette::Window))) > Luminance(ToRgb(palette.color(QPalette::WindowText)));
}

void SetInEveryGroup(QPalette& palette, QPalette::ColorRole role, Rgb rgb) {
    const QColor colour = ToColour(rgb);
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
        buttonPalette.setColor(QPalette::Disabled, QPalette::ButtonText, ToColour(colours.DisabledText));
        button->setPalette(buttonPalette);
        const bool onStrip = LiesOnStrip(LayoutOf(button->objectName().toStdString()));
        button->SetEdgeColour(ToColour(onStrip ? colours.EdgeOnStrip : colours.EdgeOnPanel));
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

WindowColours ColoursFor(const QPalette& desktop) {
    const Rgb face = ToRgb(desktop.color(QPalette::Active, QPalette::Button));
    const Rgb text = ToRgb(desktop.color(QPalette::Active, QPalette::ButtonText));
    if (IsQtsOwnLightPalette(desktop)) {
        // No colours from the desktop: the classic title-bar colours.
        return ReadableColours(InactiveTitleColour, ActiveTitleColour, ActiveTitleTextColour, face, text);
    }
    return ReadableColours(Mix(face, ToRgb(desktop.color(QPalette::Active, QPalette::Dark)), 0.5),
                           ToRgb(desktop.color(QPalette::Active, QPalette::Highlight)),
                           ToRgb(desktop.color(QPalette::Active, QPalette::HighlightedText)), face, text);
}

void FollowDesktopColours(QWidget& window) {
    Paint(window, ColoursFor(QGuiApplication::palette()));
    new PaletteFollower(window);
}

} // namespace testola
