#pragma once

#include "document/DocPoint.h"

#include <QPoint>

namespace quenby {

class ElementLayerCache;
class TextShapeCache;

// The view parameters, an element's owner while it is drawn: the zoom and scroll
// origin for converting between document units and device pixels, and whether the
// drawing is for a printer or preview (which supplies its own origin). Elements do not hold one;
// drawing, hit-testing and creating elements take it as an argument, so that the page
// view, printing, the preview and thumbnails show the same document side by side.
// The editor window is the page view's; printing, previews and tools use FixedOwner.
class ElementOwner {
public:
    virtual ~ElementOwner() = default;

    virtual int ZoomPercent() const = 0;
    virtual QPoint ScrollOrigin() const = 0;  // device pixels
    virtual bool IsPrinting() const = 0;
    // While set, boxes, ellipses and lines without an outline show a dotted frame.
    virtual bool ShowsElementFrames() const { return false; }
    // Where the view keeps its texts' shapes between paints; null: made at each paint.
    virtual TextShapeCache* TextShapes() const { return nullptr; }
    // Where the view keeps its elements' images between paints; null: drawn at each paint.
    virtual ElementLayerCache* ElementLayers() const { return nullptr; }

    // trunc(x) × zoom / 400 + origin, in integer arithmetic; no origin while printing.
    // Kept within ±2^29 pixels, so that boxes and handles around it, and sums and
    // differences of device points, never overflow.
    QPoint ToDevice(DocPoint p) const;
    // (device − origin) × 400 / zoom.
    DocPoint ToDocument(QPoint device) const;
};

// An owner with settable state, for printing, previews, tools and tests.
class FixedOwner final : public ElementOwner {
public:
    explicit FixedOwner(int zoomPercent = 100, QPoint origin = {}, bool printing = false)
        : zoom_(zoomPercent), origin_(origin), printing_(printing) {}

    int ZoomPercent() const override { return zoom_; }
    QPoint ScrollOrigin() const override { return origin_; }
    bool IsPrinting() const override { return printing_; }
    bool ShowsElementFrames() const override { return frames_; }
    TextShapeCache* TextShapes() const override { return textShapes_; }
    ElementLayerCache* ElementLayers() const override { return layers_; }

    void SetZoomPercent(int zoom) { zoom_ = zoom; }
    void SetScrollOrigin(QPoint origin) { origin_ = origin; }
    void SetPrinting(bool printing) { printing_ = printing; }
    void SetShowsElementFrames(bool frames) { frames_ = frames; }
    void SetTextShapes(TextShapeCache* shapes) { textShapes_ = shapes; }
    void SetElementLayers(ElementLayerCache* layers) { layers_ = layers; }

private:
    int zoom_;
    QPoint origin_;
    bool printing_;
    bool frames_ = false;
    TextShapeCache* textShapes_ = nullptr;
    ElementLayerCache* layers_ = nullptr;
};

}  // namespace quenby
