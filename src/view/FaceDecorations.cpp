#include "view/FaceDecorations.h"

#include <QPainter>

#include <algorithm>
#include <array>

namespace quenby::view {
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

// How the sheet's printable area is copied onto a face: A as it is, B mirrored about
// the face's vertical middle, C about its right edge, D about its horizontal middle,
// E about its bottom edge, G about both the right and the bottom edge.
enum class MarginCopy { A, B, C, D, E, G };

// The copy for a portrait and a landscape sheet, then the shift in face widths and
// heights (−1: one face to the left or up) that brings the face's part of the sheet
// under the face.
struct MarginPlacement {
    MarginCopy portrait;
    MarginCopy landscape;
    int faceWidthsRight;
    int faceHeightsDown;
};

using MC = MarginCopy;
constexpr std::array<std::array<MarginPlacement, 4>, 6> kMarginTable = {{
    {{{MC::A, MC::A, 0, -1}, {MC::A, MC::B, 0, 0}, {MC::A, MC::B, 0, -1}, {MC::E, MC::B, 0, -1}}},
    {{{MC::A, MC::A, -1, 0}, {MC::D, MC::A, 0, 0}, {MC::D, MC::A, -1, 0}, {MC::A, MC::A, 0, 0}}},
    {{{MC::A, MC::A, -1, -1},
      {MC::G, MC::G, 0, -1},
      {MC::G, MC::G, -1, -1},
      {MC::A, MC::A, 0, -1}}},
    {{{MC::A, MC::A, -1, -1},
      {MC::G, MC::G, -1, 0},
      {MC::G, MC::G, -1, -1},
      {MC::G, MC::G, 0, -1}}},
    {{{MC::A, MC::A, -1, -1},
      {MC::E, MC::C, 0, -1},
      {MC::E, MC::C, -1, -1},
      {MC::A, MC::A, 0, -1}}},
    {{{MC::A, MC::A, -1, -1},
      {MC::E, MC::C, -1, 0},
      {MC::E, MC::C, -1, -1},
      {MC::E, MC::C, 0, -1}}},
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

// A smooth dark edge over the hard grey one, through the centres of the end pixels.
void DrawSmoothLine(QPainter& painter, QPoint from, QPoint to) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(Qt::black, 1.0));
    painter.drawLine(QPointF(from) + QPointF(0.5, 0.5), QPointF(to) + QPointF(0.5, 0.5));
    painter.restore();
}

void DrawHardLine(QPainter& painter, const QColor& colour, QPoint from, QPoint to) {
    painter.setPen(QPen(colour, 0));
    painter.drawLine(from, to);
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

void DrawDogEar(QPainter& painter, const DogEarShape& ear) {
    if (ear.triangle.size() != 3) {
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(ear.clearedSquare, kDeskColour);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kCornerGrey);
    painter.drawPolygon(ear.triangle);
    painter.setBrush(Qt::NoBrush);
    const QPoint p0 = ear.triangle[0];
    const QPoint p1 = ear.triangle[1];
    const QPoint p2 = ear.triangle[2];
    DrawHardLine(painter, QColor(128, 128, 128), p0, p2);
    DrawSmoothLine(painter, p0, p2);
    DrawHardLine(painter, Qt::black, p0, p1);
    DrawHardLine(painter, Qt::black, p1, p2);
    painter.restore();
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

void DrawPageFlap(QPainter& painter, const PageFlapShape& flap) {
    const QPolygon& p = flap.polygon;
    if (p.size() < 3) {
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kCornerGrey);
    painter.drawPolygon(p);
    painter.setBrush(Qt::NoBrush);
    DrawHardLine(painter, Qt::black, p[1], p[2]);
    if (flap.shape == 2 && p.size() == 4) {
        DrawSmoothLine(painter, p[0], p[1]);
        DrawSmoothLine(painter, p[3], p[2]);
    } else {
        DrawSmoothLine(painter, p[0], p[2]);
    }
    painter.restore();
}

QRect CardMarginRect(const QRect& face, const QRect& printable, int cardType, int currentFace,
                     int orientation) {
    const int fl = face.x();
    const int ft = face.y();
    const int fw = face.width();
    const int fh = face.height();

    const MarginPlacement& place =
        kMarginTable[std::size_t(FoldRow(cardType))][std::size_t(FaceColumn(currentFace))];
    const MarginCopy copy = orientation == 1 ? place.landscape : place.portrait;

    QRect r = printable;
    const int mirroredLeftHalf = 2 * fl + fw - RightOf(printable);
    const int mirroredLeftWhole = 2 * fl + 2 * fw - RightOf(printable);
    const int mirroredTopHalf = 2 * ft + fh - BottomOf(printable);
    const int mirroredTopWhole = 2 * ft + 2 * fh - BottomOf(printable);
    switch (copy) {
        case MarginCopy::A:
            break;
        case MarginCopy::B:
            r.moveLeft(mirroredLeftHalf);
            break;
        case MarginCopy::C:
            r.moveLeft(mirroredLeftWhole);
            break;
        case MarginCopy::D:
            r.moveTop(mirroredTopHalf);
            break;
        case MarginCopy::E:
            r.moveTop(mirroredTopWhole);
            break;
        case MarginCopy::G:
            r.moveLeft(mirroredLeftWhole);
            r.moveTop(mirroredTopWhole);
            break;
    }
    r.translate(place.faceWidthsRight * fw, place.faceHeightsDown * fh);
    return r;
}

}  // namespace quenby::view
