#pragma once

namespace quenby {

class EditingSession;

// The rows of the select tool and the seven insert tools: each chooses its tool and
// ticks while it is the current one.
void RegisterToolCommands(EditingSession& session);

}  // namespace quenby
