// How the program starts and behaves as a desktop program: where the file dialogs
// begin, a document named on the command line, the usual file keys, and the names
// screen readers are given for the controls.
#include "AppTestSupport.h"
#include "app/CommandLine.h"
#include "app/DocumentsFolder.h"
#include "app/MainFrame.h"
#include "app/StartScreen.h"
#include "app/StudioApp.h"
#include "document/Document.h"
#include "document/DocumentFile.h"
#include "editing/EditingSession.h"
#include "platform/CommandIds.h"
#include "platform/CommandTable.h"
#include "platform/MenuResource.h"
#include "platform/MessageBoxes.h"
#include "print/dialogs/CardTypeDialog.h"
#include "print/dialogs/CustomPaperDialog.h"
#include "print/dialogs/PageSetFormatDialog.h"
#include "view/EditorWindow.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMap>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>

#include <gtest/gtest.h>

#include <string>

namespace quenby {
namespace {

using test::Wait;

// ---- where the file dialogs begin ----

TEST(DocumentsFolder, TheDesktopsDocumentsFolderElseHome) {
    QTemporaryDir dir;
    const QString documents = dir.filePath(QStringLiteral("Documentos"));
    const QString home = dir.path();
    // Named but not made yet (a fresh account): the dialogs must not start nowhere.
    EXPECT_EQ(DocumentsFolder(documents, home), home + u'/');
    ASSERT_TRUE(QDir().mkpath(documents));
    EXPECT_EQ(DocumentsFolder(documents, home), documents + u'/');
    EXPECT_EQ(DocumentsFolder(documents + u'/', home), documents + u'/');
    EXPECT_EQ(DocumentsFolder(QString(), home), home + u'/');
    // A file of that name is not a folder.
    const QString file = dir.filePath(QStringLiteral("notes"));
    QFile(file).open(QIODevice::WriteOnly);
    EXPECT_EQ(DocumentsFolder(file, home), home + u'/');
    EXPECT_EQ(DocumentsFolder(QString(), QString()), QDir::rootPath());
}

// ---- the command line ----

TEST(CommandLine, NamesTheFirstDocumentAsAnAbsolutePath) {
    const QString here = QStringLiteral("/home/ana/Documentos");
    const QString program = QStringLiteral("quenby");
    EXPECT_TRUE(DocumentToOpen({program}, here).isEmpty());
    EXPECT_TRUE(DocumentToOpen({}, here).isEmpty());
    EXPECT_TRUE(DocumentToOpen({program, QString()}, here).isEmpty());
    EXPECT_EQ(DocumentToOpen({program, QStringLiteral("tarjeta.wxd")}, here),
              QStringLiteral("/home/ana/Documentos/tarjeta.wxd"));
    EXPECT_EQ(DocumentToOpen({program, QStringLiteral("../x/./b.wxd")}, here),
              QStringLiteral("/home/ana/x/b.wxd"));
    EXPECT_EQ(DocumentToOpen({program, QStringLiteral("/tmp/a.wxd"), QStringLiteral("b.wxd")},
                             here),
              QStringLiteral("/tmp/a.wxd"));
    // "--" ends the options: a file may begin with a dash.
    EXPECT_EQ(DocumentToOpen({program, QStringLiteral("--"), QStringLiteral("-a.wxd")}, here),
              QStringLiteral("/home/ana/Documentos/-a.wxd"));
    // File managers may hand over an address rather than a path.
    EXPECT_EQ(DocumentToOpen({program, QStringLiteral("file:///tmp/mi%20tarjeta.wxd")}, here),
              QStringLiteral("/tmp/mi tarjeta.wxd"));
    EXPECT_TRUE(
        DocumentToOpen({program, QStringLiteral("file://otro-equipo/tmp/a.wxd")}, here).isEmpty());
}

// ---- the application ----

// Answers the next modal dialog (a message box too): accepts it, or cancels it.
void AnswerNextDialog(bool accept) {
    QTimer::singleShot(50, [accept] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            accept ? dialog->accept() : dialog->reject();
        }
    });
}

// Accepts every modal dialog (the messages about a file) for as long as it lives: the
// messages come at the first paint, whenever that is.
class ModalAnswerer {
public:
    ModalAnswerer() {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                ++answered_;
                dialog->accept();
            }
        });
        timer_.start(30);
    }
    int answered() const { return answered_; }

private:
    QTimer timer_;
    int answered_ = 0;
};

class DesktopStartTest : public ::testing::Test {
protected:
    StudioPaths Paths() const {
        StudioPaths paths = test::PathsIn(dir);
        paths.documentsFolder = dir.filePath(QStringLiteral("Documentos/"));
        return paths;
    }

    // Starts with `document` on the command line and waits for the first paint's work.
    std::unique_ptr<StudioApp> StartWith(const QString& document) {
        auto app = std::make_unique<StudioApp>(Paths());
        app->OpenAtStart(document);
        app->Start();
        for (int i = 0; i < 50 && app->session().document().documentPath.isEmpty() &&
                        !app->startScreenUp();
             ++i) {
            Wait(20);
        }
        return app;
    }

