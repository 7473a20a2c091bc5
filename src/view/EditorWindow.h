#pragma once

#include "document/ElementOwner.h"
#include "document/ElementLayerCache.h"
#include "document/TextShapeCache.h"
#include "editing/EditorView.h"
#include "view/PageViewPainter.h"

#include <QAbstractScrollArea>
#include <QImage>
#include <QPainter>
#include <QPointer>

#include <functional>
#include <memory>

namespace quenby {

class ArtworkLocations;
class EditingSession;
class EditorToolContext;
class HorizontalRuler;
class MouseEditing;
class PrinterObject;
class Ruler;
class VerticalRuler;

// The frame's client window: it shows the current face of the editing session's
// document on the desk at the chosen zoom, scrolled, and repaints whenever the session
// reports a change. It gives the session the page view's zoom and origin; the document
// and everything that edits it live in the session. The mouse and the editing keys go
// to the session's mouse editing (editing/MouseEditing), which this window only
// forwards to.
//
// Everything the window shows is drawn into a client-sized image, the surface; a paint
// of the window copies the surface to the screen. A full repaint renders the view into
// the surface first. Feedback between repaints (handles, rubber bands) is drawn into the
// surface in the not-XOR mode through DirectDrawing, so drawing it twice restores it.
class EditorWindow final : public QAbstractScrollArea, public ElementOwner, public EditorView {
    Q_OBJECT

public:
    // Shows `session`'s document for as long as the window lives.
    explicit EditorWindow(EditingSession& session, QWidget* parent = nullptr);
    ~EditorWindow() override;

    EditingSession& session() const { return session_; }

    // The application's printer: its settings record takes the orientation, and its
    // printable area is outlined on the face. Without one no outline is drawn.
    void SetPrinter(PrinterObject* printer) { printer_ = printer; }
    PrinterObject* printer() const { return printer_; }

    // --- Zoom -----------------------------------------------------------------------
    int ZoomPercent() const override { return zoomPercent_; }
    // 1715 zooms in, 1716 (and anything else up to 10000) out, 10000 + p sets p %.
    void SetZoom(int n);
    void ZoomIn();
    void ZoomOut();
    bool CanZoomIn() const { return zoomPercent_ < 300; }
    bool CanZoomOut() const { return zoomPercent_ >= 11; }
    // The zoom list's row: −1 none, 0 page width, 1 page height, 2 whole page,
    // 3..13 the fixed percentages 10..300.
    int ZoomListRow() const { return zoomListRow_; }
    // The zoom list changed: the row is taken and the zoom fitted to it.
    void SelectZoomListRow(int row);
    // Commands 4000..4002: the fit mode row command − 4000, then FitZoom.
    void ZoomModeCommand(int command);
    // Applies the zoom list's row: a percentage or a fit to the window.
    void FitZoom();
    // Recomputes the scroll range and scrolls to the top-left corner.
    void UpdateScrollRange();

    // --- View geometry ----------------------------------------------------------------
    double PixelsPerMm() const { return pixelsPerMm_; }
    void SetPixelsPerMm(double pixelsPerMm);  // taken from the screen at set-up
    // The current face at the current zoom, (0, 0, W, H); empty with no layout.
    QRect PageRect() const;
    // Widened by the flap around a card face: what fitting and scrolling count.
    QRect WidenedPageRect() const;
    // The face's top-left corner on the canvas.
    QPoint PageOrigin() const;
    // The face on the canvas as the last paint drew it, for the mouse code.
    QRect FaceRect() const { return faceRect_; }
    QPoint ScrollPosition() const;
    QSize ScrollRange() const;
    QSize ClientSize() const;
    // Client pixels of the face's top-left corner: where document (0, 0) lies.
    QPoint ScrollOrigin() const override { return PageOrigin() - ScrollPosition(); }
    bool IsPrinting() const override { return false; }

    // --- Orientation --------------------------------------------------------------------
    // Commands 5000 (portrait) and 5001 (landscape).
    void OrientationCommand(int command);

