#pragma once

#include "platform/ColourRef.h"

#include <QRect>

#include <array>
#include <cstdint>
#include <span>

namespace quenby {

class DeviceContext;

// A device rectangle as the painters take it: [left, right) × [top, bottom).
struct PaintBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    static PaintBox Around(std::span<const QPoint> points);  // the true bounding box
    // 64-bit: a damaged or far-zoomed shape may span the whole int range.
    std::int64_t Width() const { return std::int64_t{right} - left; }
    std::int64_t Height() const { return std::int64_t{bottom} - top; }
};

// The 255 steps from `start` to `end`: step k is start + k × (end − start) / 255 in
// each component, truncated.
std::array<ColourRef, 255> GradientSteps(ColourRef start, ColourRef end);

// Bands one pixel high, across a box big enough to cover `box` turned by `angle`
// degrees (half a turn more for a half-turned element), each turned back and filled
// with the step of its place: the colour runs from `start` to `end` perpendicular to
// the angle. Painted without a pen, over whatever clip is set.
void PaintLinearGradient(DeviceContext& dc, const PaintBox& box, ColourRef start, ColourRef end,
                         int angleDegrees, bool halfTurned);

// Rings six pixels apart around the centre at (centreX %, centreY %) of the box
// (mirrored for a half-turned element): the outermost ring, past the farthest corner,
// has the end colour and the centre the start colour.
void PaintRadialGradient(DeviceContext& dc, const PaintBox& box, ColourRef start, ColourRef end,
                         int centreXPercent, int centreYPercent, bool halfTurned);

// The radii of the rings, outermost first, for a farthest corner at `reach` pixels.
std::vector<int> RadialRingRadii(int reach);

}  // namespace quenby
