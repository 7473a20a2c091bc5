// The mouse and keys on the real page view, sent as a user's events would come:
// drawing, selecting, moving and stretching a box, Escape, the arrow keys, the context
// menu, the crosshair from the ruler's corner, and a drag that never repaints.
#include "view/EditorWindow.h"

#include "ViewTestSupport.h"
#include "editing/MouseEditing.h"
#include "platform/CommandIds.h"

#include <QMenu>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace quenby::test {
namespace {

class PageMouseTest : public ::testing::Test {
protected:
    void SetUp() override {
        view.frame.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view.frame));
        doc().ChooseCardType(3);
        view.session.SetStartScreenUp(true);
        view.session.SetStartScreenUp(false);
        editor().SelectZoomListRow(7);  // 100 %: four units a pixel
        Settle();
    }

    void Settle() {
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::processEvents();
        }
    }

    QWidget* Page() { return editor().viewport(); }
    QPoint At(float x, float y) { return editor().ToDevice(DocPoint{x, y}); }

    void Press(QPoint at, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mousePress(Page(), Qt::LeftButton, modifiers, at);
    }
    void MoveTo(QPoint at) {
        // A move with the button held, as the window system sends it during a drag.
        QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(Page()->mapToGlobal(at)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(Page(), &move);
    }
    void Release(QPoint at) { QTest::mouseRelease(Page(), Qt::LeftButton, {}, at); }
    void Drag(QPoint from, QPoint to) {
        Press(from);
        MoveTo(from + (to - from) / 3);
        MoveTo(to);
        Release(to);
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(&editor(), key, modifiers);
    }

    EditorWindow& editor() { return *view.editor; }
    Document& doc() { return view.session.document(); }

    ViewFrame view;
};

TEST_F(PageMouseTest, ABoxIsDrawnSelectedMovedStretchedAndUndone) {
    view.session.commands().Execute(cmd::kBoxTool);
    Drag(At(400, 400), At(800, 600));
    ASSERT_EQ(doc().elements.Count(), 1);
    Element* box = doc().elements[0];
    EXPECT_EQ(box->kind, ElementKind::Box);
    EXPECT_EQ(box->corners[0], (DocPoint{400, 400}));
    EXPECT_EQ(box->corners[2], (DocPoint{800, 600}));
    EXPECT_EQ(view.session.Tool(), kSelectTool);
    EXPECT_EQ(box->selected, 1);

    Drag(At(600, 500), At(600, 500) + QPoint(25, 10));  // selected: the press moves it
    EXPECT_EQ(box->corners[0], (DocPoint{500, 440}));

    const QPoint grip = At(900, 640) + QPoint(6, 6);  // handle 3, the lower right
    Drag(grip, grip + QPoint(106, 56));
    EXPECT_EQ(box->corners[0], (DocPoint{500, 440}));
    EXPECT_FLOAT_EQ(box->corners[2].x, 1300.0f);
    EXPECT_FLOAT_EQ(box->corners[2].y, 840.0f);

    view.session.commands().Execute(cmd::kUndo);
    EXPECT_EQ(doc().elements[0]->corners[2], (DocPoint{900, 640}));
}

TEST_F(PageMouseTest, ControlClickAndTheRubberBandSelect) {
    view.session.commands().Execute(cmd::kEllipseTool);
    Drag(At(400, 400), At(600, 600));
    view.session.commands().Execute(cmd::kLineTool);
    Drag(At(1000, 400), At(1200, 420));
    doc().elements.DeselectAll();
    Press(At(500, 500));
    Release(At(500, 500));
    Press(At(1100, 410), Qt::ControlModifier);
    Release(At(1100, 410));
    EXPECT_EQ(view.session.SelectedCount(), 2);
    Drag(At(300, 300), At(700, 700));  // the band round the ellipse only
    EXPECT_EQ(view.session.SelectedCount(), 1);
    EXPECT_EQ(doc().elements[0]->selected, 1);
}

TEST_F(PageMouseTest, ADragDrawsItsOutlinesWithoutRepaintingThePage) {
    view.session.commands().Execute(cmd::kBoxTool);
    Press(At(400, 400));
    const int renders = editor().SurfaceGeneration();
    const QImage before = editor().Surface().copy();
    for (int i = 1; i <= 20; ++i) {
        MoveTo(At(400, 400) + QPoint(i * 9, i * 5));
        Settle();
    }
    EXPECT_EQ(editor().SurfaceGeneration(), renders);
    EXPECT_NE(editor().Surface(), before);
    Release(At(400, 400) + QPoint(180, 100));
    Settle();
    EXPECT_GT(editor().SurfaceGeneration(), renders);  // the end of it repaints
}

