#pragma once

class QWidget;

namespace quenby {

class EditingSession;

// The rows of the Format menu and of the element context menu's property items: the
// page colour; the fill, outline, shadow, font and text dialogs; turning a circular
// text; and a picture's transparent background. Each acts on the one selected element
// (the right button makes the element it was pressed on the only one selected), and a
// dialog edits a working copy that only OK assigns back, as one undo step. Dialogs
// open over `parent`.
void RegisterPropertyCommands(EditingSession& session, QWidget* parent);

}  // namespace quenby
