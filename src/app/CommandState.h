#pragma once

#include "document/ElementKind.h"

namespace quenby {

// What the enablers of the command map look at, gathered from the editor in one go.
struct CommandState {
    bool startScreenUp = true;
    bool modified = false;
    bool hasPath = false;
    int selectedCount = 0;
    ElementKind selectedKind = ElementKind::Line;  // meaningful when selectedCount is 1
    bool undoAvailable = false;
    bool clipboardFull = false;
    int tool = 0;
    bool printFoldLines = false;
    bool showMargins = true;
    int displayType = 2;
    int zoomPercent = 25;
    int orientation = 0;
    bool isCard = false;
    int currentPage = 0;
};

struct CommandStatus {
    bool enabled = false;
    bool checkable = false;
    bool checked = false;
};

// The enabler of `command`: whether it is available and whether it is ticked.
// Every command but the few that are always there is off while the start screen shows.
CommandStatus EvaluateCommand(int command, const CommandState& state);

// Whether the command is available even while the start screen shows.
bool IsAlwaysEnabled(int command);

}  // namespace quenby
