// Outlines: pen widths, the dotted frames of unoutlined shapes, the ghost, and the
// device context's rectangle and not-XOR rules.
#include "DrawingTestSupport.h"

#include "document/ElementDrawing.h"

#include <gtest/gtest.h>

namespace quenby {
namespace {

int ColumnThickness(const QImage& image, int x) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        n += image.pixel(x, y) != 0xFFFFFFFF;
    }
    return n;
}

TEST(Outline, WidthScalesWithTheZoomRoundedUp) {
    FixedOwner owner(50);
    ElementPtr line = test::BoxElement(ElementKind::Line, 40, 200, 400, 0);
    line->corners[1] = DocPoint{360, 200};
    line->outlineOn = 1;
    line->outlineWidth = 3;  // 1.5 pixels at 50 %: 2
    const QImage image =
        test::Render(100, 60, [&](DeviceContext& dc) { DrawElementOutline(*line, dc, owner); });
    EXPECT_EQ(ColumnThickness(image, 20), 2);
    owner.SetZoomPercent(25);
    line->outlineWidth = 1;
    const QImage thin =
        test::Render(100, 60, [&](DeviceContext& dc) { DrawElementOutline(*line, dc, owner); });
    EXPECT_EQ(ColumnThickness(thin, 10), 1);
}

TEST(Outline, UnoutlinedShapesShowDottedFramesOnlyWhileFramesAreShown) {
    FixedOwner owner(100);
    ElementPtr box = test::BoxElement(ElementKind::Box, 40, 40, 200, 200);
    box->outlineOn = 0;
    EXPECT_TRUE(test::PaintedBox(test::Render(80, 80, [&](DeviceContext& dc) {
                    DrawElementOutline(*box, dc, owner);
                })).isEmpty());
    owner.SetShowsElementFrames(true);
    const QImage framed =
        test::Render(80, 80, [&](DeviceContext& dc) { DrawElementOutline(*box, dc, owner); });
    EXPECT_FALSE(test::PaintedBox(framed).isEmpty());
    EXPECT_LT(test::CountPixels(framed, qRgb(0, 0, 0)), 4 * 50);  // dotted, not solid

    // Pictures and texts never get one; a text following a group never gets any.
    ElementPtr text = test::BoxElement(ElementKind::Text, 40, 40, 200, 200);
    text->outlineOn = 0;
    EXPECT_TRUE(test::PaintedBox(test::Render(80, 80, [&](DeviceContext& dc) {
                    DrawElementOutline(*text, dc, owner);
                })).isEmpty());
    text->outlineOn = 1;
    text->groupMember = 2;
    EXPECT_TRUE(test::PaintedBox(test::Render(80, 80, [&](DeviceContext& dc) {
                    DrawElementOutline(*text, dc, owner);
                })).isEmpty());
}

TEST(Outline, GhostAndNotXorDrawingUndoThemselves) {
    FixedOwner owner(100);
    for (ElementKind kind :
         {ElementKind::Box, ElementKind::Ellipse, ElementKind::Line, ElementKind::CircularText}) {
        ElementPtr e = test::BoxElement(kind, 40, 40, 240, 160);
        e->outlineOn = 1;
        e->outlineWidth = 4;
        QImage image(100, 100, QImage::Format_RGB32);
        image.fill(QColor(30, 140, 220));
        const QImage before = image;
        for (int pass = 0; pass < 2; ++pass) {
            QPainter painter(&image);
            DeviceContext dc(painter);
            DrawElementGhost(*e, dc, owner);
            if (pass == 0) {
                painter.end();
                EXPECT_NE(image, before) << int(kind);
            }
        }
        EXPECT_EQ(image, before) << int(kind);
    }
}

TEST(DeviceContext, RectanglesCoverLeftTopInclusiveRightBottomExclusive) {
    const QImage image = test::Render(20, 20, [](DeviceContext& dc) {
        dc.SetPen(DeviceContext::PenStyle::Solid, kBlack, 1);
        dc.SetSolidBrush(MakeColourRef(255, 0, 0));
        dc.Rectangle(2, 3, 12, 9);
    });
    EXPECT_EQ(test::PaintedBox(image), QRect(QPoint(2, 3), QPoint(11, 8)));
    EXPECT_EQ(image.pixel(2, 3), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(5, 5), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(11, 8), qRgb(0, 0, 0));
}

