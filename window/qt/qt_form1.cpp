#include "qt_form1.h"

#include "desktop_palette.h"
#include "display_text.h"
#include "focus_button.h"
#include "form1_layout.h"
#include "icon_image.h"
#include "matrix_panel.h"
#include "qt_layout.h"
#include "testola_icon.h"
#include "title_strip.h"

#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <stdexcept>

namespace testola {

namespace {

void PlaceControl(QWidget* control, const ControlLayout& layout, double scale) {
    control->setObjectName(ToDisplayText(layout.Name));
    control->setGeometry(ToPixels(layout.Box, scale));
    control->setEnabled(layout.Enabled);
    if (!layout.Tooltip.empty()) {
        control->setToolTip(ToDisplayText(layout.Tooltip));
    }
    if (!layout.AccessibleName.empty()) {
        control->setAccessibleName(ToDisplayText(layout.AccessibleName));
    }
}

QFont DesignFont(double points, bool bold, double scale) {
    QFont font(ToDisplayText(DesignFontFamily));
    font.setPointSizeF(points * scale);
    font.setBold(bold);
    // The family covers every character the window shows, so Qt need not gather fallback fonts at start.
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

QFont FontOf(const ControlLayout& layout, double scale) {
    switch (layout.Font) {
    case ControlFont::SmallBold:
        return DesignFont(SmallButtonFontPoints, true, scale);
    case ControlFont::TitleBold:
        return DesignFont(TitleFontPoints, true, scale);
    case ControlFont::Window:
        break;
    }
    return DesignFont(WindowFontPoints, false, scale);
}

// Assistive technology would see a plain widget as a filler; the program's only window is a window to it.
QAccessibleInterface* Form1Accessible(const QString&, QObject* object) {
    if (auto* form = dynamic_cast<QtForm1*>(object)) {
        return new QAccessibleWidget(form, QAccessible::Window);
    }
    return nullptr;
}

std::string ToStdString(const QString& text) {
    return text.toStdString();
}

} // namespace

QtForm1::QtForm1(Runtime& runtime, RandomSource& random, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_form(*this, runtime, random),
      m_scale(DesktopFontScale()) {
    [[maybe_unused]] static const bool accessibleAsWindow = (QAccessible::installFactory(&Form1Accessible), true);
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(ToDisplayText(Form1Title));
    setWindowIcon(TestolaIcon());
    setFixedSize(ToPixels(Form1Client, m_scale).size());
    setFont(DesignFont(WindowFontPoints, false, m_scale));
    setAutoFillBackground(true);

    BuildControls();
    FollowDesktopColours(*this);
    setAccessibleDescription(ToDisplayText(Form1Description));
    SetTabOrder();
    Button(DefaultButton)->setFocus();

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->geometry().center() - rect().center());
    }
}

void QtForm1::BuildControls() {
    // Created bottom-most first: a later sibling is drawn over an earlier one.
    for (auto row = Form1Controls.rbegin(); row != Form1Controls.rend(); ++row) {
        const ControlLayout& layout = *row;
        QWidget* control = nullptr;
        switch (layout.Kind) {
        case ControlKind::Strip: {
            auto* strip = new TitleStrip(ToDisplayText(layout.Caption), this);
            strip->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            strip->setAutoFillBackground(true);
            control = strip;
            break;
        }
        case ControlKind::Icon:
            control = new IconImage(windowIcon(), this);
            break;
        case ControlKind::Panel:
            m_panel = new MatrixPanel(this);
            control = m_panel;
            break;
        case ControlKind::PushButton:
            control = MakeButton(layout.Name);
            connect(static_cast<QPushButton*>(control), &QPushButton::clicked, this,
                    [this, name = layout.Name] { m_form.Press(name); });
            break;
        }
        PlaceControl(control, layout, m_scale);
        if (layout.Font != ControlFont::Window) {
            control->setFont(FontOf(layout, m_scale));
        }
    }
}

QPushButton* QtForm1::MakeButton(std::string_view name) {
    auto* button = new FocusButton(ToDisplayText(LayoutOf(name).Caption), this);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

QPushButton* QtForm1::Button(std::string_view name) const {
    auto* button = findChild<QPushButton*>(ToDisplayText(name), Qt::FindDirectChildrenOnly);
    if (button == nullptr) {
        throw std::logic_error("no such button");
    }
    return button;
}

void QtForm1::SetTabOrder() {
    const std::vector<std::string_view> order = TabOrder();
    // A control in the order that takes no focus, such as the panel, is passed over by Tab.
    for (std::size_t index = 1; index < order.size(); ++index) {
        setTabOrder(findChild<QWidget*>(ToDisplayText(order[index - 1])),
                    findChild<QWidget*>(ToDisplayText(order[index])));
    }
}

std::string QtForm1::Caption(std::string_view button) const {
    return ToStdString(Button(button)->text());
}

void QtForm1::SetCaption(std::string_view button, const std::string& text) {
    Button(button)->setText(QString::fromStdString(text));
}

std::string QtForm1::Tooltip(std::string_view button) const {
    return ToStdString(Button(button)->toolTip());
}

void QtForm1::SetTooltip(std::string_view button, const std::string& text) {
    Button(button)->setToolTip(QString::fromStdString(text));
}

bool QtForm1::IsEnabled(std::string_view button) const {
    return Button(button)->isEnabled();
}

void QtForm1::SetEnabled(std::string_view button, bool enabled) {
    Button(button)->setEnabled(enabled);
    // Disabling the focus button passes the focus on, silently where the window is not the active one.
    RepaintFocusMarks();
}

void QtForm1::SetFocus(std::string_view button) {
    Button(button)->setFocus();
    RepaintFocusMarks();
}

void QtForm1::RepaintFocusMarks() {
    // While a dialog is active, the focus moves within this window without focus events, which would leave the
    // mark drawn on the button that lost it.
    for (QPushButton* button : findChildren<QPushButton*>(Qt::FindDirectChildrenOnly)) {
        button->update();
    }
}

void QtForm1::SetPanelCaption(const std::string& text) {
    m_panel->SetCaption(QString::fromStdString(text));
}

void QtForm1::SetDescription(std::string_view button, const std::string& text) {
    Button(button)->setAccessibleDescription(QString::fromStdString(text));
}

void QtForm1::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        auto* focused = qobject_cast<QPushButton*>(focusWidget());
        m_form.PressKey(Form1Key::Enter, focused != nullptr ? ToStdString(focused->objectName()) : std::string());
        return;
    }
    case Qt::Key_Escape:
        m_form.PressKey(Form1Key::Escape, {});
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void QtForm1::closeEvent(QCloseEvent* event) {
    event->accept();
    m_form.RequestClose();
}

} // namespace testola
