#include "clipboard/ClipboardAndUndo.h"

#include "document/Document.h"
#include "document/DocumentHost.h"
#include "document/ElementOperations.h"
#include "platform/MessageBoxes.h"
#include "platform/ResourceStrings.h"
#include "platform/StringIds.h"

namespace quenby {

void ClipboardAndUndo::TakeSnapshot() {
    DiscardSnapshot();
    for (const Element& e : document_.elements) {
        ElementPtr copy = CopyElement(e);
        copy->selected = 0;
        undoSnapshot_.Append(std::move(copy));
    }
    undoAvailable_ = true;
    document_.modified = true;
}

void ClipboardAndUndo::DiscardSnapshot() {
    undoSnapshot_.Clear();
    undoAvailable_ = false;
}

void ClipboardAndUndo::BeginEdit(EditScope::Kind kind) {
    ++openEdits_;
    if (kind == EditScope::Undoable) {
        TakeSnapshot();
    } else if (kind == EditScope::Unrecorded) {
        document_.modified = true;
    }
}

void ClipboardAndUndo::EndEdit() {
    if (--openEdits_ == 0) {
        host_.DocumentChanged();
    }
}

void ClipboardAndUndo::RestoreSnapshot() {
    // Without a usable snapshot an undo would empty the document.
    if (!undoAvailable_) {
        return;
    }
    // Unrecorded: what the undo brings back differs from what a save since the change
    // wrote, so closing must ask again.
    EditScope edit(*this, EditScope::Unrecorded);
    ElementList& elements = document_.elements;
    elements.Clear();
    // Taken from the top down, so no entry has to shift.
    for (int i = undoSnapshot_.Count() - 1; i >= 0; --i) {
        elements.Put(i, undoSnapshot_.Take(i));
    }
    undoAvailable_ = false;
}

void ClipboardAndUndo::CopySelection() {
    clipboard_.Clear();
    const ElementList& elements = document_.elements;
    for (const Element& e : elements) {
        if (!e.selected || e.IsFollower()) {
            continue;
        }
        clipboard_.Append(CopyElement(e));
        if (e.IsLeader()) {
            // A group is stored as its leader followed by its followers.
            for (const Element& f : elements) {
                if (f.groupMember == e.groupId) {
                    clipboard_.Append(CopyElement(f));
                }
            }
        }
    }
    if (!clipboard_.IsEmpty()) {
        clipboardFull_ = true;
    }
}

void ClipboardAndUndo::CutSelection() {
    EditScope edit(*this, EditScope::Unrecorded);
    CopySelection();
    document_.elements.DeleteSelected();
}

float ClipboardAndUndo::PasteStep(int zoomPercent) {
    return zoomPercent > 0 ? 20.0f * 400.0f / static_cast<float>(zoomPercent) : 0.0f;
}

bool ClipboardAndUndo::PasteEntry(Element& entry, float step, std::uint16_t groupMember) {
    if (!document_.elements.HasRoom()) {
        return false;
    }
    // The entry itself moves, so each further paste lands another step down-right.
    MoveElement(entry, step, step);
    ElementPtr copy = CopyElement(entry);
    copy->page = document_.currentPage;
    if (groupMember != 0) {
        copy->groupMember = groupMember;
    }
    return document_.elements.Append(std::move(copy));
}

void ClipboardAndUndo::PasteClipboard(int zoomPercent) {
    bool full = false;
    {
        EditScope edit(*this, EditScope::Undoable);
        full = !PasteEntries(PasteStep(zoomPercent));
    }
    if (full) {
        // What fitted stays pasted; Undo removes it again.
        messages_.Warn(str::kNoRoomText, str::kNoRoomCaption);
    }
}

bool ClipboardAndUndo::PasteEntries(float step) {
    ElementList& elements = document_.elements;
    elements.DeselectAll();
    const int count = clipboard_.Count();
    bool full = false;
    for (int i = 0; i < count && !full; ++i) {
        Element& entry = *clipboard_.At(i);
        if (!PasteEntry(entry, step, 0)) {
            full = true;
            break;
        }
        if (!entry.IsLeader()) {
            continue;
        }
        // The pasted group gets an id of its own; its followers come right after it.
        const std::uint16_t id = document_.NextGroupId();
        elements.At(elements.Count() - 1)->groupId = id;
        while (i + 1 < count && clipboard_.At(i + 1)->IsFollower()) {
            ++i;
            if (!PasteEntry(*clipboard_.At(i), step, id)) {
                full = true;
                break;
            }
        }
    }
    return !full;
}

void ClipboardAndUndo::DuplicateSelection(int zoomPercent) {
    CopySelection();
    PasteClipboard(zoomPercent);
}

void ClipboardAndUndo::DeleteSelection() {
    EditScope edit(*this, EditScope::Undoable);
    document_.elements.DeleteSelected();
}

void ClipboardAndUndo::ClearPage() {
    const QString text = ResourceString(str::kClearPageQuestion).left(200);
    const QString caption = ResourceString(str::kClearPageCaption).left(50);
    // Only an explicit Yes clears: the step cannot be undone.
    if (messages_.Show(text, caption, MessageButtons::YesNo, MessageIcon::Question) !=
        MessageAnswer::Yes) {
        return;
    }
    EditScope edit(*this, EditScope::Unrecorded);
    document_.elements.SelectAll();
    document_.elements.DeleteSelected();
    DiscardSnapshot();
}

bool ClipboardAndUndo::CanCopy(bool startScreenUp) const {
    return !startScreenUp && document_.elements.SelectedCount() > 0;
}

}  // namespace quenby
