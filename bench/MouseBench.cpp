// The mouse on a busy page: one step of a move drag with 50 selected elements (their
// outlines taken away and drawn again in the window), and one mouse move over a face
// of 1000 elements (the pointer panes, the hover cursor's handle test) together with
// the body hit test a press makes. Compare with BM_RepaintView/100 of the same run,
// the full repaint the drag avoids:
//   quenby_bench --benchmark_filter='Mouse|RepaintView/100'
// Aims: a drag step under a twentieth of the repaint; the hit testing under 0.2 ms.
#include "BusyFace.h"
#include "editing/CalendarInsertion.h"
#include "editing/EditingSession.h"
#include "editing/MouseEditing.h"
#include "editing/MoveDrag.h"
#include "editing/PageHitTest.h"
#include "editing/ToolContext.h"
#include "platform/DeviceContext.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

using namespace quenby;

// The window as the mouse code sees it, drawing its feedback into an image of a
// typical client area; nothing is shown and no dialog opens.
class SurfaceContext final : public ToolContext {
public:
    PageGeometry Geometry() const override {
        PageGeometry g;
        g.pageOrigin = QPoint(40, 40);
        g.face = QRect(40, 40, 794, 1123);  // A4 at 100 %
        g.client = surface.size();
        return g;
    }
    void DrawFeedback(const FeedbackPainter& paint) override {
        QPainter painter(&surface);
        DeviceContext dc(painter);
        paint(dc, Geometry().ClientView());
    }
    int SurfaceGeneration() override { return 1; }
    void SetCursor(const PageCursor&) override {}
    void Beep() override {}
    void ShowPointerPanes(const QString& x, const QString& y) override {
        benchmark::DoNotOptimize(x.size() + y.size());
    }
    void FocusPage() override {}
    void RedrawRulers() override {}
    int RunContextMenu(const std::vector<ContextMenuEntry>&, QPoint) override { return 0; }
    bool RunTextDialog(Element&, bool) override { return false; }
    const PictureContext* Pictures() override { return nullptr; }
    std::optional<CalendarChoice> RunCalendarDialog(const PictureContext&) override {
        return std::nullopt;
    }

    QImage surface{QSize(1600, 1000), QImage::Format_RGB32};
};

struct MouseScene {
    // The busy face, filled up to `elements` with small boxes spread over the face,
    // every `selectEvery`-th element selected.
    MouseScene(int elements, int selectEvery) {
        session.SetStartScreenUp(false);
        Document& doc = session.document();
        bench::BuildBusyFace(doc);
        doc.isCard = kCard;
        for (int i = doc.elements.Count(); i < elements; ++i) {
            ElementPtr e = bench::BusyElement(ElementKind::Box);
            bench::SetBox(*e, float((i * 131) % 3000), float((i * 173) % 4300), 120.0f, 90.0f);
            doc.elements.Append(std::move(e));
        }
        for (int i = 0; i < doc.elements.Count(); i += selectEvery) {
            doc.elements.At(i)->selected = 1;
        }
        context.surface.fill(Qt::white);
    }

    SilentMessageBoxes messages;
    NoFileDialogs dialogs;
    EditingSession session{messages, dialogs};
    SurfaceContext context;
};

void BM_MouseDragStep50(benchmark::State& state) {
    MouseScene scene(200, 4);  // 50 of the busy face's 200 selected
    MoveDrag drag(scene.session, scene.context, QPoint(400, 400));
    int step = 0;
    for (auto _ : state) {
        // Back and forth, so that the elements stay where they were.
        drag.Move(QPoint(400 + (step++ % 2), 400));
    }
    drag.Cancel();
}
BENCHMARK(BM_MouseDragStep50)->Unit(benchmark::kMillisecond);

void BM_MouseMoveOver1000(benchmark::State& state) {
    MouseScene scene(1000, 20);
    MouseEditing mouse(scene.session, scene.context);
    int step = 0;
    for (auto _ : state) {
        mouse.Move(QPoint(500 + (step++ % 2), 700));
    }
}
BENCHMARK(BM_MouseMoveOver1000)->Unit(benchmark::kMicrosecond);

void BM_MouseHitTestBody1000(benchmark::State& state) {
    MouseScene scene(1000, 20);
    const FixedOwner view = scene.context.Geometry().CanvasView();
    // A point on the desk beside the face: every element is looked at.
    for (auto _ : state) {
        benchmark::DoNotOptimize(HitTestBody(scene.session.document(), view, QPoint(1500, 20)));
    }
}
BENCHMARK(BM_MouseHitTestBody1000)->Unit(benchmark::kMicrosecond);

}  // namespace
