#include "app/CommandState.h"

#include "platform/CommandIds.h"

namespace quenby {

namespace {

CommandStatus Enabled(bool enabled) {
    return {enabled, false, false};
}
CommandStatus Ticked(bool enabled, bool checked) {
    return {enabled, true, checked};
}

bool IsTextKind(ElementKind k) {
    return k == ElementKind::Text || k == ElementKind::CircularText;
}

}  // namespace

bool IsAlwaysEnabled(int command) {
    switch (command) {
        case cmd::kNew:
        case cmd::kOpen:
        case cmd::kOpenTemplate:
        case cmd::kPrintSetup:
        case cmd::kExit:
        case cmd::kContextA:
        case cmd::kContextB:
        case cmd::kHelp:
        case cmd::kProductSite:
        case cmd::kQuestionsPage:
        case cmd::kAbout:
            return true;
        default:
            return false;
    }
}

CommandStatus EvaluateCommand(int command, const CommandState& s) {
    if (IsAlwaysEnabled(command)) {
        return Enabled(true);
    }
    const bool ready = !s.startScreenUp;
    const int n = s.selectedCount;
    const ElementKind k = s.selectedKind;
    switch (command) {
        case cmd::kSave:
            return Enabled(ready && s.modified && s.hasPath);
        case cmd::kUndo:
            return Enabled(ready && s.undoAvailable);
        case cmd::kPaste:
            return Enabled(ready && s.clipboardFull);
        case cmd::kCut:
        case cmd::kCopy:
        case cmd::kDuplicate:
        case cmd::kDelete:
        case cmd::kClearPage:
        case cmd::kToFront:
        case cmd::kToBack:
        case cmd::kStepForward:
        case cmd::kStepBackward:
            return Enabled(ready && n >= 1);
        case cmd::kSelectTool:
            return Ticked(ready, s.tool == 0);
        case cmd::kBoxTool:
            return Ticked(ready, s.tool == 2);
        case cmd::kEllipseTool:
            return Ticked(ready, s.tool == 3);
        case cmd::kLineTool:
            return Ticked(ready, s.tool == 4);
        case cmd::kPictureTool:
            return Ticked(ready, s.tool == 5);
        case cmd::kTextTool:
            return Ticked(ready, s.tool == 6);
        case cmd::kCalendarTool:
            return Ticked(ready, s.tool == 7);
        case cmd::kCircularTextTool:
            return Ticked(ready, s.tool == 8);
        case cmd::kPrintFoldLines:
            return Ticked(ready, s.printFoldLines);
        case cmd::kFill:
            return Enabled(ready && n == 1 && (k == ElementKind::Box || k == ElementKind::Ellipse));
        case cmd::kOutline:
            return Enabled(
                ready && n == 1 &&
                (k == ElementKind::Box || k == ElementKind::Ellipse || k == ElementKind::Line));
        case cmd::kTextColour:
        case cmd::kTextOutline:
        case cmd::kTextShadow:
        case cmd::kTextFont:
        case cmd::kEditText:
            return Enabled(ready && n == 1 && IsTextKind(k));
        case cmd::kTurnText:
            return Enabled(ready && n == 1 && k == ElementKind::CircularText);
        case cmd::kDeleteElement:
            return Enabled(ready && n == 1);
        case cmd::kShowMargins:
            return Ticked(ready, s.showMargins);
        case cmd::kPicturesOnly:
            return Ticked(ready, s.displayType == 0);
        case cmd::kPicturesAndText:
            return Ticked(ready, s.displayType == 2);
        case cmd::kZoomIn:
            return Enabled(ready && s.zoomPercent < 300);
        case cmd::kZoomOut:
            return Enabled(ready && s.zoomPercent >= 11);
        case cmd::kPortrait:
            return Ticked(ready, s.orientation == 0);
        case cmd::kLandscape:
            return Ticked(ready, s.orientation == 1);
        default:
            break;
    }
    if (command >= cmd::kFace0 && command <= cmd::kFace3) {
        return Ticked(ready && s.isCard, s.currentPage == command - cmd::kFace0);
    }
    // Save As, print, preview, select all, page colour, the zoom modes and the zoom list.
    return Enabled(ready);
}

}  // namespace quenby
