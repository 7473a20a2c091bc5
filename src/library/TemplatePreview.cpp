#include "library/TemplatePreview.h"

#include "document/Document.h"
#include "document/ElementOwner.h"
#include "document/PageDrawing.h"
#include "platform/DeviceContext.h"
#include "print/PaperLayout.h"
#include "view/FaceDecorations.h"
#include "view/PageViewPainter.h"

#include <QPainter>

#include <algorithm>

namespace quenby {
namespace {

constexpr int kFitPercent = 90;  // of the box the face takes along its longer side
constexpr int kBoxSize = 300;

}  // namespace

PreviewPlacement PlacePreview(const Document& doc, QSize box, double pixelsPerMm) {
    // The widened rectangle is the face itself for a page set.
    const QRect full = WidenedPageRect(doc, 100, pixelsPerMm);
    if (full.isEmpty() || box.isEmpty()) {
        return {};
    }
    const long long fitted =
        full.width() > full.height()
            ? (long long)box.width() * kFitPercent / full.width()
            : (long long)box.height() * kFitPercent / full.height();
    // A face far larger than the box still shows, at the smallest zoom there is; the
    // fit itself is at most 90 times the box's size.
    const int zoom = int(std::max(fitted, 1LL));
    const QRect widened = WidenedPageRect(doc, zoom, pixelsPerMm);
    const QPoint corner((box.width() - widened.width()) / 2,
                        (box.height() - widened.height()) / 2);
    return {zoom, PageRect(doc, zoom, pixelsPerMm).translated(corner - widened.topLeft())};
}

TemplatePreview::TemplatePreview(double pixelsPerMm, QWidget* parent)
    : QWidget(parent), pixelsPerMm_(pixelsPerMm) {
    setObjectName(QStringLiteral("templatePreview"));
    setAccessibleName(QStringLiteral("Vista preliminar"));
    setFixedSize(kBoxSize, kBoxSize);
}

void TemplatePreview::ShowDocument(const Document* doc) {
    doc_ = doc;
    update();
}

PreviewPlacement TemplatePreview::Placement() const {
    return doc_ ? PlacePreview(*doc_, size(), pixelsPerMm_) : PreviewPlacement{};
}

QSize TemplatePreview::sizeHint() const {
    return {kBoxSize, kBoxSize};
}

void TemplatePreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(rect(), view::kDeskColour);
    const PreviewPlacement at = Placement();
    if (!at.face.isEmpty()) {
        PageViewState state;
        state.zoomPercent = at.zoomPercent;
        state.pixelsPerMm = pixelsPerMm_;
        state.clientRect = rect();  // no printable area: the margins stay hidden
        painter.save();
        PaintFaceBackground(painter, *doc_, state, at.face);
        painter.restore();
        DeviceContext dc(painter);
        dc.SetSmooth(true);
        DrawPage(*doc_, doc_->currentPage, dc, FixedOwner(at.zoomPercent, at.face.topLeft()),
                 false, 0, 0);
    }
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace quenby
