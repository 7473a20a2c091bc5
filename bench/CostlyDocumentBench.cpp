// Legitimate documents that cost a lot: a face of long texts with radial fills and
// wide outlines, and a page set whose texts lie on a few of its tiles. Each figure is
// reported beside a baseline measured in the same run: the same texts plain, and the
// one sheet that holds them.
#include "document/Document.h"
#include "document/ElementOperations.h"
#include "document/ElementOwner.h"
#include "document/PageDrawing.h"
#include "platform/DeviceContext.h"
#include "platform/MessageBoxes.h"
#include "print/PdfExport.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace quenby;

namespace {

const QSize kA4At100(794, 1123);

// Texts of 499 characters, `count` of them, in a column down the A4 face; styled (radial
// letters, outlines 40 pixels wide) or plain (solid letters, no outline).
void AddLongTexts(Document& doc, int count, bool styled) {
    const QString chars = QString(QStringLiteral("Feliz cumpleaños, querida abuela. ")).repeated(15).left(499);
    for (int i = 0; i < count; ++i) {
        ElementPtr e = CreateBlankElement();
        e->kind = ElementKind::Text;
        e->selected = 0;
        e->outlineOn = 0;
        const float y = float((i * 37) % 4300);
        e->corners = {DocPoint{0, y}, DocPoint{3000, y}, DocPoint{3000, y + 180},
                      DocPoint{0, y + 180}};
        e->text = std::make_unique<TextBlock>();
        TextBlock& t = *e->text;
        t.SetText(chars);
        t.font.SetFace(QStringLiteral("DejaVu Sans"));
        t.font.height = -40;
        t.alignment = 1;
        t.fillOn = 1;
        t.fillColour = MakeColourRef(200, 40, 30);
        t.fillColour2 = MakeColourRef(30, 60, 230);
        t.fillStyle = styled ? kRadialGradient : kSingleColour;
        t.outlineOn = styled ? 1 : 0;
        t.outlineWidth = 40;
        doc.elements.Append(std::move(e));
    }
}

// One repaint of the A4 face at 100 % holding `state.range(0)` long texts: range(1) 1
// styled, 0 plain.
void BM_LongTextsRepaint(benchmark::State& state) {
    FixedOwner owner(100);
    Document doc;
    doc.isCard = kPageSet;
    AddLongTexts(doc, int(state.range(0)), state.range(1) != 0);
    QImage image(kA4At100, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        DeviceContext dc(painter);
        DrawPage(doc, doc.currentPage, dc, owner, false, 0, 0);
    }
    state.SetLabel(state.range(1) ? "radial letters, 40-pixel outlines" : "plain (baseline)");
}
BENCHMARK(BM_LongTextsRepaint)
    ->Args({100, 0})
    ->Args({100, 1})
    ->Args({1000, 0})
    ->Args({1000, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

// Ten texts on the first sheet of a page set of `range(0)` × `range(0)` sheets, printed
// to a PDF at 300 dots per inch; the one-sheet page set is the baseline. The file's size
// is the counter: tiles without texts should cost a blank page each.
void BM_PageSetOfTenTexts(benchmark::State& state) {
    const int tiles = int(state.range(0));
    Document doc;
    doc.isCard = kPageSet;
    doc.pageColour = kWhite;
    doc.tilesAcross = doc.tilesDown = std::uint16_t(tiles);
    AddLongTexts(doc, 10, true);
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("cartel.pdf"));
    SilentMessageBoxes messages;
    for (auto _ : state) {
        PrintDocumentToPdf(doc, out, 300, 96 / 25.4, messages);
    }
    state.counters["pdf_kB"] = double(QFileInfo(out).size()) / 1024.0;
    state.SetLabel(tiles == 1 ? "one sheet (baseline)" : "10 x 10 sheets");
}
BENCHMARK(BM_PageSetOfTenTexts)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
