#include "editing/ShapeTool.h"

#include "editing/DrawDrag.h"
#include "editing/EditingSession.h"

namespace quenby {

std::unique_ptr<PageDrag> ShapeTool::Press(QPoint canvas, bool) {
    if (!CheckRoom(session_.document().elements.HasRoom())) {
        return nullptr;  // the tool stays, for when room has been made
    }
    return std::make_unique<DrawDrag>(session_, context_, session_.Tool(), canvas);
}

}  // namespace quenby