    // --- Mouse and keys --------------------------------------------------------------------
    bool ControlDown() const { return controlDown_; }
    // A drag ended over a ruler: back to the select tool, nothing half-drawn kept.
    void AbandonDrag();
    // The left button went down in the horizontal ruler's corner square (the start of
    // the crosshair); then the ruler passes on the pointer's moves and the release,
    // in global coordinates, while the crosshair lasts.
    void RulerCornerPressed();
    bool CrosshairUnderWay() const;
    void RulerDragMoved(QPoint globalPos);
    void RulerDragReleased(QPoint globalPos);
    MouseEditing& mouse() { return *mouse_; }
    // Where the picture and calendar tools find their artwork, and the language.
    void SetArtwork(const ArtworkLocations* locations, std::function<int()> language);

    // --- Painting --------------------------------------------------------------------------
    // The whole view is rendered again and shown.
    void Redraw();
    // The view and both rulers (the R and F3 keys).
    void RedrawAll();
    void SetPaintingSuspended(bool suspended);  // while the template browser runs
    bool PaintingSuspended() const { return paintingSuspended_; }
    void SetPrintJobRunning(bool running);
    // Renders the view into `target` (client-sized) as a paint does; returns the face.
    QRect RenderView(QImage& target);
    // The client-sized surface the window shows, rendered if a repaint is pending.
    QImage& Surface();
    // How many times the surface was rendered afresh; a repaint that is due first.
    int SurfaceGeneration();

    // Draws into the surface between repaints in the not-XOR mode, in client pixels;
    // the window shows the result when the drawing ends.
    class DirectDrawing {
    public:
        explicit DirectDrawing(EditorWindow& editor);
        ~DirectDrawing();
        DirectDrawing(const DirectDrawing&) = delete;
        DirectDrawing& operator=(const DirectDrawing&) = delete;
        QPainter& painter() { return painter_; }

    private:
        EditorWindow& editor_;
        QPainter painter_;
    };

    HorizontalRuler* horizontalRuler() const;
    VerticalRuler* verticalRuler() const;
    void AttachRuler(Ruler* ruler, bool horizontal);

    // --- EditorView -------------------------------------------------------------------------
    const ElementOwner& ViewParameters() const override { return *this; }
    void SetBusy(bool busy) override;
    void SetTitle(const QString& title) override;
    void CloseOverlayPanel() override { emit CloseOverlayPanelRequested(); }
    void RefreshScrollRange() override { UpdateScrollRange(); }
    void ApplyOrientation() override;
    void RefreshPageLayout() override;

signals:
    void ZoomChanged(int percent);
    // −1 after a zoom step: the list shows no row, only the percentage as its text.
    void ZoomListRowChanged(int row);
    void OrientationChanged(int orientation);
    // Once, right after the first paint: the shell's start-up step (start screen).
    void FirstPaint();
    void PageLayoutRefreshed();
    void CloseOverlayPanelRequested();
    // The status bar's pointer panes, "X = 12.5mm" and "Y = 40.0mm".
    void PointerPanesChanged(const QString& x, const QString& y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Closing the start screen fits the zoom and the scroll range to the new document.
    void OnStartScreenChanged(bool up);
    PageViewState ViewState() const;
    QRect PrintableArea() const;
    void RenderIfPending();
    void UpdateRulers();
    Ruler* RulerAt(QPoint globalPos) const;

    EditingSession& session_;
    PrinterObject* printer_ = nullptr;

    int zoomPercent_ = 25;
    int zoomListRow_ = 2;  // whole page
    double pixelsPerMm_ = 96.0 / 25.4;
    bool sizedOnce_ = false;
    QRect faceRect_;
    TextShapeCache textShapes_;  // the texts' shapes at the zoom shown
    ElementLayerCache elementLayers_;  // the elements' images at the zoom shown

    QImage surface_;
    bool renderPending_ = true;
    bool firstPaint_ = true;
    bool paintingSuspended_ = false;
    bool printJobRunning_ = false;

    int surfaceGeneration_ = 0;

    bool controlDown_ = false;
    std::unique_ptr<EditorToolContext> toolContext_;
    std::unique_ptr<MouseEditing> mouse_;

    QPointer<Ruler> horizontalRuler_;
    QPointer<Ruler> verticalRuler_;
};

}  // namespace quenby
