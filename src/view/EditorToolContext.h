#pragma once

#include "editing/PictureChooser.h"
#include "editing/ToolContext.h"
#include "library/ImageLibraryDialog.h"

#include <functional>
#include <optional>

namespace quenby {

class ArtworkLocations;
class EditorWindow;

// The editor window as the mouse tools see it: the page view's geometry, feedback
// drawn into its surface, its cursor and beep, the status bar's pointer panes, the
// element's context menu, the text dialog, the image library and the calendar dialog.
class EditorToolContext final : public ToolContext {
public:
    explicit EditorToolContext(EditorWindow& editor);
    ~EditorToolContext() override;

    // Where the image library and the calendars find their artwork, and the
    // installation's language, read at each use. Without them the picture and
    // calendar tools place nothing.
    void SetArtwork(const ArtworkLocations* locations, std::function<int()> language);

    PageGeometry Geometry() const override;
    void DrawFeedback(const FeedbackPainter& paint) override;
    int SurfaceGeneration() override;
    void SetCursor(const PageCursor& cursor) override;
    void Beep() override;
    void ShowPointerPanes(const QString& x, const QString& y) override;
    void FocusPage() override;
    void RedrawRulers() override;

    int RunContextMenu(const std::vector<ContextMenuEntry>& entries, QPoint client) override;
    bool RunTextDialog(Element& element, bool newElement) override;
    const PictureContext* Pictures() override;
    std::optional<CalendarChoice> RunCalendarDialog(const PictureContext& pictures) override;

private:
    EditorWindow& editor_;
    const ArtworkLocations* locations_ = nullptr;
    std::function<int()> language_;
    LibraryPicturePicker picker_;
    std::optional<PictureContext> pictures_;
};

}  // namespace quenby
