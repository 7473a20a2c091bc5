#include "editing/TextTool.h"

#include "editing/EditingSession.h"
#include "editing/PageDrag.h"
#include "editing/ToolContext.h"

namespace quenby {

std::unique_ptr<PageDrag> TextTool::Press(QPoint canvas, bool) {
    Document& doc = session_.document();
    if (!CheckRoom(doc.elements.HasRoom())) {
        return nullptr;
    }
    ElementPtr text = BeginPlacing(ElementKind::Text, canvas);
    FinishPlacing(context_.RunTextDialog(*text, true) ? std::move(text) : nullptr);
    return nullptr;
}

}  // namespace quenby
