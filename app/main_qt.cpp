#include "application_setup.h"
#include "display_check.h"
#include "qt_program.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    testola::BeginDisplayCheck();
    QApplication application(argc, argv);
    testola::EndDisplayCheck();
    testola::PrepareApplication(application);

    int status = 0;
    {
        testola::QtProgram<> program;
        program.form.show();
        status = QApplication::exec();
        // Qt 6.4's Wayland plugin can hang for good while it closes the connection: its reading thread may quit
        // holding a read it prepared, and the other thread waits on that read. Its windows, freed, risk a crash
        // (see HideOnClose). The program keeps nothing, so on Wayland it leaves without that teardown; the
        // compositor sees the window go and the connection close as the process ends.
        // For Qt 6.4 (Debian 12's 6.4.2), the oldest Qt the program is built with; no later release is known to
        // mend it. It can go once the Wayland desktop checks (scripts/wayland-smoke.sh) end the program with the
        // ordinary teardown, again and again, without a hang on every Qt the program is built with.
        if (testola::IsWaylandClient()) {
            std::fflush(nullptr);
            std::_Exit(status);
        }
    }
    return status;
}
