// A text of 499 letters on one line, tall on the screen, as the page draws it, beside
// the same warped letters filled as one path (how letters were filled before they
// were filled figure by figure).
#include "document/ElementDrawing.h"
#include "document/ElementOperations.h"
#include "document/ElementOwner.h"
#include "document/TextDrawing.h"
#include "graphics/FontMapping.h"
#include "platform/DeviceContext.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

using namespace quenby;

namespace {

struct LongLine {
    LongLine() : owner(300) {
        text = CreateBlankElement();
        text->text = std::make_unique<TextBlock>();
        text->text->SetText(QString(499, QLatin1Char('W')));
        text->text->font.SetFace(QStringLiteral("DejaVu Sans"));
    }
    void Place(ElementKind kind) {
        text->kind = kind;
        if (kind == ElementKind::CircularText) {
            text->corners = {DocPoint{1000, 1000}, DocPoint{1500, 1000}, DocPoint{2000, 1000},
                             DocPoint{500, 1000}};
        } else {
            text->corners = {DocPoint{40, 40}, DocPoint{3240, 40}, DocPoint{3240, 540},
                             DocPoint{40, 540}};
        }
    }
    FixedOwner owner;
    ElementPtr text;
    QImage image{1000, 800, QImage::Format_RGB32};
};

ElementKind KindOf(const benchmark::State& state) {
    return state.range(0) == 0 ? ElementKind::Text : ElementKind::CircularText;
}

// Range 0: a text in a frame; 1: a circular text.
void BM_LongLineDrawn(benchmark::State& state) {
    LongLine line;
    line.Place(KindOf(state));
    for (auto _ : state) {
        line.image.fill(Qt::white);
        QPainter painter(&line.image);
        DeviceContext dc(painter);
        DrawElementBody(*line.text, dc, line.owner);
    }
}
BENCHMARK(BM_LongLineDrawn)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Baseline: the same letters as one path, filled whole.
void BM_LongLineWholePathFill(benchmark::State& state) {
    LongLine line;
    line.Place(KindOf(state));
    const QPainterPath letters =
        *WarpPath(LayoutTextPath(*line.text->text, MapLogFont(line.text->text->font)),
                  EnvelopeOf(*line.text, line.owner));
    for (auto _ : state) {
        line.image.fill(Qt::white);
        QPainter painter(&line.image);
        painter.fillPath(letters, Qt::black);
    }
}
BENCHMARK(BM_LongLineWholePathFill)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
