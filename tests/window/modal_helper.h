#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace testola::testing {

// Runs the action on the next modal dialog as soon as it is open: a modal dialog blocks the test until
// something closes it, so the test's own steps inside it must be queued before it opens.
inline void OnNextModal(std::function<void(QWidget*)> action) {
    QTimer::singleShot(10, [action = std::move(action)]() mutable {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible()) {
            OnNextModal(std::move(action));
            return;
        }
        action(modal);
    });
}

} // namespace testola::testing
