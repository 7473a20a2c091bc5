#pragma once

#include "document/DocPoint.h"
#include "document/Element.h"
#include "editing/PageDrag.h"

#include <memory>
#include <utility>
#include <vector>

namespace quenby {

class EditScope;

// Stretching the selection by a handle of one of its elements, `target`: every
// selected element but a circular text is scaled about the handle across from the
// one pressed, and with it the followers of each selected leader. Outlines show the
// result while the pointer moves; the elements change at the release. One undo step,
// taken at the press.
class ResizeDrag final : public PageDrag {
public:
    ResizeDrag(EditingSession& session, ToolContext& context, const Element& target, int handle,
               QPoint press);
    ~ResizeDrag() override;

    void Move(QPoint canvas) override;
    void Release(QPoint canvas) override;
    void Cancel() override;
    std::optional<PageCursor> Cursor() const override { return PageCursor::Of(PageCursor::Cross); }

private:
    void DrawGhosts();

    std::unique_ptr<EditScope> edit_;
    int handle_;
    DocPoint anchor_;
    DocPoint press_;
    // Each selected element with the outline that shows it stretched.
    std::vector<std::pair<const Element*, ElementPtr>> ghosts_;
};

}  // namespace quenby
