#pragma once

#include <QImage>
#include <QRect>

#include <vector>

namespace quenby {

class DeviceContext;
class Dib;

// One horizontal run of picture pixels that are not the transparent index, and where
// its stretched copy lands on the device.
struct TransparentStrip {
    QRect target;           // device pixels, normalised
    int row = 0;            // stored row, 0 being the bottom line of the picture
    int column = 0;         // first pixel of the run
    int length = 0;         // pixels in the run
    bool mirrored = false;  // drawn right to left (a half-turned picture)
};

// The strips of a picture drawn into (left, top) – (right, bottom) with the pixels of
// `transparentIndex` left out, in drawing order: stored row by stored row, run by run.
// Each run of row y starting at column x0 lands at (left + ceil(x0·sx), bottom −
// ceil(y·sy)), ceil(run·sx) wide and ceil(sy) high, sx and sy being the scale factors;
// a turned picture has every strip placed and mirrored as by a half turn about the
// centre of the rectangle. Only 8-bit uncompressed pictures have strips; a
// destination without area has none.
std::vector<TransparentStrip> PlanTransparentStrips(const Dib& picture, int left, int top,
                                                    int right, int bottom, int transparentIndex,
                                                    bool turned);

// The part `part` (image pixels, top row first) of an 8-bit picture at its own pixels,
// with the pixels of `transparentIndex` clear, turned half a turn when `turned`; a
// null image for other pictures or a part outside the picture.
QImage MaskedPicture(const Dib& picture, int transparentIndex, bool turned, const QRect& part);

// Draws a picture leaving its transparent pixels unpainted. The strips are composed
// into one image with the transparent pixels clear and that image is copied once, at
// the device's own resolution, which gives the pixels that copying every strip by its
// own stretched transfer gives, in a fraction of the time. Pictures other than 8-bit
// ones are drawn opaque.
void DrawPictureTransparent(DeviceContext& dc, int left, int top, int right, int bottom,
                            const Dib& picture, int transparentIndex, bool turned);

// The same picture by one stretched transfer per strip from a two-row scratch bitmap
// (on printers without negative extents: a turned run is copied reversed into the
// second scratch row). Kept for devices where a composed image is out of the question
// and to check the composed drawing against.
void DrawPictureTransparentRunByRun(DeviceContext& dc, int left, int top, int right, int bottom,
                                    const Dib& picture, int transparentIndex, bool turned);

}  // namespace quenby
