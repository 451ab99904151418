#pragma once

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <functional>
#include <gtest/gtest.h>

namespace testola::testing {

// How long a test waits for a dialog or for the event loop to end before it fails instead of hanging.
inline constexpr std::chrono::milliseconds kWaitDeadline{5000};

namespace detail {

inline void PollForModal(std::function<void(QWidget*)> action, std::chrono::milliseconds deadline,
                         std::chrono::steady_clock::time_point started) {
    QTimer::singleShot(10, [action = std::move(action), deadline, started]() mutable {
        QWidget* modal = QApplication::activeModalWidget();
        const bool open = modal != nullptr && modal->isVisible();
        const bool late = std::chrono::steady_clock::now() - started > deadline;
        // The steps act on the focused control, which a slow machine (an emulator, say) gives the box only a
        // moment after it shows; a box that takes no focus is acted on at the deadline all the same.
        if (!open || (modal->focusWidget() == nullptr && !late)) {
            if (!open && late) {
                ADD_FAILURE() << "no dialog opened within " << deadline.count() << " ms";
                return;
            }
            PollForModal(std::move(action), deadline, started);
            return;
        }
        const QPointer<QWidget> opened = modal;
        action(modal);
        // A dialog that the test's steps left open would block the test for good.
        QTimer::singleShot(deadline, [opened, deadline] {
            if (opened != nullptr && opened->isVisible()) {
                ADD_FAILURE() << "the dialog was still open " << deadline.count() << " ms after the test's steps in it";
                opened->close();
            }
        });
    });
}

} // namespace detail

// Runs the action on the next modal dialog as soon as it is open: a modal dialog blocks the test until
// something closes it, so the test's own steps inside it must be queued before it opens. The test fails when
// no dialog opens within the deadline, or when the dialog is still open at the deadline (it is closed then).
inline void OnNextModal(std::function<void(QWidget*)> action, std::chrono::milliseconds deadline = kWaitDeadline) {
    detail::PollForModal(std::move(action), deadline, std::chrono::steady_clock::now());
}

// Runs the event loop until the program ends it, and returns its status; the test fails, and the loop is
// ended, when that takes longer than the deadline.
inline int RunEventLoop(std::chrono::milliseconds deadline = kWaitDeadline) {
    bool expired = false;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, [&expired] {
        expired = true;
        QCoreApplication::exit(-1);
    });
    timer.start(deadline);
    const int status = QApplication::exec();
    EXPECT_FALSE(expired) << "the event loop did not end within " << deadline.count() << " ms";
    return status;
}

} // namespace testola::testing
