#pragma once

#include "editing/PageTool.h"

namespace quenby {

struct Element;

// The select tool. A press on a card's page-turn corner turns the face; on a handle
// of a selected element it resizes the selection, or turns the element by its
// rotation handle; on a selected element it moves the selection (control: takes the
// element out of it); on another element it selects that one (control: adds it); on
// the empty page it starts the rubber band.
class SelectTool final : public PageTool {
public:
    SelectTool(EditingSession& session, ToolContext& context) : PageTool(session, context) {}

    std::unique_ptr<PageDrag> Press(QPoint canvas, bool control) override;

private:
    bool TurnFace(QPoint canvas);
    std::unique_ptr<PageDrag> PressHandle(Element& element, int handle, QPoint canvas);
    std::unique_ptr<PageDrag> PressElement(Element& element, QPoint canvas, bool control);
};

}  // namespace quenby
