#include "application_setup.h"
#include "form1.h"
#include "qt_runtime.h"
#include "random_sequence.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    testola::PrepareApplication(application);

    testola::QtRuntime runtime;
    testola::RandomSequence random;
    testola::Form1 form(runtime, random);
    runtime.SetWindow(&form);
    form.show();
    return QApplication::exec();
}
