#pragma once

#include "platform/ColourRef.h"
#include "platform/LogFont.h"

#include <QFont>
#include <QPainterPath>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QRegion>
#include <QTransform>

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <utility>
#include <vector>

class QImage;
class QPainter;

namespace quenby {

class Dib;

// Drawing target of the element painters: a QPainter on a window surface, an image
// or a printer, and whether it draws for a printer or preview.
//
// It keeps the drawing habits of a classic device context: one current pen, brush and
// raster mode; rectangles that cover [left, right) × [top, bottom); stretched pictures
// whose negative extents mirror them; and a not-XOR mode in which drawing the same
// thing twice restores the pixels. Antialiasing is off unless asked for, so every
// pixel is either drawn or not. The painter's state is restored when the context ends.
class DeviceContext {
public:
    enum class PenStyle { Solid, Dotted, None };

    // One element of a path: a move, a line, or a cubic curve given as its first
    // control point (CurveTo) followed by two CurveData points.
    struct PathPoint {
        enum Type { MoveTo, LineTo, CurveTo, CurveData };
        QPointF point;
        Type type;
    };

    explicit DeviceContext(QPainter& painter, bool printing = false);
    ~DeviceContext();

    DeviceContext(const DeviceContext&) = delete;
    DeviceContext& operator=(const DeviceContext&) = delete;

    QPainter& Painter() { return painter_; }
    bool IsPrinting() const { return printing_; }
    // A printer that keeps shapes as shapes (a PDF file, a print queue), rather than
    // pixels: smooth fills are its own there, and cost one shape instead of hundreds.
    bool IsVectorPrinter() const;

    // --- Pens, brushes, raster mode ----------------------------------------------------
    void SetPen(PenStyle style, ColourRef colour = kBlack, int width = 1);
    void SetSolidBrush(ColourRef colour);
    void SetEmptyBrush();  // hollow: nothing is filled
    // Not-XOR: the result is NOT (source XOR destination); a black pen inverts, and a
    // second drawing restores. Ignored by devices that cannot read back (printers).
    void SetNotXor(bool on);
    bool IsNotXor() const { return notXor_; }
    // Smooth edges for shapes, letters and stretched pictures, as a screen shows them;
    // never in the not-XOR mode, whose pixels must come back exactly. Off at the start.
    void SetSmooth(bool on);
    bool IsSmooth() const { return smooth_; }

    // Turns the not-XOR mode on for as long as it lives (when `on`), then back to
    // what it was.
    class NotXorScope {
    public:
        NotXorScope(DeviceContext& dc, bool on) : dc_(dc), was_(dc.IsNotXor()) {
            if (on)
                dc_.SetNotXor(true);
        }
        ~NotXorScope() { dc_.SetNotXor(was_); }
        NotXorScope(const NotXorScope&) = delete;
        NotXorScope& operator=(const NotXorScope&) = delete;

    private:
        DeviceContext& dc_;
        bool was_;
    };

    // --- Shapes --------------------------------------------------------------------------
    // A closed polygon, filled with the brush and outlined with the pen.
    void Polygon(std::span<const QPoint> points);
    // The ellipse inside the box (left, top) – (right, bottom).
    void Ellipse(const QRect& box);
    void Line(QPoint from, QPoint to);
    // Covers [left, right) × [top, bottom): the pen draws the border inside it and the
    // brush the rest, each pixel once (so that not-XOR rectangles toggle cleanly).
    void Rectangle(int left, int top, int right, int bottom);
    // One pixel in the given colour, in the current raster mode.
    void SetPixel(int x, int y, ColourRef colour);

