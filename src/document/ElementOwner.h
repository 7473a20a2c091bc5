#pragma once

#include "document/DocPoint.h"

#include <QPoint>

namespace quenby {

// What an element needs from the window that holds its document: the zoom and
// scroll origin for converting between document units and device pixels, and
// whether it is drawing for a printer or preview (which supplies its own origin).
// The editor window implements it; printing, previews and tools use FixedOwner.
class ElementOwner {
public:
    virtual ~ElementOwner() = default;

    virtual int ZoomPercent() const = 0;
    virtual QPoint ScrollOrigin() const = 0;  // device pixels
    virtual bool IsPrinting() const = 0;
    // While set, boxes, ellipses and lines without an outline show a dotted frame.
    virtual bool ShowsElementFrames() const { return false; }

    // trunc(x) × zoom / 400 + origin, in integer arithmetic; no origin while printing.
    // The result is kept within ±(2^30 − 1), so sums and differences of device points
    // stay within int.
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

    void SetZoomPercent(int zoom) { zoom_ = zoom; }
    void SetScrollOrigin(QPoint origin) { origin_ = origin; }
    void SetPrinting(bool printing) { printing_ = printing; }
    void SetShowsElementFrames(bool frames) { frames_ = frames; }

private:
    int zoom_;
    QPoint origin_;
    bool printing_;
    bool frames_ = false;
};

}  // namespace quenby
