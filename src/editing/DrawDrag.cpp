#include "editing/DrawDrag.h"

#include "document/ElementDrawing.h"
#include "document/ElementGeometry.h"
#include "document/ElementOperations.h"
#include "editing/EditingSession.h"
#include "editing/GestureGeometry.h"
#include "editing/PageHitTest.h"
#include "editing/ToolContext.h"

namespace quenby {

DrawDrag::DrawDrag(EditingSession& session, ToolContext& context, int tool, QPoint press)
    : PageDrag(session, context),
      edit_(session.EditAcross(tool == kSelectTool ? EditScope::Display : EditScope::Undoable)),
      tool_(tool),
      press_(press) {
    Document& doc = session_.document();
    const ElementKind kind = IsBand() ? ElementKind::Box : ElementKind(tool);
    shape_ = CreateElement(context_.Geometry().CanvasView(), doc.currentPage, kind,
                           {press, press, press, press});
    context_.DrawFeedback([&](DeviceContext& dc, const ElementOwner& view) {
        for (const Element& e : doc.elements) {
            if (e.selected && e.page == doc.currentPage) {
                DrawSelection(e, dc, view);
            }
        }
        DrawElementGhost(*shape_, dc, view);
    });
    FeedbackDrawn();
    doc.elements.DeselectAll();
}

DrawDrag::~DrawDrag() = default;

bool DrawDrag::IsBand() const {
    return tool_ == kSelectTool;
}

void DrawDrag::Follow(QPoint canvas, bool show) {
    const PageGeometry geometry = context_.Geometry();
    const bool erase = FeedbackStillShown();
    context_.DrawFeedback([&](DeviceContext& dc, const ElementOwner& view) {
        if (erase) {
            DrawElementGhost(*shape_, dc, view);
        }
        SetCornersFromDevicePoints(*shape_, geometry.CanvasView(),
                                   DraggedCorners(press_, canvas, IsBand() ? kBoxTool : tool_));
        if (show) {
            DrawElementGhost(*shape_, dc, view);
        }
    });
    if (show) {
        FeedbackDrawn();
    }
}

void DrawDrag::Move(QPoint canvas) {
    Follow(canvas, true);
}

void DrawDrag::Release(QPoint canvas) {
    Follow(canvas, false);
    if (IsBand()) {
        SelectEnclosed(canvas);
    } else {
        const QRect box = ElementDeviceRect(*shape_, context_.Geometry().CanvasView());
        const bool tooSmall = box.width() < kSmallestShape || box.height() < kSmallestShape;
        // Every drawing tool draws once; the select tool is back before a circular
        // text asks for its text.
        session_.SetTool(kSelectTool);
        if (tooSmall && tool_ != kLineTool) {
            context_.Beep();
            shape_.reset();
        } else {
            FinishShape();
        }
    }
    edit_.reset();
}

void DrawDrag::SelectEnclosed(QPoint canvas) {
    const FixedOwner view = context_.Geometry().CanvasView();
    for (Element* e : ElementsInside(session_.document(), view, press_, canvas)) {
        e->selected = 1;
    }
}

void DrawDrag::FinishShape() {
    ElementPtr shape = std::move(shape_);
    if (shape->kind == ElementKind::CircularText && !context_.RunTextDialog(*shape, true)) {
        return;  // no text, no circle
    }
    session_.document().elements.Append(std::move(shape));
}

void DrawDrag::Cancel() {
    if (FeedbackStillShown()) {
        context_.DrawFeedback([this](DeviceContext& dc, const ElementOwner& view) {
            DrawElementGhost(*shape_, dc, view);
        });
    }
    shape_.reset();
    edit_.reset();
}

void DrawDrag::Interrupt() {
    context_.Beep();
    Cancel();
}

}  // namespace quenby
