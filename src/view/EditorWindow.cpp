#include "view/EditorWindow.h"

#include "editing/EditingSession.h"
#include "editing/MouseEditing.h"
#include "platform/CommandIds.h"
#include "platform/widgets/PrinterObject.h"
#include "print/PaperLayout.h"
#include "print/dialogs/PrintCommands.h"
#include "view/EditorToolContext.h"
#include "view/HorizontalRuler.h"
#include "view/Ruler.h"
#include "view/VerticalRuler.h"
#include "view/ViewGeometry.h"

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QScrollBar>

namespace quenby {
namespace {

constexpr int kInitialScrollUnit = 10;
constexpr int kInitialScrollUnits = 100;

}  // namespace

EditorWindow::EditorWindow(EditingSession& session, QWidget* parent)
    : QAbstractScrollArea(parent), session_(session) {
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAttribute(Qt::WA_NoSystemBackground);
    viewport()->setCursor(Qt::ArrowCursor);
    // Moves come without a button too: the pointer's position and the hover cursor.
    viewport()->setMouseTracking(true);

    // Steps of ten pixels over a nominal range until the window first gets its size.
    for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()}) {
        bar->setSingleStep(kInitialScrollUnit);
        bar->setRange(0, kInitialScrollUnit * kInitialScrollUnits);
    }

    SetPixelsPerMm(logicalDpiX() / 25.4);

    toolContext_ = std::make_unique<EditorToolContext>(*this);
    mouse_ = std::make_unique<MouseEditing>(session_, *toolContext_);

    session_.AttachView(this);
    connect(&session_, &EditingSession::Changed, this, &EditorWindow::Redraw);
    connect(&session_, &EditingSession::StartScreenChanged, this,
            &EditorWindow::OnStartScreenChanged);
}

EditorWindow::~EditorWindow() {
    // A drag still under way ends with the window, without repainting it.
    disconnect(&session_, nullptr, this, nullptr);
    mouse_.reset();
    session_.AttachView(nullptr);
}

void EditorWindow::SetArtwork(const ArtworkLocations* locations, std::function<int()> language) {
    toolContext_->SetArtwork(locations, std::move(language));
}

// --- Zoom --------------------------------------------------------------------------------

void EditorWindow::SetZoom(int n) {
    zoomPercent_ = view::SteppedZoom(zoomPercent_, n);
    emit ZoomChanged(zoomPercent_);
    if (n < view::kSetZoomBase) {
        // A step leaves the fit modes: the list shows only the percentage.
        zoomListRow_ = view::kNoZoomRow;
        emit ZoomListRowChanged(zoomListRow_);
    }
    UpdateRulers();
    UpdateScrollRange();
    setFocus();
    Redraw();
}

void EditorWindow::ZoomIn() {
    SetZoom(view::kZoomInCommand);
}

void EditorWindow::ZoomOut() {
    SetZoom(view::kZoomOutCommand);
}

void EditorWindow::SelectZoomListRow(int row) {
    if (row < view::kNoZoomRow || row >= view::kZoomListRows) {
        return;
    }
    if (row != zoomListRow_) {
        zoomListRow_ = row;
        emit ZoomListRowChanged(row);
    }
    FitZoom();
}

void EditorWindow::ZoomModeCommand(int command) {
    const int row = command - view::kZoomModeCommand;
    if (view::IsFitRow(row)) {
        SelectZoomListRow(row);
    }
}

void EditorWindow::FitZoom() {
    const int row = zoomListRow_;
    if (row >= view::kFirstPercentRow && row < view::kZoomListRows) {
        SetZoom(view::kSetZoomBase +
                view::kZoomListPercents[std::size_t(row - view::kFirstPercentRow)]);
        return;
    }
    const view::FitResult fit =
        view::FitPercent(row, ClientSize(), WidenedPageRect().size(), zoomPercent_);
    if (fit.valid) {
        SetZoom(view::kSetZoomBase + fit.percent);
    }
}

void EditorWindow::UpdateScrollRange() {
    const QSize client = ClientSize();
    const QSize range = view::ScrollRangeFor(client, WidenedPageRect().size(), zoomListRow_);
    QScrollBar* h = horizontalScrollBar();
    QScrollBar* v = verticalScrollBar();
    h->setRange(0, range.width());
    v->setRange(0, range.height());
    h->setPageStep(std::max(1, client.width()));
    v->setPageStep(std::max(1, client.height()));
    h->setValue(0);
    v->setValue(0);
}

// --- View geometry -------------------------------------------------------------------------

void EditorWindow::SetPixelsPerMm(double pixelsPerMm) {
    if (pixelsPerMm > 0 && pixelsPerMm != pixelsPerMm_) {
        pixelsPerMm_ = pixelsPerMm;
        RedrawAll();
    }
}

QRect EditorWindow::PageRect() const {
    return ::quenby::PageRect(session_.document(), zoomPercent_, pixelsPerMm_);
}

QRect EditorWindow::WidenedPageRect() const {
    return ::quenby::WidenedPageRect(session_.document(), zoomPercent_, pixelsPerMm_);
}

