#include "editing/SelectTool.h"

#include "editing/CircularTextDrag.h"
#include "editing/DrawDrag.h"
#include "editing/EditingSession.h"
#include "editing/MoveDrag.h"
#include "editing/PageHitTest.h"
#include "editing/PageTurnCorners.h"
#include "editing/ResizeDrag.h"
#include "editing/ToolContext.h"
#include "editing/TurnDrag.h"

namespace quenby {

std::unique_ptr<PageDrag> SelectTool::Press(QPoint canvas, bool control) {
    if (TurnFace(canvas)) {
        return nullptr;
    }
    const Document& doc = session_.document();
    const FixedOwner view = context_.Geometry().CanvasView();
    if (const HandleHit hit = HitTestHandles(doc, view, canvas); hit.element) {
        return PressHandle(*hit.element, hit.handle, canvas);
    }
    if (Element* element = HitTestBody(doc, view, canvas)) {
        return PressElement(*element, canvas, control);
    }
    return std::make_unique<DrawDrag>(session_, context_, kSelectTool, canvas);
}

bool SelectTool::TurnFace(QPoint canvas) {
    const Document& doc = session_.document();
    if (doc.isCard != kCard) {
        return false;
    }
    const PageTurnCorner corner =
        PageTurnCornerAt(canvas, context_.Geometry().face, doc.currentPage, doc.cardType);
    if (corner == PageTurnCorner::None) {
        return false;
    }
    session_.ShowFace(FaceAfterTurn(corner, doc.currentPage));
    return true;
}

std::unique_ptr<PageDrag> SelectTool::PressHandle(Element& element, int handle, QPoint canvas) {
    if (element.kind == ElementKind::CircularText && handle != 2) {
        return std::make_unique<CircularTextDrag>(session_, context_, element, handle, canvas);
    }
    if (handle == 2 && element.kind != ElementKind::Picture) {
        return std::make_unique<TurnDrag>(session_, context_, element, canvas);
    }
    return std::make_unique<ResizeDrag>(session_, context_, element, handle, canvas);
}

std::unique_ptr<PageDrag> SelectTool::PressElement(Element& element, QPoint canvas, bool control) {
    if (element.selected && !control) {
        // The second press on a selected element moves the selection.
        return std::make_unique<MoveDrag>(session_, context_, canvas);
    }
    const auto edit = session_.Edit(EditScope::Display);
    if (element.selected) {
        element.selected = 0;  // control takes it out of the selection
        return nullptr;
    }
    if (!control) {
        session_.document().elements.DeselectAll();
    }
    // Moving an element that was not selected takes a second press.
    element.selected = 1;
    return nullptr;
}

}  // namespace quenby
