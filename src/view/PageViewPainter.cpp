#include "view/PageViewPainter.h"

#include "document/Document.h"
#include "document/ElementGeometry.h"
#include "document/ElementOwner.h"
#include "document/PageDrawing.h"
#include "platform/DeviceContext.h"
#include "print/PaperLayout.h"
#include "view/FaceDecorations.h"
#include "view/ViewGeometry.h"

#include <QImage>
#include <QPainter>

#include <cmath>
#include <vector>

namespace quenby {
namespace {

const QPen& WhiteDottedPen() {
    static const QPen pen(Qt::white, 0, Qt::DotLine);
    return pen;
}

// An unfilled rectangle as the window system draws one: the outline runs along the
// first and the last pixel inside `r`.
void DrawFrame(QPainter& painter, const QRect& r) {
    if (r.width() <= 0 || r.height() <= 0) {
        return;
    }
    painter.drawRect(QRect(r.x(), r.y(), r.width() - 1, r.height() - 1));
}

// Document units to pixels at the zoom, as the element drawing converts them.
QRect ToPixels(const QRect& units, int zoomPercent) {
    auto px = [zoomPercent](int v) { return int((long long)v * zoomPercent / 400); };
    return QRect(
        QPoint(px(units.x()), px(units.y())),
        QPoint(px(units.x() + units.width()), px(units.y() + units.height())) - QPoint(1, 1));
}

void PaintPageSetFace(QPainter& painter, const Document& doc, const PageViewState& state,
                      const QRect& face) {
    painter.fillRect(face.translated(8, 8), Qt::black);  // the shadow
    painter.fillRect(face, ToQColor(doc.pageColour));

    const int across = std::max<int>(doc.tilesAcross, 1);
    const int down = std::max<int>(doc.tilesDown, 1);
    const int tileWidth = face.width() / across;
    const int tileHeight = face.height() / down;
    painter.setPen(WhiteDottedPen());
    painter.setBrush(Qt::NoBrush);
    for (int k = 1; k < across; ++k) {
        const int x = face.x() + k * tileWidth;
        painter.drawLine(x, face.y(), x, BottomOf(face) - 1);
    }
    for (int k = 1; k < down; ++k) {
        const int y = face.y() + k * tileHeight;
        painter.drawLine(face.x(), y, RightOf(face) - 1, y);
    }
    if (doc.showMargins && !state.printableDocUnits.isEmpty()) {
        const QRect sheetArea =
            ToPixels(state.printableDocUnits, state.zoomPercent).translated(face.topLeft());
        for (int i = 0; i < across; ++i) {
            for (int j = 0; j < down; ++j) {
                DrawFrame(painter, sheetArea.translated(i * tileWidth, j * tileHeight));
            }
        }
    }
}

void PaintCardFace(QPainter& painter, const Document& doc, const PageViewState& state,
                   const QRect& face) {
    painter.fillRect(face, ToQColor(doc.pageColour));
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(Qt::NoBrush);
    DrawFrame(painter, face);

    view::DrawPageFlap(painter, PageFlapFor(face, doc.currentPage, doc.cardType));
    view::DrawDogEar(painter, DogEarFor(face, doc.currentPage, doc.cardType));

    if (doc.showMargins && !state.printableDocUnits.isEmpty()) {
        const QRect sheetArea =
            ToPixels(state.printableDocUnits, state.zoomPercent).translated(face.topLeft());
        const QRect onFace =
            view::CardMarginRect(face, sheetArea, doc.cardType, doc.currentPage, doc.orientation);
        painter.save();
        painter.setClipRect(face, Qt::IntersectClip);
        painter.setPen(WhiteDottedPen());
        DrawFrame(painter, onFace);
        painter.restore();
    }
}

// The distinct pixel positions of the grid along one direction that fall inside both
// the face [first, end) and the visible span [visibleFirst, visibleEnd).
std::vector<int> GridPositions(int first, int end, double spacing, double phase, int visibleFirst,
                               int visibleEnd) {
    std::vector<int> positions;
    const int lo = std::max(first, visibleFirst);
    const int hi = std::min(end, visibleEnd);
    if (lo >= hi || !(spacing > 0)) {
        return positions;
    }
    // Start a little before the visible part; the points before it are skipped anyway.
    long long i = std::max(0LL, (long long)std::floor((lo - first - phase) / spacing) - 2);
    int last = lo - 1;
    for (; first + double(i) * spacing < end; ++i) {
        const double at = first + phase + std::ceil(double(i) * spacing);
        const int p = int(std::trunc(at));
        if (p >= hi) {
            break;
        }
        if (p >= lo && p > last) {
            positions.push_back(p);
            last = p;
        }
    }
    return positions;
}

// Where the grid starts inside the face, so that it runs through the measuring origin.
double GridPhase(int zoomPercent, int origin, double spacing) {
    const double offset = double((long long)zoomPercent * origin / 400) / spacing;
    return std::ceil(spacing * (offset - std::floor(offset)));
}

}  // namespace

void PaintFaceBackground(QPainter& painter, const Document& doc, const PageViewState& state,
                         const QRect& face) {
    if (doc.isCard == kPageSet) {
        PaintPageSetFace(painter, doc, state, face);
    } else if (doc.isCard == kCard) {
        PaintCardFace(painter, doc, state, face);
    }
}

void PaintDotGrid(QPainter& painter, const Document& doc, const PageViewState& state,
                  const QRect& face) {
    if (doc.gridSpacingX <= 0 || doc.gridSpacingY <= 0) {
        return;  // a damaged file: no grid rather than an endless one
    }
    const double s = 0.01 * state.zoomPercent * state.pixelsPerMm;
    const double sx = doc.gridSpacingX * s;
    const double sy = doc.gridSpacingY * s;
    if (!(sx > 0) || !(sy > 0)) {
        return;
    }
    const double px = GridPhase(state.zoomPercent, doc.originX, sx);
    const double py = GridPhase(state.zoomPercent, doc.originY, sy);
    const QRect visible = state.clientRect.translated(state.scroll);
    const std::vector<int> xs =
        GridPositions(face.x(), RightOf(face), sx, px, visible.x(), RightOf(visible));
    const std::vector<int> ys =
        GridPositions(face.y(), BottomOf(face), sy, py, visible.y(), BottomOf(visible));
    if (xs.empty() || ys.empty()) {
        return;
    }

    // Straight into the pixels when painting an image without a transform; the points
    // are many at small spacings.
    auto* image = dynamic_cast<QImage*>(painter.device());
    const bool direct = image && image->depth() == 32 && painter.transform().isIdentity() &&
                        !painter.hasClipping() &&
                        painter.compositionMode() == QPainter::CompositionMode_SourceOver;
    if (direct) {
        const QRgb black = qRgb(0, 0, 0);
        for (int y : ys) {
            const int cy = y - state.scroll.y();
            if (cy < 0 || cy >= image->height()) {
                continue;
            }
            auto* line = reinterpret_cast<QRgb*>(image->scanLine(cy));
            for (int x : xs) {
                const int cx = x - state.scroll.x();
                if (cx >= 0 && cx < image->width()) {
                    line[cx] = black;
                }
            }
        }
        return;
    }
    std::vector<QPoint> points;
    points.reserve(xs.size() * ys.size());
    for (int y : ys) {
        for (int x : xs) {
            points.emplace_back(x - state.scroll.x(), y - state.scroll.y());
        }
    }
    painter.save();
    painter.resetTransform();
    painter.setPen(QPen(Qt::black, 0));
    painter.drawPoints(points.data(), int(points.size()));
    painter.restore();
}

QRect PaintPageView(QPainter& painter, const Document& doc, const PageViewState& state) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(state.clientRect, view::kDeskColour);

    QRect face;
    if (doc.isCard == kCard || doc.isCard == kPageSet) {
        const QRect page = PageRect(doc, state.zoomPercent, state.pixelsPerMm);
        face = page.translated(view::PageOriginFor(doc, page.size()));
        if (!face.isEmpty()) {
            painter.save();
            painter.translate(-state.scroll);
            PaintFaceBackground(painter, doc, state, face);
            painter.restore();
            if (doc.viewSwitchA) {
                PaintDotGrid(painter, doc, state, face);
            }
            // Document (0, 0) lies at the face's corner in client pixels.
            FixedOwner elementView(state.zoomPercent, face.topLeft() - state.scroll);
            elementView.SetTextShapes(state.textShapes);
            elementView.SetElementLayers(state.elementLayers);
            DeviceContext dc(painter);
            dc.SetSmooth(true);  // the handles, drawn in not-XOR, stay exact
            DrawPage(doc, doc.currentPage, dc, elementView, false, 0, 0);
            for (const Element& element : doc.elements) {
                if (element.page == doc.currentPage && element.selected) {
                    DrawSelection(element, dc, elementView);
                }
            }
        }
    }
    painter.restore();
    return face;
}

}  // namespace quenby
