#include "editing/CrosshairDrag.h"

#include "editing/EditingSession.h"
#include "editing/GridSnap.h"
#include "editing/ToolContext.h"
#include "platform/DeviceContext.h"

#include <algorithm>

namespace quenby {
namespace {

const ColourRef kLineColour = MakeColourRef(0, 0, 128);
constexpr int kLeastLineLength = 1000;

void DrawLines(DeviceContext& dc, QPoint at, QSize client) {
    DeviceContext::NotXorScope notXor(dc, true);
    dc.SetPen(DeviceContext::PenStyle::Dotted, kLineColour, 1);
    // Across the whole window, however large.
    const int width = std::max(client.width(), kLeastLineLength);
    const int height = std::max(client.height(), kLeastLineLength);
    dc.Line(QPoint(at.x(), 0), QPoint(at.x(), height));
    dc.Line(QPoint(0, at.y()), QPoint(width, at.y()));
}

}  // namespace

CrosshairDrag::CrosshairDrag(EditingSession& session, ToolContext& context)
    : PageDrag(session, context) {}

CrosshairDrag::~CrosshairDrag() = default;

QPoint CrosshairDrag::SnappedPagePixel(QPoint canvas) const {
    const PageGeometry geometry = context_.Geometry();
    return SnapPoint(geometry.ToPagePixel(canvas), session_.document(), geometry);
}

void CrosshairDrag::EraseLines() {
    if (lines_ && FeedbackStillShown()) {
        const QPoint at = *lines_;
        const QSize client = context_.Geometry().client;
        context_.DrawFeedback(
            [&](DeviceContext& dc, const ElementOwner&) { DrawLines(dc, at, client); });
    }
    lines_.reset();
}

void CrosshairDrag::Move(QPoint canvas) {
    if (finished_) {
        return;
    }
    const PageGeometry geometry = context_.Geometry();
    EraseLines();
    if (!geometry.InClient(geometry.ToClient(canvas))) {
        finished_ = true;  // off the page: no origin
        return;
    }
    const QPoint at = geometry.ToClient(geometry.FromPagePixel(SnappedPagePixel(canvas)));
    context_.DrawFeedback(
        [&](DeviceContext& dc, const ElementOwner&) { DrawLines(dc, at, geometry.client); });
    lines_ = at;
    FeedbackDrawn();
}

void CrosshairDrag::Release(QPoint canvas) {
    EraseLines();
    if (finished_) {
        return;
    }
    finished_ = true;
    const PageGeometry geometry = context_.Geometry();
    // The document counts as changed even when the release missed the page.
    const auto edit = session_.Edit(EditScope::Unrecorded);
    if (!geometry.InClient(geometry.ToClient(canvas))) {
        return;
    }
    const QPoint origin = SnappedPagePixel(canvas);
    const int zoom = geometry.zoomPercent > 0 ? geometry.zoomPercent : 1;
    Document& doc = session_.document();
    doc.originX = std::int32_t(std::int64_t(origin.x()) * 400 / zoom);
    doc.originY = std::int32_t(std::int64_t(origin.y()) * 400 / zoom);
    context_.RedrawRulers();
}

void CrosshairDrag::Cancel() {
    EraseLines();
    finished_ = true;
}

}  // namespace quenby
