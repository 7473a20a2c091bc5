#include "view/EditorWindow.h"

#include "ViewTestSupport.h"
#include "clipboard/ClipboardAndUndo.h"
#include "clipboard/EditScope.h"
#include "document/ElementOperations.h"
#include "platform/CommandIds.h"
#include "platform/widgets/PrinterObject.h"
#include "print/PaperLayout.h"
#include "view/PageViewPainter.h"
#include "view/ViewGeometry.h"

#include <QPainter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace quenby::test {
namespace {

class EditorWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        view.frame.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view.frame));
        Settle();
    }

    void Settle() {
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::processEvents();
        }
    }

    // The start screen goes as the card or page-set choice makes it go.
    void MakeCard(int fold) {
        doc().ChooseCardType(fold);
        doc().paperSize = 1;
        view.session.SetStartScreenUp(true);
        view.session.SetStartScreenUp(false);
    }

    void MakePageSet(int across, int down) {
        doc().isCard = kPageSet;
        doc().tilesAcross = std::uint16_t(across);
        doc().tilesDown = std::uint16_t(down);
        view.session.SetStartScreenUp(true);
        view.session.SetStartScreenUp(false);
    }

    Element& AddBox(bool selected, int page = 0) {
        ElementPtr e = CreateBlankElement();
        e->kind = ElementKind::Box;
        e->page = std::uint8_t(page);
        e->corners = {DocPoint{40, 40}, DocPoint{400, 40}, DocPoint{400, 400}, DocPoint{40, 400}};
        e->selected = selected ? 1 : 0;
        Element& ref = *e;
        doc().elements.Append(std::move(e));
        return ref;
    }

    void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyPress(&editor(), Qt::Key(key), modifiers);
    }

    EditorWindow& editor() { return *view.editor; }
    Document& doc() { return view.session.document(); }
    ClipboardAndUndo& undo() { return view.session.undo(); }
    QSize Client() { return editor().ClientSize(); }

    ViewFrame view;
};

TEST_F(EditorWindowTest, StartsAtAQuarterWithTheWholePageRow) {
    EXPECT_EQ(editor().ZoomPercent(), 25);  // no layout yet: nothing to fit
    EXPECT_EQ(editor().ZoomListRow(), view::kFitWholePage);
    EXPECT_EQ(view::ZoomPaneText(75), QStringLiteral("Zoom=75%"));
    EXPECT_EQ(doc().pageColour, kWhite);
}

TEST_F(EditorWindowTest, WholePageFitsTheWidenedCardAndNeverScrolls) {
    MakeCard(4);
    editor().SelectZoomListRow(view::kFitWholePage);
    const int zoom = editor().ZoomPercent();
    const QRect widened = editor().WidenedPageRect();
    EXPECT_LE(widened.width(), Client().width() - 60 + 1);
    EXPECT_LE(widened.height(), Client().height() - 60 + 1);
    // A little more zoom and the face would not fit the height.
    const QRect bigger = WidenedPageRect(doc(), zoom + 2, editor().PixelsPerMm());
    EXPECT_GT(bigger.height(), Client().height() - 60);
    EXPECT_EQ(editor().ScrollRange(), QSize(0, 0));
    // The card sits a tenth of its size further in than the desk margin.
    const QRect face = editor().PageRect();
    EXPECT_EQ(editor().PageOrigin(), QPoint(30 + face.width() / 10, 30 + face.height() / 10));
}

TEST_F(EditorWindowTest, WidthAndHeightFitsScrollOnlyAcross) {
    MakePageSet(3, 1);
    editor().ZoomModeCommand(4001);  // page height
    EXPECT_EQ(editor().ZoomListRow(), view::kFitHeight);
    const QRect face = editor().WidenedPageRect();
    EXPECT_LE(face.height(), Client().height() - 60 + 1);
    EXPECT_EQ(editor().ScrollRange(), QSize(face.width() + 60 - Client().width(), 0));

    editor().ZoomModeCommand(4000);  // page width
    EXPECT_EQ(editor().ZoomListRow(), view::kFitWidth);
    EXPECT_LE(editor().WidenedPageRect().width(), Client().width() - 60 + 1);
    EXPECT_EQ(editor().ScrollRange().width(), 0);
}

