#include "application_setup.h"

#include "form1_layout.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>

namespace testola {

void PrepareApplication(QApplication& application) {
    QApplication::setApplicationName(QStringLiteral(TESTOLA_NAME));
    QApplication::setApplicationVersion(QStringLiteral(TESTOLA_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(TESTOLA_APP_ID));
    // One look on every desktop, so the colours chosen for the panel and the strip read the same everywhere.
    application.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QFont::insertSubstitution(ToQString(DesignFontFamily), ToQString(SubstituteFontFamily));
}

} // namespace testola
