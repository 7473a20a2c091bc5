#include "editing/EditCommands.h"

#include "document/ElementOwner.h"
#include "editing/EditingSession.h"
#include "platform/CommandIds.h"

namespace quenby {

void RegisterEditCommands(EditingSession& session) {
    CommandTable& table = session.commands();
    EditingSession* s = &session;
    ClipboardAndUndo* undo = &session.undo();
    StackingOrder* stacking = &session.stacking();
    const auto ready = [s] { return s->Ready(); };
    const auto selection = [s] { return s->Ready() && s->SelectedCount() >= 1; };
    // The clipboard's commands follow the clipboard's own enablers.
    const auto copyable = [s, undo] { return undo->CanCopy(s->StartScreenUp()); };
    // Pasted copies step 20 screen pixels at the page view's zoom.
    const auto zoom = [s] { return s->ViewParameters().ZoomPercent(); };

    table.Add({cmd::kUndo, [undo] { undo->RestoreSnapshot(); },
               [s, undo] { return undo->CanUndo(s->StartScreenUp()); }});
    table.Add({cmd::kCut, [undo] { undo->CutSelection(); }, copyable});
    table.Add({cmd::kCopy, [undo] { undo->CopySelection(); }, copyable});
    table.Add({cmd::kPaste, [undo, zoom] { undo->PasteClipboard(zoom()); },
               [s, undo] { return undo->CanPaste(s->StartScreenUp()); }});
    table.Add({cmd::kDuplicate, [undo, zoom] { undo->DuplicateSelection(zoom()); }, copyable});
    table.Add({cmd::kSelectAll, [s] { s->SelectAll(); }, ready});
    table.Add({cmd::kDelete, [undo] { undo->DeleteSelection(); }, copyable});
    table.Add({cmd::kClearPage, [undo] { undo->ClearPage(); }, copyable});

    // The element context menu's own items act on the element it was opened for, which
    // the right press made the only one selected.
    table.Add({cmd::kDeleteElement, [undo] { undo->DeleteSelection(); },
               [s] { return s->Ready() && s->SelectedCount() == 1; }});
    table.Add({cmd::kUngroup, [s] { s->DissolveSelectedGroups(); },
               [s] { return s->Ready() && s->SelectionLeadsGroup(); }});
    table.Add({cmd::kLeaveMenu, [] {}, ready});

    table.Add({cmd::kToFront, [stacking] { stacking->BringToFront(); }, selection});
    table.Add({cmd::kToBack, [stacking] { stacking->SendToBack(); }, selection});
    table.Add({cmd::kStepForward, [stacking] { stacking->StepForward(); }, selection});
    table.Add({cmd::kStepBackward, [stacking] { stacking->StepBackward(); }, selection});

    for (int face = 0; face < kFaceCount; ++face) {
        table.Add({cmd::kFace0 + face, [s, face] { s->ShowFace(face); },
                   [s] { return s->Ready() && s->IsCard(); },
                   [s, face] { return s->CurrentFace() == face; }});
    }

    // The document's switches: neither is an undo step nor marks the document modified.
    table.Add({cmd::kShowMargins,
               [s] {
                   const auto edit = s->Edit(EditScope::Display);
                   s->document().showMargins = !s->document().showMargins;
               },
               ready, [s] { return s->document().showMargins; }});
    table.Add({cmd::kPrintFoldLines,
               [s] {
                   const auto edit = s->Edit(EditScope::Display);
                   s->document().printFoldLines = !s->document().printFoldLines;
               },
               ready, [s] { return s->document().printFoldLines; }});
}

}  // namespace quenby
