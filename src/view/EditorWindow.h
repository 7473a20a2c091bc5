#pragma once

#include "clipboard/ClipboardAndUndo.h"
#include "clipboard/StackingOrder.h"
#include "document/Document.h"
#include "document/DocumentController.h"
#include "document/DocumentHost.h"
#include "document/ElementOwner.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"
#include "view/PageViewPainter.h"

#include <QAbstractScrollArea>
#include <QImage>
#include <QPainter>
#include <QPointer>

#include <memory>

namespace quenby {

class HorizontalRuler;
class PrinterObject;
class Ruler;
class VerticalRuler;

// The frame's client window: it holds the document and everything that edits it, and
// shows the current face on the desk at the chosen zoom, scrolled.
//
// Everything the window shows is drawn into a client-sized image, the surface; a paint
// of the window copies the surface to the screen. A full repaint renders the view into
// the surface first. Feedback between repaints (handles, rubber bands) is drawn into the
// surface in the not-XOR mode through DirectDrawing, so drawing it twice restores it.
class EditorWindow final : public QAbstractScrollArea, public ElementOwner, public DocumentHost {
    Q_OBJECT

public:
    explicit EditorWindow(QWidget* parent = nullptr);
    // With message boxes and file dialogs of the caller's (tests answer them).
    EditorWindow(QWidget* parent, MessageBoxes& messages, FileDialogs& dialogs);
    ~EditorWindow() override;

    Document& document() { return document_; }
    const Document& document() const { return document_; }
    DocumentController& files() { return files_; }
    ClipboardAndUndo& clipboard() { return clipboard_; }
    StackingOrder& stacking() { return stacking_; }
    MessageBoxes& messages() { return messages_; }

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
    // The zoom pane's text, "Zoom=75%".
    static QString ZoomPaneText(int percent);

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

    // --- Faces and orientation ----------------------------------------------------------
    // Commands 1600..1603: shows face `face` with nothing selected.
    void ShowFace(int face);
    void FaceCommand(int command) { ShowFace(command - 1600); }
    // Commands 5000 (portrait) and 5001 (landscape).
    void OrientationCommand(int command);

    // --- State the commands read ----------------------------------------------------------
    bool StartScreenUp() const { return startScreenUp_; }
    // Closing the start screen fits the zoom and the scroll range to the new document.
    void SetStartScreenUp(bool up);
    int CurrentTool() const { return currentTool_; }
    void SetCurrentTool(int tool);
    bool ControlDown() const { return controlDown_; }
    // A drag ended over a ruler: back to the select tool, nothing half-drawn kept.
    void AbandonDrag();
    // The left button went down in the horizontal ruler's corner square; `point` is
    // the press with both coordinates negated (the start of the crosshair).
    void RulerCornerPressed(QPoint point);
    QPoint LastRulerCornerPress() const { return lastCornerPress_; }

    // --- Painting --------------------------------------------------------------------------
    // The whole view is rendered again and shown.
    void Redraw() override;
    // The view and both rulers (the R and F3 keys).
    void RedrawAll();
    void SetPaintingSuspended(bool suspended);  // while the template browser runs
    void SetPrintJobRunning(bool running);
    // Renders the view into `target` (client-sized) as a paint does; returns the face.
    QRect RenderView(QImage& target);
    // The client-sized surface the window shows, rendered if a repaint is pending.
    QImage& Surface();

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

    // --- DocumentHost ----------------------------------------------------------------------
    void CloseOverlayPanel() override { emit CloseOverlayPanelRequested(); }
    void SetBusy(bool busy) override;
    void SetTitle(const QString& title) override;
    void RefreshScrollRange() override { UpdateScrollRange(); }
    void ApplyOrientation() override;
    void ShowPaperSize(int paperSize) override { emit PaperSizeShown(paperSize); }
    void ShowTileCounts(bool enabled, int across, int down) override {
        emit TileCountsShown(enabled, across, down);
    }
    void RefreshPageLayout() override;
    void SelectSelectTool() override { SetCurrentTool(0); }
    void TakeSnapshot() override { clipboard_.TakeSnapshot(); }
    void DiscardSnapshot() override { clipboard_.DiscardSnapshot(); }
    void AddRecentFile(const QString& path) override { emit RecentFileAdded(path); }

signals:
    void ZoomChanged(int percent);
    // −1 after a zoom step: the list shows no row, only the percentage as its text.
    void ZoomListRowChanged(int row);
    void OrientationChanged(int orientation);
    void FaceShown(int face);
    void ToolChanged(int tool);
    // Once, right after the first paint: the shell's start-up step (start screen).
    void FirstPaint();
    void PaperSizeShown(int paperSize);
    void TileCountsShown(bool enabled, int across, int down);
    void RecentFileAdded(const QString& path);
    void PageLayoutRefreshed();
    void CloseOverlayPanelRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Construct();
    PageViewState ViewState() const;
    QRect PrintableArea() const;
    void RenderIfPending();
    void UpdateRulers();
    Ruler* RulerAt(QPoint globalPos) const;

    std::unique_ptr<MessageBoxes> ownMessages_;
    std::unique_ptr<FileDialogs> ownDialogs_;
    MessageBoxes& messages_;
    FileDialogs& dialogs_;
    Document document_;
    DocumentController files_;
    ClipboardAndUndo clipboard_;
    StackingOrder stacking_;
    PrinterObject* printer_ = nullptr;

    int zoomPercent_ = 25;
    int zoomListRow_ = 2;  // whole page
    double pixelsPerMm_ = 96.0 / 25.4;
    bool sizedOnce_ = false;
    QRect faceRect_;

    QImage surface_;
    bool renderPending_ = true;
    bool firstPaint_ = true;
    bool paintingSuspended_ = false;
    bool printJobRunning_ = false;

    bool startScreenUp_ = false;
    int currentTool_ = 0;
    bool controlDown_ = false;
    // Drag states of the mouse editing; a release over a ruler clears them.
    bool drawing_ = false;
    bool resizing_ = false;
    bool moving_ = false;
    QPoint lastCornerPress_;

    QPointer<Ruler> horizontalRuler_;
    QPointer<Ruler> verticalRuler_;
};

}  // namespace quenby
