#pragma once

#include "document/DocPoint.h"
#include "document/ElementOwner.h"

#include <QPoint>
#include <QRect>
#include <QSize>

namespace quenby {

// Where the page lies in the view at one moment, and the conversions between the
// view's coordinate spaces:
// - client: a pixel of the window, as the mouse reports it;
// - canvas: a client pixel plus the scroll position; presses, drags and hit tests are
//   held in canvas pixels, so that scrolling during a gesture changes nothing;
// - page pixel: a canvas pixel minus the face's top-left corner;
// - document units: page pixels × 400 / zoom, as floats.
struct PageGeometry {
    int zoomPercent = 100;
    double pixelsPerMm = 96.0 / 25.4;
    QPoint pageOrigin;  // the face's top-left corner on the canvas
    QPoint scroll;      // canvas point = client point + scroll
    QRect face;         // the face on the canvas, as the last paint drew it
    QSize client;       // the client area

    QPoint ToCanvas(QPoint client) const { return client + scroll; }
    QPoint ToClient(QPoint canvas) const { return canvas - scroll; }
    QPoint ToPagePixel(QPoint canvas) const { return canvas - pageOrigin; }
    QPoint FromPagePixel(QPoint pagePixel) const { return pagePixel + pageOrigin; }
    bool InClient(QPoint client) const {
        return QRect(QPoint(0, 0), this->client).contains(client);
    }

    // The view parameters for canvas pixels (hit tests, new elements) and for client
    // pixels (drawing feedback into the window).
    FixedOwner CanvasView() const { return FixedOwner(zoomPercent, pageOrigin); }
    FixedOwner ClientView() const { return FixedOwner(zoomPercent, pageOrigin - scroll); }

    DocPoint ToDocument(QPoint canvas) const { return CanvasView().ToDocument(canvas); }
    // Document units covered by a distance of `pixels` on the screen.
    float PixelsToUnits(int pixels) const;
    // Screen pixels per millimetre of paper at this zoom.
    double PixelsPerMmAtZoom() const { return 0.01 * zoomPercent * pixelsPerMm; }
};

}  // namespace quenby
