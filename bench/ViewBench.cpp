// Repainting the whole page view into the window's surface: desk, card face with its
// flap, dog-ear and margins, the dot grid, a busy face and the handles of 20 selected
// elements, at 25 %, 100 % and 300 %; beside a plain copy of a surface of the same
// size, which is what showing a rendered surface costs. Aim: one 60 Hz frame, 16.7 ms,
// at 100 %, with the texts' shapes and the elements' images kept by the view as the
// editor window keeps them.
#include "BusyFace.h"
#include "document/Document.h"
#include "document/ElementLayerCache.h"
#include "document/ElementOperations.h"
#include "document/TextShapeCache.h"
#include "print/PaperLayout.h"
#include "view/PageViewPainter.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

using namespace quenby;

constexpr double kPixelsPerMm = 96.0 / 25.4;
const QSize kClientSize(1600, 1000);

struct ViewScene {
    explicit ViewScene(int zoomPercent) {
        bench::BuildBusyFace(doc);
        // The busy A4 page as the front of a card folded once across: the face shows
        // its flap and dog-ear, and the elements run on past it as they may.
        doc.ChooseCardType(0);
        doc.paperSize = 1;
        doc.viewSwitchA = true;
        doc.showMargins = true;
        for (int i = 0; i < 20; ++i) {
            doc.elements.At(i * 10)->selected = 1;
        }
        state.zoomPercent = zoomPercent;
        state.textShapes = &textShapes;
        state.elementLayers = &layers;
        state.pixelsPerMm = kPixelsPerMm;
        state.clientRect = QRect(QPoint(0, 0), kClientSize);
        // Five millimetres of margin all round, as a typical inkjet leaves.
        const QSizeF sheet = SheetSizeMm(doc);
        const int margin = int(5 * 4 * kPixelsPerMm);
        state.printableDocUnits =
            QRect(margin, margin, int(sheet.width() * 4 * kPixelsPerMm) - 2 * margin,
                  int(sheet.height() * 4 * kPixelsPerMm) - 2 * margin);
    }

    Document doc;
    TextShapeCache textShapes;
    ElementLayerCache layers;
    PageViewState state;
    QImage surface{kClientSize, QImage::Format_RGB32};
};

// Repaints the scene's view with the caches it is given, before each paint running
// `change` (an edit), if any.
template <typename Change>
void Repaint(benchmark::State& state, ViewScene& scene, Change change) {
    for (auto _ : state) {
        change();
        QPainter painter(&scene.surface);
        benchmark::DoNotOptimize(PaintPageView(painter, scene.doc, scene.state));
    }
    state.SetLabel(std::to_string(state.range(0)) + " %");
}

void BM_RepaintView(benchmark::State& state) {
    ViewScene scene(int(state.range(0)));
    Repaint(state, scene, [] {});
}
BENCHMARK(BM_RepaintView)->Arg(25)->Arg(100)->Arg(300)->Unit(benchmark::kMillisecond);

// The same repaint making every text's shape afresh, as the first paint at a new zoom
// does: the baseline for the shapes and images the view keeps.
void BM_RepaintViewMakingTextShapes(benchmark::State& state) {
    ViewScene scene(int(state.range(0)));
    scene.state.textShapes = nullptr;
    scene.state.elementLayers = nullptr;
    Repaint(state, scene, [] {});
}
BENCHMARK(BM_RepaintViewMakingTextShapes)->Arg(100)->Unit(benchmark::kMillisecond);

// The same repaint with the texts' shapes kept but every element drawn afresh.
void BM_RepaintViewWithoutLayers(benchmark::State& state) {
    ViewScene scene(int(state.range(0)));
    scene.state.elementLayers = nullptr;
    Repaint(state, scene, [] {});
}
BENCHMARK(BM_RepaintViewWithoutLayers)->Arg(25)->Arg(100)->Arg(300)->Unit(benchmark::kMillisecond);

// A repaint after one edit, as a drag or a property dialog causes: one text and one
// shape with gradients change their colours, the rest are copied from their images.
void BM_RepaintViewAfterOneChange(benchmark::State& state) {
    ViewScene scene(int(state.range(0)));
    Element& shape = *scene.doc.elements.At(1);
    Element& text = *scene.doc.elements.At(141);
    int k = 0;
    Repaint(state, scene, [&] {
        ++k;
        shape.fillColour = MakeColourRef(k & 0xFF, 30, 90);
        text.text->fillColour = MakeColourRef(200, k & 0xFF, 30);
    });
}
BENCHMARK(BM_RepaintViewAfterOneChange)->Arg(100)->Unit(benchmark::kMillisecond);

// The first paint at a zoom: every text's shape and every element's image made, then
// copied; beside BM_RepaintViewMakingTextShapes, what making the images adds.
void BM_RepaintViewFirstAtItsZoom(benchmark::State& state) {
    ViewScene scene(int(state.range(0)));
    Repaint(state, scene, [&] {
        scene.textShapes.Clear();
        scene.layers.Clear();
    });
}
BENCHMARK(BM_RepaintViewFirstAtItsZoom)->Arg(100)->Unit(benchmark::kMillisecond);

// Scrolling by ten pixels at a time: the elements wholly in the window are copied from
// their images, those its edge cuts are drawn again.
void BM_RepaintViewScrolling(benchmark::State& state) {
    ViewScene scene(int(state.range(0)));
    int k = 0;
    Repaint(state, scene, [&] {
        k = (k + 1) % 40;
        scene.state.scroll = QPoint(0, 10 * k);
    });
}
BENCHMARK(BM_RepaintViewScrolling)->Arg(100)->Arg(300)->Unit(benchmark::kMillisecond);

void BM_CopySurfaceToScreen(benchmark::State& state) {
    QImage surface(kClientSize, QImage::Format_RGB32);
    surface.fill(Qt::gray);
    QImage screen(kClientSize, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&screen);
        painter.drawImage(QPoint(0, 0), surface);
        benchmark::DoNotOptimize(screen.constBits());
    }
}
BENCHMARK(BM_CopySurfaceToScreen)->Unit(benchmark::kMillisecond);

}  // namespace
