#include "editing/EditingSession.h"

#include "document/ElementOwner.h"
#include "editing/EditCommands.h"
#include "editing/EditorView.h"
#include "editing/ToolCommands.h"

namespace quenby {

EditingSession::EditingSession(MessageBoxes& messages, FileDialogs& dialogs, QObject* parent)
    : QObject(parent),
      messages_(messages),
      undo_(document_, *this, messages),
      stacking_(document_, undo_),
      files_(document_, *this, messages, dialogs) {
    document_.pageColour = kWhite;
    connect(this, &EditingSession::Changed, &commands_, &CommandTable::Refresh);
    RegisterEditCommands(*this);
    RegisterToolCommands(*this);
}

EditingSession::~EditingSession() = default;

const ElementOwner& EditingSession::ViewParameters() const {
    static const FixedOwner kNoWindow(100);
    return view_ ? view_->ViewParameters() : kNoWindow;
}

void EditingSession::SetStartScreenUp(bool up) {
    if (up == startScreenUp_) {
        return;
    }
    startScreenUp_ = up;
    emit StartScreenChanged(up);
    emit Changed();
}

int EditingSession::SelectedCount() const {
    return document_.elements.SelectedCount();
}

ElementKind EditingSession::SelectedKind() const {
    ElementKind kind = ElementKind::Line;
    for (const Element& e : document_.elements) {
        if (e.selected) {
            kind = e.kind;
        }
    }
    return kind;
}

void EditingSession::SetTool(int tool) {
    if (tool == tool_) {
        return;
    }
    tool_ = tool;
    emit ToolChanged(tool);
    emit Changed();
}

void EditingSession::SelectAll() {
    const auto edit = Edit(EditScope::Display);
    for (Element& e : document_.elements) {
        if (e.page == document_.currentPage && !e.IsFollower()) {
            e.selected = 1;
        }
    }
}

void EditingSession::ShowFace(int face) {
    if (!IsCard() || face < 0 || face >= kFaceCount) {
        return;  // only a card has faces to turn to
    }
    const auto edit = Edit(EditScope::Display);
    document_.SelectFace(face);
}

void EditingSession::DissolveSelectedGroups() {
    if (!SelectionLeadsGroup()) {
        return;
    }
    const auto edit = Edit(EditScope::Undoable);
    for (const Element& e : document_.elements) {
        if (e.selected && e.IsLeader()) {
            document_.DissolveGroup(e.groupId);
        }
    }
}

bool EditingSession::SelectionLeadsGroup() const {
    for (const Element& e : document_.elements) {
        if (e.selected && e.IsLeader()) {
            return true;
        }
    }
    return false;
}

// --- DocumentHost ---------------------------------------------------------------------

void EditingSession::DocumentChanged() {
    // Inside an edit the scope reports the change when it ends, once.
    if (!undo_.InEdit()) {
        emit Changed();
    }
}

void EditingSession::CloseOverlayPanel() {
    if (view_) {
        view_->CloseOverlayPanel();
    }
}

void EditingSession::SetBusy(bool busy) {
    if (view_) {
        view_->SetBusy(busy);
    }
}

void EditingSession::SetTitle(const QString& title) {
    if (view_) {
        view_->SetTitle(title);
    }
}

void EditingSession::RefreshScrollRange() {
    if (view_) {
        view_->RefreshScrollRange();
    }
}

void EditingSession::ApplyOrientation() {
    if (view_) {
        view_->ApplyOrientation();
    }
}

void EditingSession::RefreshPageLayout() {
    if (view_) {
        view_->RefreshPageLayout();
    }
}

}  // namespace quenby
