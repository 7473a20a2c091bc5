#pragma once

#include "editing/ContextMenu.h"
#include "editing/PageCursor.h"
#include "editing/PageGeometry.h"

#include <QPoint>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace quenby {

class DeviceContext;
class ElementOwner;
struct CalendarChoice;
struct Element;
struct PictureContext;

// What the mouse tools need of the window that shows the page, and nothing more: where
// the page lies, drawing feedback into the window without repainting it, the cursor,
// the beep, the status bar's pointer panes, and the menu and dialogs a click hands
// over to. The editor window gives the real ones; tests give their own.
class ToolContext {
public:
    virtual ~ToolContext() = default;

    // --- The view ----------------------------------------------------------------
    virtual PageGeometry Geometry() const = 0;

    // Draws feedback into what the window shows, in client pixels and the not-XOR
    // mode, so that drawing the same again takes it away. `view` converts document
    // units to client pixels.
    using FeedbackPainter = std::function<void(DeviceContext& dc, const ElementOwner& view)>;
    virtual void DrawFeedback(const FeedbackPainter& paint) = 0;
    // Counts the times the window has drawn the whole view afresh: feedback drawn
    // before the count last changed is gone already and must not be drawn again to
    // take it away. A repaint that is due happens before the count is given.
    virtual int SurfaceGeneration() = 0;

    virtual void SetCursor(const PageCursor& cursor) = 0;
    virtual void Beep() = 0;
    virtual void ShowPointerPanes(const QString& x, const QString& y) = 0;
    // The keyboard goes to the page.
    virtual void FocusPage() = 0;
    // The measuring origin moved: the rulers show it.
    virtual void RedrawRulers() = 0;

    // --- Hand-overs ----------------------------------------------------------------
    // Shows the context menu at `client` and gives the command chosen; 0 for none.
    virtual int RunContextMenu(const std::vector<ContextMenuEntry>& entries, QPoint client) = 0;
    // The text dialog on a text or circular text: true on OK, with the text written
    // into the element. `newElement`: the text tool's (a new Text is sized to its
    // letters).
    virtual bool RunTextDialog(Element& element, bool newElement) = 0;
    // What the picture chooser and the calendar need, filled in afresh (language,
    // screen); null when the window has no artwork to offer.
    virtual const PictureContext* Pictures() = 0;
    // The calendar dialog; the choice on OK.
    virtual std::optional<CalendarChoice> RunCalendarDialog(const PictureContext& pictures) = 0;
};

}  // namespace quenby
