#include "view/FaceDecorations.h"

#include <QPainter>

#include <algorithm>
#include <array>

namespace quenby::view {
namespace {

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
