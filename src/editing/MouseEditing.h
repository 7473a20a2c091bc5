#pragma once

#include "editing/PageCursor.h"

#include <QMetaObject>
#include <QPoint>

#include <memory>
#include <optional>

namespace quenby {

class CalendarTool;
struct Element;
class EditingSession;
class PageDrag;
class PageTool;
class PictureTool;
class SelectTool;
class ShapeTool;
class TextTool;
class ToolContext;

// The mouse on the page: the window forwards its events here (client pixels) and
// this turns them into edits of the session's document through the current tool,
// one drag at a time, with the status bar's pointer position and the cursor. It needs
// no window: tests drive it through their own context.
class MouseEditing {
public:
    MouseEditing(EditingSession& session, ToolContext& context);
    ~MouseEditing();
    MouseEditing(const MouseEditing&) = delete;
    MouseEditing& operator=(const MouseEditing&) = delete;

    void LeftPress(QPoint client, bool control);
    void Move(QPoint client);
    void LeftRelease(QPoint client);
    void DoubleClick(QPoint client);
    void RightPress(QPoint client);
    // The left button went down in the horizontal ruler's corner square: the crosshair
    // follows the pointer until the release.
    void RulerCornerPressed();

    // The drag under way ends without its release (Escape, the pointer taken by
    // another window, the window left, the button let go over a ruler, a command
    // run meanwhile): a new shape is discarded and the select tool comes back. False
    // when no drag was under way.
    bool CancelDrag();
    // The arrow keys: the selection moves by (dx, dy) screen pixels, one undo step.
    // False when nothing is selected (the keys then scroll).
    bool Nudge(int dx, int dy);
    // The session chose a tool: its cursor. (The session's signal calls it.)
    void ToolChosen(int tool);

    bool Dragging() const { return drag_ != nullptr; }

private:
    bool Editable() const;
    PageTool& CurrentTool();
    void StartDrag(std::unique_ptr<PageDrag> drag);
    void ShowPointerPosition(QPoint canvas);
    // The cursor for the pointer at rest over `canvas`.
    PageCursor HoverCursor(QPoint canvas) const;
    void SetCursor(const PageCursor& cursor);
    // The topmost element under `client`, made the only one selected; null for none.
    Element* SelectAloneAt(QPoint client);
    // The text dialog on a text double-clicked; an undo step on OK.
    void EditText(Element& element);

    EditingSession& session_;
    ToolContext& context_;
    std::unique_ptr<SelectTool> select_;
    std::unique_ptr<ShapeTool> shapes_;
    std::unique_ptr<TextTool> text_;
    std::unique_ptr<PictureTool> picture_;
    std::unique_ptr<CalendarTool> calendar_;
    std::unique_ptr<PageDrag> drag_;
    std::optional<QPoint> lastMove_;
    std::optional<PageCursor> cursor_;
    // To the session's tool choice and to every command, which ends a drag first.
    QMetaObject::Connection toolChosen_;
    QMetaObject::Connection commandRun_;
};

}  // namespace quenby
