#include "app/AccessibleApplication.h"
#include "app/CommandLine.h"
#include "app/StudioApp.h"
#include "platform/ProcessSignals.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char** argv) {
    // A file-size limit makes a save or a print fail with the program's message.
    quenby::IgnoreFileSizeLimitSignal();
    // Before the application object, whose interface the accessibility bus asks for first.
    quenby::InstallAccessibleApplication();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quenby"));
    QApplication::setOrganizationName(QStringLiteral("Wexmoor Arts"));
    // The desktop entry's name: the desktop ties the windows to the program's entry
    // and icon through it.
    QGuiApplication::setDesktopFileName(QStringLiteral(QUENBY_APP_ID));

    // The program speaks Spanish whatever the desktop's language: the standard
    // buttons and dialogs of the toolkit too.
    QTranslator toolkit;
    if (toolkit.load(QStringLiteral("qtbase_es"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&toolkit);
    }

    quenby::StudioApp studio;
    studio.OpenAtStart(quenby::DocumentToOpen(QApplication::arguments(), QDir::currentPath()));
    studio.Start();
    return QApplication::exec();
}
