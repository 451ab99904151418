#include "application_setup.h"
#include "qt_form1.h"
#include "qt_runtime.h"
#include "random_sequence.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    testola::PrepareApplication(application);

    testola::QtRuntime runtime;
    testola::RandomSequence random;
    testola::QtForm1 form(runtime, random);
    runtime.SetWindow(&form);
    form.show();
    return QApplication::exec();
}
