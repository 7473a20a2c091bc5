// The help viewer: shows one help file (HTML with its pictures) in a window of its own,
// with back, forward and home buttons.
#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QMainWindow>
#include <QMessageBox>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quenby-help"));
    const QStringList args = QApplication::arguments();
    if (args.size() < 2) {
        QMessageBox::warning(nullptr, QStringLiteral("Ayuda"),
                             QStringLiteral("Falta el nombre del fichero de ayuda."));
        return 1;
    }
    const QFileInfo file(args.at(1));
    if (!file.isReadable()) {
        QMessageBox::warning(
            nullptr, QStringLiteral("Ayuda"),
            QStringLiteral("No se puede abrir el fichero de ayuda\n%1").arg(file.filePath()));
        return 1;
    }

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Ayuda de Wexmoor Arts Craftbox"));
    auto* browser = new QTextBrowser(&window);
    browser->setObjectName(QStringLiteral("HelpBrowser"));
    browser->setOpenExternalLinks(true);
    browser->setSearchPaths({file.absolutePath()});
    browser->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
    window.setCentralWidget(browser);

    QToolBar* bar = window.addToolBar(QStringLiteral("Navegación"));
    bar->setMovable(false);
    QAction* back = bar->addAction(QStringLiteral("Atrás"), browser, &QTextBrowser::backward);
    QAction* forward = bar->addAction(QStringLiteral("Adelante"), browser, &QTextBrowser::forward);
    bar->addAction(QStringLiteral("Inicio"), browser, &QTextBrowser::home);
    back->setShortcut(QKeySequence::Back);
    forward->setShortcut(QKeySequence::Forward);
    back->setEnabled(false);
    forward->setEnabled(false);
    QObject::connect(browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    QObject::connect(browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);

    window.resize(760, 640);
    window.show();
    return QApplication::exec();
}
