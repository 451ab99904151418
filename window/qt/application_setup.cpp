#include "application_setup.h"

#include "display_text.h"
#include "form1_layout.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyleFactory>
#include <QTranslator>

namespace testola {

namespace {

// The designed family has no Linux counterpart, so it is mapped to one that has Cyrillic.
constexpr std::string_view SubstituteFontFamily = "DejaVu Sans";

// Qt's own texts (the text field's context menu, for one) in Russian like the rest of the program, whatever the
// user's locale. Without the translation installed they stay English, and the program runs all the same.
void InstallQtRussian(QApplication& application) {
    auto* translator = new QTranslator(&application);
    if (translator->load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}

} // namespace

void PrepareApplication(QApplication& application) {
    QApplication::setApplicationName(QStringLiteral(TESTOLA_NAME));
    QApplication::setApplicationVersion(QStringLiteral(TESTOLA_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(TESTOLA_APP_ID));
    // One look on every desktop, so the colours chosen for the panel and the strip read the same everywhere.
    application.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QFont::insertSubstitution(ToDisplayText(DesignFontFamily), ToDisplayText(SubstituteFontFamily));
    InstallQtRussian(application);
}

} // namespace testola
