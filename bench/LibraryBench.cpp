// Loading the thumbnails of the largest picture category of the program folder:
// the tiles alone, and the whole category load of the image library dialog with its
// list and progress window; beside reading the same files' bytes, which is what
// the disk costs. Aim: a 36-picture category within 0.3 s.
#include "NoVolumes.h"
#include "editing/PictureChooser.h"
#include "library/ImageLibraryDialog.h"
#include "library/LibraryListing.h"
#include "library/ThumbnailTile.h"
#include "platform/ArtworkLocations.h"
#include "platform/MessageBoxes.h"

#include <QDir>
#include <QFile>

#include <benchmark/benchmark.h>

#include <optional>

namespace {

using namespace quenby;

// The category with most pictures among the built artwork.
struct LargestCategory {
    LargestCategory() {
        locations.imagesLocal = true;
        for (int i = 0; i < ImageLibraryDialog::kCategoryCount; ++i) {
            const QString path =
                *locations.ResolveArtworkPath(library_listing::CategoryFolder(i), true,
                                              ArtworkKind::Images);
            const QStringList listed = library_listing::ListCategory(path, 0);
            if (listed.size() > names.size()) {
                index = i;
                folder = path;
                names = listed;
            }
        }
    }

    bool Usable(benchmark::State& state) const {
        if (names.isEmpty()) {
            state.SkipWithError("no picture library in the program folder: build quenby_pictures");
            return false;
        }
        return true;
    }

    void Label(benchmark::State& state) const {
        state.SetLabel(QStringLiteral("category %1, %2 pictures").arg(index + 1).arg(names.size())
                           .toStdString());
    }

    bench::NoVolumes volumes;
    ArtworkLocations locations{ArtworkLocations::DefaultProgramFolder(), volumes};
    int index = -1;
    QString folder;
    QStringList names;
};

LargestCategory& Category() {
    static LargestCategory category;
    return category;
}

void BM_ReadCategoryBytes(benchmark::State& state) {
    const LargestCategory& c = Category();
    if (!c.Usable(state)) {
        return;
    }
    for (auto _ : state) {
        qint64 total = 0;
        for (const QString& name : c.names) {
            QFile f(c.folder + u'/' + name);
            if (f.open(QIODevice::ReadOnly)) {
                total += f.readAll().size();
            }
        }
        benchmark::DoNotOptimize(total);
    }
    c.Label(state);
}
BENCHMARK(BM_ReadCategoryBytes)->Unit(benchmark::kMillisecond);

void BM_LoadCategoryTiles(benchmark::State& state) {
    const LargestCategory& c = Category();
    if (!c.Usable(state)) {
        return;
    }
    for (auto _ : state) {
        for (const QString& name : library_listing::ListCategory(c.folder, 0)) {
            benchmark::DoNotOptimize(thumbnail_tile::Load(c.folder + u'/' + name).constBits());
        }
    }
    c.Label(state);
}
BENCHMARK(BM_LoadCategoryTiles)->Unit(benchmark::kMillisecond);

void BM_DialogLoadsCategory(benchmark::State& state) {
    LargestCategory& c = Category();
    if (!c.Usable(state)) {
        return;
    }
    SilentMessageBoxes messages;
    PictureContext context{c.locations, messages};
    ImageLibraryDialog dialog(context);
    dialog.show();
    for (auto _ : state) {
        dialog.LoadCategory(c.index);
    }
    c.Label(state);
}
BENCHMARK(BM_DialogLoadsCategory)->Unit(benchmark::kMillisecond);

}  // namespace
