#pragma once

#include "editing/PageCursor.h"

#include <QPoint>

#include <optional>

namespace quenby {

class EditingSession;
class ToolContext;

// A gesture of the left button from its press to its release: moving, resizing or
// turning the selection, drawing a new shape or a rubber band, or the crosshair from
// the ruler's corner. Points are canvas pixels. While it lasts it draws its feedback
// in the not-XOR mode and repaints nothing; the change it makes to the document is
// one edit of the session, which reports it when the gesture ends.
class PageDrag {
public:
    virtual ~PageDrag();
    PageDrag(const PageDrag&) = delete;
    PageDrag& operator=(const PageDrag&) = delete;

    virtual void Move(QPoint canvas) = 0;
    // The button came up: the gesture makes its change.
    virtual void Release(QPoint canvas) = 0;
    // The release will not come (Escape, the pointer taken by another window, the
    // button let go over a ruler): the gesture ends without finishing; what it had
    // drawn new is discarded.
    virtual void Cancel() = 0;
    // A press arrived while the gesture was still under way: its release was lost.
    virtual void Interrupt() { Cancel(); }
    // Whether it ended by itself (the crosshair leaving the page).
    virtual bool Finished() const { return false; }
    // The cursor while it lasts; nothing keeps the one shown.
    virtual std::optional<PageCursor> Cursor() const { return std::nullopt; }

protected:
    PageDrag(EditingSession& session, ToolContext& context);

    // Whether the feedback drawn last is still on the window, so that drawing it
    // again takes it away; a full repaint in between has taken it already.
    bool FeedbackStillShown();
    // Notes that feedback was drawn now.
    void FeedbackDrawn();

    EditingSession& session_;
    ToolContext& context_;

private:
    bool shown_ = false;
    int generation_ = 0;
};

}  // namespace quenby
