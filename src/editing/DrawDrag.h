#pragma once

#include "document/Element.h"
#include "editing/PageDrag.h"

#include <memory>

namespace quenby {

class EditScope;

// Drawing a rectangle from the press to the pointer: a new box, ellipse, line or
// circular text with the drawing tools (one undo step, taken at the press), or, with
// the select tool, the rubber band that selects what it encloses. The press takes
// the selection away; the shape's outline follows the pointer; the release keeps the
// shape (a box, ellipse or circular text under 10 pixels either way is discarded with
// a beep), or selects what the band encloses. A new circular text asks for its text.
class DrawDrag final : public PageDrag {
public:
    static constexpr int kSmallestShape = 10;  // pixels, each way

    // `tool`: the drawing tool, or the select tool for the rubber band.
    DrawDrag(EditingSession& session, ToolContext& context, int tool, QPoint press);
    ~DrawDrag() override;

    void Move(QPoint canvas) override;
    void Release(QPoint canvas) override;
    void Cancel() override;
    // The shape's release was lost: it is discarded with a beep.
    void Interrupt() override;

private:
    bool IsBand() const;
    // Takes the outline away, follows the pointer, and shows it again when `show`.
    void Follow(QPoint canvas, bool show);
    void SelectEnclosed(QPoint canvas);
    void FinishShape();

    std::unique_ptr<EditScope> edit_;
    int tool_;
    QPoint press_;
    ElementPtr shape_;
};

}  // namespace quenby
