// The colour picker: its layout figures, hit testing, the keyboard table, where it
// shows, and the choices it posts to its owner.
#include "controls/ColourPicker.h"
#include "controls/ColourPickerEvent.h"
#include "controls/ColourPickerKeys.h"
#include "controls/ColourTable.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <vector>

namespace quenby {
namespace {

using namespace picker;

// The owner a picker posts its choices to.
class Owner final : public QWidget {
public:
    struct Reply {
        int number;
        ColourRef colour;
    };
    std::vector<Reply> replies;

protected:
    bool event(QEvent* e) override {
        if (e->type() == ColourPickerEvent::EventType()) {
            const auto* choice = static_cast<ColourPickerEvent*>(e);
            replies.push_back({choice->ReplyNumber(), choice->Colour()});
            return true;
        }
        return QWidget::event(e);
    }
};

TEST(ColourPickerLayout, FiguresFollowTheFont) {
    const ColourPickerLayout small(14);
    EXPECT_EQ(small.Margin(), 6);
    EXPECT_EQ(small.AutomaticHeight(), 22);    // at least 22
    EXPECT_EQ(small.MoreColoursHeight(), 20);  // at least a cell and one
    EXPECT_EQ(small.Size(), QSize(8 * 19 + 12, 5 * 19 + 12 + 22 + 20 + 6));
    EXPECT_EQ(small.Grid(), QRect(6, 28, 152, 95));
    EXPECT_EQ(small.MoreColoursRow().top(), 28 + 95 + 6);

    const ColourPickerLayout large(30, 2);
    EXPECT_EQ(large.Margin(), 7);
    EXPECT_EQ(large.AutomaticHeight(), 30);
    EXPECT_EQ(large.MoreColoursHeight(), 30);
    EXPECT_EQ(large.Size(), QSize(8 * 19 + 14, 5 * 19 + 14 + 30 + 30 + 6));
}

TEST(ColourPickerLayout, HitTestFindsRowsCellsAndGaps) {
    const ColourPickerLayout layout(14);
    EXPECT_EQ(layout.HitTest({6, 6}), kAutomatic);
    EXPECT_EQ(layout.HitTest({157, 27}), kAutomatic);
    EXPECT_EQ(layout.HitTest({6, 28}), 0);
    EXPECT_EQ(layout.HitTest({6 + 19 * 7 + 18, 28}), 7);
    EXPECT_EQ(layout.HitTest({6 + 19, 28 + 19}), 9);
    EXPECT_EQ(layout.HitTest({157, 28 + 94}), 39);
    EXPECT_EQ(layout.HitTest({50, 28 + 95 + 2}), kNoItem);  // the gap above the last row
    EXPECT_EQ(layout.HitTest({50, 129}), kMoreColours);
    EXPECT_EQ(layout.HitTest({2, 60}), kNoItem);    // the margin
    EXPECT_EQ(layout.HitTest({-5, 60}), kNoItem);   // outside
    EXPECT_EQ(layout.HitTest({158, 60}), kNoItem);  // the right margin
    for (int i = 0; i < kCellCount; ++i) {
        EXPECT_EQ(layout.HitTest(layout.Cell(i).center()), i);
    }
}

TEST(ColourPickerKeys, TheHighlightWalksAndWraps) {
    auto move = MovePickerHighlight;
    // Right from White to "Más colores...", to "Automático", to Black.
    EXPECT_EQ(move(39, PickerMove::Right), kMoreColours);
    EXPECT_EQ(move(kMoreColours, PickerMove::Right), kAutomatic);
    EXPECT_EQ(move(kAutomatic, PickerMove::Right), 0);
    EXPECT_EQ(move(kNoItem, PickerMove::Right), kAutomatic);
    EXPECT_EQ(move(12, PickerMove::Right), 13);
    // Left the other way round.
    EXPECT_EQ(move(0, PickerMove::Left), kAutomatic);
    EXPECT_EQ(move(kAutomatic, PickerMove::Left), kMoreColours);
    EXPECT_EQ(move(kNoItem, PickerMove::Left), kMoreColours);
    EXPECT_EQ(move(kMoreColours, PickerMove::Left), 39);
    EXPECT_EQ(move(13, PickerMove::Left), 12);
    // Down by rows; from the last row (the grid is full) to "Más colores...".
    EXPECT_EQ(move(kNoItem, PickerMove::Down), kAutomatic);
    EXPECT_EQ(move(kMoreColours, PickerMove::Down), kAutomatic);
    EXPECT_EQ(move(kAutomatic, PickerMove::Down), 0);
    EXPECT_EQ(move(3, PickerMove::Down), 11);
    EXPECT_EQ(move(31, PickerMove::Down), 39);
    EXPECT_EQ(move(35, PickerMove::Down), kMoreColours);
    EXPECT_EQ(move(39, PickerMove::Down), kMoreColours);
    // Up from "Más colores..." to the first cell of the last row.
    EXPECT_EQ(move(kMoreColours, PickerMove::Up), 32);
    EXPECT_EQ(move(kAutomatic, PickerMove::Up), kMoreColours);
    EXPECT_EQ(move(kNoItem, PickerMove::Up), kMoreColours);
    EXPECT_EQ(move(5, PickerMove::Up), kAutomatic);
    EXPECT_EQ(move(20, PickerMove::Up), 12);
    EXPECT_EQ(move(17, PickerMove::Home), kAutomatic);
    EXPECT_EQ(move(17, PickerMove::End), kMoreColours);
}

TEST(ColourPickerPlacement, BesideItsSwatchAboveOrLeftWhereTheScreenEnds) {
    const QRect screen(0, 0, 1024, 768);
    const QSize size(165, 162);
    const QRect swatch(300, 700, 28, 22);
    EXPECT_EQ(PlaceColourPicker({300, 200}, swatch, size, screen), QPoint(300, 200));
    EXPECT_EQ(PlaceColourPicker({300, 700}, swatch, size, screen), QPoint(300, 700 - 162 - 1));
    EXPECT_EQ(PlaceColourPicker({300, 700}, QRect(), size, screen), QPoint(300, 768 - 162 - 1));
    EXPECT_EQ(PlaceColourPicker({950, 100}, swatch, size, screen), QPoint(1024 - 165 - 1, 100));
    // A second screen to the right.
    const QRect right(1024, 0, 800, 600);
    EXPECT_EQ(PlaceColourPicker({1700, 550}, QRect(1700, 550, 20, 20), size, right),
              QPoint(1824 - 165 - 1, 550 - 162 - 1));
}

TEST(ColourTable, FortyNamedColours) {
    EXPECT_EQ(kPickerColours.size(), 40u);
    EXPECT_EQ(PickerColourIndex(MakeColourRef(0, 0, 0)), 0);
    EXPECT_EQ(PickerColourIndex(MakeColourRef(255, 104, 32)), 9);
    EXPECT_STREQ(kPickerColours[20].name, "Aqua");
    EXPECT_EQ(PickerColourIndex(MakeColourRef(255, 255, 255)), 39);
    EXPECT_EQ(PickerColourIndex(MakeColourRef(12, 34, 56)), -1);
    EXPECT_EQ(PickerColourIndex(kAutomaticColour), -1);
}

struct PickerFixture : ::testing::Test {
    PickerFixture() : picker(new ColourPicker(&owner)) {
        owner.resize(300, 200);
        owner.show();
    }
    void Deliver() { QCoreApplication::sendPostedEvents(&owner); }

