#pragma once

#include "document/DocPoint.h"
#include "document/Element.h"
#include "editing/PageDrag.h"

#include <memory>

namespace quenby {

class EditScope;

// Turning an element by its rotation handle (handle 2 of every kind but the picture)
// about the centre of its bounding box, which a small circle marks while the pointer
// moves. Only the element pressed turns. One undo step, taken at the press.
class TurnDrag final : public PageDrag {
public:
    TurnDrag(EditingSession& session, ToolContext& context, Element& target, QPoint press);
    ~TurnDrag() override;

    void Move(QPoint canvas) override;
    void Release(QPoint canvas) override;
    void Cancel() override;
    std::optional<PageCursor> Cursor() const override { return PageCursor::Of(PageCursor::Cross); }

    // The marker's circle, 12 pixels across, about `centre` (client pixels).
    static constexpr int kMarkerRadius = 6;

private:
    float AngleTo(QPoint canvas) const;

    std::unique_ptr<EditScope> edit_;
    Element& target_;
    DocPoint centre_;
    QPoint pressAt_;
    DocPoint press_;
    ElementPtr ghost_;
};

}  // namespace quenby
