// The print preview: how many sheets, stepping between them, the buttons' states,
// closing with the keys, and what each sheet shows.
#include "PrintTestSupport.h"

#include "platform/widgets/PrinterObject.h"
#include "print/dialogs/PreviewFrame.h"

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace quenby {
namespace {

class PreviewTest : public ::testing::Test {
protected:
    void SetUp() override {
        printer.SetPdfOutputFile(dir.filePath(QStringLiteral("unused.pdf")));
        printer.Settings().deviceMode.printQuality = 300;
    }
    QTemporaryDir dir;
    PrinterObject printer;
};

TEST_F(PreviewTest, HalfFoldShowsTwoSheetsAndTheButtonsFollowThePage) {
    auto doc = test::MakeCard(0);
    PreviewFrame frame(*doc, printer, 96 / 25.4);
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("Presentación preliminar de impresión"));
    EXPECT_EQ(frame.HighestPage(), 2);
    EXPECT_EQ(printer.Settings().maxPage, 2);
    EXPECT_EQ(frame.PageField()->text(), QStringLiteral("Paginación 1"));
    EXPECT_FALSE(frame.PreviousAction()->isEnabled());
    EXPECT_TRUE(frame.NextAction()->isEnabled());

    frame.NextAction()->trigger();
    EXPECT_EQ(frame.CurrentPage(), 2);
    EXPECT_EQ(frame.Page()->PageNumber(), 2);
    EXPECT_EQ(frame.PageField()->text(), QStringLiteral("Paginación 2"));
    EXPECT_FALSE(frame.NextAction()->isEnabled());
    frame.ShowNextPage();  // already at the last sheet
    EXPECT_EQ(frame.CurrentPage(), 2);

    frame.PreviousAction()->trigger();
    EXPECT_EQ(frame.CurrentPage(), 1);
    frame.ShowPreviousPage();  // the lowest page of the settings may be -1
    EXPECT_EQ(frame.CurrentPage(), 1);
}

TEST_F(PreviewTest, QuarterFoldShowsOneSheetAndPageSetsOneSheetPerTile) {
    auto quarter = test::MakeCard(2);
    PreviewFrame one(*quarter, printer, 96 / 25.4);
    EXPECT_EQ(one.HighestPage(), 1);
    EXPECT_FALSE(one.NextAction()->isEnabled());
    EXPECT_FALSE(one.PreviousAction()->isEnabled());

    auto poster = test::MakePageSet(2, 2);
    PreviewFrame four(*poster, printer, 96 / 25.4);
    EXPECT_EQ(four.HighestPage(), 4);
    for (int i = 0; i < 5; ++i) {
        four.ShowNextPage();
    }
    EXPECT_EQ(four.CurrentPage(), 4);
}

TEST_F(PreviewTest, TheSheetIsScaledToFitAndCentred) {
    auto doc = test::MakeCard(4);  // A4 portrait
    PreviewFrame frame(*doc, printer, 96 / 25.4);
    frame.resize(900, 700);
    frame.show();
    QTest::qWait(1);
    const QWidget* area = frame.centralWidget();
    const QRect expected = PreviewPageRect(area->size(), frame.SheetSize());
    EXPECT_EQ(frame.Page()->geometry(), expected);
    EXPECT_NEAR(double(expected.width()) / expected.height(), 210.0 / 297.0, 0.01);
    EXPECT_EQ(expected.height(), area->height() - 30);
    // The zoom makes the sheet's millimetres fill the window's width.
    const double windowPixelsPerMm = frame.Page()->width() / 210.0;
    EXPECT_EQ(frame.Page()->DrawingZoomPercent(), int(100 * windowPixelsPerMm / (96 / 25.4)));
}

TEST_F(PreviewTest, PageColourIsTheSheetsBackground) {
    auto doc = test::MakeCard(2);
    doc->pageColour = MakeColourRef(10, 200, 30);
    doc->printFoldLines = true;  // never shown in the preview
    PreviewFrame frame(*doc, printer, 96 / 25.4);
    frame.resize(600, 500);
    frame.show();
    QTest::qWait(1);
    const QImage sheet = frame.Page()->grab().toImage();
    ASSERT_FALSE(sheet.isNull());
    EXPECT_EQ(sheet.pixelColor(1, 1), QColor(10, 200, 30));
    EXPECT_EQ(sheet.pixelColor(sheet.width() / 2, sheet.height() / 2), QColor(10, 200, 30));
}

TEST_F(PreviewTest, EscapeAndAltCClose) {
    auto doc = test::MakeCard(3);
    for (const QKeySequence& key :
         {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::ALT | Qt::Key_C)}) {
        PreviewFrame frame(*doc, printer, 96 / 25.4);
        QWidget main;
        main.resize(400, 300);
        main.show();
        bool sent = false;
        QTimer::singleShot(0, [&frame, &sent, key] {
            EXPECT_TRUE(QTest::qWaitForWindowActive(&frame));
            QTest::keySequence(&frame, key);
            sent = true;
        });
        // Should the keys not close it, the test must still end.
        bool forced = false;
        QTimer::singleShot(5000, &frame, [&frame, &forced] {
            forced = frame.isVisible();
            frame.close();
        });
        frame.Exec(&main);  // returns once closed
        EXPECT_TRUE(sent);
        EXPECT_FALSE(forced) << key.toString().toStdString() << " did not close the preview";
        EXPECT_FALSE(frame.isVisible());
        EXPECT_TRUE(main.isVisible());
    }
}

}  // namespace
}  // namespace quenby
