#pragma once

class QWidget;

namespace quenby {

class EditingSession;

// The rows of the Format menu and the element context menu: the page colour, the
// fill, outline and text dialogs with their enablers, and the context menu's own
// "Borrar", "Separar" and "Salir de este menú". Dialogs open over `parent`.
void RegisterPropertyCommands(EditingSession& session, QWidget* parent);

}  // namespace quenby