TEST(DeviceContext, NegativeExtentsMirrorAStretchedPicture) {
    QImage source(2, 1, QImage::Format_RGB32);
    source.setPixel(0, 0, qRgb(255, 0, 0));
    source.setPixel(1, 0, qRgb(0, 0, 255));
    const QImage plain = test::Render(10, 4, [&](DeviceContext& dc) {
        dc.StretchImage(source, QRect(0, 0, 8, 2), source.rect());
    });
    const QImage mirrored = test::Render(10, 4, [&](DeviceContext& dc) {
        dc.StretchImage(source, QRect(8, 2, -8, -2), source.rect());
    });
    EXPECT_EQ(plain.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(mirrored.pixel(0, 0), qRgb(0, 0, 255));
    EXPECT_EQ(mirrored.pixel(7, 1), qRgb(255, 0, 0));
    EXPECT_EQ(test::PaintedBox(mirrored), QRect(0, 0, 8, 2));
}

TEST(DeviceContext, PathPointsRebuildTheSamePath) {
    QPainterPath path;
    path.moveTo(1, 2);
    path.lineTo(10, 2);
    path.cubicTo(12, 4, 14, 8, 10, 12);
    path.closeSubpath();
    const auto points = DeviceContext::PathPoints(path);
    ASSERT_EQ(points.size(), std::size_t(path.elementCount()));
    EXPECT_EQ(points[2].type, DeviceContext::PathPoint::CurveTo);
    EXPECT_EQ(points[3].type, DeviceContext::PathPoint::CurveData);
    EXPECT_EQ(DeviceContext::PathFromPoints(points, path.fillRule()), path);
    // A curve cut short ends the path where it was whole.
    const std::vector<DeviceContext::PathPoint> cut(points.begin(), points.begin() + 3);
    EXPECT_EQ(DeviceContext::PathFromPoints(cut).elementCount(), 2);
}

// A long line of letters, turned a little: many pieces, curves, holes and touching
// letters.
QPainterPath LongTextPath() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(30);
    QPainterPath letters;
    letters.addText(0, 30, font, QStringLiteral("Feliz cumpleaños @%&8oB fifl ").repeated(4));
    QTransform t;
    t.translate(6.3, 8.7);
    t.rotate(4);
    t.scale(580.0 / letters.boundingRect().width(), 1.6);
    return t.map(letters);
}

TEST(DeviceContext, PiecewiseFillStrokeAndClipGiveTheWholePathsPixels) {
    const QPainterPath path = LongTextPath();
    const QImage whole = test::Render(600, 120, [&](DeviceContext& dc) {
        dc.Painter().fillPath(path, Qt::red);
        QPen pen(Qt::blue, 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        dc.Painter().strokePath(path, pen);
    });
    const QImage pieces = test::Render(600, 120, [&](DeviceContext& dc) {
        dc.SetSolidBrush(MakeColourRef(255, 0, 0));
        dc.FillPath(path);
        dc.SetPen(DeviceContext::PenStyle::Solid, MakeColourRef(0, 0, 255), 9);
        dc.StrokePath(path);
    });
    EXPECT_EQ(pieces, whole);

    // The clip covers exactly what filling the path covers, seen through a moved and
    // scaled painter too.
    for (const QTransform& t : {QTransform(), QTransform::fromTranslate(-40, 12).scale(1.5, 1.5)}) {
        const QImage filled = test::Render(600, 120, [&](DeviceContext& dc) {
            dc.Painter().setTransform(t);
            dc.SetSolidBrush(kBlack);
            dc.FillPath(path);
        });
        const QImage clipped = test::Render(600, 120, [&](DeviceContext& dc) {
            dc.Painter().setTransform(t);
            dc.ClipToPath(path);
            dc.Painter().fillRect(QRect(-100, -100, 900, 400), Qt::black);
            dc.ResetClip();
        });
        EXPECT_EQ(clipped, filled);
        EXPECT_GT(test::CountPixels(filled, qRgb(0, 0, 0)), 2000);
    }
}

}  // namespace
}  // namespace quenby
