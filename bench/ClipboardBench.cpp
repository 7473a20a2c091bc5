// Taking and restoring the undo snapshot of a full document (1000 elements, 100 of
// them 300 x 300 pictures), beside a plain copy of the same bytes.
#include "clipboard/ClipboardAndUndo.h"
#include "document/Document.h"
#include "document/DocumentHost.h"
#include "document/ElementOperations.h"
#include "platform/MessageBoxes.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

namespace {

using namespace quenby;

void FillFullDocument(Document& doc) {
    for (int i = 0; i < ElementList::kCapacity; ++i) {
        ElementPtr e = CreateBlankElement();
        e->kind = i % 10 == 0 ? ElementKind::Picture : ElementKind::Box;
        if (e->kind == ElementKind::Picture)
            e->picture = Dib::Create(300, 300, 8);
        e->corners[2] = DocPoint{float(i), float(i)};
        doc.elements.Append(std::move(e));
    }
}

void BM_SnapshotAndRestore(benchmark::State& state) {
    Document doc;
    FillFullDocument(doc);
    DocumentHost host;
    SilentMessageBoxes messages;
    ClipboardAndUndo undo(doc, host, messages);
    for (auto _ : state) {
        undo.TakeSnapshot();
        undo.RestoreSnapshot();
        benchmark::DoNotOptimize(doc.elements.At(0));
    }
}
BENCHMARK(BM_SnapshotAndRestore)->Unit(benchmark::kMillisecond);

// The same bytes: each element's record and picture copied into buffers made once,
// so the figure is the cost of the bytes alone, without allocation.
void BM_PlainCopyOfSnapshotBytes(benchmark::State& state) {
    Document doc;
    FillFullDocument(doc);
    std::vector<std::vector<std::uint8_t>> sources;
    for (const Element& e : doc.elements) {
        std::vector<std::uint8_t> bytes(sizeof(Element));
        std::memcpy(bytes.data(), &e, sizeof(Element));
        sources.push_back(std::move(bytes));
        if (e.picture) {
            auto packed = e.picture->Packed();
            sources.emplace_back(packed.begin(), packed.end());
        }
    }
    std::vector<std::vector<std::uint8_t>> copies;
    for (const auto& s : sources)
        copies.emplace_back(s.size());
    for (auto _ : state) {
        // One way: the restore moves the snapshot's elements back without copying.
        for (std::size_t i = 0; i < sources.size(); ++i)
            std::memcpy(copies[i].data(), sources[i].data(), sources[i].size());
        benchmark::DoNotOptimize(copies.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PlainCopyOfSnapshotBytes)->Unit(benchmark::kMillisecond);

}  // namespace
