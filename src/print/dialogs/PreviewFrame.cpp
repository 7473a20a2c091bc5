#include "print/dialogs/PreviewFrame.h"

#include "document/Document.h"
#include "platform/ResourceImages.h"
#include "platform/ResourceStrings.h"
#include "print/SheetLayout.h"
#include "print/SheetPainter.h"

#include <QAction>
#include <QCloseEvent>
#include <QEventLoop>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QToolBar>

#include <algorithm>

namespace quenby {
namespace {

constexpr int kPreviousPage = 24500;
constexpr int kNextPage = 24501;
constexpr int kPageField = 24504;
constexpr int kClosePreview = 24505;
constexpr int kPreviewCaption = 8082;
constexpr int kProgramIcon = 990;

QAction* MakeAction(int id, const QString& fallbackText, QObject* parent) {
    auto* action = new QAction(ResourceIcon(id), fallbackText, parent);
    action->setObjectName(QString::number(id));
    const QString tip = ResourceString(id);
    if (!tip.isEmpty()) {
        action->setToolTip(tip.section(QLatin1Char('\n'), -1));
    }
    return action;
}

QWidget* Spacer(int width, QWidget* parent) {
    auto* spacer = new QWidget(parent);
    spacer->setFixedWidth(width);
    return spacer;
}

}  // namespace

QRect PreviewPageRect(QSize area, QSize sheet) {
    if (sheet.width() <= 0 || sheet.height() <= 0) {
        return {};
    }
    const qint64 a = std::max(area.width() - 30, 1);
    const qint64 b = std::max(area.height() - 30, 1);
    const qint64 w = sheet.width();
    const qint64 h = sheet.height();
    qint64 width = 0;
    qint64 height = 0;
    if (h < w) {  // landscape sheet
        width = a;
        height = a * h / w;
        if (height > b) {
            height = b;
            width = b * w / h;
        }
    } else {
        height = b;
        width = b * w / h;
        if (width > a) {
            width = a;
            height = a * h / w;
        }
    }
    return QRect(int((area.width() - width) / 2), int((area.height() - height) / 2), int(width),
                 int(height));
}

PreviewPage::PreviewPage(Document& doc, const PrinterCaps& caps, double screenPixelsPerMm,
                         QWidget* parent)
    : QWidget(parent), doc_(doc), caps_(caps), screenPixelsPerMm_(screenPixelsPerMm) {
    setObjectName(QStringLiteral("PreviewPage"));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, ToQColor(doc.pageColour));
    setPalette(p);
}

void PreviewPage::SetPageNumber(int page) {
    page_ = page;
    update();
}

int PreviewPage::DrawingZoomPercent() const {
    if (caps_.dpiX <= 0 || caps_.physicalWidth <= 0) {
        return 0;
    }
    const double sheetWidthMm = caps_.physicalWidth * 25.4 / caps_.dpiX;
    return DrawingZoom(width() / sheetWidthMm, screenPixelsPerMm_);
}

void PreviewPage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    SheetGeometry geometry;
    geometry.sheet = size();
    geometry.printable = size();
    geometry.zoomPercent = DrawingZoomPercent();
    SheetOptions options;
    options.pageNumber = page_;
    options.secondSide = doc_.isCard == kCard && page_ == 2;
    options.fillPageColour = false;  // the window's background is the page colour
    options.foldLines = false;
    options.smooth = true;
    DrawSheet(doc_, painter, geometry, options);
}

PreviewFrame::PreviewFrame(Document& doc, PrinterObject& printer, double screenPixelsPerMm,
                           QWidget* parent)
    : QMainWindow(parent), printer_(printer) {
    setWindowTitle(ResourceString(kPreviewCaption));
    setWindowIcon(ResourceIcon(kProgramIcon));
    setAttribute(Qt::WA_DeleteOnClose, false);

    printer_.ApplyOrientation(doc.orientation);
    caps_ = printer_.Caps();
    printer_.Settings().maxPage = PreviewSheetCount(doc);

    auto* bar = new QToolBar(this);
    bar->setMovable(false);
    bar->setFloatable(false);
    previous_ = MakeAction(kPreviousPage, QStringLiteral("<"), this);
    next_ = MakeAction(kNextPage, QStringLiteral(">"), this);
    close_ = MakeAction(kClosePreview, QStringLiteral("Cerrar"), this);
    close_->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(Qt::ALT | Qt::Key_C)});
    close_->setShortcutContext(Qt::WindowShortcut);
    pageField_ = new QLabel(bar);
    pageField_->setObjectName(QString::number(kPageField));
    pageField_->setFixedWidth(pageField_->fontMetrics().averageCharWidth() * 14);
    bar->addAction(previous_);
    bar->addAction(next_);
    bar->addWidget(Spacer(12, bar));
    bar->addWidget(pageField_);
    bar->addWidget(Spacer(20, bar));
    bar->addAction(close_);
    addToolBar(Qt::TopToolBarArea, bar);
    addAction(close_);

    area_ = new QWidget(this);
    area_->setObjectName(QStringLiteral("PreviewArea"));
    area_->setAutoFillBackground(true);
    QPalette p = area_->palette();
    p.setColor(QPalette::Window, palette().color(QPalette::Dark));  // the workspace colour
    area_->setPalette(p);
    setCentralWidget(area_);
    pageWindow_ = new PreviewPage(doc, caps_, screenPixelsPerMm, area_);

    connect(previous_, &QAction::triggered, this, &PreviewFrame::ShowPreviousPage);
    connect(next_, &QAction::triggered, this, &PreviewFrame::ShowNextPage);
    connect(close_, &QAction::triggered, this, &QWidget::close);
    resize(800, 600);
    Refresh();
}

int PreviewFrame::HighestPage() const {
    return std::max(printer_.Settings().maxPage, 1);
}

void PreviewFrame::ShowPreviousPage() {
    // The lowest page of the settings may still be the initial -1; never below 1.
    if (page_ > printer_.Settings().minPage && page_ > 1) {
        --page_;
    }
    Refresh();
}

void PreviewFrame::ShowNextPage() {
    if (page_ < HighestPage()) {
        ++page_;
    }
    Refresh();
}

void PreviewFrame::Refresh() {
    pageField_->setText(QStringLiteral("%1 %2").arg(QStringLiteral("Paginación")).arg(page_));
    previous_->setEnabled(page_ != 1);
    next_->setEnabled(page_ != HighestPage());
    pageWindow_->SetPageNumber(page_);
}

void PreviewFrame::PlacePage() {
    const QRect r = PreviewPageRect(area_->size(), SheetSize());
    pageWindow_->setGeometry(r);
    pageWindow_->setVisible(!r.isEmpty());
}

void PreviewFrame::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    PlacePage();
}

void PreviewFrame::closeEvent(QCloseEvent* event) {
    running_ = false;
    QMainWindow::closeEvent(event);
}

void PreviewFrame::Exec(QWidget* mainFrame) {
    if (mainFrame) {
        setGeometry(mainFrame->geometry());
    }
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
    PlacePage();
    if (mainFrame) {
        mainFrame->hide();
    }
    running_ = true;
    QEventLoop loop;
    while (running_ && isVisible()) {
        loop.processEvents(QEventLoop::WaitForMoreEvents);
    }
    if (mainFrame) {
        mainFrame->show();
        mainFrame->update();
    }
}

}  // namespace quenby
