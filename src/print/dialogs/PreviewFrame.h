#pragma once

#include "platform/widgets/PrinterObject.h"

#include <QMainWindow>
#include <QRect>
#include <QSize>

class QAction;
class QLabel;

namespace quenby {

struct Document;

// Where the sheet goes in the preview area: as large as fits with 30 pixels to
// spare each way, in the sheet's proportions, centred. Empty for an empty sheet.
QRect PreviewPageRect(QSize area, QSize sheet);

// One previewed sheet, drawn in its window's pixels as the printer places it,
// on the document's page colour and without fold lines.
class PreviewPage final : public QWidget {
    Q_OBJECT

public:
    PreviewPage(Document& doc, const PrinterCaps& caps, double screenPixelsPerMm,
                QWidget* parent = nullptr);

    void SetPageNumber(int page);
    int PageNumber() const { return page_; }
    // The drawing zoom for the window's present width.
    int DrawingZoomPercent() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Document& doc_;
    PrinterCaps caps_;
    double screenPixelsPerMm_;
    int page_ = 1;
};

// "Presentación preliminar de impresión": the sheets one at a time, with buttons
// for the previous and next sheet, the sheet number and a close button.
class PreviewFrame final : public QMainWindow {
    Q_OBJECT

public:
    // Applies the document's orientation to the printer and sets the highest page
    // of its settings to the number of sheets.
    PreviewFrame(Document& doc, PrinterObject& printer, double screenPixelsPerMm,
                 QWidget* parent = nullptr);

    int CurrentPage() const { return page_; }
    int HighestPage() const;
    QSize SheetSize() const { return {caps_.physicalWidth, caps_.physicalHeight}; }

    QAction* PreviousAction() const { return previous_; }
    QAction* NextAction() const { return next_; }
    QAction* CloseAction() const { return close_; }
    QLabel* PageField() const { return pageField_; }
    PreviewPage* Page() const { return pageWindow_; }

    void ShowPreviousPage();  // 24500
    void ShowNextPage();      // 24501

    // Shows the frame over `mainFrame` (hidden meanwhile) until it is closed.
    void Exec(QWidget* mainFrame);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Refresh();
    void PlacePage();

    PrinterObject& printer_;
    PrinterCaps caps_;
    int page_ = 1;
    QWidget* area_;
    PreviewPage* pageWindow_;
    QAction* previous_;
    QAction* next_;
    QAction* close_;
    QLabel* pageField_;
    bool running_ = false;
};

}  // namespace quenby
