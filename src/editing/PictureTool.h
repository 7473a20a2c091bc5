#pragma once

#include "editing/PageTool.h"

namespace quenby {

// The picture tool: a click places a new picture there and opens the image library;
// the picture chosen gives the element its size (an undo step). Cancelled, or when
// the artwork cannot be reached or read, the element goes. Either way the tool
// returns to select.
class PictureTool final : public PageTool {
public:
    PictureTool(EditingSession& session, ToolContext& context) : PageTool(session, context) {}

    std::unique_ptr<PageDrag> Press(QPoint canvas, bool control) override;
};

}  // namespace quenby