    QString WriteCard(const QString& name) {
        Document doc;
        doc.ChooseCardType(1);
        std::vector<std::uint8_t> bytes;
        wxd::WriteDocument(doc, bytes);
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
        return path;
    }

    QTemporaryDir dir;
};

TEST_F(DesktopStartTest, FileDialogsStartInTheDocumentsFolderNotTheProgramFolder) {
    auto app = test::StartApp(Paths());
    EXPECT_EQ(app->session().files().LastFolder(), Paths().documentsFolder);
    EXPECT_NE(app->session().files().LastFolder(), Paths().programFolder);
}

TEST_F(DesktopStartTest, ADocumentOnTheCommandLineOpensInPlaceOfTheStartScreen) {
    QDir().mkpath(dir.filePath(QStringLiteral("cards")));
    const QString path = WriteCard(QStringLiteral("cards/abuela.wxd"));
    auto app = StartWith(path);
    Wait(100);
    const Document& doc = app->session().document();
    EXPECT_EQ(doc.documentPath, path);
    EXPECT_EQ(doc.isCard, kCard);
    EXPECT_FALSE(doc.modified);
    EXPECT_FALSE(app->startScreenUp());
    EXPECT_TRUE(app->startScreen() == nullptr || !app->startScreen()->isVisible());
    EXPECT_EQ(app->frame().zoomList()->currentText(), QStringLiteral("Página entera"));
    EXPECT_TRUE(app->frame().paperList()->isEnabled());
    EXPECT_TRUE(app->commands().Action(cmd::kSaveAs)->isEnabled());
    // As after the open dialog: the next dialog starts beside the file.
    EXPECT_EQ(QDir::cleanPath(app->session().files().LastFolder()),
              dir.filePath(QStringLiteral("cards")));
}

TEST_F(DesktopStartTest, AnUnreadableDocumentOnTheCommandLineLeavesTheStartScreen) {
    const QString missing = dir.filePath(QStringLiteral("no-existe.wxd"));
    const QString damaged = dir.filePath(QStringLiteral("roto.wxd"));
    QFile file(damaged);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("WXQU\x01");  // the mark, then the header cut short
    file.close();
    for (const QString& path : {missing, damaged}) {
        ModalAnswerer answerer;
        auto app = StartWith(path);
        for (int i = 0; i < 50 && !app->startScreenUp(); ++i) {
            Wait(20);
        }
        EXPECT_GE(answerer.answered(), 1) << "no message about " << path.toStdString();
        EXPECT_TRUE(app->startScreenUp()) << path.toStdString();
        ASSERT_NE(app->startScreen(), nullptr);
        EXPECT_TRUE(app->startScreen()->isVisible());
        EXPECT_EQ(app->session().document().isCard, kNoLayout);
        EXPECT_FALSE(app->commands().Action(cmd::kSaveAs)->isEnabled());
    }
}

TEST_F(DesktopStartTest, FileKeysRunTheirCommandsWithTheSameEnablersAndNoClash) {
    auto app = test::StartApp(Paths());
    const QMap<int, QKeySequence> keys{
        {cmd::kNew, QKeySequence(Qt::CTRL | Qt::Key_N)},
        {cmd::kOpen, QKeySequence(Qt::CTRL | Qt::Key_O)},
        {cmd::kSave, QKeySequence(Qt::CTRL | Qt::Key_S)},
        {cmd::kSaveAs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
        {cmd::kPrint, QKeySequence(Qt::CTRL | Qt::Key_P)},
        {cmd::kExit, QKeySequence(Qt::CTRL | Qt::Key_Q)},
    };
    for (auto it = keys.cbegin(); it != keys.cend(); ++it) {
        QAction* action = app->commands().Action(it.key());
        ASSERT_NE(action, nullptr) << it.key();
        EXPECT_TRUE(action->shortcuts().contains(it.value())) << it.key();
    }
    // Exit's menu item keeps showing the key of old.
    EXPECT_EQ(app->commands().Action(cmd::kExit)->shortcut(), QKeySequence(Qt::ALT | Qt::Key_F4));

    // One key, one command, over every action of the frame.
    QMap<QKeySequence, QString> owner;
    for (QAction* action : app->frame().findChildren<QAction*>()) {
        for (const QKeySequence& key : action->shortcuts()) {
            const QString name = action->text();
            if (owner.contains(key) && owner.value(key) != name) {
                ADD_FAILURE() << key.toString().toStdString() << " runs both "
                              << owner.value(key).toStdString() << " and " << name.toStdString();
            }
            owner.insert(key, name);
        }
    }

    // The start screen greys Save As and Print: so do their keys, being the same action.
    EXPECT_FALSE(app->commands().Action(cmd::kSaveAs)->isEnabled());
    EXPECT_FALSE(app->commands().Action(cmd::kPrint)->isEnabled());
    AnswerNextDialog(true);
    app->OnStartScreenButton(StartScreen::kCardButton);
    EXPECT_TRUE(app->commands().Action(cmd::kSaveAs)->isEnabled());
}

// What the accessibility bus reports as a control's name.
QString BusName(QObject* object) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(QAccessible::Name).trimmed() : QString();
}