    // --- Clipping ------------------------------------------------------------------------
    // Narrows drawing to a polygon or a path, within any clip already set; ResetClip
    // returns to the clip the context started with.
    void ClipToPolygon(std::span<const QPoint> points);
    void ClipToPath(const QPainterPath& path);
    // Narrows drawing to a region in device pixels, such as one PathCoverage made.
    void ClipToRegion(const QRegion& region);
    void ResetClip();
    // The device pixels that ClipToPath keeps for `path` on a raster device whose
    // painter has `transform`, those within `box` (the whole path when `box` is null);
    // nothing when the mask cannot be made.
    static std::optional<QRegion> PathCoverage(const QPainterPath& path,
                                               const QRect& box = QRect(),
                                               const QTransform& transform = QTransform());
    // The part of the device that drawing can reach, in the painter's coordinates.
    QRect VisibleArea() const;
    // Whether fills painted inside a shape get the shape's soft edge through
    // PaintThroughPath: smooth drawing on the screen or an image, untransformed, outside
    // the not-XOR mode. Printers and stepped drawing clip instead.
    bool PaintsThroughPaths() const;
    // Lays what `paint` draws over the part of the device `path` covers through `path`
    // with a soft edge: `paint` draws stepped (gradient bands edge to edge) on a scratch
    // image, which then fills the path. Only where PaintsThroughPaths().
    void PaintThroughPath(const QPainterPath& path,
                          const std::function<void(DeviceContext&)>& paint);

    // --- Paths and text ------------------------------------------------------------------
    // Writes `text` into the path with its cell's top-left corner at `topLeft`.
    static void AddTextToPath(QPainterPath& path, QPointF topLeft, const QString& text,
                              const QFont& font);
    static std::vector<PathPoint> PathPoints(const QPainterPath& path);
    // Rebuilds a path from (changed) points; a curve cut short ends the path there.
    static QPainterPath PathFromPoints(std::span<const PathPoint> points,
                                       Qt::FillRule rule = Qt::WindingFill);
    void StrokePath(const QPainterPath& path);  // with the pen
    void FillPath(const QPainterPath& path);    // with the brush

    // Fonts already made from a logical-font record during this drawing, so that the
    // texts of a page in one font find it once; null when not kept.
    const QFont* KeptFont(const LogFont& logFont) const;
    void KeepFont(const LogFont& logFont, const QFont& font);

    // Height of the extent of "Hg" and the width of a line of text in the font.
    static int LineHeight(const QFont& font);
    static int TextWidth(const QFont& font, const QString& text);

    // --- Pictures ------------------------------------------------------------------------
    // Stretches `source` (image pixels, top row first) into `dest`; a negative width or
    // height mirrors the picture and makes the rectangle extend left or up from its
    // origin, covering [x + width, x) then. No smoothing: colour on colour.
    void StretchImage(const QImage& image, const QRect& dest, const QRect& source);
    void StretchDib(const Dib& dib, const QRect& dest);  // the whole bitmap
    // The whole bitmap stretched over [left, right) × [top, bottom), which may reach
    // far beyond the device, turned half a turn when `turned`. Only the part the device
    // can show is converted, at no more pixels than that part has on the device or in
    // the bitmap, whichever is fewer; nothing for a box without area.
    void StretchDibInto(const Dib& dib, std::int64_t left, std::int64_t top, std::int64_t right,
                        std::int64_t bottom, bool turned);
    // The image at its own size, its top-left pixel at `at`.
    void DrawImage(QPoint at, const QImage& image);
    // The image `make` gives for a picture of `content` (its whole packed bitmap), in
    // the form `variant` and the part `part` name, made once per drawing: one picture
    // drawn again (on another face of a card, or a copy of it) is the same image, which
    // a printer stores only once. Kept up to a bounded total size.
    QImage KeptImage(std::span<const std::uint8_t> content, int variant, const QRect& part,
                     const std::function<QImage()>& make);

private:
    void ApplyPen();
    void ApplyBrush();
    void ApplySmoothing();
    // Whether long paths are filled, stroked and clipped piece by piece (raster devices).
    bool DrawsPiecewise() const;

    QPainter& painter_;
    bool printing_;
    PenStyle penStyle_ = PenStyle::Solid;
    ColourRef penColour_ = kBlack;
    int penWidth_ = 1;
    bool brushSolid_ = false;
    ColourRef brushColour_ = kWhite;
    bool notXor_ = false;
    bool smooth_ = false;
    int clipDepth_ = 0;
    std::vector<std::pair<LogFont, QFont>> fonts_;
    struct ImageKey {
        std::size_t hash[2];
        std::size_t size;
        int variant;
        QRect part;
        bool operator==(const ImageKey&) const = default;
    };
    std::vector<std::pair<ImageKey, QImage>> images_;
    qint64 keptImageBytes_ = 0;
};

}  // namespace quenby
