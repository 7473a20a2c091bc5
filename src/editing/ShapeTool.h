#pragma once

#include "editing/PageTool.h"

namespace quenby {

// The box, ellipse, line and circular-text tools: a press starts drawing the shape,
// unless the element list is full.
class ShapeTool final : public PageTool {
public:
    ShapeTool(EditingSession& session, ToolContext& context) : PageTool(session, context) {}

    std::unique_ptr<PageDrag> Press(QPoint canvas, bool control) override;
};

}  // namespace quenby
