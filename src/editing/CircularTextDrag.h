#pragma once

#include "document/Element.h"
#include "editing/PageDrag.h"

#include <memory>

namespace quenby {

class EditScope;

// Dragging one of a circular text's handles 5..8 (see DragCircularHandle): its circle
// shows where the handle takes it, and the text changes at the release. One undo
// step, taken at the press.
class CircularTextDrag final : public PageDrag {
public:
    CircularTextDrag(EditingSession& session, ToolContext& context, Element& target, int handle,
                     QPoint press);
    ~CircularTextDrag() override;

    void Move(QPoint canvas) override;
    void Release(QPoint canvas) override;
    void Cancel() override;
    std::optional<PageCursor> Cursor() const override { return PageCursor::Of(PageCursor::Cross); }

private:
    std::unique_ptr<EditScope> edit_;
    Element& target_;
    int handle_;
    QPoint press_;
    ElementPtr ghost_;
};

}  // namespace quenby
