// "Insertar un calendario" driven as a user would.
#include "graphics/CalendarDate.h"
#include "library/CalendarDialog.h"
#include "library/DesignPreview.h"
#include "platform/ResourceStrings.h"

#include "LibraryTestSupport.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace quenby {
namespace {

struct Designs : test::ArtworkFolder {
    Designs() {
        // 200 × 100, blue with a band of transparent index 255 down its left quarter.
        auto picture = test::SolidPicture(200, 100, 2);
        const std::size_t stride = picture->Stride();
        for (int y = 0; y < 100; ++y) {
            for (int x = 0; x < 50; ++x) {
                picture->Bits()[std::size_t(y) * stride + std::size_t(x)] = 255;
            }
        }
        Put(QStringLiteral("Calendars/styles/mar.wxg"),
            wxg::EncodeGraphicFile(*picture, wxg::WriteOptions{true, 1}));
        Put(QStringLiteral("Calendars/styles/flores.wxg"), test::PictureFile(50, 50));
        Put(QStringLiteral("Calendars/styles/Zoo.wxg"), test::PictureFile(40, 80));
        Put(QStringLiteral("Calendars/styles/roto.wxg"), test::DamagedFile());
    }
};

TEST(CalendarDialog, OpensOnTodaysMonthWithTheDesignsSorted) {
    Designs art;
    CalendarDialog dialog(art.context, nullptr, CalendarDate(15, 3, 2001));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Insertar un calendario"));
    ASSERT_EQ(dialog.Months()->count(), 12);
    EXPECT_EQ(dialog.Months()->item(0)->text(), QStringLiteral("Enero"));
    EXPECT_EQ(dialog.Months()->item(11)->text(), QStringLiteral("Diciembre"));
    EXPECT_EQ(dialog.Months()->currentRow(), 2);
    EXPECT_EQ(dialog.Year()->value(), 2001);

    QStringList designs;
    for (int i = 0; i < dialog.Designs()->count(); ++i) {
        designs << dialog.Designs()->item(i)->text();
    }
    EXPECT_EQ(designs, (QStringList{QStringLiteral("Zoo"), QStringLiteral("flores"),
                                    QStringLiteral("mar"), QStringLiteral("roto")}));
    EXPECT_EQ(dialog.Designs()->currentRow(), 0);
    const CalendarChoice choice = dialog.Choice();
    EXPECT_EQ(choice.month, 3);
    EXPECT_EQ(choice.year, 2001);
    EXPECT_EQ(choice.design, QStringLiteral("Zoo"));
    EXPECT_TRUE(art.messages.shown.empty());
    // The box that showed while the designs were read is gone.
    for (QWidget* w : QApplication::topLevelWidgets()) {
        EXPECT_FALSE(w->objectName() == QStringLiteral("WorkingBox") && w->isVisible());
    }
    test::ExpectAccessibleNames(dialog);
}

TEST(CalendarDialog, YearStaysWithin1901And2100) {
    Designs art;
    CalendarDialog dialog(art.context, nullptr, CalendarDate(1, 1, 2100));
    dialog.show();
    QSpinBox* year = dialog.Year();
    EXPECT_EQ(year->minimum(), 1901);
    EXPECT_EQ(year->maximum(), 2100);
    QTest::keyClick(year, Qt::Key_Up);
    EXPECT_EQ(year->value(), 2100);
    year->setValue(1901);
    QTest::keyClick(year, Qt::Key_Down);
    EXPECT_EQ(year->value(), 1901);
    EXPECT_EQ(dialog.Choice().year, 1901);

    // A clock outside the range opens on the nearest year the dialog offers.
    CalendarDialog late(art.context, nullptr, CalendarDate(9, 9, 2345));
    EXPECT_EQ(late.Year()->value(), 2100);
    EXPECT_EQ(late.Choice().year, 2100);
}

// Opened on the 31st, choosing a shorter month must give that month, not fall back
// to today as an invalid 31 February would.
TEST(CalendarDialog, ChoosingAShorterMonthOnThe31stKeepsTheChoice) {
    Designs art;
    CalendarDialog dialog(art.context, nullptr, CalendarDate(31, 1, 2001));
    dialog.show();
    QTest::keyClick(dialog.Months(), Qt::Key_Down);
    EXPECT_EQ(dialog.Choice().month, 2);
    dialog.Months()->setCurrentRow(3);
    dialog.Year()->setValue(2000);
    EXPECT_EQ(dialog.Choice().month, 4);
    EXPECT_EQ(dialog.Choice().year, 2000);
}

TEST(CalendarDialog, PreviewKeepsTheDesignsProportionsAndLeavesItsTransparentPixels) {
    Designs art;
    CalendarDialog dialog(art.context, nullptr, CalendarDate(1, 5, 2001));
    dialog.resize(700, 400);
    dialog.show();
    dialog.Designs()->setCurrentRow(2);  // mar: 200 × 100
    DesignPreview* preview = dialog.Preview();
    ASSERT_TRUE(preview->Picture());
    EXPECT_EQ(preview->Picture()->Width(), 200);
    const QRect at = preview->PictureRect();
    ASSERT_FALSE(at.isEmpty());
    EXPECT_NEAR(double(at.width()) / at.height(), 2.0, 0.05);

    const QImage shot = preview->grab().toImage();
    const int y = at.center().y();
    EXPECT_EQ(shot.pixelColor(at.left() + at.width() / 8, y), QColor(Qt::white));  // left out
    EXPECT_EQ(shot.pixelColor(at.left() + at.width() * 3 / 4, y), QColor(Qt::blue));
    EXPECT_EQ(shot.pixelColor(1, 1), QColor(Qt::white));
    // The edge between the left-out band and the blue is soft, and stays where the
    // band ends: a quarter of the way across.
    int soft = 0;
    for (int x = at.left(); x <= at.right(); ++x) {
        const QColor c = shot.pixelColor(x, y);
        if (c != QColor(Qt::white) && c != QColor(Qt::blue)) {
            ++soft;
            EXPECT_NEAR(x - at.left(), at.width() / 4, 2);
        }
    }
    EXPECT_GE(soft, 1);
}

TEST(CalendarDialog, ADesignThatCannotBeLoadedSaysSoOnceAndShowsNothing) {
    Designs art;
    CalendarDialog dialog(art.context, nullptr, CalendarDate(1, 5, 2001));
    dialog.show();
    dialog.Designs()->setCurrentRow(3);  // roto
    EXPECT_FALSE(dialog.Preview()->Picture());
    ASSERT_EQ(art.messages.shown.size(), 1u);
    EXPECT_EQ(art.messages.shown[0].text, QStringLiteral("No se pudo cargar imagen"));
    dialog.Preview()->repaint();
    EXPECT_EQ(art.messages.shown.size(), 1u);  // painting again says nothing more
}

TEST(CalendarDialog, WithoutDesignsTheListIsEmpty) {
    test::ArtworkFolder art;
    CalendarDialog dialog(art.context, nullptr, CalendarDate(1, 5, 2001));
    EXPECT_EQ(dialog.Designs()->count(), 0);
    EXPECT_TRUE(dialog.Choice().design.isEmpty());
    EXPECT_FALSE(dialog.Preview()->Picture());
    EXPECT_TRUE(art.messages.shown.empty());
}

TEST(CalendarDialog, RunGivesTheChoiceOnOkAndNothingOnCancel) {
    Designs art;
    QTimer::singleShot(0, [] {
        auto* d = qobject_cast<CalendarDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        d->Months()->setCurrentRow(1);
        d->Year()->setValue(2000);
        d->Designs()->setCurrentRow(1);
        QTest::mouseClick(d->OkButton(), Qt::LeftButton);
    });
    const std::optional<CalendarChoice> choice = RunCalendarDialog(art.context, nullptr);
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->month, 2);
    EXPECT_EQ(choice->year, 2000);
    EXPECT_EQ(choice->design, QStringLiteral("flores"));

    QTimer::singleShot(0, [] {
        QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape);
    });
    EXPECT_FALSE(RunCalendarDialog(art.context, nullptr));
}

}  // namespace
}  // namespace quenby
