// The enablers and ticks of the command table as the running program shows them:
// every row reads the real editing session, window and frame, never a copy of their
// state built for the test.
#include "AppTestSupport.h"
#include "app/StudioApp.h"
#include "document/ElementOperations.h"
#include "editing/EditingSession.h"
#include "platform/CommandIds.h"
#include "platform/CommandTable.h"
#include "view/EditorWindow.h"
#include "view/ViewGeometry.h"

#include <QAction>

#include <gtest/gtest.h>

#include <algorithm>

namespace quenby {
namespace {

class CommandEnablersTest : public ::testing::Test {
protected:
    void SetUp() override {
        app = test::StartApp(test::PathsIn(dir));
        ASSERT_TRUE(app->startScreenUp());
    }

    // A card with the start screen gone, as after the card button.
    void Ready() {
        session().document().ChooseCardType(3);
        app->CloseStartScreen();
    }

    Element& Add(ElementKind kind, bool selected, int face = 0) {
        ElementPtr e = CreateElement(FixedOwner(), face, kind,
                                     {QPoint(0, 0), QPoint(9, 0), QPoint(9, 9), QPoint(0, 9)});
        e->selected = selected ? 1 : 0;
        Element& ref = *e;
        session().document().elements.Append(std::move(e));
        return ref;
    }

    bool On(int id) {
        commands().Refresh();
        return commands().Action(id)->isEnabled();
    }
    bool Ticked(int id) {
        commands().Refresh();
        return commands().Action(id)->isChecked();
    }

    EditingSession& session() { return app->session(); }
    CommandTable& commands() { return app->commands(); }

    QTemporaryDir dir;
    std::unique_ptr<StudioApp> app;
};

TEST_F(CommandEnablersTest, OnlyTheAlwaysCommandsStayOnWhileTheStartScreenShows) {
    // Everything a command could want, but the start screen is up.
    session().document().ChooseCardType(3);
    Add(ElementKind::Text, true);
    session().document().modified = true;
    session().document().documentPath = dir.filePath(QStringLiteral("a.wxd"));
    session().undo().CopySelection();
    session().undo().TakeSnapshot();
    commands().Refresh();
    const std::vector<int> always{24331, 24332, 11845, 24338, 24310,
                                  8090,  8432,  11846, 11847, 2009};
    int greyed = 0;
    for (int id : commands().Ids()) {
        const bool on = commands().Action(id)->isEnabled();
        const bool isAlways = std::find(always.begin(), always.end(), id) != always.end();
        EXPECT_EQ(on, isAlways) << id;
        greyed += on ? 0 : 1;
    }
    EXPECT_EQ(greyed, static_cast<int>(commands().Ids().size() - always.size()));
    // A command that its enabler refuses does not run, whatever triggers it.
    commands().Action(cmd::kCut)->trigger();
    EXPECT_EQ(session().document().elements.Count(), 1);
    EXPECT_FALSE(commands().Execute(cmd::kCut));
}

TEST_F(CommandEnablersTest, FormatCommandsFollowTheSelectedKind) {
    Ready();
    Element& text = Add(ElementKind::Text, true);
    EXPECT_FALSE(On(cmd::kFill));
    EXPECT_TRUE(On(cmd::kTextFont));
    EXPECT_FALSE(On(cmd::kTurnText));
    text.kind = ElementKind::CircularText;
    EXPECT_TRUE(On(cmd::kTurnText));
    text.kind = ElementKind::Line;
    EXPECT_TRUE(On(cmd::kOutline));
    EXPECT_FALSE(On(cmd::kFill));
    text.kind = ElementKind::Text;
    Add(ElementKind::Text, true, 2);  // a selection on another face counts too
    EXPECT_FALSE(On(cmd::kTextFont));
    EXPECT_FALSE(On(cmd::kDeleteElement));
    EXPECT_TRUE(On(cmd::kCopy));
    session().document().elements.DeselectAll();
    EXPECT_FALSE(On(cmd::kCopy));
    EXPECT_FALSE(On(cmd::kToFront));
}

TEST_F(CommandEnablersTest, SaveNeedsAFileNameSaveAsDoesNot) {
    Ready();
    session().document().modified = true;
    EXPECT_FALSE(On(cmd::kSave));
    EXPECT_TRUE(On(cmd::kSaveAs));
    session().document().documentPath = dir.filePath(QStringLiteral("a.wxd"));
    EXPECT_TRUE(On(cmd::kSave));
    session().document().modified = false;
    EXPECT_FALSE(On(cmd::kSave));
}

TEST_F(CommandEnablersTest, FaceButtonsTickTheShownFaceOfACard) {
    Ready();
    ASSERT_TRUE(commands().Execute(cmd::kFace2));
    for (int face = 0; face < 4; ++face) {
        EXPECT_TRUE(On(cmd::kFace0 + face));
        EXPECT_EQ(Ticked(cmd::kFace0 + face), face == 2) << face;
    }
    session().document().isCard = kPageSet;
    for (int face = 0; face < 4; ++face) {
        EXPECT_FALSE(On(cmd::kFace0 + face));
    }
}

TEST_F(CommandEnablersTest, ZoomButtonsGreyAtTheEnds) {
    Ready();
    EditorWindow& editor = app->editor();
    editor.SetZoom(view::kSetZoomBase + 300);
    EXPECT_FALSE(On(cmd::kZoomIn));
    EXPECT_TRUE(On(cmd::kZoomOut));
    editor.SetZoom(view::kSetZoomBase + 10);
    EXPECT_TRUE(On(cmd::kZoomIn));
    EXPECT_FALSE(On(cmd::kZoomOut));
    editor.SetZoom(view::kSetZoomBase + 11);
    EXPECT_TRUE(On(cmd::kZoomOut));
}

TEST_F(CommandEnablersTest, TicksFollowToolOrientationAndSwitches) {
    Ready();
    ASSERT_TRUE(commands().Execute(cmd::kCircularTextTool));
    EXPECT_TRUE(Ticked(cmd::kCircularTextTool));
    EXPECT_FALSE(Ticked(cmd::kSelectTool));
    ASSERT_TRUE(commands().Execute(cmd::kLandscape));
    EXPECT_TRUE(Ticked(cmd::kLandscape));
    EXPECT_FALSE(Ticked(cmd::kPortrait));
    ASSERT_TRUE(commands().Execute(cmd::kPicturesOnly));
    EXPECT_TRUE(Ticked(cmd::kPicturesOnly));
    EXPECT_FALSE(Ticked(cmd::kPicturesAndText));
    const bool margins = session().document().showMargins;
    ASSERT_TRUE(commands().Execute(cmd::kPrintFoldLines));
    ASSERT_TRUE(commands().Execute(cmd::kShowMargins));
    EXPECT_TRUE(Ticked(cmd::kPrintFoldLines));
    EXPECT_EQ(Ticked(cmd::kShowMargins), !margins);
}

TEST_F(CommandEnablersTest, MenuTextsAndHintsComeFromTheResources) {
    EXPECT_EQ(commands().Action(cmd::kUndo)->text(), QStringLiteral("Deshacer"));
    EXPECT_EQ(commands().Action(cmd::kTextTool)->statusTip(),
              QStringLiteral("Añadir un cuadro de texto"));
    EXPECT_EQ(commands().Action(cmd::kTextTool)->toolTip(), QStringLiteral("Texto"));
    EXPECT_EQ(commands().Action(cmd::kUndo)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(commands().Action(cmd::kDelete)->shortcuts().size(), 2);
}

}  // namespace
}  // namespace quenby
