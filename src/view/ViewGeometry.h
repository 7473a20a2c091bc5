#pragma once

#include "platform/CommandIds.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <array>

namespace quenby {

struct Document;

// The arithmetic of the page view: zoom steps, fitting, the scroll range and where
// the face sits on the canvas. Pure functions, so that the window, the rulers, the
// benchmarks and the tests share one version.
namespace view {

inline constexpr int kZoomInCommand = cmd::kZoomIn;
inline constexpr int kZoomOutCommand = cmd::kZoomOut;
inline constexpr int kSetZoomBase = 10000;     // SetZoom(kSetZoomBase + percent)
inline constexpr int kZoomModeCommand = cmd::kZoomPageWidth;  // then height, whole page
inline constexpr int kMinZoom = 10;
inline constexpr int kMaxZoom = 300;
inline constexpr int kStartZoom = 25;
inline constexpr int kCanvasMargin = 30;  // desk around the face on every side

// Rows of the zoom list: three fit modes, then fixed percentages.
enum ZoomListRow : int {
    kNoZoomRow = -1,  // after a zoom step: no row chosen
    kFitWidth = 0,
    kFitHeight = 1,
    kFitWholePage = 2,
    kFirstPercentRow = 3,
};
inline constexpr std::array<int, 11> kZoomListPercents = {10,  25,  50,  75,  100, 125,
                                                          150, 175, 200, 250, 300};
inline constexpr int kZoomListRows = kFirstPercentRow + int(kZoomListPercents.size());

inline bool IsFitRow(int row) {
    return row >= kFitWidth && row <= kFitWholePage;
}

// The zoom after SetZoom(n): 1715 steps up by 25 (to 300 at most), every other n up
// to 10000 steps down by 25 (to 10 at least), larger n set n − 10000 directly.
int SteppedZoom(int zoomPercent, int n);

// The zoom that a fit row asks for, given the client size and the widened face at
// the current zoom; not limited to 10..300. Nothing for a face of no size, a row
// that is not a fit row, or a zoom of 0 or less.
struct FitResult {
    bool valid = false;
    int percent = 0;
};
FitResult FitPercent(int row, QSize client, QSize widenedFace, int zoomPercent);

// Scroll range in pixels for the client size, the widened face and the zoom list row:
// none along a direction the fit mode makes fit, none where the canvas fits.
QSize ScrollRangeFor(QSize client, QSize widenedFace, int row);

// The status bar's zoom pane after a zoom change, "Zoom=75%".
QString ZoomPaneText(int percent);

// Where the face's top-left corner lies on the canvas: 30 pixels in for a page set,
// and as far again as a tenth of the face for a card, to leave room for its flap.
QPoint PageOriginFor(const Document& doc, QSize face);

}  // namespace view
}  // namespace quenby