QPoint EditorWindow::PageOrigin() const {
    return view::PageOriginFor(session_.document(), PageRect().size());
}

QPoint EditorWindow::ScrollPosition() const {
    return {horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

QSize EditorWindow::ScrollRange() const {
    return {horizontalScrollBar()->maximum(), verticalScrollBar()->maximum()};
}

QSize EditorWindow::ClientSize() const {
    return viewport()->size();
}

// --- Orientation ------------------------------------------------------------------------------

void EditorWindow::OrientationCommand(int command) {
    if (command != cmd::kPortrait && command != cmd::kLandscape) {
        return;
    }
    Document& doc = session_.document();
    // Marked modified even when the orientation stays; the edit repaints at its end.
    const auto edit = session_.Edit(EditScope::Unrecorded);
    doc.orientation = command == cmd::kLandscape ? 1 : 0;
    ApplyOrientation();
    if (view::IsFitRow(zoomListRow_)) {
        FitZoom();
    }
    // The face changed its shape: the scroll range follows at a fixed zoom too.
    UpdateScrollRange();
    UpdateRulers();
    emit OrientationChanged(doc.orientation);
}

void EditorWindow::ApplyOrientation() {
    // The printer's settings record: device-mode orientation = orientation + 1.
    if (printer_) {
        printer_->ApplyOrientation(session_.document().orientation);
    }
}

void EditorWindow::RefreshPageLayout() {
    if (printer_) {
        ApplyLayoutToPrinter(*printer_, session_.document());
    }
    if (view::IsFitRow(zoomListRow_)) {
        FitZoom();
    }
    UpdateRulers();
    emit PageLayoutRefreshed();
}

// --- Mouse and keys -----------------------------------------------------------------------------

void EditorWindow::OnStartScreenChanged(bool up) {
    if (!up) {
        FitZoom();
        UpdateScrollRange();
        RedrawAll();
    }
}

void EditorWindow::AbandonDrag() {
    if (!mouse_->CancelDrag()) {
        session_.SetTool(kSelectTool);
    }
    Redraw();
}

void EditorWindow::RulerCornerPressed() {
    mouse_->RulerCornerPressed();
}

bool EditorWindow::CrosshairUnderWay() const {
    return mouse_->Dragging();
}

void EditorWindow::RulerDragMoved(QPoint globalPos) {
    mouse_->Move(viewport()->mapFromGlobal(globalPos));
}

void EditorWindow::RulerDragReleased(QPoint globalPos) {
    mouse_->LeftRelease(viewport()->mapFromGlobal(globalPos));
}

// --- Painting ------------------------------------------------------------------------------------

void EditorWindow::Redraw() {
    renderPending_ = true;
    viewport()->update();
}

void EditorWindow::RedrawAll() {
    Redraw();
    UpdateRulers();
}

void EditorWindow::SetPaintingSuspended(bool suspended) {
    paintingSuspended_ = suspended;
    if (!suspended) {
        Redraw();
    }
}

void EditorWindow::SetPrintJobRunning(bool running) {
    printJobRunning_ = running;
    if (!running) {
        Redraw();
    }
}

PageViewState EditorWindow::ViewState() const {
    PageViewState state;
    state.zoomPercent = zoomPercent_;
    state.pixelsPerMm = pixelsPerMm_;
    state.scroll = ScrollPosition();
    state.clientRect = QRect(QPoint(0, 0), ClientSize());
    state.printableDocUnits = PrintableArea();
    return state;
}

QRect EditorWindow::PrintableArea() const {
    if (!printer_ || !session_.document().showMargins) {
        return {};
    }
    return PrintableAreaDocUnits(*printer_, session_.document(), pixelsPerMm_);
}

QRect EditorWindow::RenderView(QImage& target) {
    PageViewState state = ViewState();
    state.clientRect = target.rect();
    state.textShapes = &textShapes_;
    state.elementLayers = &elementLayers_;
    QPainter painter(&target);
    faceRect_ = PaintPageView(painter, session_.document(), state);
    return faceRect_;
}

void EditorWindow::RenderIfPending() {
    const QSize size = ClientSize();
    if (surface_.size() != size) {
        surface_ = QImage(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
        renderPending_ = true;
    }
    if (renderPending_) {
        renderPending_ = false;
        RenderView(surface_);
        ++surfaceGeneration_;
    }
}

QImage& EditorWindow::Surface() {
    RenderIfPending();
    return surface_;
}

int EditorWindow::SurfaceGeneration() {
    RenderIfPending();
    return surfaceGeneration_;
}

EditorWindow::DirectDrawing::DirectDrawing(EditorWindow& editor) : editor_(editor) {
    editor_.RenderIfPending();
    painter_.begin(&editor_.surface_);
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
}

EditorWindow::DirectDrawing::~DirectDrawing() {
    painter_.end();
    editor_.viewport()->update();
}

void EditorWindow::paintEvent(QPaintEvent*) {
    // While the template browser runs or a print job draws, the view keeps what it showed.
    if (!paintingSuspended_ && !printJobRunning_) {
        RenderIfPending();
    }
    QPainter painter(viewport());
    painter.drawImage(QPoint(0, 0), surface_);
    if (firstPaint_) {
        firstPaint_ = false;
        // Dialogs do not open from inside a paint: the start-up step runs right after.
        QMetaObject::invokeMethod(this, &EditorWindow::FirstPaint, Qt::QueuedConnection);
    }
}

void EditorWindow::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    if (!sizedOnce_) {
        sizedOnce_ = true;
        horizontalScrollBar()->setSingleStep(1);
        verticalScrollBar()->setSingleStep(1);
    }
    renderPending_ = true;
    FitZoom();
    UpdateScrollRange();
    RedrawAll();
}

void EditorWindow::scrollContentsBy(int dx, int dy) {
    Redraw();
    if (dx != 0 && horizontalRuler_) {
        horizontalRuler_->update();
    }
    if (dy != 0 && verticalRuler_) {
        verticalRuler_->update();
    }
}

void EditorWindow::showEvent(QShowEvent* event) {
    QAbstractScrollArea::showEvent(event);
    SetPixelsPerMm(logicalDpiX() / 25.4);
}

// --- Keys and the mouse
// ----------------------------------------------------------------------------

void EditorWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_R:
        case Qt::Key_F3:
            RedrawAll();
            break;
        case Qt::Key_Control:
            controlDown_ = true;
            break;
        case Qt::Key_Delete:
            // The delete command itself, which does nothing without a selection (an
            // idle key must not mark the document modified nor replace the snapshot).
            session_.commands().Execute(cmd::kDelete);
            break;
        case Qt::Key_Escape:
            if (mouse_->CancelDrag()) {
                return;
            }
            break;
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down: {
            // The selection steps a pixel, ten with Shift; with nothing selected the
            // keys scroll the view.
            const int step = event->modifiers() & Qt::ShiftModifier ? 10 : 1;
            const int dx = event->key() == Qt::Key_Left    ? -step
                           : event->key() == Qt::Key_Right ? step
                                                           : 0;
            const int dy = event->key() == Qt::Key_Up     ? -step
                           : event->key() == Qt::Key_Down ? step
                                                          : 0;
            if (mouse_->Nudge(dx, dy)) {
                return;
            }
            break;
        }
        default:
            break;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

void EditorWindow::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Control) {
        controlDown_ = false;
    }
    QAbstractScrollArea::keyReleaseEvent(event);
}

