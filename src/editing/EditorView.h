#pragma once

#include <QString>

namespace quenby {

class ElementOwner;

// What the editing engine needs of the window that shows the document. The editor
// window implements it; a session with no window (tests, batch work) does without.
class EditorView {
public:
    virtual ~EditorView() = default;

    // The page view's parameters: its zoom and the client pixel where document
    // (0, 0) lies, for converting the mouse and the paste step.
    virtual const ElementOwner& ViewParameters() const = 0;

    // Around a long step (loading, saving): the wait cursor, then the arrow again.
    virtual void SetBusy(bool busy) = 0;
    virtual void SetTitle(const QString& title) = 0;

    // After a document was replaced or its page set up anew.
    virtual void CloseOverlayPanel() = 0;
    virtual void RefreshScrollRange() = 0;
    // The document's orientation to the printer settings.
    virtual void ApplyOrientation() = 0;
    // The paper to the printer settings, the zoom fitted, the rulers redrawn.
    virtual void RefreshPageLayout() = 0;
};

}  // namespace quenby
