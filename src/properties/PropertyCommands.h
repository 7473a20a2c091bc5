#pragma once

class QWidget;

namespace quenby {

class EditingSession;

// The rows of the Format menu and the element context menu: the page colour, the
// fill, outline and text dialogs with their enablers, the element's own delete, and
// the context menu's two commands that are always available. Dialogs open over
// `parent`.
void RegisterPropertyCommands(EditingSession& session, QWidget* parent);

}  // namespace quenby
