#pragma once

#include "document/Element.h"

#include <QPoint>

#include <memory>

namespace quenby {

class EditingSession;
class PageDrag;
class ToolContext;

// What a left press on the page does while a tool is chosen: the select tool picks,
// moves, resizes and turns; the drawing tools start a shape; the text, picture and
// calendar tools place their element with a click and hand over to their dialog.
class PageTool {
public:
    virtual ~PageTool();
    PageTool(const PageTool&) = delete;
    PageTool& operator=(const PageTool&) = delete;

    // A press at `canvas`, with the control key held or not; the drag it starts.
    virtual std::unique_ptr<PageDrag> Press(QPoint canvas, bool control) = 0;

protected:
    PageTool(EditingSession& session, ToolContext& context);

    // Gives `room` back, after the message 8006/8007 when the element list has none:
    // a tool refuses to add what the list cannot take.
    bool CheckRoom(bool room);

    // A click-placed element: every element is unselected and the new one made at
    // `canvas`, not yet in the list, for its dialog to finish.
    ElementPtr BeginPlacing(ElementKind kind, QPoint canvas);
    // The dialog's outcome: the element joins the list as one undo step, or (null) the
    // half-made one is dropped. Either way the select tool comes back.
    void FinishPlacing(ElementPtr element);

    EditingSession& session_;
    ToolContext& context_;
};

}  // namespace quenby
