#pragma once

#include "editing/PageDrag.h"

#include <memory>

namespace quenby {

class EditScope;

// Moving the selection: the second press on a selected element. The elements follow
// the pointer at every move, their followers with them, while their outlines show
// where they go; the first outline stays where the drag began until the repaint at
// the release, as a frame to compare with. One undo step, taken at the press.
class MoveDrag final : public PageDrag {
public:
    MoveDrag(EditingSession& session, ToolContext& context, QPoint press);
    ~MoveDrag() override;

    void Move(QPoint canvas) override;
    void Release(QPoint canvas) override;
    void Cancel() override;
    std::optional<PageCursor> Cursor() const override { return PageCursor::Of(PageCursor::Move); }

private:
    // The pointer's way since the last step, in document units.
    void Step(QPoint canvas, bool showGhosts);

    std::unique_ptr<EditScope> edit_;
    QPoint last_;
    bool ghostsDrawn_ = false;
};

}  // namespace quenby
