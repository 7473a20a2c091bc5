#include "platform/CommandIds.h"
#include "app/CommandMap.h"
#include "app/CommandState.h"

#include <QAction>

#include <gtest/gtest.h>

namespace quenby {
namespace {

CommandState Ready() {
    CommandState s;
    s.startScreenUp = false;
    return s;
}

TEST(CommandEnablersTest, OnlyTheAlwaysCommandsStayOnWhileTheStartScreenShows) {
    CommandMap map;
    CommandState s;  // start screen up
    s.selectedCount = 1;
    s.selectedKind = ElementKind::Text;
    s.modified = s.hasPath = s.undoAvailable = s.clipboardFull = s.isCard = true;
    map.SetStateSource([&s] { return s; });
    map.Refresh();
    const std::vector<int> always{24331, 24332, 11845, 24338, 24310, 8079,
                                  8090,  8432,  11846, 11847, 2009};
    int greyed = 0;
    for (int id : map.Ids()) {
        const bool on = map.Action(id)->isEnabled();
        const bool isAlways = std::find(always.begin(), always.end(), id) != always.end();
        EXPECT_EQ(on, isAlways) << id;
        greyed += on ? 0 : 1;
    }
    EXPECT_EQ(greyed, static_cast<int>(map.Ids().size() - always.size()));
    // A command that its enabler refuses does not run, whatever triggers it.
    bool ran = false;
    map.SetHandler(cmd::kCut, [&ran] { ran = true; });
    EXPECT_FALSE(map.Execute(cmd::kCut));
    EXPECT_FALSE(ran);
}

TEST(CommandEnablersTest, FormatCommandsFollowTheSelectedKind) {
    CommandState s = Ready();
    s.selectedCount = 1;
    s.selectedKind = ElementKind::Text;
    EXPECT_FALSE(EvaluateCommand(cmd::kFill, s).enabled);
    EXPECT_TRUE(EvaluateCommand(cmd::kTextFont, s).enabled);
    EXPECT_FALSE(EvaluateCommand(cmd::kTurnText, s).enabled);
    s.selectedKind = ElementKind::CircularText;
    EXPECT_TRUE(EvaluateCommand(cmd::kTurnText, s).enabled);
    s.selectedKind = ElementKind::Line;
    EXPECT_TRUE(EvaluateCommand(cmd::kOutline, s).enabled);
    EXPECT_FALSE(EvaluateCommand(cmd::kFill, s).enabled);
    s.selectedCount = 2;
    s.selectedKind = ElementKind::Text;
    EXPECT_FALSE(EvaluateCommand(cmd::kTextFont, s).enabled);
    EXPECT_FALSE(EvaluateCommand(cmd::kDeleteElement, s).enabled);
    EXPECT_TRUE(EvaluateCommand(cmd::kCopy, s).enabled);
    s.selectedCount = 0;
    EXPECT_FALSE(EvaluateCommand(cmd::kCopy, s).enabled);
    EXPECT_FALSE(EvaluateCommand(cmd::kToFront, s).enabled);
}

TEST(CommandEnablersTest, SaveNeedsAFileNameSaveAsDoesNot) {
    CommandState s = Ready();
    s.modified = true;
    EXPECT_FALSE(EvaluateCommand(cmd::kSave, s).enabled);
    EXPECT_TRUE(EvaluateCommand(cmd::kSaveAs, s).enabled);
    s.hasPath = true;
    EXPECT_TRUE(EvaluateCommand(cmd::kSave, s).enabled);
    s.modified = false;
    EXPECT_FALSE(EvaluateCommand(cmd::kSave, s).enabled);
}

TEST(CommandEnablersTest, FaceButtonsTickTheShownFaceOfACard) {
    CommandState s = Ready();
    s.isCard = true;
    s.currentPage = 2;
    for (int face = 0; face < 4; ++face) {
        const CommandStatus status = EvaluateCommand(cmd::kFace0 + face, s);
        EXPECT_TRUE(status.enabled);
        EXPECT_EQ(status.checked, face == 2) << face;
    }
    s.isCard = false;
    for (int face = 0; face < 4; ++face) {
        EXPECT_FALSE(EvaluateCommand(cmd::kFace0 + face, s).enabled);
    }
}

TEST(CommandEnablersTest, ZoomButtonsGreyAtTheEnds) {
    CommandState s = Ready();
    s.zoomPercent = 300;
    EXPECT_FALSE(EvaluateCommand(cmd::kZoomIn, s).enabled);
    EXPECT_TRUE(EvaluateCommand(cmd::kZoomOut, s).enabled);
    s.zoomPercent = 10;
    EXPECT_TRUE(EvaluateCommand(cmd::kZoomIn, s).enabled);
    EXPECT_FALSE(EvaluateCommand(cmd::kZoomOut, s).enabled);
    s.zoomPercent = 11;
    EXPECT_TRUE(EvaluateCommand(cmd::kZoomOut, s).enabled);
}

TEST(CommandEnablersTest, TicksFollowToolOrientationAndSwitches) {
    CommandState s = Ready();
    s.tool = 8;
    EXPECT_TRUE(EvaluateCommand(cmd::kCircularTextTool, s).checked);
    EXPECT_FALSE(EvaluateCommand(cmd::kSelectTool, s).checked);
    s.orientation = 1;
    EXPECT_TRUE(EvaluateCommand(cmd::kLandscape, s).checked);
    EXPECT_FALSE(EvaluateCommand(cmd::kPortrait, s).checked);
    s.displayType = 0;
    EXPECT_TRUE(EvaluateCommand(cmd::kPicturesOnly, s).checked);
    EXPECT_FALSE(EvaluateCommand(cmd::kPicturesAndText, s).checked);
    s.printFoldLines = true;
    s.showMargins = false;
    EXPECT_TRUE(EvaluateCommand(cmd::kPrintFoldLines, s).checked);
    EXPECT_FALSE(EvaluateCommand(cmd::kShowMargins, s).checked);
}

TEST(CommandEnablersTest, MenuTextsAndHintsComeFromTheResources) {
    CommandMap map;
    EXPECT_EQ(map.Action(cmd::kUndo)->text(), QStringLiteral("Deshacer"));
    EXPECT_EQ(map.Action(cmd::kTextTool)->statusTip(), QStringLiteral("Añadir un cuadro de texto"));
    EXPECT_EQ(map.Action(cmd::kTextTool)->toolTip(), QStringLiteral("Texto"));
}

}  // namespace
}  // namespace quenby
