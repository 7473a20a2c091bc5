#pragma once

namespace quenby {

class ClipboardAndUndo;

// One change to the document, from its first step to its last. Every change goes
// through one: opening it takes the undo snapshot where the change is undoable (which
// marks the document modified) or marks the document modified, and closing the
// outermost scope reports the change once to the document's host, so that the view
// repaints and the command enablers follow. Scopes opened inside another (a paste
// inside a duplicate) take their snapshot but leave the report to the outermost.
class EditScope {
public:
    enum Kind {
        Undoable,    // snapshot first: Undo brings back the state before the change
        Unrecorded,  // modified, but the snapshot stays as it was (cut, clear page)
        Display,     // the selection, the face shown, a switch: nothing to save
    };

    EditScope(ClipboardAndUndo& undo, Kind kind);
    ~EditScope();
    EditScope(const EditScope&) = delete;
    EditScope& operator=(const EditScope&) = delete;

private:
    ClipboardAndUndo& undo_;
};

}  // namespace quenby
