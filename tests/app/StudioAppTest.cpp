#include "AppTestSupport.h"
#include "app/MainFrame.h"
#include "app/StartScreen.h"
#include "app/StudioApp.h"
#include "document/Document.h"
#include "editing/EditingSession.h"
#include "platform/CommandIds.h"
#include "platform/CommandTable.h"
#include "view/EditorWindow.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QToolBar>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace quenby {
namespace {

using test::AnswerNextDialog;
using test::Wait;

class StudioAppTest : public ::testing::Test {
protected:
    StudioPaths Paths() const { return test::PathsIn(dir); }
    std::unique_ptr<StudioApp> StartApp() { return test::StartApp(Paths()); }

    QTemporaryDir dir;
};

TEST_F(StudioAppTest, StartScreenGreysTheEditingCommandsAndTheComboBoxes) {
    auto app = StartApp();
    ASSERT_TRUE(app->startScreenUp());
    ASSERT_NE(app->startScreen(), nullptr);
    EXPECT_TRUE(app->startScreen()->isVisible());
    MainFrame& frame = app->frame();
    for (QComboBox* combo :
         {frame.zoomList(), frame.paperList(), frame.acrossList(), frame.downList()}) {
        EXPECT_FALSE(combo->isEnabled());
    }
    EXPECT_FALSE(app->commands().Action(cmd::kSaveAs)->isEnabled());
    EXPECT_FALSE(app->commands().Action(cmd::kSelectTool)->isEnabled());
    EXPECT_TRUE(app->commands().Action(cmd::kOpen)->isEnabled());
    EXPECT_EQ(frame.zoomList()->currentIndex(), 2);
    EXPECT_EQ(frame.zoomList()->count(), 14);
    EXPECT_EQ(frame.paperList()->currentText(), QStringLiteral("A4"));
    EXPECT_EQ(frame.downList()->itemText(1), QStringLiteral("2 Páginas abajo "));
    EXPECT_EQ(frame.acrossList()->itemText(0), QStringLiteral("1 Página al lado"));
}

TEST_F(StudioAppTest, AFifoAmongTheRecentFilesDoesNotStopTheStartScreen) {
    const QString fifo = dir.filePath(QStringLiteral("fifo.wxd"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QDir().mkpath(QFileInfo(Paths().userSettingsFile).absolutePath());
    QFile settings(Paths().userSettingsFile);
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write(QStringLiteral("[Recent%20File%20List]\nFile1=%1\n").arg(fifo).toUtf8());
    settings.close();
    auto app = StartApp();
    EXPECT_TRUE(app->startScreenUp());
    ASSERT_NE(app->startScreen(), nullptr);
    EXPECT_TRUE(app->startScreen()->isVisible());
}

TEST_F(StudioAppTest, PageSetChoiceClosesTheStartScreenAndEnablesTheLists) {
    auto app = StartApp();
    ASSERT_TRUE(app->startScreenUp());
    app->CloseStartScreen();
    EXPECT_FALSE(app->startScreenUp());
    MainFrame& frame = app->frame();
    EXPECT_TRUE(frame.zoomList()->isEnabled());
    EXPECT_EQ(frame.zoomList()->currentText(), QStringLiteral("Página entera"));
    EXPECT_TRUE(app->commands().Action(cmd::kSaveAs)->isEnabled());

    // An envelope is one sheet: the across and down lists grey and go back to row 0.
    app->OnComboChanged(cmd::kAcrossList, 2);
    frame.paperList()->setCurrentIndex(4);
    app->OnComboChanged(cmd::kPaperList, 4);
    EXPECT_FALSE(frame.acrossList()->isEnabled());
    EXPECT_EQ(frame.acrossList()->currentIndex(), 0);
    EXPECT_EQ(frame.paneText(2000), QStringLiteral("Tamaño de papel = 110.0mm x 220.0mm"));
    app->OnComboChanged(cmd::kPaperList, 0);
    EXPECT_TRUE(frame.acrossList()->isEnabled());
}

TEST_F(StudioAppTest, ClosingWritesPlacementAndToolbarsThatComeBack) {
    {
        auto app = StartApp();
        app->frame().toolbar(3)->hide();
        ASSERT_TRUE(app->CanClose());
    }
    QSettings written(Paths().userSettingsFile, QSettings::IniFormat);
    EXPECT_TRUE(written.contains(QStringLiteral("Options/MainWindowNormalPosLeft")));
    EXPECT_EQ(written.value(QStringLiteral("ToolbarOptions/DisplayType")).toInt(), 2);
    EXPECT_EQ(written.value(QStringLiteral("Toolbar0/Button0")).toInt(), 5001);
    EXPECT_EQ(written.value(QStringLiteral("Toolbar0/Location")).toInt(), 2);
    EXPECT_EQ(written.value(QStringLiteral("Toolbar4/Location")).toInt(), 3);
    EXPECT_EQ(written.value(QStringLiteral("Toolbar3/Visible")).toInt(), 0);

    auto app = StartApp();
    EXPECT_TRUE(app->frame().toolbar(3)->isHidden());
    EXPECT_EQ(app->frame().toolbarGadgets(3),
              (std::vector<int>{-1, 24331, 24332, 24333, 0, 24337, 24340}));
    EXPECT_EQ(app->frame().toolBarArea(app->frame().toolbar(4)), Qt::LeftToolBarArea);
    EXPECT_EQ(app->frame().toolBarArea(app->frame().toolbar(0)), Qt::BottomToolBarArea);
}

TEST_F(StudioAppTest, ToolbarRowsComeBackInTheirStoredOrder) {
    QDir().mkpath(dir.filePath(QStringLiteral("config")));
    QFile file(Paths().userSettingsFile);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        "[Toolbar0]\nLocation=2\nPosY=800\nButton0=24331\n"
        "[Toolbar2]\nLocation=2\nPosY=840\nButton0=1761\n"
        "[Toolbar1]\nLocation=4\nPosX=900\nButton0=1600\n"
        "[Toolbar3]\nLocation=4\nPosX=940\nButton0=24337\n");
    file.close();
    auto app = StartApp();
    MainFrame& frame = app->frame();
    EXPECT_EQ(frame.toolBarArea(frame.toolbar(2)), Qt::BottomToolBarArea);
    EXPECT_GT(frame.toolbar(2)->y(), frame.toolbar(0)->y());
    EXPECT_EQ(frame.toolBarArea(frame.toolbar(3)), Qt::RightToolBarArea);
    EXPECT_GT(frame.toolbar(3)->x(), frame.toolbar(1)->x());
    ASSERT_TRUE(app->CanClose());
    QSettings written(Paths().userSettingsFile, QSettings::IniFormat);
    EXPECT_GT(written.value(QStringLiteral("Toolbar2/PosY")).toInt(),
              written.value(QStringLiteral("Toolbar0/PosY")).toInt());
}

TEST_F(StudioAppTest, FloatingToolbarComesBackFloatingWhereItWas) {
    QDir().mkpath(dir.filePath(QStringLiteral("config")));
    QFile file(Paths().userSettingsFile);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        "[Toolbar4]\nLocation=0\nPosX=300\nPosY=200\nWidth=80\nHeight=300\n"
        "Button0=1811\nButton1=1806\n");
    file.close();
    {
        auto app = StartApp();
        QToolBar* toolbar = app->frame().toolbar(4);
        EXPECT_TRUE(toolbar->isFloating());
        EXPECT_EQ(toolbar->pos(), QPoint(300, 200));
        ASSERT_TRUE(app->CanClose());
    }
    QSettings written(Paths().userSettingsFile, QSettings::IniFormat);
    EXPECT_EQ(written.value(QStringLiteral("Toolbar4/Location")).toInt(), 0);
    EXPECT_EQ(written.value(QStringLiteral("Toolbar4/PosX")).toInt(), 300);
    EXPECT_EQ(written.value(QStringLiteral("Toolbar4/PosY")).toInt(), 200);
    EXPECT_EQ(written.value(QStringLiteral("Toolbar4/Button1")).toInt(), 1806);
}

TEST_F(StudioAppTest, StartScreenButtonsSitWhereTheirPicturesExpect) {
    auto app = StartApp();
    StartScreen* screen = app->startScreen();
    ASSERT_NE(screen, nullptr);
    const int tops[] = {184, 226, 268, 309, 351};
    for (int i = 0; i < 5; ++i) {
        PictureButton* button = screen->button(301 + i);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->geometry(), QRect(394, tops[i], 155, 39)) << i;
    }
}