    Owner owner;
    ColourPicker* picker;  // owned by `owner`
};

TEST_F(PickerFixture, TheChosenItemFollowsTheCurrentColour) {
    picker->Setup(19722, kAutomaticColour);
    EXPECT_EQ(picker->ChosenItem(), kAutomatic);
    picker->Setup(19722, MakeColourRef(255, 0, 0));
    EXPECT_EQ(picker->ChosenItem(), 16);
    picker->Setup(19722, MakeColourRef(12, 34, 56));
    EXPECT_EQ(picker->ChosenItem(), kMoreColours);
}

TEST_F(PickerFixture, ACellClickedIsPostedWithTheReplyNumber) {
    picker->Setup(19724, kBlack);
    picker->ShowAt(owner.mapToGlobal(QPoint(10, 10)));
    ASSERT_TRUE(picker->isVisible());
    EXPECT_EQ(picker->HighlightedItem(), kNoItem);
    QTest::mouseMove(picker, picker->Layout().Cell(13).center());
    EXPECT_EQ(picker->HighlightedItem(), 13);
    QTest::mouseClick(picker, Qt::LeftButton, {}, picker->Layout().Cell(13).center());
    EXPECT_FALSE(picker->isVisible());
    EXPECT_TRUE(picker->ChoiceMade());
    EXPECT_EQ(picker->CurrentColour(), MakeColourRef(0, 0, 255));
    Deliver();
    ASSERT_EQ(owner.replies.size(), 1u);
    EXPECT_EQ(owner.replies[0].number, 19724);
    EXPECT_EQ(owner.replies[0].colour, MakeColourRef(0, 0, 255));
}

TEST_F(PickerFixture, KeysChooseAutomaticAndEscapeChoosesNothing) {
    picker->Setup(19728, MakeColourRef(255, 0, 0));
    picker->ShowAt(owner.mapToGlobal(QPoint(10, 10)));
    QTest::keyClick(picker, Qt::Key_Escape);
    EXPECT_FALSE(picker->isVisible());
    EXPECT_FALSE(picker->ChoiceMade());
    Deliver();
    EXPECT_TRUE(owner.replies.empty());

    picker->ShowAt(owner.mapToGlobal(QPoint(10, 10)));
    QTest::keyClick(picker, Qt::Key_Home);
    QTest::keyClick(picker, Qt::Key_Return);
    Deliver();
    ASSERT_EQ(owner.replies.size(), 1u);
    EXPECT_EQ(owner.replies[0].colour, kAutomaticColour);  // stored as it is
    EXPECT_EQ(picker->CurrentColour(), kAutomaticColour);

    // Down, Down, Right: the second cell; Space chooses it.
    picker->ShowAt(owner.mapToGlobal(QPoint(10, 10)));
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Right}) {
        QTest::keyClick(picker, key);
    }
    EXPECT_EQ(picker->HighlightedItem(), 1);
    QTest::keyClick(picker, Qt::Key_Space);
    Deliver();
    ASSERT_EQ(owner.replies.size(), 2u);
    EXPECT_EQ(owner.replies[1].colour, MakeColourRef(165, 42, 0));
}

