#include "editing/TurnDrag.h"

#include "document/ElementDrawing.h"
#include "document/ElementGeometry.h"
#include "document/ElementOperations.h"
#include "document/ElementOwner.h"
#include "editing/EditingSession.h"
#include "editing/GestureGeometry.h"
#include "editing/ToolContext.h"
#include "platform/DeviceContext.h"

namespace quenby {

TurnDrag::TurnDrag(EditingSession& session, ToolContext& context, Element& target, QPoint press)
    : PageDrag(session, context),
      edit_(session.EditAcross(EditScope::Undoable)),
      target_(target),
      centre_(ElementBounds(target).centre),
      pressAt_(press),
      press_(context.Geometry().ToDocument(press)),
      ghost_(CopyElementWithoutPicture(target)) {
    context_.DrawFeedback([this](DeviceContext& dc, const ElementOwner& view) {
        DrawElementGhost(*ghost_, dc, view);
        const QPoint c = view.ToDevice(centre_);
        DeviceContext::NotXorScope notXor(dc, true);
        dc.SetPen(DeviceContext::PenStyle::Solid, kBlack, 1);
        dc.SetEmptyBrush();
        dc.Ellipse(QRect(QPoint(c.x() - kMarkerRadius, c.y() - kMarkerRadius),
                         QSize(2 * kMarkerRadius, 2 * kMarkerRadius)));
    });
    FeedbackDrawn();
}

TurnDrag::~TurnDrag() = default;

float TurnDrag::AngleTo(QPoint canvas) const {
    return TurnAngle(centre_, press_, context_.Geometry().ToDocument(canvas));
}

void TurnDrag::Move(QPoint canvas) {
    const float angle = AngleTo(canvas);
    const bool erase = FeedbackStillShown();
    context_.DrawFeedback([&](DeviceContext& dc, const ElementOwner& view) {
        if (erase) {
            DrawElementGhost(*ghost_, dc, view);
        }
        ghost_->corners = target_.corners;
        TurnElement(*ghost_, angle, centre_.x, centre_.y);
        DrawElementGhost(*ghost_, dc, view);
    });
    FeedbackDrawn();
}

void TurnDrag::Release(QPoint canvas) {
    UnselectFollowers(session_.document().elements);
    // The corners alone turn: a turned box keeps its gradient as it was (halfTurned
    // stays). A release where the press was changes nothing, not even by rounding.
    const float angle = AngleTo(canvas);
    if (canvas != pressAt_ && angle != 0.0f) {
        TurnElement(target_, angle, centre_.x, centre_.y);
    }
    edit_.reset();
}

void TurnDrag::Cancel() {
    edit_.reset();
}

}  // namespace quenby
