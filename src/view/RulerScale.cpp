#include "view/RulerScale.h"

#include <cmath>

namespace quenby::ruler {

Step ChooseStep(int lengthPixels, double pixelsPerMmAtZoom) {
    if (!(pixelsPerMmAtZoom > 0) || lengthPixels < 0) {
        return {kStepTable.back(), true};
    }
    const double lengthMm = lengthPixels / pixelsPerMmAtZoom;
    const int limit = lengthPixels / 50;
    for (int step : kStepTable) {
        if (lengthMm / step <= limit) {
            return {step, false};
        }
    }
    return {kStepTable.back(), true};
}

double Layout::MarkPosition(long long i) const {
    return originShift + 0.1 * step.millimetres * double(i) * scale - phase;
}

int Layout::MarkLength(long long i) {
    if (i % 10 == 0) {
        return 9;
    }
    return i % 5 == 0 ? 6 : 4;
}

long long Layout::LabelValue(long long i) const {
    return (i / 10) * step.millimetres - (faceSteps + 1) * step.millimetres - originBase;
}

Layout LayoutFor(int lengthPixels, int zoomPercent, double pixelsPerMm, double faceOffset,
                 int origin, bool horizontal) {
    Layout l;
    l.scale = 0.01 * zoomPercent * pixelsPerMm;
    if (!(l.scale > 0)) {
        l.endIndex = l.firstIndex;  // nothing to draw at no zoom
        l.step = {kStepTable.back(), true};
        return l;
    }
    l.lengthMm = lengthPixels / l.scale;
    l.step = ChooseStep(lengthPixels, l.scale);

    const double stepPixels = l.step.millimetres * l.scale;
    const double q = faceOffset / stepPixels;
    const double b = std::floor(q);
    l.faceSteps = (long long)b;
    l.phase = stepPixels - (q - b) * stepPixels;

    const double u = double((long long)zoomPercent * origin / 400) / stepPixels;
    l.originBase = l.step.millimetres * (long long)std::floor(u);
    l.originShift = std::ceil(stepPixels * (u - std::floor(u)));

    l.endIndex =
        (long long)std::ceil(l.lengthMm * 10 / l.step.millimetres + 20 + (horizontal ? 1 : 2));
    return l;
}

}  // namespace quenby::ruler
