// One start of the window, ended at its first painted frame. The benchmark runs this as a child process and
// reads back when that frame was painted and how much memory the process needed.
//
// Usage: testola_startup_probe program|bare|text|controls|clicks

#include "application_setup.h"
#include "display_text.h"
#include "form1_layout.h"
#include "monotonic_clock.h"
#include "qt_form1.h"
#include "qt_layout.h"
#include "qt_program.h"
#include "qt_runtime.h"
#include "random_sequence.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <sys/resource.h>
#include <vector>

namespace {

long PeakResidentKibibytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Notes the first paint of a window; the frame is on screen once control is back in the event loop.
class FirstFrameWatch : public QObject {
public:
    explicit FirstFrameWatch(QWidget* window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QTimer::singleShot(0, [] {
                std::printf("frame_ns %lld\npeak_rss_kib %ld\n", MonotonicNanoseconds(), PeakResidentKibibytes());
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_seen = false;
};

// A runtime whose dialogs close at once, so that whole exams can be clicked through over and over.
class InstantRuntime : public testola::QtRuntime {
public:
    std::string ShowInputBox(const std::string&, const std::string&, const std::string&,
                             const testola::InputBoxParts&) override {
        return "0";
    }
    void ShowMessageBox(const std::string&, testola::MessageStyle, const std::string&) override {}
};

// Signals when a widget has been painted.
class PaintWatch : public QObject {
public:
    bool Painted = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            Painted = true;
        }
        return false;
    }
};

int MeasureClicks() {
    InstantRuntime runtime;
    testola::RandomSequence random;
    testola::QtForm1 form(runtime, random);
    runtime.SetWindow(&form);
    form.show();
    auto* examButton = form.findChild<QPushButton*>(QStringLiteral("Command4"));
    auto* answerButton = form.findChild<QPushButton*>(QStringLiteral("Command6"));
    auto* resultButton = form.findChild<QPushButton*>(QStringLiteral("Command5"));
    auto* panel = form.findChild<QPushButton*>(QStringLiteral("Command3"));
    PaintWatch watch;
    panel->installEventFilter(&watch);
    QApplication::processEvents();

    constexpr int kClicks = 2000;
    std::vector<long long> durations;
    durations.reserve(kClicks);
    while (static_cast<int>(durations.size()) < kClicks) {
        if (!examButton->isEnabled()) {
            resultButton->click();
        }
        watch.Painted = false;
        QElapsedTimer timer;
        timer.start();
        examButton->click();
        while (!watch.Painted) {
            QApplication::processEvents();
        }
        durations.push_back(timer.nsecsElapsed());
        answerButton->click();
        QApplication::processEvents();
    }
    std::sort(durations.begin(), durations.end());
    std::printf("click_median_ns %lld\nclick_p95_ns %lld\n", durations[durations.size() / 2],
                durations[durations.size() * 95 / 100]);
    return 0;
}

} // namespace

// The program's window size, from its layout.
const QSize kWindowSize(testola::TwipsToPixels(testola::Form1Client.Width),
                        testola::TwipsToPixels(testola::Form1Client.Height));

int main(int argc, char* argv[]) {
    const char* mode = argc > 1 ? argv[1] : "program";
    QApplication application(argc, argv);

    if (std::strcmp(mode, "bare") == 0) {
        // The floor: the smallest window Qt can show at this size.
        QWidget bare(nullptr, Qt::Window | Qt::FramelessWindowHint);
        bare.setFixedSize(kWindowSize);
        FirstFrameWatch watch(&bare);
        bare.show();
        return QApplication::exec();
    }
    if (std::strcmp(mode, "text") == 0) {
        // The floor for any window that shows text: the same bare window with one line, which makes Qt load
        // its font database, shape the text and draw glyphs.
        QWidget bare(nullptr, Qt::Window | Qt::FramelessWindowHint);
        bare.setFixedSize(kWindowSize);
        QLabel line(QStringLiteral("Вступительный экзамен"), &bare);
        line.move(8, 8);
        FirstFrameWatch watch(&bare);
        bare.show();
        return QApplication::exec();
    }
    if (std::strcmp(mode, "controls") == 0) {
        // The floor for this window's controls: Qt's own buttons and labels, with the same captions, tooltips,
        // states and places, and nothing of the program's look.
        QWidget bare(nullptr, Qt::Window | Qt::FramelessWindowHint);
        bare.setFixedSize(kWindowSize);
        std::vector<std::unique_ptr<QWidget>> controls;
        for (const testola::ControlLayout& row : testola::Form1Controls) {
            const QString caption = testola::ToDisplayText(row.Caption);
            const bool isButton =
                row.Kind == testola::ControlKind::PushButton || row.Kind == testola::ControlKind::Panel;
            auto control = isButton ? std::unique_ptr<QWidget>(new QPushButton(caption, &bare))
                                    : std::unique_ptr<QWidget>(new QLabel(caption, &bare));
            control->setGeometry(testola::ToPixels(row.Box));
            control->setToolTip(testola::ToDisplayText(row.Tooltip));
            control->setEnabled(row.Enabled);
            controls.push_back(std::move(control));
        }
        FirstFrameWatch watch(&bare);
        bare.show();
        return QApplication::exec();
    }

    // Built exactly as the program's entry builds it.
    testola::PrepareApplication(application);
    if (std::strcmp(mode, "clicks") == 0) {
        return MeasureClicks();
    }
    testola::QtProgram<> program;
    FirstFrameWatch watch(&program.form);
    program.form.show();
    return QApplication::exec();
}
