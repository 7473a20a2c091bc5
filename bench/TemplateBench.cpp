// Showing the largest template category of the program folder with the small picture
// of every template: the rows alone, and the whole browser as it opens on that category
// (list, pictures, the first template loaded and the dialog drawn); beside loading the
// same documents without drawing anything, which is what reading them costs.
// Aim: the browser shows a category with its pictures within 0.3 s.
#include "NoVolumes.h"
#include "document/Document.h"
#include "document/DocumentController.h"
#include "editing/EditingSession.h"
#include "library/TemplateBrowserDialog.h"
#include "library/TemplateBrowsing.h"
#include "library/TemplateListing.h"
#include "library/TemplateRowPicture.h"
#include "platform/ArtworkLocations.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"

#include <benchmark/benchmark.h>

#include <optional>

namespace {

using namespace quenby;

constexpr double kPixelsPerMm = 96.0 / 25.4;

// The category with most templates in the default language.
struct LargestTemplateCategory {
    LargestTemplateCategory() {
        locations.templatesLocal = true;
        for (int c = 1; c <= template_listing::kCategoryCount; ++c) {
            const QString path = *locations.ResolveArtworkPath(template_listing::CategoryFolder(c),
                                                               true, ArtworkKind::Templates);
            std::vector<template_listing::TemplateEntry> listed =
                template_listing::ListTemplates(path, 0);
            if (listed.size() > entries.size()) {
                category = c;
                folder = path;
                entries = std::move(listed);
            }
        }
    }

    bool Usable(benchmark::State& state) const {
        if (entries.empty()) {
            state.SkipWithError("no templates in the program folder: build quenby_templates");
            return false;
        }
        return true;
    }

    void Label(benchmark::State& state) const {
        state.SetLabel(QStringLiteral("category %1, %2 templates")
                           .arg(category)
                           .arg(entries.size())
                           .toStdString());
    }

    bench::NoVolumes volumes;
    ArtworkLocations locations{ArtworkLocations::DefaultProgramFolder(), volumes};
    int category = 0;
    QString folder;
    std::vector<template_listing::TemplateEntry> entries;
};

LargestTemplateCategory& Category() {
    static LargestTemplateCategory category;
    return category;
}

void BM_LoadCategoryTemplates(benchmark::State& state) {
    const LargestTemplateCategory& c = Category();
    if (!c.Usable(state)) {
        return;
    }
    SilentMessageBoxes quiet;
    for (auto _ : state) {
        for (const auto& entry : c.entries) {
            Document doc;
            benchmark::DoNotOptimize(
                DocumentController::LoadWithoutWindow(c.folder + u'/' + entry.fileName, doc, quiet));
        }
    }
    c.Label(state);
}
BENCHMARK(BM_LoadCategoryTemplates)->Unit(benchmark::kMillisecond);

void BM_ListCategoryWithPictures(benchmark::State& state) {
    const LargestTemplateCategory& c = Category();
    if (!c.Usable(state)) {
        return;
    }
    for (auto _ : state) {
        for (const auto& entry : template_listing::ListTemplates(c.folder, 0)) {
            benchmark::DoNotOptimize(
                template_row_picture::Load(c.folder + u'/' + entry.fileName, kPixelsPerMm)
                    .constBits());
        }
    }
    c.Label(state);
}
BENCHMARK(BM_ListCategoryWithPictures)->Unit(benchmark::kMillisecond);

void BM_BrowserShowsCategory(benchmark::State& state) {
    LargestTemplateCategory& c = Category();
    if (!c.Usable(state)) {
        return;
    }
    SilentMessageBoxes messages;
    NoFileDialogs dialogs;
    EditingSession session(messages, dialogs);
    const TemplateBrowserContext context{session, c.locations, 0, kPixelsPerMm};
    for (auto _ : state) {
        TemplateBrowsing browsing(session);
        TemplateBrowserDialog dialog(context, browsing, true);
        dialog.ShowCategory(c.category);
        benchmark::DoNotOptimize(dialog.grab().toImage().constBits());
    }
    c.Label(state);
}
BENCHMARK(BM_BrowserShowsCategory)->Unit(benchmark::kMillisecond);

}  // namespace
