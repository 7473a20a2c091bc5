#include "app/EditorWindow.h"
#include "platform/ResourceStrings.h"
#include "platform/StringIds.h"

#include <QApplication>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quenby"));
    QApplication::setOrganizationName(QStringLiteral("Wexmoor Arts"));

    QMainWindow frame;
    auto* editor = new quenby::EditorWindow(&frame);  // owned by the frame
    frame.setCentralWidget(editor);
    frame.setWindowTitle(quenby::ResourceString(quenby::str::kProductName));

    QMenu* file = frame.menuBar()->addMenu(QStringLiteral("&Archivo"));
    auto& files = editor->files();
    file->addAction(QStringLiteral("&Nuevo"), QKeySequence::New, [&files] { files.NewDocument(); });
    file->addAction(QStringLiteral("&Abrir..."), QKeySequence::Open, [&files] { files.Open(); });
    file->addAction(QStringLiteral("&Guardar"), QKeySequence::Save, [&files] { files.Save(); });
    file->addAction(QStringLiteral("Guardar &como..."), [&files] { files.SaveAs(); });
    file->addSeparator();
    file->addAction(QStringLiteral("&Salir"), QKeySequence::Quit, &frame, &QMainWindow::close);

    frame.showMaximized();
    return app.exec();
}
