// Element drawing: the busy page on the screen and for a 600-dpi printer, the
// transparent pictures beside opaque ones, and the mouse code's bounds and hit tests.
#include "BusyFace.h"

#include "document/ElementDrawing.h"
#include "document/ElementGeometry.h"
#include "document/ElementOwner.h"
#include "document/PageDrawing.h"
#include "graphics/TransparentPicture.h"
#include "platform/DeviceContext.h"

#include <QBuffer>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <benchmark/benchmark.h>

#include <functional>

using namespace quenby;

namespace {

const QSize kA4At100(794, 1123);  // the A4 face at 100 % zoom, 96 dots per inch
constexpr int kPrinterDpi = 600;
constexpr int kPrinterZoom = kPrinterDpi * 100 / 96;  // document units to 600-dpi pixels

struct BusyScene {
    explicit BusyScene(int zoom, bool printing = false) : owner(zoom, {}, printing) {
        bench::BuildBusyFace(doc);
    }
    // Keeps only the elements of one sort: 1 shapes, 2 texts, 3 pictures.
    void KeepSort(int sort) {
        for (int i = doc.elements.Count() - 1; i >= 0; --i) {
            const ElementKind k = doc.elements[i]->kind;
            const int s = HasTextBlock(k) ? 2 : k == ElementKind::Picture ? 3 : 1;
            if (s != sort) {
                doc.elements.Take(i);
            }
        }
    }
    // Keeps only the pictures, transparent or opaque.
    void KeepPictures(bool transparent) {
        for (int i = doc.elements.Count() - 1; i >= 0; --i) {
            if (doc.elements[i]->kind != ElementKind::Picture) {
                doc.elements.Take(i);
            } else {
                doc.elements[i]->transparent = std::uint8_t(transparent);
            }
        }
    }
    Document doc;
    FixedOwner owner;
};

void DrawInto(QImage& image, const std::function<void(DeviceContext&)>& draw) {
    image.fill(Qt::white);
    QPainter painter(&image);
    DeviceContext dc(painter);
    draw(dc);
}

// The whole busy face as the page view draws it at 100 % (range 0), and its shapes,
// texts and pictures alone (1, 2, 3).
void BM_BusyFaceView(benchmark::State& state) {
    BusyScene scene(100);
    const int sort = int(state.range(0));
    if (sort != 0) {
        scene.KeepSort(sort);
    }
    QImage image(kA4At100, QImage::Format_RGB32);
    for (auto _ : state) {
        DrawInto(image, [&](DeviceContext& dc) { DrawPage(scene.doc, scene.doc.currentPage, dc, scene.owner, false, 0, 0); });
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_BusyFaceView)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// The 40 pictures of the busy face: transparent (composed), transparent run by run,
// the baseline of the same pictures as plain opaque copies, and transparent with smooth
// edges as the page view draws them (each composed at its own pixels and averaged).
void BM_BusyPictures(benchmark::State& state) {
    const int mode = int(state.range(0));  // 0 composed, 1 run by run, 2 opaque, 3 smooth
    BusyScene scene(100);
    scene.KeepPictures(mode != 2);
    QImage image(kA4At100, QImage::Format_RGB32);
    for (auto _ : state) {
        DrawInto(image, [&](DeviceContext& dc) {
            dc.SetSmooth(mode == 3);
            for (const Element& e : scene.doc.elements) {
                if (mode == 1) {
                    const QRect r = ElementDeviceRect(e, scene.owner);
                    DrawPictureTransparentRunByRun(dc, r.left(), r.top(), r.right() + 1,
                                                   r.bottom() + 1, *e.picture, 255,
                                                   e.halfTurned != 0);
                } else {
                    DrawElementBody(e, dc, scene.owner);
                }
            }
        });
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetLabel(mode == 0   ? "transparent, composed"
                   : mode == 1 ? "transparent, run by run"
                   : mode == 2 ? "opaque baseline"
                               : "transparent, smooth");
}
BENCHMARK(BM_BusyPictures)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// What the mouse code does at every move: bounds, handle and body hit tests of 1000
// elements (the busy face's mix, five times over) for one pointer position.
void BM_BoundsAndHitTests1000(benchmark::State& state) {
    FixedOwner owner(100);
    std::vector<ElementPtr> elements;
    for (int copy = 0; copy < 5; ++copy) {
        Document doc;
        bench::BuildBusyFace(doc);
        for (const Element& e : doc.elements) {
            elements.push_back(CopyElement(e));
            MoveElement(*elements.back(), float(copy) * 37.0f, float(copy) * 53.0f);
            elements.back()->selected = 1;
        }
    }
    const int x = 400, y = 560;
    for (auto _ : state) {
        int hits = 0;
        for (const ElementPtr& e : elements) {
            const ElementBox b = ElementBounds(*e);
            hits += HitHandle(*e, owner, x, y, b);
            hits += HitElement(*e, owner, x, y, b);
        }
        benchmark::DoNotOptimize(hits);
    }
    state.counters["elements"] = double(elements.size());
}
BENCHMARK(BM_BoundsAndHitTests1000)->Unit(benchmark::kMicrosecond);

// The busy face drawn for a 600-dpi PDF printer: time and size of the file. Range 0
// draws the whole face; 1 and 2 only its pictures, composed and run by run.
void BM_BusyFacePdf600(benchmark::State& state) {
    const int mode = int(state.range(0));
    BusyScene scene(kPrinterZoom, true);
    if (mode != 0) {
        scene.KeepPictures(true);
    }
    qint64 bytes = 0;
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        {
            QPdfWriter writer(&buffer);
            writer.setResolution(kPrinterDpi);
            writer.setPageSize(QPageSize(QPageSize::A4));
            writer.setPageMargins(QMarginsF(0, 0, 0, 0));
            QPainter painter(&writer);
            DeviceContext dc(painter, true);
            if (mode == 2) {
                for (const Element& e : scene.doc.elements) {
                    const QRect r = ElementDeviceRect(e, scene.owner);
                    DrawPictureTransparentRunByRun(dc, r.left(), r.top(), r.right() + 1,
                                                   r.bottom() + 1, *e.picture, 255,
                                                   e.halfTurned != 0);
                }
            } else {
                DrawPage(scene.doc, scene.doc.currentPage, dc, scene.owner, false, 0, 0);
            }
        }
        bytes = buffer.size();
    }
    state.counters["pdf_bytes"] = double(bytes);
    state.SetLabel(mode == 0   ? "whole face"
                   : mode == 1 ? "pictures, composed"
                               : "pictures, run by run");
}
BENCHMARK(BM_BusyFacePdf600)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