// The visible buttons, lists and fields under `root` that the bus would call nothing.
std::string UnnamedControls(QWidget* root) {
    QStringList unnamed;
    if (BusName(root).isEmpty()) {
        unnamed << QStringLiteral("the window itself");
    }
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        // A spin box's or list's own field is part of it on the bus, not a control.
        const bool part = qobject_cast<QAbstractSpinBox*>(widget->parentWidget()) ||
                          qobject_cast<QComboBox*>(widget->parentWidget());
        const bool control = !part && (qobject_cast<QAbstractButton*>(widget) ||
                                       qobject_cast<QComboBox*>(widget) ||
                                       qobject_cast<QLineEdit*>(widget) ||
                                       qobject_cast<QAbstractSpinBox*>(widget) ||
                                       qobject_cast<QAbstractItemView*>(widget));
        if (control && widget->isVisibleTo(root) && BusName(widget).isEmpty() &&
            widget->accessibleName().isEmpty()) {
            unnamed << QStringLiteral("%1 %2").arg(QString::fromLatin1(
                                                       widget->metaObject()->className()),
                                                   widget->objectName());
        }
    }
    return unnamed.join(QStringLiteral(", ")).toStdString();
}

TEST(AccessibleNames, TheLayoutDialogsNameEveryControl) {
    SilentMessageBoxes messages;
    CardTypeDialog card;
    PageSetFormatDialog pageSet;
    CustomPaperDialog paper(messages);
    for (QDialog* dialog : std::initializer_list<QDialog*>{&card, &pageSet, &paper}) {
        EXPECT_EQ(UnnamedControls(dialog), "") << dialog->windowTitle().toStdString();
    }
    EXPECT_EQ(card.findChild<QAbstractItemView*>()->accessibleName(),
              QStringLiteral("Tipo de tarjeta"));
}

TEST_F(DesktopStartTest, EveryControlHasANameForScreenReaders) {
    auto app = test::StartApp(Paths());
    ASSERT_NE(app->startScreen(), nullptr);
    EXPECT_EQ(BusName(app->startScreen()->button(StartScreen::kCardButton)),
              QStringLiteral("Crear una tarjeta"));
    EXPECT_EQ(BusName(app->startScreen()->button(StartScreen::kExitButton)),
              QStringLiteral("Salir"));
    EXPECT_EQ(UnnamedControls(&app->frame()), "");
    EXPECT_EQ(UnnamedControls(app->startScreen()), "");
    // Picture-only toolbar buttons carry the command's whole name, not the short label.
    QWidget* selectButton = nullptr;
    for (QToolBar* bar : app->frame().findChildren<QToolBar*>()) {
        if (QAction* action = app->commands().Action(cmd::kSelectTool)) {
            if (QWidget* button = bar->widgetForAction(action)) {
                selectButton = button;
            }
        }
    }
    ASSERT_NE(selectButton, nullptr);
    EXPECT_EQ(BusName(selectButton), AccessibleCommandName(cmd::kSelectTool));
    // The lists are named by what they choose (on Linux the bus reports that as the
    // description and the current choice as the name).
    for (QComboBox* list : {app->frame().zoomList(), app->frame().downList()}) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(list);
        ASSERT_NE(face, nullptr);
        EXPECT_EQ(face->text(QAccessible::Description), list->accessibleName());
    }
    EXPECT_EQ(app->frame().zoomList()->accessibleName(), QStringLiteral("Zoom"));
    EXPECT_EQ(app->frame().downList()->accessibleName(), QStringLiteral("Páginas abajo"));
}

TEST_F(DesktopStartTest, ThePageViewIsNamedForTheFaceItShows) {
    auto app = test::StartApp(Paths());
    AnswerNextDialog(true);  // the page set's format
    app->OnStartScreenButton(StartScreen::kPageSetButton);
    EXPECT_EQ(BusName(&app->editor()), QStringLiteral("Página"));
    ASSERT_TRUE(app->commands().Execute(cmd::kNew));
    AnswerNextDialog(true);
    app->OnStartScreenButton(StartScreen::kCardButton);
    EXPECT_EQ(BusName(&app->editor()), QStringLiteral("Parte delantera"));
    ASSERT_TRUE(app->commands().Execute(cmd::kFace0 + 1));
    EXPECT_EQ(BusName(&app->editor()), QStringLiteral("Parte delantera interna"));
}

}  // namespace
}  // namespace quenby
