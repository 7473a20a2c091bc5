#pragma once

namespace quenby {

class EditingSession;

// The rows of the Edit and Arrange menus and of the card's face buttons: undo, cut,
// copy, paste, duplicate, select all, delete, clear page, the four stacking commands,
// the faces 1600..1603, and the document's switches for print margins and fold lines;
// and the element context menu's own "Borrar", "Separar" and "Salir de este menú".
void RegisterEditCommands(EditingSession& session);

}  // namespace quenby
