#include "display_text.h"
#include "form1_fixture.h"
#include "pixel_checks.h"
#include "qt_layout.h"
#include "row_name.h"

#include <QAccessible>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <cmath>
#include <vector>

namespace testola::testing {
namespace {

// Worked by hand: the answer button's edges, 2400 to 4575 and 600 to 855 twips, 15 to the pixel, and at 1.5 times
// that 457.5 and 85.5 round up.
TEST(ToPixels, ScalesEachEdgeToTheNearestPixel) {
    EXPECT_EQ(ToPixels({2400, 600, 2175, 255}), QRect(160, 40, 145, 17));
    EXPECT_EQ(ToPixels({2400, 600, 2175, 255}, 1.5), QRect(240, 60, 218, 26));
}

class Form1StartControl : public Form1Test, public ::testing::WithParamInterface<ControlLayout> {};

TEST_P(Form1StartControl, StandsWhereTheLayoutPutsItWithItsStartTexts) {
    const ControlLayout& expected = GetParam();
    QWidget* control = Control(std::string(expected.Name).c_str());
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->geometry(), ToPixels(expected.Box));
    EXPECT_EQ(control->toolTip(), ToDisplayText(expected.Tooltip));
    EXPECT_EQ(control->isEnabled(), expected.Enabled);
    if (auto* button = qobject_cast<QPushButton*>(control)) {
        EXPECT_EQ(button->text(), ToDisplayText(expected.Caption));
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        EXPECT_EQ(label->text(), ToDisplayText(expected.Caption));
    }
}

INSTANTIATE_TEST_SUITE_P(Controls, Form1StartControl, ::testing::ValuesIn(Form1Controls),
                         [](const ::testing::TestParamInfo<ControlLayout>& row) {
                             return std::string(row.param.Name);
                         });

TEST_F(Form1Test, IsAFixedFramelessWindowTitledTestolaWithItsIcon) {
    EXPECT_EQ(m_form->size(), ToPixels(Form1Client).size());
    EXPECT_EQ(m_form->minimumSize(), m_form->maximumSize());
    EXPECT_TRUE(m_form->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_FALSE(m_form->windowFlags().testFlag(Qt::Tool)) << "a tool window would leave the desktop's window list";
    EXPECT_EQ(m_form->windowTitle(), QStringLiteral("Testola"));
    EXPECT_FALSE(m_form->windowIcon().isNull());
    EXPECT_EQ(m_form->windowIcon().availableSizes(), (QList<QSize>{{16, 16}, {32, 32}, {64, 64}}));
}

TEST_F(Form1Test, IsCentredOnTheScreen) {
    const QRect screen = m_form->screen()->geometry();
    EXPECT_LE(std::abs(m_form->frameGeometry().center().x() - screen.center().x()), 1);
    EXPECT_LE(std::abs(m_form->frameGeometry().center().y() - screen.center().y()), 1);
}

TEST_F(Form1Test, StacksTheButtonsOverThePanelAndTheIconOverTheStrip) {
    std::vector<std::string> bottomToTop;
    for (QObject* child : m_form->children()) {
        if (child->isWidgetType()) {
            bottomToTop.push_back(child->objectName().toStdString());
        }
    }
    EXPECT_EQ(bottomToTop, (std::vector<std::string>{"Label1", "Image1", "Command1", "Command2", "Command3", "Command4",
                                                     "Command5", "Command6"}));
    EXPECT_EQ(m_form->childAt(Button("Command4")->geometry().center()), Button("Command4"));
    EXPECT_EQ(m_form->childAt(Button("Command5")->geometry().center()), Button("Command5"));
    // The icon lets clicks through, so what lies under the icon is the strip.
    EXPECT_EQ(m_form->childAt(QPoint(12, 12))->objectName(), QStringLiteral("Label1"));
}

TEST_F(Form1Test, StartsWithTheFocusOnTheExamButtonAndTabsInTheDesignedOrder) {
    EXPECT_EQ(m_form->focusWidget(), Button("Command4"));
    std::vector<std::string> order;
    QWidget* widget = Button("Command4");
    do {
        if ((widget->focusPolicy() & Qt::TabFocus) != 0 && widget->parentWidget() == m_form.get()) {
            order.push_back(widget->objectName().toStdString());
        }
        widget = widget->nextInFocusChain();
    } while (widget != Button("Command4"));
    EXPECT_EQ(order, (std::vector<std::string>{"Command4", "Command6", "Command5", "Command2", "Command1"}));
    EXPECT_EQ(Panel()->focusPolicy(), Qt::NoFocus);
}

struct FontCase : NamedRow {
    double points;
    bool bold;
};

class Form1Font : public Form1Test, public ::testing::WithParamInterface<FontCase> {};

TEST_P(Form1Font, IsTheCyrillicSubstituteAtTheDesignedSizeAndWeight) {
    const QString name = QString::fromLatin1(GetParam().name);
    QWidget* control = m_form->objectName() == name ? m_form.get() : m_form->findChild<QWidget*>(name);
    ASSERT_NE(control, nullptr);
    const QFontInfo shown(control->font());
    EXPECT_EQ(shown.family(), QStringLiteral("DejaVu Sans"));
    EXPECT_DOUBLE_EQ(control->font().pointSizeF(), GetParam().points);
    EXPECT_EQ(shown.bold(), GetParam().bold);
    EXPECT_TRUE(QFontMetrics(control->font()).inFont(QChar(0x0416))) << "no Cyrillic";
}

INSTANTIATE_TEST_SUITE_P(Controls, Form1Font,
                         ::testing::Values(FontCase{"Form1", 8.25, false}, FontCase{"Command1", 8.25, true},
                                           FontCase{"Command2", 8.25, true}, FontCase{"Command3", 8.25, false},
                                           FontCase{"Command4", 8.25, false}, FontCase{"Label1", 12.0, true}),
                         RowName());

TEST_F(Form1Test, FourMatrixLinesFitTheBandBetweenTheButtonRows) {
    ASSERT_EQ(m_form->logicalDpiY(), 96);
    const int band = Button("Command5")->geometry().top() - Button("Command4")->geometry().bottom() - 1;
    EXPECT_EQ(band, 55);
    EXPECT_LE(4 * QFontMetrics(Panel()->font()).lineSpacing(), band);
}

TEST_F(Form1Test, TitleAndMatrixTextsAreLegibleAgainstTheirBackgrounds) {
    const QPalette strip = m_form->findChild<QLabel*>(QStringLiteral("Label1"))->palette();
    EXPECT_GE(ContrastRatio(strip.color(QPalette::WindowText), strip.color(QPalette::Window)), 4.5);
    const QPalette panel = Panel()->palette();
    EXPECT_GE(ContrastRatio(panel.color(QPalette::Disabled, QPalette::ButtonText),
                            panel.color(QPalette::Disabled, QPalette::Button)),
              4.5);
}

TEST_F(Form1Test, TheButtonsAreNamedForScreenReaders) {
    const auto name = [this](const char* button) {
        return QAccessible::queryAccessibleInterface(Button(button))->text(QAccessible::Name).toStdString();
    };
    EXPECT_EQ(name("Command1"), "Выход");
    EXPECT_EQ(name("Command2"), "Свернуть");
    EXPECT_EQ(name("Command4"), "Пройти экзамен");
    EXPECT_EQ(name("Command5"), "Получить результат");
    EXPECT_EQ(name("Command6"), "Ответ");
}

TEST_F(Form1Test, IsAWindowToAssistiveTechnologyNamedByItsCaptionAndDescribedByItsStrip) {
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(m_form.get());
    EXPECT_EQ(window->role(), QAccessible::Window);
    EXPECT_EQ(window->text(QAccessible::Name).toStdString(), "Testola");
    EXPECT_EQ(window->text(QAccessible::Description).toStdString(), "Вступительный экзамен");
}

// A desktop's palette, set on the application as a platform theme sets it, for as long as it lives.
class DesktopPalette {
public:
    explicit DesktopPalette(const QPalette& palette) : m_before(QApplication::palette()) {
        QApplication::setPalette(palette);
    }
    ~DesktopPalette() { QApplication::setPalette(m_before); }
    DesktopPalette(const DesktopPalette&) = delete;
    DesktopPalette& operator=(const DesktopPalette&) = delete;

private:
    QPalette m_before;
};

struct PaletteCase : NamedRow {
    // Qt's own palette where these are invalid.
    QColor button, window, highlight, highlightedText;
    // The strip's colour where the desktop's is expected as it is; 0 where it must change to be readable.
    QRgb strip;
};

class Form1InPalette : public Form1Test, public ::testing::WithParamInterface<PaletteCase> {};

TEST_P(Form1InPalette, ShowsTheMatrixAtSevenToOneEveryTextAtFourAndAHalfAndEveryButtonApartAtThree) {
    const PaletteCase& row = GetParam();
    QPalette desktop = QApplication::palette();
    if (row.button.isValid()) {
        desktop = QPalette(row.button, row.window);
        desktop.setColor(QPalette::Highlight, row.highlight);
        desktop.setColor(QPalette::HighlightedText, row.highlightedText);
    }
    const DesktopPalette shown(desktop);
    Panel()->SetCaption(QStringLiteral("\r\n 10 7 10\r\n 4 10 8\r\n 10 1 10"));
    const QImage window = m_form->grab().toImage().convertToFormat(QImage::Format_RGB32);

    const QRect band(QPoint(0, Button("Command4")->geometry().bottom() + 1),
                     QPoint(m_form->width() - 1, Button("Command5")->geometry().top() - 1));
    EXPECT_GE(TextContrastIn(window, band), 7.0) << "the matrix";
    const QRect strip = Control("Label1")->geometry();
    const QRect title(QPoint(Control("Image1")->geometry().right() + 1, strip.top()),
                      QPoint(Button("Command2")->geometry().left() - 1, strip.bottom()));
    EXPECT_GE(TextContrastIn(window, title), 4.5) << "the title";
    if (row.strip != 0) {
        EXPECT_EQ(window.pixel(title.topRight()), row.strip);
    }

    for (const char* name : {"Command1", "Command2", "Command4", "Command5", "Command6"}) {
        const QRect box = Button(name)->geometry();
        // Inside the edge and the focus ring, whether the button is enabled or not.
        EXPECT_GE(TextContrastIn(window, box.adjusted(2, 2, -2, -2)), 4.5) << name;
        const QColor around(window.pixel(box.left() - 1, box.center().y()));
        const QColor edge(window.pixel(box.left(), box.center().y()));
        const QColor face(window.pixel(box.left() + 3, box.center().y()));
        EXPECT_GE(std::max(ContrastRatio(edge, around), ContrastRatio(face, around)), 3.0) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Desktops, Form1InPalette,
    ::testing::Values(PaletteCase{"QtsOwn", {}, {}, {}, {}, 0xFF000080},
                      // A light desktop whose white selection text stands at 2.6:1 on its light blue.
                      PaletteCase{"Light", QColor(0xEFF0F1), QColor(0xEFF0F1), QColor(0x3DAEE9), Qt::white, 0},
                      PaletteCase{"Dark", QColor(0x424245), QColor(0x222020), QColor(0x12608A), QColor(0xF9F9F9),
                                  0xFF12608A},
                      PaletteCase{"WhiteOnBlack", Qt::black, Qt::black, Qt::white, Qt::black, 0xFFFFFFFF},
                      // No text colour reaches 7:1 on a mid grey face: the face itself must give way.
                      PaletteCase{"MidGrey", QColor(0x808080), QColor(0x808080), QColor(0x808080), Qt::white, 0}),
    RowName());

struct FontScaleCase : NamedRow {
    double desktopPoints;
    double scale;
    double windowPoints;
};

class Form1FontScale : public ::testing::TestWithParam<FontScaleCase> {};

TEST_P(Form1FontScale, ALargerDesktopFontScalesTheWholeWindowAndASmallerOneLeavesItAsDesigned) {
    const QFont before = QApplication::font();
    QFont desktop = before;
    desktop.setPointSizeF(GetParam().desktopPoints);
    QApplication::setFont(desktop);
    ScriptedRuntime runtime;
    ScriptedRandom random;
    QtForm1 form(runtime, random);
    QApplication::setFont(before);

    EXPECT_EQ(form.size(), ToPixels(Form1Client, GetParam().scale).size());
    EXPECT_DOUBLE_EQ(form.font().pointSizeF(), GetParam().windowPoints);
    // Every control in proportion.
    const QRect exam = form.findChild<QWidget*>(QStringLiteral("Command4"))->geometry();
    EXPECT_EQ(exam, ToPixels(LayoutOf(Command4).Box, GetParam().scale));
    EXPECT_EQ(form.findChild<QWidget*>(QStringLiteral("Image1"))->geometry(),
              ToPixels(LayoutOf(Image1).Box, GetParam().scale));
    const int band = form.findChild<QWidget*>(QStringLiteral("Command5"))->geometry().top() - exam.bottom() - 1;
    EXPECT_LE(4 * QFontMetrics(form.font()).lineSpacing(), band);
}

INSTANTIATE_TEST_SUITE_P(DesktopFonts, Form1FontScale,
                         ::testing::Values(FontScaleCase{"TwiceQtsDefault", 18.0, 2.0, 16.5},
                                           FontScaleCase{"AThirdLarger", 12.0, 12.0 / 9.0, 11.0},
                                           FontScaleCase{"SmallerThanQtsDefault", 6.0, 1.0, 8.25}),
                         RowName());

class Form1FocusMark : public ::testing::TestWithParam<const char*> {};

// A window that was never activated, as at its first frame: the mark must not wait for the window system.
TEST_P(Form1FocusMark, IsARingOfAtLeastThreeToOneContrastAgainstTheButtonFaceClearOfTheCaption) {
    ScriptedRuntime runtime;
    ScriptedRandom random;
    QtForm1 form(runtime, random);
    const std::string name = GetParam();
    auto* button = form.findChild<QPushButton*>(QString::fromStdString(name));
    button->setEnabled(true);
    auto* other = form.findChild<QPushButton*>(QString::fromLatin1(name == "Command1" ? "Command2" : "Command1"));
    const QImage atStart = button->grab().toImage();
    other->setFocus();
    const QImage plain = button->grab().toImage();
    button->setFocus();
    ASSERT_EQ(form.focusWidget(), button);
    const QImage marked = button->grab().toImage();
    // The exam button has the focus from the start, and shows it.
    EXPECT_TRUE(atStart == (name == "Command4" ? marked : plain));

    int markPixels = 0;
    for (int y = 0; y < plain.height(); ++y) {
        for (int x = 0; x < plain.width(); ++x) {
            if (plain.pixel(x, y) != marked.pixel(x, y)) {
                ++markPixels;
                EXPECT_GE(ContrastRatio(QColor(plain.pixel(x, y)), QColor(marked.pixel(x, y))), 3.0) << x << "," << y;
            }
        }
    }
    // Even on the 17-pixel buttons, a dotted outline around the caption has some twenty dots.
    EXPECT_GE(markPixels, 20);

    const MarkAndCaption pixels = MarkAndCaptionPixels(button, other);
    EXPECT_GT(pixels.captionPixels, 0);
    EXPECT_EQ(pixels.shared, 0) << "the mark runs into the caption";
}

INSTANTIATE_TEST_SUITE_P(Buttons, Form1FocusMark,
                         ::testing::Values("Command1", "Command2", "Command4", "Command5", "Command6"),
                         [](const ::testing::TestParamInfo<const char*>& row) { return std::string(row.param); });

// Where the panel paints dark text pixels, as a rectangle in panel coordinates.
QRect TextBounds(MatrixPanel* panel) {
    const QImage image = panel->grab().toImage();
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 100) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

TEST_F(Form1Test, PanelKeepsItsCrLfCaptionAndDrawsItAsCentredLinesInTheBand) {
    const QString caption = QStringLiteral("\r\n 10 10 10\r\n 10 10 10\r\n 10 10 10");
    Panel()->SetCaption(caption);
    EXPECT_EQ(Panel()->text(), caption);
    EXPECT_EQ(Panel()->accessibleDescription(), QStringLiteral("\n 10 10 10\n 10 10 10\n 10 10 10"));

    const QRect text = TextBounds(Panel());
    ASSERT_TRUE(text.isValid()) << "nothing drawn";
    // The band between the button rows, in the panel's own coordinates.
    const QRect band(QPoint(0, Button("Command4")->geometry().bottom() + 1 - Panel()->y()),
                     QPoint(Panel()->width() - 1, Button("Command5")->geometry().top() - 1 - Panel()->y()));
    EXPECT_TRUE(band.contains(text)) << text.top() << ".." << text.bottom();
    // Centred: the same margin on the left and the right, allowing for the leading space of each line.
    const int left = text.left();
    const int right = Panel()->width() - 1 - text.right();
    EXPECT_LE(std::abs(left - right), 6) << left << " " << right;
    // Three rows of digits, the empty first line above them: the block sits below the panel's middle.
    EXPECT_GT(text.center().y(), Panel()->height() / 2);
}

TEST_F(Form1Test, PanelDrawsNoGlyphForTheCarriageReturn) {
    Panel()->SetCaption(QStringLiteral("\r\n1"));
    const QRect ink = TextBounds(Panel());
    // Only the digit leaves ink: nothing on the first line, nothing beside the digit.
    const QFontMetrics metrics(Panel()->font());
    EXPECT_LE(ink.height(), metrics.height());
    EXPECT_LE(ink.width(), metrics.horizontalAdvance(QLatin1Char('1')));
}

} // namespace
} // namespace testola::testing
