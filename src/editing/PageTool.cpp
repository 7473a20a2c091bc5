#include "editing/PageTool.h"

#include "editing/EditingSession.h"
#include "platform/MessageBoxes.h"
#include "platform/StringIds.h"

namespace quenby {

PageTool::PageTool(EditingSession& session, ToolContext& context)
    : session_(session), context_(context) {}

PageTool::~PageTool() = default;

bool PageTool::CheckRoom(bool room) {
    if (!room) {
        session_.messages().Warn(str::kNoRoomText, str::kNoRoomCaption);
    }
    return room;
}

}  // namespace quenby
