#include "editing/ToolCommands.h"

#include "editing/EditingSession.h"
#include "platform/CommandIds.h"

namespace quenby {

void RegisterToolCommands(EditingSession& session) {
    struct ToolRow {
        int command;
        EditorTool tool;
    };
    static constexpr ToolRow kTools[] = {
        {cmd::kSelectTool, kSelectTool},     {cmd::kBoxTool, kBoxTool},
        {cmd::kEllipseTool, kEllipseTool},   {cmd::kLineTool, kLineTool},
        {cmd::kPictureTool, kPictureTool},   {cmd::kTextTool, kTextTool},
        {cmd::kCalendarTool, kCalendarTool}, {cmd::kCircularTextTool, kCircularTextTool},
    };
    EditingSession* s = &session;
    for (const ToolRow& row : kTools) {
        const int tool = row.tool;
        session.commands().Add({row.command, [s, tool] { s->SetTool(tool); },
                                [s] { return s->Ready(); },
                                [s, tool] { return s->Tool() == tool; }});
    }
}

}  // namespace quenby