TEST_F(EditorWindowTest, ZoomStepLeavesTheFitModeAndAResizeKeepsTheZoom) {
    MakeCard(2);
    editor().SelectZoomListRow(view::kFitWholePage);
    const int fitted = editor().ZoomPercent();
    QSignalSpy rows(&editor(), &EditorWindow::ZoomListRowChanged);
    QSignalSpy zooms(&editor(), &EditorWindow::ZoomChanged);

    editor().SetZoom(view::kZoomInCommand);
    EXPECT_EQ(editor().ZoomPercent(), fitted < 276 ? fitted + 25 : 300);
    EXPECT_EQ(editor().ZoomListRow(), view::kNoZoomRow);
    ASSERT_EQ(rows.count(), 1);
    EXPECT_EQ(rows.at(0).at(0).toInt(), -1);
    ASSERT_EQ(zooms.count(), 1);
    EXPECT_EQ(zooms.at(0).at(0).toInt(), editor().ZoomPercent());

    const int stepped = editor().ZoomPercent();
    view.frame.resize(1100, 800);
    Settle();
    EXPECT_EQ(editor().ZoomPercent(), stepped);
    EXPECT_EQ(editor().ScrollPosition(), QPoint(0, 0));
}

TEST_F(EditorWindowTest, FixedPercentRowsSetTheirZoom) {
    MakeCard(0);
    editor().SelectZoomListRow(view::kFirstPercentRow + 4);
    EXPECT_EQ(editor().ZoomPercent(), 100);
    editor().SelectZoomListRow(view::kZoomListRows - 1);
    EXPECT_EQ(editor().ZoomPercent(), 300);
    EXPECT_EQ(editor().ZoomListRow(), view::kZoomListRows - 1);
    // At 300 % an A4 face outgrows the window both ways.
    const QRect face = editor().WidenedPageRect();
    EXPECT_EQ(editor().ScrollRange(),
              QSize(face.width() + 60 - Client().width(), face.height() + 60 - Client().height()));
}

TEST_F(EditorWindowTest, WithoutLayoutFittingAndScrollingDoNothing) {
    for (int row = 0; row < 3; ++row) {
        editor().SelectZoomListRow(row);
        EXPECT_EQ(editor().ZoomPercent(), 25);
        EXPECT_EQ(editor().ScrollRange(), QSize(0, 0));
    }
    editor().UpdateScrollRange();
    EXPECT_EQ(editor().ScrollRange(), QSize(0, 0));
    EXPECT_TRUE(editor().PageRect().isEmpty());
}

TEST_F(EditorWindowTest, OrientationKeepsAFixedZoomAndRefitsAWholePage) {
    MakePageSet(1, 1);
    editor().SelectZoomListRow(view::kFirstPercentRow + 4);  // 100 %
    doc().modified = false;
    editor().OrientationCommand(5001);
    EXPECT_EQ(doc().orientation, 1);
    EXPECT_EQ(editor().ZoomPercent(), 100);
    EXPECT_TRUE(doc().modified);
    // The landscape sheet is wider: the scroll range follows it.
    const QRect face = editor().WidenedPageRect();
    EXPECT_EQ(editor().ScrollRange().width(), std::max(0, face.width() + 60 - Client().width()));

    editor().SelectZoomListRow(view::kFitWholePage);
    const int landscapeFit = editor().ZoomPercent();
    doc().modified = false;
    editor().OrientationCommand(5001);  // already landscape: still modified and repainted
    EXPECT_TRUE(doc().modified);
    EXPECT_EQ(editor().ZoomPercent(), landscapeFit);
    editor().OrientationCommand(5000);
    EXPECT_EQ(doc().orientation, 0);
    EXPECT_NE(editor().ZoomPercent(), landscapeFit);  // the taller sheet fits smaller
}

TEST_F(EditorWindowTest, OrientationReachesThePrintersDeviceModeAndMarginsAreOutlined) {
    PrinterObject printer;
    editor().SetPrinter(&printer);
    MakePageSet(2, 1);
    doc().pageColour = MakeColourRef(200, 220, 255);
    editor().OrientationCommand(5001);
    EXPECT_EQ(printer.Settings().deviceMode.orientation, 2);
    editor().OrientationCommand(5000);
    EXPECT_EQ(printer.Settings().deviceMode.orientation, 1);

    auto whiteOnFace = [this] {
        editor().Redraw();
        const QImage& surface = editor().Surface();
        const QRect face = editor().FaceRect().translated(-editor().ScrollPosition());
        int n = 0;
        for (int y = face.top(); y <= face.bottom(); ++y) {
            for (int x = face.left(); x <= face.right(); ++x) {
                n += surface.rect().contains(x, y) && surface.pixel(x, y) == qRgb(255, 255, 255);
            }
        }
        return n;
    };
    const int withMargins = whiteOnFace();
    doc().showMargins = false;
    const int without = whiteOnFace();
    EXPECT_GT(withMargins, without);
    EXPECT_GT(without, 0);  // the dotted divider between the two sheets
}