TEST_F(PageMouseTest, EscapeAndLosingTheFocusEndADrag) {
    view.session.commands().Execute(cmd::kBoxTool);
    Press(At(400, 400));
    MoveTo(At(900, 900));
    Key(Qt::Key_Escape);
    Release(At(900, 900));
    EXPECT_EQ(doc().elements.Count(), 0);
    EXPECT_EQ(view.session.Tool(), kSelectTool);

    view.session.commands().Execute(cmd::kEllipseTool);
    Press(At(400, 400));
    MoveTo(At(900, 900));
    QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QCoreApplication::sendEvent(&editor(), &out);
    Release(At(900, 900));
    EXPECT_EQ(doc().elements.Count(), 0);
    EXPECT_FALSE(editor().mouse().Dragging());
}

TEST_F(PageMouseTest, ArrowKeysMoveTheSelectionAndScrollWithoutOne) {
    view.session.commands().Execute(cmd::kBoxTool);
    Drag(At(400, 400), At(800, 600));
    Key(Qt::Key_Right);
    Key(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(doc().elements[0]->corners[0], (DocPoint{404, 440}));
    view.session.commands().Execute(cmd::kUndo);
    EXPECT_EQ(doc().elements[0]->corners[0], (DocPoint{404, 400}));  // one step each

    doc().elements.DeselectAll();
    editor().verticalScrollBar()->setValue(0);
    const auto before = doc().elements[0]->corners;
    Key(Qt::Key_Down);
    EXPECT_EQ(doc().elements[0]->corners, before);
}

TEST_F(PageMouseTest, TheRightButtonMenuDeletesTheElementClicked) {
    view.session.commands().Execute(cmd::kBoxTool);
    Drag(At(400, 400), At(800, 600));
    view.session.commands().Execute(cmd::kBoxTool);
    Drag(At(1200, 400), At(1600, 600));
    QStringList items;
    QTimer::singleShot(0, [&items] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) {
            return;
        }
        for (QAction* a : menu->actions()) {
            if (!a->isSeparator()) {
                items << a->text();
            }
        }
        // Down to the fourth item, as a user would.
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(menu, Qt::Key_Down);
        }
        QTest::keyClick(menu, Qt::Key_Return);
    });
    QTest::mousePress(Page(), Qt::RightButton, {}, At(600, 500));
    EXPECT_EQ(items, (QStringList{QStringLiteral("Llenar..."),
                                  QStringLiteral("Añadir contorno... "), QStringLiteral("Duplicar"),
                                  QStringLiteral("Borrar"), QStringLiteral("Salir de este menú")}));
    ASSERT_EQ(doc().elements.Count(), 1);
    EXPECT_EQ(doc().elements[0]->corners[0], (DocPoint{1200, 400}));
}

TEST_F(PageMouseTest, TheCrosshairFromTheRulerCornerPlacesTheOrigin) {
    QSignalSpy panes(&editor(), &EditorWindow::PointerPanesChanged);
    QTest::mousePress(view.horizontal, Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_TRUE(editor().CrosshairUnderWay());
    // The ruler holds the pointer; the crosshair follows it onto the page.
    const QPoint target = At(400, 200);
    const QPoint onRuler = view.horizontal->mapFromGlobal(Page()->mapToGlobal(target));
    QMouseEvent move(QEvent::MouseMove, QPointF(onRuler),
                     QPointF(view.horizontal->mapToGlobal(onRuler)), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(view.horizontal, &move);
    QTest::mouseRelease(view.horizontal, Qt::LeftButton, {}, onRuler);
    EXPECT_FALSE(editor().CrosshairUnderWay());
    EXPECT_EQ(doc().originX, 400);
    EXPECT_EQ(doc().originY, 200);
    ASSERT_GE(panes.count(), 1);
    EXPECT_EQ(panes.last().at(0).toString(), QStringLiteral("X = 26.5mm"));
}

TEST_F(PageMouseTest, ThePointerPanesFollowTheMouse) {
    QSignalSpy panes(&editor(), &EditorWindow::PointerPanesChanged);
    QTest::mouseMove(Page(), At(400, 800));  // 100 × 200 pixels into the face
    ASSERT_GE(panes.count(), 1);
    EXPECT_EQ(panes.last().at(0).toString(), QStringLiteral("X = 26.5mm"));
    EXPECT_EQ(panes.last().at(1).toString(), QStringLiteral("Y = 52.9mm"));
}

}  // namespace
}  // namespace quenby::test
