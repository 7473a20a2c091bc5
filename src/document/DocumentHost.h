#pragma once

#include <QString>

namespace quenby {

// What is around the document when it is cleared, loaded, saved or edited: the
// editing session, which keeps the undo and the tool and tells the window. Every step
// does nothing by default, so tools and tests need only override what they watch.
class DocumentHost {
public:
    virtual ~DocumentHost() = default;

    virtual void CloseOverlayPanel() {}
    virtual void SetBusy(bool /*busy*/) {}  // wait cursor on, arrow cursor back
    virtual void SetTitle(const QString& /*title*/) {}
    // The document changed: the view shows it again and the commands follow.
    virtual void DocumentChanged() {}
    virtual void RefreshScrollRange() {}

    // After a load: the document's page setup shown in the window.
    virtual void ApplyOrientation() {}
    virtual void ShowPaperSize(int /*paperSize*/) {}
    virtual void ShowTileCounts(bool /*enabled*/, int /*across*/, int /*down*/) {}
    virtual void RefreshPageLayout() {}  // also passes the paper size to the printer set-up
    virtual void SelectSelectTool() {}

    // The one-level undo; taking a snapshot marks the document modified.
    virtual void TakeSnapshot() {}
    virtual void DiscardSnapshot() {}

    virtual void AddRecentFile(const QString& /*path*/) {}
};

}  // namespace quenby
