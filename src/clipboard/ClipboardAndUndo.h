#pragma once

#include "clipboard/EditScope.h"
#include "document/ElementList.h"
#include "platform/ColourRef.h"

namespace quenby {

struct Document;
class DocumentHost;
class MessageBoxes;

// The editor's own element clipboard and its one-level undo. Both live as long as
// the editing session, so the clipboard survives New, Open and templates and elements
// can be pasted from one document into another. Every change to the document is
// recorded here through an EditScope, which reports it to the host when it ends.
class ClipboardAndUndo {
public:
    ClipboardAndUndo(Document& document, DocumentHost& host, MessageBoxes& messages)
        : document_(document), host_(host), messages_(messages) {}
    ClipboardAndUndo(const ClipboardAndUndo&) = delete;
    ClipboardAndUndo& operator=(const ClipboardAndUndo&) = delete;

    // Undo: a deep, selection-free copy of the element list taken before a change.
    void TakeSnapshot();
    void DiscardSnapshot();
    void RestoreSnapshot();  // command 1760

    void CopySelection();                      // 1762
    void CutSelection();                       // 1761: takes no snapshot
    void PasteClipboard(int zoomPercent);      // 1763
    void DuplicateSelection(int zoomPercent);  // 8074
    void DeleteSelection();                    // 1764
    void ClearPage();                          // 1765: asks first; cannot be undone

    // Enablers; every editing command is off while the start screen is up.
    bool CanUndo(bool startScreenUp) const { return !startScreenUp && undoAvailable_; }
    bool CanPaste(bool startScreenUp) const { return !startScreenUp && clipboardFull_; }
    // Cut, Copy, Duplicate, Delete and Clear page: something selected on any face.
    bool CanCopy(bool startScreenUp) const;

    bool clipboardFull() const { return clipboardFull_; }
    bool undoAvailable() const { return undoAvailable_; }
    const ElementList& clipboard() const { return clipboard_; }
    const ElementList& undoSnapshot() const { return undoSnapshot_; }

    // The document-unit distance that 20 screen pixels cover at this zoom.
    static float PasteStep(int zoomPercent);

    // Whether an edit scope is open: a change reported meanwhile waits for its end.
    bool InEdit() const { return openEdits_ > 0; }

private:
    friend class EditScope;
    void BeginEdit(EditScope::Kind kind);
    void EndEdit();

    // The clipboard's entries appended on the current face; false when the list
    // filled up before the last.
    bool PasteEntries(float step);
    // Appends a copy of `entry` on the current face; false when the list is full.
    bool PasteEntry(Element& entry, float step, std::uint16_t groupMember);

    Document& document_;
    DocumentHost& host_;
    MessageBoxes& messages_;
    ElementList clipboard_;
    ElementList undoSnapshot_;
    // The page colour is an undoable choice too; the snapshot keeps it beside the elements.
    ColourRef snapshotPageColour_ = 0;
    bool clipboardFull_ = false;  // set by the first Copy that copies anything
    bool undoAvailable_ = false;
    int openEdits_ = 0;
};

}  // namespace quenby
