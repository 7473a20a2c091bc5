#pragma once

#include "editing/PageTool.h"

namespace quenby {

// The text tool: a click places a new text there and opens the text dialog for it;
// confirmed, the text is sized to its letters and kept (an undo step), cancelled, it
// goes. Either way the tool returns to select.
class TextTool final : public PageTool {
public:
    TextTool(EditingSession& session, ToolContext& context) : PageTool(session, context) {}

    std::unique_ptr<PageDrag> Press(QPoint canvas, bool control) override;
};

}  // namespace quenby
