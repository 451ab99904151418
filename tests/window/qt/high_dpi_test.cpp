// The window on a screen of twice the usual pixel density, as Qt scales it: the same layout in logical pixels,
// twice as many device pixels, and the icon drawn from an image fine enough for them.
#include "application_setup.h"
#include "form1_fixture.h"
#include "pixel_checks.h"
#include "qt_layout.h"
#include "row_name.h"

#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <cstdlib>
#include <ostream>

namespace {
#include "icon/testola_16.xpm"
#include "icon/testola_32.xpm"
#include "icon/testola_64.xpm"
} // namespace

namespace testola::testing {
namespace {

constexpr int Scale = 2;

class HighDpiForm : public Form1Test {
protected:
    // The whole window as the screen gets it, in device pixels.
    QImage Grab() const { return m_form->grab().toImage().convertToFormat(QImage::Format_RGB32); }
};

TEST_F(HighDpiForm, RunsAtTwiceTheDensity) {
    EXPECT_DOUBLE_EQ(m_form->devicePixelRatioF(), Scale);
}

TEST_F(HighDpiForm, GrabsAsTwiceTheLogicalSize) {
    const QPixmap grab = m_form->grab();
    EXPECT_EQ(m_form->size(), ToPixels(Form1Client).size());
    EXPECT_EQ(grab.size(), m_form->size() * Scale);
    EXPECT_DOUBLE_EQ(grab.devicePixelRatio(), Scale);
}

class HighDpiControl : public HighDpiForm, public ::testing::WithParamInterface<ControlLayout> {};

TEST_P(HighDpiControl, CoversTwiceItsBoxAtOneInDevicePixels) {
    QWidget* control = Control(std::string(GetParam().Name).c_str());
    ASSERT_NE(control, nullptr);
    const QRect atOne = ToPixels(GetParam().Box);
    // Laid out in logical pixels just as at the usual density; Qt alone doubles them.
    EXPECT_EQ(control->geometry(), atOne);
    const QRect device(control->mapTo(m_form.get(), QPoint(0, 0)) * Scale, control->size() * Scale);
    EXPECT_EQ(device, QRect(atOne.topLeft() * Scale, atOne.size() * Scale));
    EXPECT_EQ(control->grab().size(), atOne.size() * Scale);
}

INSTANTIATE_TEST_SUITE_P(Controls, HighDpiControl, ::testing::ValuesIn(Form1Controls),
                         [](const ::testing::TestParamInfo<ControlLayout>& row) {
                             return std::string(row.param.Name);
                         });

class HighDpiFocusMark : public HighDpiForm, public ::testing::WithParamInterface<const char*> {};

// At twice the density the glyphs are drawn anew, a little larger: the underscore of "_" reaches further down.
TEST_P(HighDpiFocusMark, KeepsClearOfTheCaption) {
    QPushButton* button = Button(GetParam());
    button->setEnabled(true);
    const MarkAndCaption pixels =
        MarkAndCaptionPixels(button, Button(std::string(GetParam()) == "Command1" ? "Command2" : "Command1"));
    // A ring one logical pixel wide just inside the edge of the 17-pixel buttons: some (15 x 15 - 13 x 13) x 4 =
    // 224 device pixels, so that the ring stays whole when a compositor scales the window down.
    EXPECT_GE(pixels.markPixels, 200);
    EXPECT_GT(pixels.captionPixels, 0);
    EXPECT_EQ(pixels.shared, 0) << "the mark runs into the caption";
}

INSTANTIATE_TEST_SUITE_P(Buttons, HighDpiFocusMark,
                         ::testing::Values("Command1", "Command2", "Command4", "Command5", "Command6"),
                         [](const ::testing::TestParamInfo<const char*>& row) { return std::string(row.param); });

TEST_F(HighDpiForm, PaintsTheTitleStripOverTwiceItsBox) {
    // Navy right up to the strip's doubled edges and grey just beyond them.
    const QImage grab = Grab();
    const QRgb navy = 0xFF000080;
    const QRgb grey = 0xFF808080;
    const QRect strip = ToPixels(LayoutOf(Label1).Box);
    const int left = strip.left() * Scale;
    const int top = strip.top() * Scale;
    const int right = (strip.right() + 1) * Scale - 1;
    const int bottom = (strip.bottom() + 1) * Scale - 1;
    for (const QPoint inside : {QPoint(left, top), QPoint(right, top), QPoint(left, bottom), QPoint(right, bottom)}) {
        EXPECT_EQ(grab.pixel(inside), navy) << inside.x() << "," << inside.y();
    }
    for (const QPoint outside :
         {QPoint(left - 1, top - 1), QPoint(right + 1, top), QPoint(left, bottom + 1), QPoint(right + 1, bottom + 1)}) {
        EXPECT_EQ(grab.pixel(outside), grey) << outside.x() << "," << outside.y();
    }
}

// How far apart two images of one size are: the sum of their channel differences.
long long Distance(const QImage& first, const QImage& second) {
    long long sum = 0;
    for (int y = 0; y < first.height(); ++y) {
        for (int x = 0; x < first.width(); ++x) {
            const QRgb a = first.pixel(x, y);
            const QRgb b = second.pixel(x, y);
            sum += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
        }
    }
    return sum;
}

// The icon made of one image only, painted into the 17 x 17 logical box at twice the density over the given
// background, as the window paints its own.
QImage PaintedFrom(const char* const* xpm, const QImage& background) {
    QImage image = background.copy();
    image.setDevicePixelRatio(Scale);
    QPainter painter(&image);
    QIcon(QPixmap(xpm)).paint(&painter, QRect(0, 0, 17, 17));
    painter.end();
    return image;
}

TEST_F(HighDpiForm, DrawsTheTitleIconFromAnImageOfAtLeastItsDeviceSize) {
    // Image1 is (8, 8, 17 x 17) logical, so (16, 16, 34 x 34) on the device.
    const QRect deviceBox(16, 16, 34, 34);
    QWidget* image1 = Control("Image1");
    ASSERT_NE(image1, nullptr);
    const QImage drawn = Grab().copy(deviceBox);
    image1->hide();
    const QImage background = Grab().copy(deviceBox);
    image1->show();
    ASSERT_EQ(drawn.size(), QSize(34, 34));

    // The window's icon holds 16, 32 and 64 px images; only the 64 px one has enough pixels for 34.
    const QImage from64 = PaintedFrom(testola_icon_64, background);
    const QImage from32 = PaintedFrom(testola_icon_32, background);
    const QImage from16 = PaintedFrom(testola_icon_16, background);
    // The candidates must really differ, or the comparisons below would prove nothing.
    ASSERT_GT(Distance(from64, from32), 34 * 34 * 8);
    ASSERT_GT(Distance(from64, from16), 34 * 34 * 8);
    EXPECT_NE(Distance(drawn, background), 0) << "no icon was drawn";
    const long long toFrom64 = Distance(drawn, from64);
    EXPECT_LT(toFrom64, Distance(drawn, from16)) << "the 16 px image was scaled up";
    EXPECT_LT(toFrom64, Distance(drawn, from32)) << "the 32 px image was scaled up";
}

} // namespace
} // namespace testola::testing

int main(int argc, char* argv[]) {
    ::testing::InitGoogleTest(&argc, argv);
    // Every screen at twice the density, drawn into memory; both must be set before the application exists.
    qputenv("QT_SCALE_FACTOR", "2");
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    testola::PrepareApplication(application);
    return RUN_ALL_TESTS();
}
