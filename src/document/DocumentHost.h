#pragma once

#include <QString>

namespace quenby {

// What the window around the document does when a document is cleared, loaded or
// saved. The editor window implements it; every step does nothing by default, so
// tools and tests need only override what they watch.
class DocumentHost {
public:
    virtual ~DocumentHost() = default;

    virtual void CloseOverlayPanel() {}
    virtual void SetBusy(bool /*busy*/) {}  // wait cursor on, arrow cursor back
    virtual void SetTitle(const QString& /*title*/) {}
    virtual void Redraw() {}
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
