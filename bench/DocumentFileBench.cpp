// Loading and saving a busy document, each beside reading and writing the same
// bytes raw. Aim: load within 3x and save within 2x of the raw figures.
#include "document/Document.h"
#include "document/DocumentController.h"
#include "document/DocumentFile.h"
#include "document/DocumentHost.h"
#include "document/ElementOperations.h"
#include "document/ElementOwner.h"
#include "platform/MessageBoxes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

#include <unistd.h>

namespace {

using namespace quenby;

// 1000 elements: 100 pictures of 300 x 300, 300 texts, the rest boxes, ellipses, lines.
std::unique_ptr<Document> BusyDocument(const ElementOwner& owner) {
    auto doc = std::make_unique<Document>();
    for (int i = 0; i < 1000; ++i) {
        const int x = (i % 40) * 10, y = (i / 40) * 10;
        ElementKind kind = i < 100   ? ElementKind::Picture
                           : i < 400 ? ElementKind::Text
                                     : ElementKind(2 + i % 3);
        ElementPtr e = CreateElement(
            owner, 0, kind,
            {QPoint(x, y), QPoint(x + 50, y), QPoint(x + 50, y + 30), QPoint(x, y + 30)});
        if (kind == ElementKind::Picture) {
            e->picture = Dib::Create(300, 300, 8);
            auto bits = e->picture->Bits();
            for (std::size_t k = 0; k < bits.size(); ++k)
                bits[k] = std::uint8_t(k * 7);
        } else if (e->text) {
            e->text->SetText(QStringLiteral("Feliz cumpleaños\r\nnúmero %1").arg(i));
        }
        doc->elements.Append(std::move(e));
    }
    return doc;
}

struct Fixture {
    QTemporaryDir dir;
    FixedOwner owner;
    std::unique_ptr<Document> doc = BusyDocument(owner);
    DocumentHost host;
    SilentMessageBoxes messages;
    NoFileDialogs dialogs;
    DocumentController files{*doc, host, messages, dialogs};
    QString path = dir.filePath(QStringLiteral("busy.wxd"));
    QString rawPath = dir.filePath(QStringLiteral("raw.bin"));
    QByteArray bytes;

    Fixture() {
        files.SaveDocument(path);
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        bytes = f.readAll();
    }
};

Fixture& Shared() {
    static Fixture fixture;
    return fixture;
}

void BM_SaveDocument(benchmark::State& state) {
    Fixture& f = Shared();
    for (auto _ : state) {
        benchmark::DoNotOptimize(f.files.SaveDocument(f.path));
    }
    state.SetBytesProcessed(state.iterations() * f.bytes.size());
}

void BM_RawWrite(benchmark::State& state) {
    Fixture& f = Shared();
    for (auto _ : state) {
        QFile out(f.rawPath);
        out.open(QIODevice::WriteOnly | QIODevice::Truncate);
        benchmark::DoNotOptimize(out.write(f.bytes));
        // To the disk, as the save does before it replaces the earlier file.
        out.flush();
        benchmark::DoNotOptimize(::fsync(out.handle()));
    }
    state.SetBytesProcessed(state.iterations() * f.bytes.size());
}

void BM_LoadDocument(benchmark::State& state) {
    Fixture& f = Shared();
    auto doc = std::make_unique<Document>();
    for (auto _ : state) {
        benchmark::DoNotOptimize(DocumentController::LoadWithoutWindow(f.path, *doc, f.messages));
    }
    state.SetBytesProcessed(state.iterations() * f.bytes.size());
}

void BM_RawRead(benchmark::State& state) {
    Fixture& f = Shared();
    for (auto _ : state) {
        QFile in(f.path);
        in.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(in.readAll());
    }
    state.SetBytesProcessed(state.iterations() * f.bytes.size());
}

BENCHMARK(BM_SaveDocument)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RawWrite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadDocument)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RawRead)->Unit(benchmark::kMillisecond);

}  // namespace

