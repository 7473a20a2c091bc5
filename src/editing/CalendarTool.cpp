#include "editing/CalendarTool.h"

#include "editing/CalendarInsertion.h"
#include "editing/EditingSession.h"
#include "editing/PageDrag.h"
#include "editing/PictureChooser.h"
#include "editing/ToolContext.h"
#include "platform/ArtworkLocations.h"

namespace quenby {

std::unique_ptr<PageDrag> CalendarTool::Press(QPoint canvas, bool) {
    Document& doc = session_.document();
    if (!CheckRoom(doc.elements.HasRoomForCalendar())) {
        return nullptr;
    }
    const PictureContext* pictures = context_.Pictures();
    if (!pictures || (!pictures->locations.calendarsLocal &&
                      !pictures->locations.CheckArtworkReachable(pictures->messages))) {
        return nullptr;
    }
    {
        const auto edit = session_.Edit(EditScope::Display);
        doc.elements.DeselectAll();
    }
    const std::optional<CalendarChoice> choice = context_.RunCalendarDialog(*pictures);
    {
        // The document counts as changed even when the dialog was cancelled.
        const auto edit = session_.Edit(EditScope::Unrecorded);
        if (choice) {
            InsertCalendar(doc, canvas, context_.Geometry().CanvasView(), *choice, *pictures,
                           [this] { const auto snapshot = session_.Edit(EditScope::Undoable); });
        }
    }
    session_.SetTool(kSelectTool);
    return nullptr;
}

}  // namespace quenby