TEST_F(StudioAppTest, CancellingTheCardDialogShowsTheStartScreenAgain) {
    auto app = StartApp();
    AnswerNextDialog(false);
    app->OnStartScreenButton(StartScreen::kCardButton);
    EXPECT_TRUE(app->startScreenUp());
    EXPECT_TRUE(app->startScreen()->isVisible());
    EXPECT_FALSE(app->frame().zoomList()->isEnabled());
    EXPECT_EQ(app->session().document().isCard, kNoLayout);
}

TEST_F(StudioAppTest, CardChoiceShowsACardAtWholePage) {
    auto app = StartApp();
    AnswerNextDialog(true);
    app->OnStartScreenButton(StartScreen::kCardButton);
    EXPECT_FALSE(app->startScreenUp());
    EXPECT_FALSE(app->startScreen()->isVisible());
    const Document& doc = app->session().document();
    EXPECT_EQ(doc.isCard, kCard);
    EXPECT_EQ(doc.cardType, 0);  // the first fold of the list
    MainFrame& frame = app->frame();
    EXPECT_EQ(frame.zoomList()->currentText(), QStringLiteral("Página entera"));
    EXPECT_EQ(app->editor().ZoomListRow(), 2);
    EXPECT_TRUE(frame.paperList()->isEnabled());
    EXPECT_FALSE(frame.acrossList()->isEnabled());  // a card is one sheet
    EXPECT_FALSE(frame.downList()->isEnabled());
    EXPECT_EQ(frame.paneText(2000), QStringLiteral("Tamaño de papel = 210.0mm x 297.0mm"));
    EXPECT_TRUE(app->commands().Action(cmd::kFace0)->isChecked());
    EXPECT_TRUE(app->commands().Action(cmd::kFace0 + 3)->isEnabled());
}

