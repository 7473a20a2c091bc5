#pragma once

#include "editing/PageTool.h"

namespace quenby {

// The calendar tool: a click opens the calendar dialog and inserts the month chosen
// there, four grouped elements (an undo step), then the tool returns to select. When
// the calendar artwork lies on a CD that cannot be found the tool stays, for another
// try once the CD is in.
class CalendarTool final : public PageTool {
public:
    CalendarTool(EditingSession& session, ToolContext& context) : PageTool(session, context) {}

    std::unique_ptr<PageDrag> Press(QPoint canvas, bool control) override;
};

}  // namespace quenby
