#include "editing/PictureTool.h"

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
    ElementPtr picture = BeginPlacing(ElementKind::Picture, canvas);
    const PictureContext* pictures = context_.Pictures();
    const bool chosen = pictures && ChoosePicture(*picture, std::nullopt, false, *pictures);
    FinishPlacing(chosen ? std::move(picture) : nullptr);
    return nullptr;
}

}  // namespace quenby