TEST_F(StudioAppTest, ExitButtonEndsAtOnceAndNewBringsTheStartScreenBack) {
    auto app = StartApp();
    AnswerNextDialog(true);
    app->OnStartScreenButton(StartScreen::kCardButton);
    ASSERT_FALSE(app->startScreenUp());
    ASSERT_TRUE(app->commands().Execute(cmd::kNew));  // not modified: no question
    EXPECT_TRUE(app->startScreenUp());
    EXPECT_EQ(app->session().document().isCard, kNoLayout);

    app->OnStartScreenButton(StartScreen::kExitButton);
    EXPECT_FALSE(app->frame().isVisible());
    EXPECT_TRUE(QFile::exists(Paths().userSettingsFile));
}

TEST_F(StudioAppTest, DisplayTypeCommandsChangeEveryToolbar) {
    auto app = StartApp();
    app->CloseStartScreen();
    ASSERT_TRUE(app->commands().Execute(cmd::kPicturesOnly));
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(app->frame().toolbar(i)->toolButtonStyle(), Qt::ToolButtonIconOnly);
    }
    EXPECT_TRUE(app->commands().Action(cmd::kPicturesOnly)->isChecked());
    ASSERT_TRUE(app->commands().Execute(cmd::kPicturesAndText));
    EXPECT_EQ(app->frame().toolbar(2)->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
}

TEST_F(StudioAppTest, DamagedSettingsStillStart) {
    QDir().mkpath(dir.filePath(QStringLiteral("config")));
    QFile file(Paths().userSettingsFile);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        "[Options]\nMainWindowNormalPosLeft=-99999\nMainWindowNormalPosTop=x\n"
        "[Toolbar0]\nLocation=0\nPosX=-50000\nPosY=-50000\nWidth=-3\nHeight=0\n"
        "[Toolbar1]\nLocation=77\n[ToolbarOptions]\nMaxChars=-100\n"
        "[Toolbar2]\nLocation=2\nPosY=-2147483648\nButton0=1761\n"
        "[Toolbar3]\nLocation=4\nPosX=-2147483648\nWidth=2147483647\nButton0=24331\n");
    file.close();
    auto app = StartApp();
    EXPECT_TRUE(app->startScreenUp());
    EXPECT_TRUE(app->frame().isVisible());
    EXPECT_EQ(app->frame().toolbarGadgets(1).size(), 5u);  // the default face buttons
}

}  // namespace
}  // namespace quenby
