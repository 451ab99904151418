#include "application_setup.h"

#include <QApplication>
#include <gtest/gtest.h>

// The window tests share one application, set up as the program sets up its own.
int main(int argc, char* argv[]) {
    ::testing::InitGoogleTest(&argc, argv);
    // Drawn into memory unless told otherwise, so the tests (and their listing at build time) need no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    testola::PrepareApplication(application);
    return RUN_ALL_TESTS();
}
