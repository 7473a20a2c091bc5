#include "editing/PageTurnCorners.h"

#include <QRegion>

#include <algorithm>
#include <array>

namespace quenby {
namespace {

// Shape and edge of the flap, by fold (row) and current face (column).
constexpr std::array<std::array<int, 4>, 6> kFlapShapeTable = {{
    {0, 2, 2, 0},
    {0, 2, 2, 1},
    {0, 2, 2, 1},
    {0, 2, 2, 0},
    {0, 2, 2, 1},
    {0, 2, 2, 0},
}};
constexpr std::array<std::array<int, 4>, 6> kFlapEdgeTable = {{
    {1, 2, 0, 3},
    {2, 1, 3, 2},
    {2, 1, 3, 2},
    {1, 2, 0, 3},
    {2, 1, 3, 2},
    {1, 2, 0, 3},
}};

int FoldRow(int cardType) {
    return std::clamp(cardType, 0, 5);
}
int FaceColumn(int face) {
    return std::clamp(face, 0, 3);
}

// A rectangle between two corners given in any order, both corners' pixels included
// only up to the far one, as a filled rectangle of the window system covers them.
QRect Between(QPoint a, QPoint b) {
    const int left = std::min(a.x(), b.x());
    const int top = std::min(a.y(), b.y());
    const int right = std::max(a.x(), b.x());
    const int bottom = std::max(a.y(), b.y());
    return QRect(left, top, right - left, bottom - top);
}

// Whether a point lies in a polygon, as a region made from it holds its pixels.
bool Inside(const QPolygon& polygon, QPoint point) {
    return polygon.size() >= 3 && QRegion(polygon).contains(point);
}

}  // namespace

DogEarShape DogEarFor(const QRect& face, int currentFace, int cardType) {
    const int l = face.x();
    const int t = face.y();
    const int r = RightOf(face);
    const int b = BottomOf(face);
    const int d = std::min(face.width() / 20, face.height() / 20);

    enum Corner { BottomRight, BottomLeft, TopRight };
    Corner corner = BottomRight;
    if (currentFace == 3) {
        corner = BottomLeft;
    } else if (currentFace == 1) {
        const int fold = FoldRow(cardType);
        corner = (fold == 1 || fold == 2 || fold == 4) ? BottomLeft : TopRight;
    }

    DogEarShape ear;
    switch (corner) {
        case BottomRight:
            ear.triangle << QPoint(r - 1, b - d) << QPoint(r - 1 - d, b - d)
                         << QPoint(r - 1 - d, b);
            ear.clearedSquare = Between(QPoint(r - 1 - d, b - d), QPoint(r + 1, b + 1));
            break;
        case BottomLeft:
            ear.triangle << QPoint(l, b - d) << QPoint(l + d, b - d) << QPoint(l + d, b);
            ear.clearedSquare = Between(QPoint(l + d, b - d), QPoint(l - 1, b + 1));
            break;
        case TopRight:
            ear.triangle << QPoint(r - 1, t + d) << QPoint(r - 1 - d, t + d)
                         << QPoint(r - 1 - d, t);
            ear.clearedSquare = Between(QPoint(r - 1 - d, t + d), QPoint(r + 1, t - 1));
            break;
    }
    return ear;
}

PageFlapShape PageFlapFor(const QRect& face, int currentFace, int cardType) {
    const int l = face.x();
    const int t = face.y();
    const int r = RightOf(face);
    const int b = BottomOf(face);
    const int dx = face.width() / 10;
    const int dy = face.height() / 10;

    PageFlapShape flap;
    const auto fold = std::size_t(FoldRow(cardType));
    const auto column = std::size_t(FaceColumn(currentFace));
    flap.shape = kFlapShapeTable[fold][column];
    flap.edge = kFlapEdgeTable[fold][column];

    QPolygon& p = flap.polygon;
    switch (flap.shape * 4 + flap.edge) {
        // Shape 0: a triangle against the edge, pointing away from its first corner.
        case 0:
            p << QPoint(l, t) << QPoint(r - dx, t) << QPoint(r - dx, t - dy);
            break;
        case 1:
            p << QPoint(r, t) << QPoint(r, b - dy) << QPoint(r + dx, b - dy);
            break;
        case 2:
            p << QPoint(l, b) << QPoint(r - dx, b) << QPoint(r - dx, b + dy);
            break;
        case 3:
            p << QPoint(l, t) << QPoint(l, b - dy) << QPoint(l - dx, b - dy);
            break;
        // Shape 1: the same from the other end of the edge.
        case 4:
            p << QPoint(r, t) << QPoint(l + dx, t) << QPoint(l + dx, t - dy);
            break;
        case 5:
            p << QPoint(r, b) << QPoint(r, t + dy) << QPoint(r + dx, t + dy);
            break;
        case 6:
            p << QPoint(r, b) << QPoint(l + dx, b) << QPoint(l + dx, b + dy);
            break;
        case 7:
            p << QPoint(l, b) << QPoint(l, t + dy) << QPoint(l - dx, t + dy);
            break;
        // Shape 2: the whole edge, widened outward at both ends.
        case 8:
            p << QPoint(l, t) << QPoint(l - dx, t - dy) << QPoint(r + dx, t - dy) << QPoint(r, t);
            break;
        case 9:
            p << QPoint(r, t) << QPoint(r + dx, t - dy) << QPoint(r + dx, b + dy) << QPoint(r, b);
            break;
        case 10:
            p << QPoint(l, b) << QPoint(l - dx, b + dy) << QPoint(r + dx, b + dy) << QPoint(r, b);
            break;
        default:
            p << QPoint(l, t) << QPoint(l - dx, t - dy) << QPoint(l - dx, b + dy) << QPoint(l, b);
            break;
    }
    return flap;
}

PageTurnCorner PageTurnCornerAt(QPoint point, const QRect& face, int currentFace, int cardType) {
    if (face.isEmpty()) {
        return PageTurnCorner::None;
    }
    if (Inside(DogEarFor(face, currentFace, cardType).triangle, point)) {
        return PageTurnCorner::DogEar;
    }
    if (Inside(PageFlapFor(face, currentFace, cardType).polygon, point)) {
        return PageTurnCorner::Flap;
    }
    return PageTurnCorner::None;
}

int FaceAfterTurn(PageTurnCorner corner, int currentFace) {
    static constexpr std::array<int, 4> kDogEar = {1, 0, 3, 2};
    static constexpr std::array<int, 4> kFlap = {2, 2, 1, 1};
    const auto face = std::size_t(FaceColumn(currentFace));
    switch (corner) {
        case PageTurnCorner::DogEar:
            return kDogEar[face];
        case PageTurnCorner::Flap:
            return kFlap[face];
        case PageTurnCorner::None:
            break;
    }
    return currentFace;
}

}  // namespace quenby
