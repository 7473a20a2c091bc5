#include "editing/PageTool.h"

#include "document/ElementOperations.h"
#include "editing/EditingSession.h"
#include "editing/ToolContext.h"
#include "platform/MessageBoxes.h"
#include "platform/StringIds.h"

namespace quenby {

PageTool::PageTool(EditingSession& session, ToolContext& context)
    : session_(session), context_(context) {}

PageTool::~PageTool() = default;

bool PageTool::CheckRoom(bool room) {
    if (!room) {
        session_.messages().Warn(str::kNoRoomText, str::kNoRoomCaption);
    }
    return room;
}

ElementPtr PageTool::BeginPlacing(ElementKind kind, QPoint canvas) {
    Document& doc = session_.document();
    {
        const auto edit = session_.Edit(EditScope::Display);
        doc.elements.DeselectAll();
    }
    return CreateElement(context_.Geometry().CanvasView(), doc.currentPage, kind,
                         {canvas, canvas, canvas, canvas});
}

void PageTool::FinishPlacing(ElementPtr element) {
    if (element) {
        const auto edit = session_.Edit(EditScope::Undoable);
        session_.document().elements.Append(std::move(element));
    } else {
        // The half-made element goes; the document counts as changed all the same.
        const auto edit = session_.Edit(EditScope::Unrecorded);
    }
    session_.SetTool(kSelectTool);
}

}  // namespace quenby
