#include "view/EditorToolContext.h"

#include "editing/EditingSession.h"
#include "library/CalendarDialog.h"
#include "platform/DeviceContext.h"
#include "platform/ResourceImages.h"
#include "platform/ResourceStrings.h"
#include "properties/TextDialog.h"
#include "view/EditorWindow.h"

#include <QApplication>
#include <QMenu>

namespace quenby {
namespace {

QCursor ToQCursor(const PageCursor& cursor) {
    switch (cursor.shape) {
        case PageCursor::Arrow:
            return Qt::ArrowCursor;
        case PageCursor::Cross:
            return Qt::CrossCursor;
        case PageCursor::Move:
            return Qt::SizeAllCursor;
        case PageCursor::SizeNwSe:
            return Qt::SizeFDiagCursor;
        case PageCursor::SizeNeSw:
            return Qt::SizeBDiagCursor;
        case PageCursor::SizeNs:
            return Qt::SizeVerCursor;
        case PageCursor::SizeWe:
            return Qt::SizeHorCursor;
        case PageCursor::Resource:
            return ResourceCursor(cursor.resource);
    }
    return Qt::ArrowCursor;
}

}  // namespace

EditorToolContext::EditorToolContext(EditorWindow& editor) : editor_(editor), picker_(&editor) {}

EditorToolContext::~EditorToolContext() = default;

void EditorToolContext::SetArtwork(const ArtworkLocations* locations,
                                   std::function<int()> language) {
    locations_ = locations;
    language_ = std::move(language);
}

PageGeometry EditorToolContext::Geometry() const {
    PageGeometry g;
    g.zoomPercent = editor_.ZoomPercent();
    g.pixelsPerMm = editor_.PixelsPerMm();
    g.pageOrigin = editor_.PageOrigin();
    g.scroll = editor_.ScrollPosition();
    g.face = editor_.PageRect().translated(g.pageOrigin);
    g.client = editor_.ClientSize();
    return g;
}

void EditorToolContext::DrawFeedback(const FeedbackPainter& paint) {
    EditorWindow::DirectDrawing direct(editor_);
    DeviceContext dc(direct.painter());
    paint(dc, editor_);
}

int EditorToolContext::SurfaceGeneration() {
    return editor_.SurfaceGeneration();
}

void EditorToolContext::SetCursor(const PageCursor& cursor) {
    editor_.viewport()->setCursor(ToQCursor(cursor));
}

void EditorToolContext::Beep() {
    QApplication::beep();
}

void EditorToolContext::ShowPointerPanes(const QString& x, const QString& y) {
    emit editor_.PointerPanesChanged(x, y);
}

void EditorToolContext::FocusPage() {
    editor_.setFocus(Qt::MouseFocusReason);
}

void EditorToolContext::RedrawRulers() {
    editor_.RedrawAll();
}

int EditorToolContext::RunContextMenu(const std::vector<ContextMenuEntry>& entries, QPoint client) {
    QMenu menu(&editor_);
    for (const ContextMenuEntry& entry : entries) {
        if (entry.IsSeparator()) {
            menu.addSeparator();
        } else {
            menu.addAction(ResourceString(entry.label))->setData(entry.command);
        }
    }
    const QAction* chosen = menu.exec(editor_.viewport()->mapToGlobal(client));
    return chosen ? chosen->data().toInt() : 0;
}

bool EditorToolContext::RunTextDialog(Element& element, bool newElement) {
    return newElement ? RunNewTextDialog(element, editor_.PixelsPerMm(), &editor_)
                      : ::quenby::RunTextDialog(element, &editor_);
}

const PictureContext* EditorToolContext::Pictures() {
    if (!locations_) {
        return nullptr;
    }
    const int language = language_ ? language_() : 0;
    pictures_.reset();
    pictures_.emplace(PictureContext{*locations_, editor_.session().messages(), language,
                                     float(editor_.PixelsPerMm()), &picker_});
    return &*pictures_;
}

std::optional<CalendarChoice> EditorToolContext::RunCalendarDialog(const PictureContext& pictures) {
    return ::quenby::RunCalendarDialog(pictures, &editor_);
}

}  // namespace quenby
