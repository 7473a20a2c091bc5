#pragma once

#include "clipboard/ClipboardAndUndo.h"
#include "clipboard/EditScope.h"
#include "clipboard/StackingOrder.h"
#include "document/Document.h"
#include "document/DocumentController.h"
#include "document/DocumentHost.h"
#include "document/ElementKind.h"
#include "platform/CommandTable.h"

#include <QObject>

#include <memory>

namespace quenby {

class EditorView;
class ElementOwner;
class FileDialogs;
class MessageBoxes;

// The tool in use: the select tool, or the kind of element the next press makes.
enum EditorTool : int {
    kSelectTool = 0,
    kBoxTool = int(ElementKind::Box),
    kEllipseTool = int(ElementKind::Ellipse),
    kLineTool = int(ElementKind::Line),
    kPictureTool = int(ElementKind::Picture),
    kTextTool = int(ElementKind::Text),
    kCalendarTool = int(ElementKind::Calendar),
    kCircularTextTool = int(ElementKind::CircularText),
};

// The editor's state, in one place: the document, the file commands, the clipboard and
// undo, the stacking commands, the current tool and whether the start screen is up,
// with the command table that every menu, toolbar button and key goes through. The
// editor window, the application object, the commands and the dialogs all reach the
// document through the session; nothing keeps a second copy of its state.
//
// Every change to the document goes through an edit scope (Edit()), which takes the
// undo snapshot or marks the document modified as the change asks, and reports the
// change once when it ends: Changed() then repaints the view and runs the enablers.
class EditingSession final : public QObject, private DocumentHost {
    Q_OBJECT

public:
    // Registers the session's own commands (clipboard, stacking, select all, faces,
    // tools, the view switches of the document).
    EditingSession(MessageBoxes& messages, FileDialogs& dialogs, QObject* parent = nullptr);
    ~EditingSession() override;

    Document& document() { return document_; }
    const Document& document() const { return document_; }
    DocumentController& files() { return files_; }
    ClipboardAndUndo& undo() { return undo_; }
    const ClipboardAndUndo& undo() const { return undo_; }
    StackingOrder& stacking() { return stacking_; }
    MessageBoxes& messages() { return messages_; }
    CommandTable& commands() { return commands_; }

    // Opens one change to the document; see EditScope for the kinds.
    [[nodiscard]] EditScope Edit(EditScope::Kind kind) { return EditScope(undo_, kind); }
    // The same for a change that spans several events, a drag of the mouse from its
    // press to its release: it reports when the returned scope is destroyed.
    [[nodiscard]] std::unique_ptr<EditScope> EditAcross(EditScope::Kind kind) {
        return std::make_unique<EditScope>(undo_, kind);
    }

    // The window that shows the document; null detaches it.
    void AttachView(EditorView* view) { view_ = view; }
    EditorView* view() const { return view_; }
    // The page view's zoom and origin; 100 % with no origin when no window shows
    // the document.
    const ElementOwner& ViewParameters() const;

    // --- What the enablers ask ------------------------------------------------------
    bool StartScreenUp() const { return startScreenUp_; }
    void SetStartScreenUp(bool up);
    // The editing commands are available: the start screen is not up.
    bool Ready() const { return !startScreenUp_; }
    // Selected elements on every face.
    int SelectedCount() const;
    // The kind of the selected element; meaningful when exactly one is selected.
    ElementKind SelectedKind() const;
    bool CanUndo() const { return undo_.undoAvailable(); }
    bool ClipboardFull() const { return undo_.clipboardFull(); }
    bool IsCard() const { return document_.isCard == kCard; }
    int CurrentFace() const { return document_.currentPage; }

    int Tool() const { return tool_; }
    void SetTool(int tool);

    // --- The session's own edits ----------------------------------------------------
    // Command 1298: the elements of the current face that do not follow a group.
    void SelectAll();
    // Commands 1600..1603: a card's face, with nothing selected.
    void ShowFace(int face);
    // Command 8079 ("Separar"): every selected group leader and its followers become
    // plain elements; an undo step.
    void DissolveSelectedGroups();
    bool SelectionLeadsGroup() const;

signals:
    // Once after every change to the document or to what the commands read.
    void Changed();
    void ToolChanged(int tool);
    void StartScreenChanged(bool up);
    // What a loaded document shows in the frame's lists.
    void PaperSizeShown(int paperSize);
    void TileCountsShown(bool enabled, int across, int down);
    void RecentFileAdded(const QString& path);

private:
    // DocumentHost: what the file controller and the clipboard report.
    void CloseOverlayPanel() override;
    void SetBusy(bool busy) override;
    void SetTitle(const QString& title) override;
    void DocumentChanged() override;
    void RefreshScrollRange() override;
    void ApplyOrientation() override;
    void ShowPaperSize(int paperSize) override { emit PaperSizeShown(paperSize); }
    void ShowTileCounts(bool enabled, int across, int down) override {
        emit TileCountsShown(enabled, across, down);
    }
    void RefreshPageLayout() override;
    void SelectSelectTool() override { SetTool(kSelectTool); }
    void TakeSnapshot() override { undo_.TakeSnapshot(); }
    void DiscardSnapshot() override { undo_.DiscardSnapshot(); }
    void AddRecentFile(const QString& path) override { emit RecentFileAdded(path); }

    MessageBoxes& messages_;
    Document document_;
    ClipboardAndUndo undo_;
    StackingOrder stacking_;
    DocumentController files_;
    CommandTable commands_;
    EditorView* view_ = nullptr;
    int tool_ = kSelectTool;
    bool startScreenUp_ = false;
};

}  // namespace quenby
