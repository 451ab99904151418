// One opening of the answer box in a fresh process, or many whole exams, for the benchmark to read back.
//   answer: the program, its exam started and its boxes built; Return on the answer button until the box's
//           first frame. bare: a bare window that opens a plain QInputDialog with the same prompt, title and
//           default on Return.
//   exams:  whole exams by Return alone, with the real boxes; resident memory after 2 and after 200.
// Each prints "name value" lines. Usage: testola_answer_box_probe answer|bare|exams

#include "application_setup.h"
#include "monotonic_clock.h"
#include "qt_layout.h"
#include "qt_program.h"

#include <QApplication>
#include <QDialog>
#include <QInputDialog>
#include <QKeyEvent>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <unistd.h>

namespace {

long ResidentKibibytes() {
    long pages = 0;
    long resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// Prints the time of the first frame of the next dialog to be painted, and leaves the event loop.
class DialogFrameWatch : public QObject {
public:
    DialogFrameWatch() { qApp->installEventFilter(this); }
    long long Pressed = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && Pressed != 0 && qobject_cast<QDialog*>(watched) != nullptr) {
            qApp->removeEventFilter(this);
            QTimer::singleShot(0, [this] {
                std::printf("box_ns %lld\n", MonotonicNanoseconds() - Pressed);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }
};

// Return as the window system delivers it to the window's focused control.
void PressReturn(QWidget& window) {
    QWidget* target = window.focusWidget() != nullptr ? window.focusWidget() : &window;
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QCoreApplication::sendEvent(target, &press);
}

class BareWindow : public QWidget {
public:
    BareWindow() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {
        setFixedSize(testola::ToPixels(testola::Form1Client).size());
    }

protected:
    void keyPressEvent(QKeyEvent*) override {
        QInputDialog::getText(this, QStringLiteral("Ввод ответа"), QStringLiteral("Введите ответ"), QLineEdit::Normal,
                              QStringLiteral("0"));
    }
};

// The window is shown and settled (its boxes built, for the program); then Return is pressed and timed.
int TimeBox(QWidget& window, bool startExam) {
    DialogFrameWatch watch;
    window.show();
    QTimer::singleShot(500, &window, [&window, &watch, startExam] {
        if (startExam) {
            PressReturn(window); // the exam button: the first example, and the answer button focused
            QCoreApplication::processEvents();
        }
        QTimer::singleShot(200, &window, [&window, &watch] {
            watch.Pressed = MonotonicNanoseconds();
            PressReturn(window);
        });
    });
    return QApplication::exec();
}

// Every box opened is confirmed as soon as it is shown, so the exams run by Returns alone.
class ConfirmEveryBox : public QObject {
public:
    ConfirmEveryBox() { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            if (auto* box = qobject_cast<QDialog*>(watched)) {
                QTimer::singleShot(0, box, &QDialog::accept);
            }
        }
        return false;
    }
};

int RunExams(QWidget& window) {
    ConfirmEveryBox confirm;
    window.show();
    QCoreApplication::processEvents();
    constexpr int kReturnsPerExam = 26;
    for (int exam = 1; exam <= 200; ++exam) {
        for (int press = 0; press < kReturnsPerExam; ++press) {
            PressReturn(window);
            QCoreApplication::processEvents();
        }
        if (exam == 2 || exam == 200) {
            std::printf("rss_after_%d_kib %ld\n", exam, ResidentKibibytes());
        }
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    const char* mode = argc > 1 ? argv[1] : "answer";
    QApplication application(argc, argv);
    if (std::strcmp(mode, "bare") == 0) {
        BareWindow bare;
        return TimeBox(bare, false);
    }
    testola::PrepareApplication(application);
    testola::QtProgram<> program;
    if (std::strcmp(mode, "exams") == 0) {
        return RunExams(program.form);
    }
    return TimeBox(program.form, true);
}
