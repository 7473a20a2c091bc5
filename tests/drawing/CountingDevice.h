#pragma once

#include <QPaintDevice>
#include <QImage>
#include <QPaintEngine>
#include <QPixmap>

#include <algorithm>

namespace quenby::test {

// A paint device of a given size that paints nothing but counts what it is asked to
// paint, and the largest image it is handed: the work and the memory a drawing costs,
// without timing it.
class CountingDevice final : public QPaintDevice {
public:
    CountingDevice(int width, int height) : width_(width), height_(height) {}

    int paths() const { return engine_.paths; }
    int operations() const { return engine_.paths + engine_.polygons + engine_.rects +
                                    engine_.images + engine_.lines; }
    qint64 largestImagePixels() const { return engine_.largestImage; }

    QPaintEngine* paintEngine() const override { return &engine_; }

protected:
    int metric(PaintDeviceMetric m) const override {
        switch (m) {
            case PdmWidth:
                return width_;
            case PdmHeight:
                return height_;
            case PdmDpiX:
            case PdmDpiY:
            case PdmPhysicalDpiX:
            case PdmPhysicalDpiY:
                return 96;
            case PdmDepth:
                return 32;
            case PdmDevicePixelRatio:
                return 1;
            case PdmDevicePixelRatioScaled:
                return int(devicePixelRatioFScale());
            default:
                return 0;
        }
    }

private:
    class Engine final : public QPaintEngine {
    public:
        Engine() : QPaintEngine(AllFeatures) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState&) override {}
        Type type() const override { return User; }
        void drawPath(const QPainterPath&) override { ++paths; }
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override { ++polygons; }
        void drawPolygon(const QPoint*, int, PolygonDrawMode) override { ++polygons; }
        void drawRects(const QRectF*, int count) override { rects += count; }
        void drawRects(const QRect*, int count) override { rects += count; }
        void drawLines(const QLineF*, int count) override { lines += count; }
        void drawLines(const QLine*, int count) override { lines += count; }
        void drawPixmap(const QRectF&, const QPixmap& pm, const QRectF&) override {
            Image(qint64(pm.width()) * pm.height());
        }
        void drawImage(const QRectF&, const QImage& image, const QRectF&,
                       Qt::ImageConversionFlags) override {
            Image(qint64(image.width()) * image.height());
        }
        void Image(qint64 pixels) {
            ++images;
            largestImage = std::max(largestImage, pixels);
        }

        int paths = 0, polygons = 0, rects = 0, lines = 0, images = 0;
        qint64 largestImage = 0;
    };

    int width_;
    int height_;
    mutable Engine engine_;
};

}  // namespace quenby::test