void EditorWindow::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        mouse_->LeftPress(at, event->modifiers() & Qt::ControlModifier);
    } else if (event->button() == Qt::RightButton) {
        mouse_->RightPress(at);
    }
}

void EditorWindow::mouseMoveEvent(QMouseEvent* event) {
    mouse_->Move(event->position().toPoint());
}

void EditorWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    // The window holds the mouse from the press on: a release over a ruler arrives here.
    if (RulerAt(event->globalPosition().toPoint())) {
        AbandonDrag();
        return;
    }
    mouse_->LeftRelease(event->position().toPoint());
}

void EditorWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        mouse_->DoubleClick(event->position().toPoint());
    }
}

void EditorWindow::focusOutEvent(QFocusEvent* event) {
    // The pointer's release will not come here once another window has the focus.
    mouse_->CancelDrag();
    QAbstractScrollArea::focusOutEvent(event);
}

void EditorWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && !isActiveWindow()) {
        mouse_->CancelDrag();
    }
    QAbstractScrollArea::changeEvent(event);
}

bool EditorWindow::viewportEvent(QEvent* event) {
    // Another window took the pointer from the page in the middle of a drag.
    if (event->type() == QEvent::UngrabMouse) {
        mouse_->CancelDrag();
    }
    return QAbstractScrollArea::viewportEvent(event);
}

Ruler* EditorWindow::RulerAt(QPoint globalPos) const {
    for (Ruler* ruler : {horizontalRuler_.data(), verticalRuler_.data()}) {
        if (ruler && ruler->isVisible() &&
            ruler->rect().contains(ruler->mapFromGlobal(globalPos))) {
            return ruler;
        }
    }
    return nullptr;
}

// --- Rulers
// ----------------------------------------------------------------------------------------

HorizontalRuler* EditorWindow::horizontalRuler() const {
    return qobject_cast<HorizontalRuler*>(horizontalRuler_.data());
}

VerticalRuler* EditorWindow::verticalRuler() const {
    return qobject_cast<VerticalRuler*>(verticalRuler_.data());
}

void EditorWindow::AttachRuler(Ruler* ruler, bool horizontal) {
    (horizontal ? horizontalRuler_ : verticalRuler_) = ruler;
}

void EditorWindow::UpdateRulers() {
    for (Ruler* ruler : {horizontalRuler_.data(), verticalRuler_.data()}) {
        if (ruler) {
            ruler->update();
        }
    }
}

// --- EditorView
// ----------------------------------------------------------------------------------

void EditorWindow::SetBusy(bool busy) {
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

void EditorWindow::SetTitle(const QString& title) {
    if (QWidget* frame = window(); frame && frame != this) {
        frame->setWindowTitle(title);
    }
}

}  // namespace quenby
