// The font dialog's lists: listing this machine's families (the baseline), filling the
// face list and drawing its visible rows each in its own typeface, and opening the
// whole font dialog drawn. The dialog should open in well under 0.3 s.
#include "controls/FontList.h"
#include "document/ElementOperations.h"
#include "document/ElementOwner.h"
#include "graphics/FontEntry.h"
#include "graphics/FontRows.h"
#include "graphics/FontSource.h"
#include "graphics/ProductFonts.h"
#include "platform/ArtworkLocations.h"
#include "properties/FontDialog.h"

#include <QElapsedTimer>
#include <QPixmap>

#include <benchmark/benchmark.h>

using namespace quenby;

namespace {

void Prepare() {
    static const bool registered = [] {
        RegisterProductFonts(ArtworkLocations::DefaultProgramFolder());
        return true;
    }();
    (void)registered;
}

// Baseline: the families listed, no row drawn.
void BM_ListFaceFamilies(benchmark::State& state) {
    Prepare();
    const InstalledFonts installed;
    std::size_t rows = 0;
    for (auto _ : state) {
        rows = ListFontRows(installed, fontfilter::kTrueType, {}).size();
        benchmark::DoNotOptimize(rows);
    }
    state.counters["families"] = double(rows);
}
BENCHMARK(BM_ListFaceFamilies)->Unit(benchmark::kMillisecond);

// The face list filled and its visible rows drawn, each in its own typeface.
void BM_FillAndDrawFaceList(benchmark::State& state) {
    Prepare();
    for (auto _ : state) {
        FontList list;
        list.resize(240, 220);
        list.Fill();
        const QPixmap drawn = list.grab();
        benchmark::DoNotOptimize(drawn.cacheKey());
    }
}
BENCHMARK(BM_FillAndDrawFaceList)->Unit(benchmark::kMillisecond);

// The font dialog made for a text and drawn whole: both lists and the sample. The
// first opening in the process, before any typeface of the list was loaded, is
// reported on its own.
void BM_OpenFontDialog(benchmark::State& state) {
    Prepare();
    FixedOwner owner;
    ElementPtr text = CreateElement(owner, 0, ElementKind::Text, {});
    static double firstMs = -1.0;  // kept over the benchmark's trial runs
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        FontDialog dialog(*text);
        const QPixmap drawn = dialog.grab();
        benchmark::DoNotOptimize(drawn.cacheKey());
        if (firstMs < 0) {
            firstMs = double(clock.nsecsElapsed()) / 1.0e6;
        }
    }
    state.counters["first_ms"] = firstMs;
}
BENCHMARK(BM_OpenFontDialog)->Unit(benchmark::kMillisecond);

}  // namespace