TEST_F(EditorWindowTest, ScrollingRepaintsTheViewAndTheMatchingRuler) {
    MakePageSet(2, 2);
    editor().SelectZoomListRow(view::kZoomListRows - 1);
    Settle();
    ASSERT_GT(editor().ScrollRange().width(), 100);
    view.paints.Reset();
    editor().horizontalScrollBar()->setValue(80);
    Settle();
    EXPECT_EQ(editor().ScrollPosition(), QPoint(80, 0));
    EXPECT_GE(view.paints.Count(editor().viewport()), 1);
    EXPECT_GE(view.paints.Count(view.horizontal), 1);
    EXPECT_EQ(view.paints.Count(view.vertical), 0);
    EXPECT_EQ(editor().ScrollOrigin(), editor().PageOrigin() - QPoint(80, 0));

    view.paints.Reset();
    editor().verticalScrollBar()->setValue(40);
    Settle();
    EXPECT_GE(view.paints.Count(view.vertical), 1);
    EXPECT_EQ(view.paints.Count(view.horizontal), 0);
}

// The window keeps its elements drawn between paints: after every edit, undo, zoom
// and scroll it still shows what painting the page afresh shows.
TEST_F(EditorWindowTest, KeptElementImagesFollowEditsUndoZoomAndScrolling) {
    MakeCard(3);
    Element& box = AddBox(true);
    box.fillOn = 1;
    box.fillStyle = kRadialGradient;
    box.fillColour = MakeColourRef(250, 40, 0);
    box.outlineWidth = 3;
    Element& other = AddBox(false);
    MoveElement(other, 500, 300);
    other.fillOn = 1;
    other.fillStyle = kLinearGradient;
    other.gradientAngle = 30;
    const auto same = [&](const char* what) {
        editor().Redraw();
        Settle();
        const QImage& shown = editor().Surface();
        QImage fresh(shown.size(), QImage::Format_RGB32);
        PageViewState state;
        state.zoomPercent = editor().ZoomPercent();
        state.pixelsPerMm = editor().PixelsPerMm();
        state.scroll = editor().ScrollPosition();
        state.clientRect = fresh.rect();
        QPainter painter(&fresh);
        PaintPageView(painter, doc(), state);
        painter.end();
        EXPECT_EQ(shown, fresh) << what;
    };
    same("first paint");
    same("copied");
    Press(Qt::Key_Right, Qt::ShiftModifier);
    same("moved by a key");
    view.session.commands().Execute(cmd::kUndo);
    same("undone");
    {
        // Undo put back copies of the elements: the second box is found again.
        const auto edit = view.session.Edit(EditScope::Undoable);
        Element* restored = doc().elements.At(1);
        ASSERT_NE(restored, nullptr);
        ASSERT_EQ(restored->fillStyle, kLinearGradient);
        restored->fillColour2 = MakeColourRef(0, 200, 0);
    }
    same("recoloured");
    editor().SelectZoomListRow(view::kZoomListRows - 1);
    Settle();
    same("zoomed");
    editor().horizontalScrollBar()->setValue(60);
    editor().verticalScrollBar()->setValue(30);
    same("scrolled");
}

TEST_F(EditorWindowTest, RAndF3RepaintTheViewAndBothRulers) {
    MakeCard(3);
    for (int key : {int(Qt::Key_R), int(Qt::Key_F3)}) {
        Settle();
        view.paints.Reset();
        Press(key);
        Settle();
        EXPECT_GE(view.paints.Count(editor().viewport()), 1) << key;
        EXPECT_GE(view.paints.Count(view.horizontal), 1) << key;
        EXPECT_GE(view.paints.Count(view.vertical), 1) << key;
    }
}

TEST_F(EditorWindowTest, ControlKeyIsTrackedByKeyMessages) {
    EXPECT_FALSE(editor().ControlDown());
    QTest::keyPress(&editor(), Qt::Key_Control);
    EXPECT_TRUE(editor().ControlDown());
    QTest::keyRelease(&editor(), Qt::Key_Control);
    EXPECT_FALSE(editor().ControlDown());
}

TEST_F(EditorWindowTest, DeleteKeyDeletesTheSelectionUndoably) {
    MakeCard(3);
    AddBox(true);
    AddBox(false);
    doc().modified = false;
    Press(Qt::Key_Delete);
    EXPECT_EQ(doc().elements.Count(), 1);
    EXPECT_TRUE(doc().modified);
    ASSERT_TRUE(undo().undoAvailable());
    undo().RestoreSnapshot();
    EXPECT_EQ(doc().elements.Count(), 2);
}

