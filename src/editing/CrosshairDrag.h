#pragma once

#include "editing/PageDrag.h"

#include <optional>

namespace quenby {

// The crosshair pulled from the horizontal ruler's corner square: two dotted lines
// through the pointer, snapped to the grid, while it is over the page; released over
// the page it places the measuring origin there, and the rulers and the grid follow.
// Leaving the page ends it without an origin.
class CrosshairDrag final : public PageDrag {
public:
    CrosshairDrag(EditingSession& session, ToolContext& context);
    ~CrosshairDrag() override;

    void Move(QPoint canvas) override;
    void Release(QPoint canvas) override;
    void Cancel() override;
    bool Finished() const override { return finished_; }

private:
    // The pointer's page pixel on the grid.
    QPoint SnappedPagePixel(QPoint canvas) const;
    // Takes the lines away when they are still shown.
    void EraseLines();

    std::optional<QPoint> lines_;  // where the lines cross, client pixels
    bool finished_ = false;
};

}  // namespace quenby
