#include "clipboard/EditScope.h"

#include "clipboard/ClipboardAndUndo.h"

namespace quenby {

EditScope::EditScope(ClipboardAndUndo& undo, Kind kind) : undo_(undo) {
    undo_.BeginEdit(kind);
}

EditScope::~EditScope() {
    undo_.EndEdit();
}

}  // namespace quenby
