#include "editing/TextTool.h"

#include "document/ElementOperations.h"
#include "editing/EditingSession.h"
#include "editing/PageDrag.h"
#include "editing/ToolContext.h"

namespace quenby {

std::unique_ptr<PageDrag> TextTool::Press(QPoint canvas, bool) {
    Document& doc = session_.document();
    if (!CheckRoom(doc.elements.HasRoom())) {
        return nullptr;
    }
    {
        const auto edit = session_.Edit(EditScope::Display);
        doc.elements.DeselectAll();
    }
    ElementPtr text = CreateElement(context_.Geometry().CanvasView(), doc.currentPage,
                                    ElementKind::Text, {canvas, canvas, canvas, canvas});
    if (context_.RunTextDialog(*text, true)) {
        const auto edit = session_.Edit(EditScope::Undoable);
        doc.elements.Append(std::move(text));
    } else {
        // The half-made text goes; the document counts as changed all the same.
        const auto edit = session_.Edit(EditScope::Unrecorded);
    }
    session_.SetTool(kSelectTool);
    return nullptr;
}

}  // namespace quenby
