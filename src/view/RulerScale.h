#pragma once

#include <array>

namespace quenby {

// The arithmetic of a ruler: which step its labelled marks take at the zoom, and where
// its marks and labels fall. Pure, so that tests can check it against the drawing.
namespace ruler {

// Millimetres between labelled marks, smallest first.
inline constexpr std::array<int, 9> kStepTable = {1, 2, 5, 10, 50, 100, 200, 500, 1000};

struct Step {
    int millimetres = 1000;
    bool scalingError = false;  // no step fits: the largest is taken
};
// The first step that leaves at least 50 pixels between labelled marks, by the
// ruler's length in pixels and the scale in pixels per millimetre.
Step ChooseStep(int lengthPixels, double pixelsPerMmAtZoom);

// Everything a paint needs along the ruler.
struct Layout {
    double scale = 0;  // pixels per millimetre at the zoom
    double lengthMm = 0;
    Step step;
    double phase = 0;          // of the marks against the face edge
    long long faceSteps = 0;   // whole steps from the ruler's start to the face edge (b)
    long long originBase = 0;  // the measuring origin in whole millimetre steps
    double originShift = 0;    // and the rest of it, in pixels
    int firstIndex = -10;      // marks run over firstIndex <= i < endIndex
    long long endIndex = 0;

    // Position along the ruler of mark i, before the ruler's own offset d.
    double MarkPosition(long long i) const;
    // Mark length: 9 at every tenth mark, 6 at every fifth, 4 otherwise.
    static int MarkLength(long long i);
    // The label at mark i (a multiple of 10), in millimetres from the measuring origin.
    long long LabelValue(long long i) const;
};

// `faceOffset` is o: the face edge's distance from the ruler's start (corner square
// included for the horizontal ruler); `origin` the measuring origin in document units.
Layout LayoutFor(int lengthPixels, int zoomPercent, double pixelsPerMm, double faceOffset,
                 int origin, bool horizontal);

}  // namespace ruler
}  // namespace quenby
