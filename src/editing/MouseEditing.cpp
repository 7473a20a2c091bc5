#include "editing/MouseEditing.h"

#include "document/ElementOperations.h"
#include "editing/CalendarTool.h"
#include "editing/ContextMenu.h"
#include "editing/CrosshairDrag.h"
#include "editing/EditingSession.h"
#include "editing/GestureGeometry.h"
#include "editing/GridSnap.h"
#include "editing/PageDrag.h"
#include "editing/PageHitTest.h"
#include "editing/PageTurnCorners.h"
#include "editing/PictureTool.h"
#include "editing/SelectTool.h"
#include "editing/ShapeTool.h"
#include "editing/TextTool.h"
#include "editing/ToolContext.h"

namespace quenby {

MouseEditing::MouseEditing(EditingSession& session, ToolContext& context)
    : session_(session),
      context_(context),
      select_(std::make_unique<SelectTool>(session, context)),
      shapes_(std::make_unique<ShapeTool>(session, context)),
      text_(std::make_unique<TextTool>(session, context)),
      picture_(std::make_unique<PictureTool>(session, context)),
      calendar_(std::make_unique<CalendarTool>(session, context)) {
    toolChosen_ = QObject::connect(&session_, &EditingSession::ToolChanged,
                                   [this](int tool) { ToolChosen(tool); });
    // A command run while the button is down (a key, a toolbar button) must not change
    // the document beneath the drag: the drag ends first.
    commandRun_ = QObject::connect(&session_.commands(), &CommandTable::AboutToExecute,
                                   [this] { CancelDrag(); });
}

MouseEditing::~MouseEditing() {
    QObject::disconnect(toolChosen_);
    QObject::disconnect(commandRun_);
}

bool MouseEditing::Editable() const {
    return session_.Ready() && session_.document().isCard != kNoLayout;
}

PageTool& MouseEditing::CurrentTool() {
    switch (session_.Tool()) {
        case kBoxTool:
        case kEllipseTool:
        case kLineTool:
        case kCircularTextTool:
            return *shapes_;
        case kTextTool:
            return *text_;
        case kPictureTool:
            return *picture_;
        case kCalendarTool:
            return *calendar_;
        default:
            return *select_;
    }
}

void MouseEditing::LeftPress(QPoint client, bool control) {
    if (drag_) {
        // The last drag's release never came: this press ends it instead of starting
        // another.
        std::unique_ptr<PageDrag> lost = std::move(drag_);
        lost->Interrupt();
        return;
    }
    if (!Editable()) {
        return;
    }
    const QPoint canvas = context_.Geometry().ToCanvas(client);
    context_.FocusPage();
    StartDrag(CurrentTool().Press(canvas, control));
    if (!drag_) {
        SetCursor(HoverCursor(canvas));
    }
}

void MouseEditing::RulerCornerPressed() {
    if (drag_) {
        std::unique_ptr<PageDrag> lost = std::move(drag_);
        lost->Interrupt();
        return;
    }
    if (Editable()) {
        StartDrag(std::make_unique<CrosshairDrag>(session_, context_));
    }
}

void MouseEditing::StartDrag(std::unique_ptr<PageDrag> drag) {
    drag_ = std::move(drag);
    if (drag_) {
        if (const auto cursor = drag_->Cursor()) {
            SetCursor(*cursor);
        }
    }
}

void MouseEditing::Move(QPoint client) {
    const QPoint canvas = context_.Geometry().ToCanvas(client);
    if (lastMove_ == canvas) {
        return;
    }
    lastMove_ = canvas;
    ShowPointerPosition(canvas);
    if (drag_) {
        drag_->Move(canvas);
        if (drag_->Finished()) {
            drag_.reset();
        }
        return;
    }
    SetCursor(HoverCursor(canvas));
}

void MouseEditing::LeftRelease(QPoint client) {
    if (!drag_) {
        return;
    }
    const QPoint canvas = context_.Geometry().ToCanvas(client);
    // Out of the way first: the release may open a dialog, and a cancel meanwhile
    // (the dialog takes the focus) must find no drag.
    std::unique_ptr<PageDrag> drag = std::move(drag_);
    drag->Release(canvas);
    drag.reset();
    SetCursor(HoverCursor(canvas));
}

bool MouseEditing::CancelDrag() {
    if (!drag_) {
        return false;
    }
    std::unique_ptr<PageDrag> drag = std::move(drag_);
    drag->Cancel();
    drag.reset();
    session_.SetTool(kSelectTool);
    SetCursor(PageCursor::Of(PageCursor::Arrow));
    return true;
}

void MouseEditing::DoubleClick(QPoint client) {
    if (drag_) {
        LeftPress(client, false);
        return;
    }
    if (!Editable()) {
        return;
    }
    Element* element = SelectAloneAt(client);
    if (element && HasTextBlock(element->kind) && element->text) {
        EditText(*element);
    }
}

Element* MouseEditing::SelectAloneAt(QPoint client) {
    const PageGeometry geometry = context_.Geometry();
    Element* element =
        HitTestBody(session_.document(), geometry.CanvasView(), geometry.ToCanvas(client));
    if (element) {
        const auto edit = session_.Edit(EditScope::Display);
        session_.document().elements.DeselectAll();
        element->selected = 1;
    }
    return element;
}

void MouseEditing::EditText(Element& element) {
    // The dialog works on a copy, so that Cancel leaves no undo step behind.
    const ElementPtr copy = CopyElementWithoutPicture(element);
    if (!context_.RunTextDialog(*copy, false)) {
        return;
    }
    const auto edit = session_.Edit(EditScope::Undoable);
    element.text->alignment = copy->text->alignment;
    element.text->chars = copy->text->chars;
}

void MouseEditing::RightPress(QPoint client) {
    if (drag_ || !Editable()) {
        return;
    }
    // The menu's commands act on the element as the only one selected.
    Element* element = SelectAloneAt(client);
    if (!element) {
        return;
    }
    const int command = context_.RunContextMenu(ContextMenuFor(*element), client);
    if (command != 0) {
        session_.commands().Execute(command);
    }
}

bool MouseEditing::Nudge(int dx, int dy) {
    if (drag_ || !Editable() || session_.SelectedCount() == 0) {
        return false;
    }
    const PageGeometry geometry = context_.Geometry();
    const auto edit = session_.Edit(EditScope::Undoable);
    MoveSelection(session_.document().elements, geometry.PixelsToUnits(dx),
                  geometry.PixelsToUnits(dy));
    return true;
}

void MouseEditing::ToolChosen(int tool) {
    SetCursor(ToolCursor(tool));
}

void MouseEditing::ShowPointerPosition(QPoint canvas) {
    const PageGeometry geometry = context_.Geometry();
    const PointerPanes panes =
        PointerPaneTexts(geometry.ToPagePixel(canvas), session_.document(), geometry);
    context_.ShowPointerPanes(panes.x, panes.y);
}

PageCursor MouseEditing::HoverCursor(QPoint canvas) const {
    const int tool = session_.Tool();
    if (tool != kSelectTool || !Editable()) {
        return ToolCursor(tool);
    }
    const Document& doc = session_.document();
    const PageGeometry geometry = context_.Geometry();
    if (doc.isCard == kCard && PageTurnCornerAt(canvas, geometry.face, doc.currentPage,
                                                doc.cardType) != PageTurnCorner::None) {
        return PageCursor::FromResource(kPageTurnCursor);
    }
    if (const HandleHit hit = HitTestHandles(doc, geometry.CanvasView(), canvas); hit.element) {
        return HandleCursor(hit.element->kind, hit.handle);
    }
    return PageCursor::Of(PageCursor::Arrow);
}

void MouseEditing::SetCursor(const PageCursor& cursor) {
    if (cursor_ != cursor) {
        cursor_ = cursor;
        context_.SetCursor(cursor);
    }
}

}  // namespace quenby
