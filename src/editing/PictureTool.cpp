#include "editing/PictureTool.h"

#include "document/ElementOperations.h"
#include "editing/EditingSession.h"
#include "editing/PageDrag.h"
#include "editing/PictureChooser.h"
#include "editing/ToolContext.h"

namespace quenby {

std::unique_ptr<PageDrag> PictureTool::Press(QPoint canvas, bool) {
    Document& doc = session_.document();
    if (!CheckRoom(doc.elements.HasRoom())) {
        return nullptr;
    }
    {
        const auto edit = session_.Edit(EditScope::Display);
        doc.elements.DeselectAll();
    }
    ElementPtr picture = CreateElement(context_.Geometry().CanvasView(), doc.currentPage,
                                       ElementKind::Picture, {canvas, canvas, canvas, canvas});
    const PictureContext* pictures = context_.Pictures();
    if (pictures && ChoosePicture(*picture, std::nullopt, false, *pictures)) {
        const auto edit = session_.Edit(EditScope::Undoable);
        doc.elements.Append(std::move(picture));
    } else {
        const auto edit = session_.Edit(EditScope::Unrecorded);
    }
    session_.SetTool(kSelectTool);
    return nullptr;
}

}  // namespace quenby
