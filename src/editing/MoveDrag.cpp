#include "editing/MoveDrag.h"

#include "document/ElementDrawing.h"
#include "document/ElementGeometry.h"
#include "document/ElementOperations.h"
#include "editing/EditingSession.h"
#include "editing/GestureGeometry.h"
#include "editing/ToolContext.h"

namespace quenby {
namespace {

// The outline of every element that moves with the selection's own step.
void DrawLeaderGhosts(const Document& doc, DeviceContext& dc, const ElementOwner& view) {
    for (const Element& e : doc.elements) {
        if (e.selected && !e.IsFollower()) {
            DrawElementGhost(e, dc, view);
        }
    }
}

}  // namespace

MoveDrag::MoveDrag(EditingSession& session, ToolContext& context, QPoint press)
    : PageDrag(session, context), edit_(session.EditAcross(EditScope::Undoable)), last_(press) {
    // The handles go while the selection moves; the repaint at the end brings them back.
    const Document& doc = session_.document();
    context_.DrawFeedback([&doc](DeviceContext& dc, const ElementOwner& view) {
        for (const Element& e : doc.elements) {
            if (e.selected && e.page == doc.currentPage) {
                DrawSelection(e, dc, view);
            }
        }
    });
}

MoveDrag::~MoveDrag() = default;

void MoveDrag::Move(QPoint canvas) {
    Step(canvas, true);
}

void MoveDrag::Release(QPoint canvas) {
    Step(canvas, false);
    edit_.reset();
}

void MoveDrag::Cancel() {
    // The elements stay where the last move took them.
    edit_.reset();
}

void MoveDrag::Step(QPoint canvas, bool showGhosts) {
    const PageGeometry geometry = context_.Geometry();
    const QPoint delta = canvas - last_;
    last_ = canvas;
    const float dx = geometry.PixelsToUnits(delta.x());
    const float dy = geometry.PixelsToUnits(delta.y());
    Document& doc = session_.document();
    if (!showGhosts) {
        MoveSelection(doc.elements, dx, dy);
        return;
    }
    // The ghosts drawn last are taken away, except the very first: it stays as the
    // frame where the drag began.
    const bool eraseLast = !ghostsDrawn_ || FeedbackStillShown();
    context_.DrawFeedback([&](DeviceContext& dc, const ElementOwner& view) {
        if (eraseLast) {
            DrawLeaderGhosts(doc, dc, view);
        }
        MoveSelection(doc.elements, dx, dy);
        DrawLeaderGhosts(doc, dc, view);
    });
    ghostsDrawn_ = true;
    FeedbackDrawn();
}

}  // namespace quenby
