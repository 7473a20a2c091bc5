#include "editing/ResizeDrag.h"

#include "document/ElementDrawing.h"
#include "document/ElementGeometry.h"
#include "document/ElementOperations.h"
#include "editing/EditingSession.h"
#include "editing/GestureGeometry.h"
#include "editing/ToolContext.h"

namespace quenby {
namespace {

bool Scales(const Element& e) {
    return e.kind != ElementKind::CircularText;
}

void Scale(Element& e, ScaleFactors f, DocPoint anchor) {
    ScaleElement(e, f.x, f.y, anchor.x, anchor.y);
}

}  // namespace

ResizeDrag::ResizeDrag(EditingSession& session, ToolContext& context, const Element& target,
                       int handle, QPoint press)
    : PageDrag(session, context), edit_(session.EditAcross(EditScope::Undoable)), handle_(handle) {
    const PageGeometry geometry = context_.Geometry();
    const FixedOwner canvas = geometry.CanvasView();
    const auto points = HandlePoints(target, canvas);
    anchor_ = geometry.ToDocument(points[std::size_t(OppositeHandle(handle) - 1)]);
    press_ = geometry.ToDocument(press);
    for (const Element& e : session_.document().elements) {
        if (e.selected && Scales(e)) {
            ghosts_.emplace_back(&e, CopyElementWithoutPicture(e));
        }
    }
    DrawGhosts();
}

ResizeDrag::~ResizeDrag() = default;

void ResizeDrag::DrawGhosts() {
    context_.DrawFeedback([this](DeviceContext& dc, const ElementOwner& view) {
        for (const auto& ghost : ghosts_) {
            DrawElementGhost(*ghost.second, dc, view);
        }
    });
    FeedbackDrawn();
}

void ResizeDrag::Move(QPoint canvas) {
    const ScaleFactors f =
        ResizeFactors(handle_, anchor_, press_, context_.Geometry().ToDocument(canvas));
    const bool erase = FeedbackStillShown();
    context_.DrawFeedback([&](DeviceContext& dc, const ElementOwner& view) {
        for (auto& [element, ghost] : ghosts_) {
            if (erase) {
                DrawElementGhost(*ghost, dc, view);
            }
            ghost->corners = element->corners;
            Scale(*ghost, f, anchor_);
            DrawElementGhost(*ghost, dc, view);
        }
    });
    FeedbackDrawn();
}

void ResizeDrag::Release(QPoint canvas) {
    ghosts_.clear();
    Document& doc = session_.document();
    UnselectFollowers(doc.elements);
    const ScaleFactors f =
        ResizeFactors(handle_, anchor_, press_, context_.Geometry().ToDocument(canvas));
    // A release where the press was changes nothing, not even by rounding.
    if (!f.IsIdentity()) {
        for (Element& e : doc.elements) {
            if (!e.selected || !Scales(e)) {
                continue;
            }
            Scale(e, f, anchor_);
            if (e.IsLeader()) {
                for (Element& follower : doc.elements) {
                    if (follower.groupMember == e.groupId && Scales(follower)) {
                        Scale(follower, f, anchor_);
                    }
                }
            }
        }
    }
    edit_.reset();
}

void ResizeDrag::Cancel() {
    ghosts_.clear();
    edit_.reset();
}

}  // namespace quenby
