#include "editing/CircularTextDrag.h"

#include "document/ElementDrawing.h"
#include "document/ElementOperations.h"
#include "editing/EditingSession.h"
#include "editing/GestureGeometry.h"
#include "editing/ToolContext.h"

namespace quenby {

CircularTextDrag::CircularTextDrag(EditingSession& session, ToolContext& context, Element& target,
                                   int handle, QPoint press)
    : PageDrag(session, context),
      edit_(session.EditAcross(EditScope::Undoable)),
      target_(target),
      handle_(handle),
      press_(press),
      ghost_(CopyElementWithoutPicture(target)) {
    context_.DrawFeedback([this](DeviceContext& dc, const ElementOwner& view) {
        DrawElementGhost(*ghost_, dc, view);
    });
    FeedbackDrawn();
}

CircularTextDrag::~CircularTextDrag() = default;

void CircularTextDrag::Move(QPoint canvas) {
    const DocPoint pointer = context_.Geometry().ToDocument(canvas);
    const bool erase = FeedbackStillShown();
    context_.DrawFeedback([&](DeviceContext& dc, const ElementOwner& view) {
        if (erase) {
            DrawElementGhost(*ghost_, dc, view);
        }
        ghost_->corners = target_.corners;
        DragCircularHandle(*ghost_, handle_, pointer);
        DrawElementGhost(*ghost_, dc, view);
    });
    FeedbackDrawn();
}

void CircularTextDrag::Release(QPoint canvas) {
    UnselectFollowers(session_.document().elements);
    if (canvas != press_) {
        DragCircularHandle(target_, handle_, context_.Geometry().ToDocument(canvas));
    }
    edit_.reset();
}

void CircularTextDrag::Cancel() {
    edit_.reset();
}

}  // namespace quenby