TEST_F(PickerFixture, APressOutsideClosesWithoutAChoice) {
    picker->Setup(19726, kBlack);
    picker->ShowAt(owner.mapToGlobal(QPoint(10, 10)));
    QTest::mouseClick(picker, Qt::LeftButton, {}, QPoint(-20, -20));
    EXPECT_FALSE(picker->isVisible());
    EXPECT_FALSE(picker->ChoiceMade());
    // A press on the margin inside chooses nothing and keeps it open.
    picker->ShowAt(owner.mapToGlobal(QPoint(10, 10)));
    QTest::mouseClick(picker, Qt::LeftButton, {}, QPoint(2, 60));
    EXPECT_TRUE(picker->isVisible());
    picker->hide();
}

TEST_F(PickerFixture, CancelInTheFullDialogKeepsThePickerOpenWithItsChoice) {
    std::vector<ColourRef> asked;
    std::optional<ColourRef> answer;
    picker->SetFullColourDialog([&](ColourRef initial, QWidget*) {
        asked.push_back(initial);
        EXPECT_TRUE(picker->InColourDialog());
        return answer;
    });
    picker->Setup(19723, MakeColourRef(255, 0, 0));
    picker->ShowAt(owner.mapToGlobal(QPoint(10, 10)));
    const QPoint where = picker->pos();
    QTest::mouseClick(picker, Qt::LeftButton, {}, picker->Layout().MoreColoursRow().center());
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], MakeColourRef(255, 0, 0));
    EXPECT_TRUE(picker->isVisible());
    EXPECT_EQ(picker->pos(), where);
    EXPECT_EQ(picker->ChosenItem(), 16);
    EXPECT_FALSE(picker->ChoiceMade());
    Deliver();
    EXPECT_TRUE(owner.replies.empty());

    // OK with a colour of the table marks its cell; another is "Más colores...".
    answer = MakeColourRef(12, 34, 56);
    picker->Choose(kMoreColours);
    EXPECT_FALSE(picker->isVisible());
    EXPECT_EQ(picker->ChosenItem(), kMoreColours);
    Deliver();
    ASSERT_EQ(owner.replies.size(), 1u);
    EXPECT_EQ(owner.replies[0].colour, MakeColourRef(12, 34, 56));

    // From automatic, the dialog starts at the last colour that was not automatic.
    picker->Setup(19723, kAutomaticColour);
    answer = MakeColourRef(255, 255, 255);
    picker->ShowAt(owner.mapToGlobal(QPoint(10, 10)));
    picker->Choose(kMoreColours);
    ASSERT_EQ(asked.size(), 3u);
    EXPECT_EQ(asked[2], MakeColourRef(12, 34, 56));
    EXPECT_EQ(picker->ChosenItem(), 39);
}

TEST_F(PickerFixture, EveryItemHasItsNameForScreenReaders) {
    picker->Setup(19722, kBlack);
    picker->ShowAt(owner.mapToGlobal(QPoint(10, 10)));
    QStringList names;
    for (const QWidget* child : picker->findChildren<QWidget*>()) {
        names.append(child->accessibleName());
        EXPECT_EQ(picker->Layout().HitTest(child->geometry().center()),
                  child->property("pickerItem").toInt());
    }
    EXPECT_EQ(names.size(), 42);
    for (const char* name : {"Automático", "Más colores...", "Black", "Dark Olive Green",
                             "Grey - 50", "Lavender", "White"}) {
        EXPECT_TRUE(names.contains(QString::fromUtf8(name))) << name;
    }
    EXPECT_FALSE(picker->accessibleName().isEmpty());
    picker->hide();
}

TEST_F(PickerFixture, PaintsChosenAndHighlightedCells) {
    picker->Setup(19722, MakeColourRef(255, 0, 0));
    picker->ShowAt(owner.mapToGlobal(QPoint(10, 10)));
    QTest::mouseMove(picker, picker->Layout().Cell(21).center());
    const QImage image = picker->grab().toImage();
    if (const QString folder = qEnvironmentVariable("QUENBY_DRAWING_DUMP"); !folder.isEmpty()) {
        image.save(folder + QStringLiteral("/colour-picker.png"));  // for a person to look at
    }
    const QRect red = picker->Layout().Cell(16);
    EXPECT_EQ(QColor(image.pixel(red.center())), QColor(255, 0, 0));
    EXPECT_EQ(QColor(image.pixel(picker->Layout().Cell(39).center())), QColor(255, 255, 255));
    picker->hide();
}

}  // namespace
}  // namespace quenby
