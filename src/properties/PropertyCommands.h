#pragma once

class QWidget;

namespace quenby {

class EditingSession;

// The rows of the Format menu and of the element context menu's property items: the
// page colour, the fill, outline and text dialogs with their enablers. Dialogs open
// over `parent`.
void RegisterPropertyCommands(EditingSession& session, QWidget* parent);

}  // namespace quenby
