#include "view/ViewGeometry.h"

#include "document/Document.h"
#include "platform/ResourceStrings.h"
#include "platform/StringIds.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace quenby::view {

QString ZoomPaneText(int percent) {
    return QStringLiteral("%1=%2%").arg(ResourceString(str::kZoomLabel)).arg(percent);
}

int SteppedZoom(int zoomPercent, int n) {
    if (n == kZoomInCommand) {
        return zoomPercent < 276 ? zoomPercent + 25 : kMaxZoom;
    }
    if (n <= kSetZoomBase) {
        return zoomPercent < 35 ? kMinZoom : zoomPercent - 25;
    }
    return n - kSetZoomBase;
}

FitResult FitPercent(int row, QSize client, QSize widenedFace, int zoomPercent) {
    if (!IsFitRow(row) || zoomPercent <= 0) {
        return {};
    }
    // The face at 100 %, in whole pixels as the fitting has always taken it.
    const long long width100 = (long long)widenedFace.width() * 100 / zoomPercent;
    const long long height100 = (long long)widenedFace.height() * 100 / zoomPercent;
    if (width100 <= 0 || height100 <= 0) {
        return {};  // no layout yet, or a face of no size: nothing to fit
    }
    const double widthFit =
        std::floor(100.0 * (client.width() - 2 * kCanvasMargin) / double(width100));
    const double heightFit =
        std::floor(100.0 * (client.height() - 2 * kCanvasMargin) / double(height100));
    double fit = widthFit;
    if (row == kFitHeight) {
        fit = heightFit;
    } else if (row == kFitWholePage) {
        fit = std::min(widthFit, heightFit);
    }
    // A fit is not limited to 10..300, but it must stay a number SetZoom can take.
    constexpr double kLimit = std::numeric_limits<int>::max() - kSetZoomBase - 1;
    fit = std::clamp(fit, -kLimit, kLimit);
    return {true, int(fit)};
}

QSize ScrollRangeFor(QSize client, QSize widenedFace, int row) {
    int x = widenedFace.width() + 2 * kCanvasMargin - client.width();
    int y = widenedFace.height() + 2 * kCanvasMargin - client.height();
    if (x < 0 || row == kFitWidth || row == kFitWholePage) {
        x = 0;
    }
    if (y < 0 || row == kFitHeight || row == kFitWholePage) {
        y = 0;
    }
    return {x, y};
}

QPoint PageOriginFor(const Document& doc, QSize face) {
    if (doc.isCard == kCard) {
        return {kCanvasMargin + face.width() / 10, kCanvasMargin + face.height() / 10};
    }
    return {kCanvasMargin, kCanvasMargin};
}

}  // namespace quenby::view