TEST_F(EditorWindowTest, DeleteKeyWithNothingSelectedChangesNothing) {
    MakeCard(3);
    AddBox(false);
    doc().modified = false;
    Press(Qt::Key_Delete);
    EXPECT_EQ(doc().elements.Count(), 1);
    EXPECT_FALSE(doc().modified);
    EXPECT_FALSE(undo().undoAvailable());
}

TEST_F(EditorWindowTest, HostSnapshotsGoToTheClipboardAndUndo) {
    MakeCard(3);
    AddBox(false);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tarjeta.wxd"));
    ASSERT_TRUE(view.session.files().SaveDocument(path));
    ASSERT_TRUE(view.session.files().LoadDocument(path, false));  // a load takes one
    EXPECT_TRUE(undo().undoAvailable());
    view.session.files().ClearDocument();  // and clearing drops it
    EXPECT_FALSE(undo().undoAvailable());
}

TEST_F(EditorWindowTest, DrawingTwiceInNotXorRestoresEveryPixel) {
    MakeCard(0);
    AddBox(true);
    Settle();
    const QImage before = editor().Surface().copy();
    ASSERT_FALSE(before.isNull());
    auto draw = [this] {
        EditorWindow::DirectDrawing direct(editor());
        QPainter& p = direct.painter();
        p.setPen(QPen(Qt::black, 1));
        p.drawRect(20, 20, 200, 120);
        p.setPen(QPen(QColor(200, 30, 90), 3, Qt::DotLine));
        p.drawLine(0, 0, 400, 333);
        p.fillRect(QRect(50, 60, 17, 9), QColor(10, 200, 30));
        p.drawEllipse(QPoint(300, 200), 40, 25);
    };
    draw();
    Settle();
    EXPECT_NE(editor().Surface(), before);
    draw();
    Settle();
    EXPECT_EQ(editor().Surface(), before);
    // Only a full repaint renders again; until then the surface is what was drawn.
    draw();
    editor().Redraw();
    Settle();
    EXPECT_EQ(editor().Surface(), before);
}

TEST_F(EditorWindowTest, FirstPaintIsAnnouncedOnceAfterThePaint) {
    ViewFrame other;
    QSignalSpy first(other.editor, &EditorWindow::FirstPaint);
    other.frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&other.frame));
    Settle();
    other.editor->RedrawAll();
    Settle();
    EXPECT_EQ(first.count(), 1);
}

TEST_F(EditorWindowTest, FaceCommandsTurnACardAndClearTheSelection) {
    MakeCard(5);
    Element& box = AddBox(true);
    view.session.commands().Execute(cmd::kFace2);
    EXPECT_EQ(doc().currentPage, 2);
    EXPECT_EQ(box.selected, 0);
    MakePageSet(1, 1);
    doc().currentPage = 0;
    view.session.commands().Execute(cmd::kFace3);
    EXPECT_EQ(doc().currentPage, 0);  // a page set has one face
}

TEST_F(EditorWindowTest, RulerCornerPressAndReleaseReachTheEditor) {
    MakeCard(3);
    QTest::mousePress(view.horizontal, Qt::LeftButton, {}, QPoint(5, 7));
    EXPECT_TRUE(editor().CrosshairUnderWay());
    QTest::mouseRelease(view.horizontal, Qt::LeftButton, {}, QPoint(5, 7));
    EXPECT_FALSE(editor().CrosshairUnderWay());  // released off the page: no origin
    EXPECT_EQ(doc().originX, 0);
    view.session.SetTool(kBoxTool);  // a box being drawn
    QTest::mousePress(view.vertical, Qt::LeftButton, {}, QPoint(10, 60));
    QTest::mouseRelease(view.vertical, Qt::LeftButton, {}, QPoint(10, 60));
    EXPECT_EQ(view.session.Tool(), kSelectTool);
    EXPECT_FALSE(editor().CrosshairUnderWay());  // not the corner
}

TEST_F(EditorWindowTest, ReleaseOverARulerAfterAPressOnThePageAbandonsTheDrag) {
    MakeCard(3);
    view.session.SetTool(kEllipseTool);
    QTest::mousePress(editor().viewport(), Qt::LeftButton, {}, QPoint(100, 100));
    // The page holds the mouse: the release comes to it, over the vertical ruler.
    const QPoint overRuler =
        editor().viewport()->mapFromGlobal(view.vertical->mapToGlobal(QPoint(8, 100)));
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(overRuler),
                        QPointF(view.vertical->mapToGlobal(QPoint(8, 100))), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(editor().viewport(), &release);
    EXPECT_EQ(view.session.Tool(), kSelectTool);
}

}  // namespace
}  // namespace quenby::test
