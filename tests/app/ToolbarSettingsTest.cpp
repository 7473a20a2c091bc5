#include "app/SettingsStore.h"
#include "app/ToolbarSettings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quenby {
namespace {

using Ids = std::vector<int>;

class ToolbarSettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        store = std::make_unique<SettingsStore>(UserFile(), dir.filePath("none.ini"));
    }
    QString UserFile() const { return dir.filePath(QStringLiteral("user.ini")); }

    // Writes `ini` as the user's file and reopens the store on it.
    void Use(const QByteArray& ini) {
        store.reset();
        QFile file(UserFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(ini);
        file.close();
        store = std::make_unique<SettingsStore>(UserFile(), dir.filePath("none.ini"));
    }
    ToolbarRestorePlan Plan(ToolbarOptions options = {}) {
        return PlanToolbarRestore(*store, options, GadgetOrder());
    }
    static Ids WithGrip(Ids ids) {
        ids.insert(ids.begin(), -1);
        return ids;
    }

    QTemporaryDir dir;
    std::unique_ptr<SettingsStore> store;
};

TEST_F(ToolbarSettingsTest, FirstRunBuildsTheDefaultToolbarsInTheirDefaultPlaces) {
    const ToolbarRestorePlan plan = Plan();
    for (int i = 0; i < kToolbarCount; ++i) {
        EXPECT_EQ(plan.toolbars[i].gadgets, WithGrip(DefaultToolbarButtons(i))) << i;
        EXPECT_EQ(plan.toolbars[i].location, DefaultDockLocation(i)) << i;
        EXPECT_TRUE(plan.toolbars[i].visible);
    }
    // Top (1, 2, 3 in one row), left (4), bottom (0).
    EXPECT_EQ(plan.dockOrder, (Ids{1, 2, 3, 4, 0}));
    EXPECT_TRUE(plan.toolbars[1].newRow);
    EXPECT_FALSE(plan.toolbars[2].newRow);
    EXPECT_FALSE(plan.toolbars[3].newRow);
    // Every gadget is on a toolbar: 27 buttons and 4 combo boxes.
    EXPECT_TRUE(plan.unplaced.empty());
}

TEST_F(ToolbarSettingsTest, StoredButtonsAndSeparatorsAreTakenExactly) {
    Use("[Toolbar2]\nButton0=1761\nButton1=0\nButton2=1760\nButton4=1762\n");
    const ToolbarRestorePlan plan = Plan();
    EXPECT_EQ(plan.toolbars[2].gadgets, WithGrip({1761, 0, 1760}));  // ends at the missing Button3
    // 1762 and 1763 were not placed anywhere and stay in the gadget store.
    EXPECT_NE(std::find(plan.unplaced.begin(), plan.unplaced.end(), 1762), plan.unplaced.end());
    EXPECT_NE(std::find(plan.unplaced.begin(), plan.unplaced.end(), 1763), plan.unplaced.end());
}

TEST_F(ToolbarSettingsTest, LocationWithoutButtonsGivesAnEmptyToolbar) {
    Use("[Toolbar1]\nLocation=1\n");
    const ToolbarRestorePlan plan = Plan();
    EXPECT_EQ(plan.toolbars[1].gadgets, WithGrip({}));
    EXPECT_FALSE(plan.toolbars[1].defaultPlace);
}

TEST_F(ToolbarSettingsTest, ButtonOnAnEarlierToolbarOrUnknownIsSkipped) {
    Use("[Toolbar0]\nLocation=2\nButton0=1715\n"
        "[Toolbar3]\nLocation=1\nButton0=1715\nButton1=4242\nButton2=x\nButton3=24331\n");
    const ToolbarRestorePlan plan = Plan();
    EXPECT_EQ(plan.toolbars[0].gadgets, WithGrip({1715}));
    EXPECT_EQ(plan.toolbars[3].gadgets, WithGrip({24331}));
}

TEST_F(ToolbarSettingsTest, NoGripWhenTheOptionIsOff) {
    ToolbarOptions options;
    options.dockingGrip = 0;
    EXPECT_EQ(Plan(options).toolbars[1].gadgets, (Ids{1600, 1601, 1602, 1603}));
}

TEST_F(ToolbarSettingsTest, HiddenToolbarKeepsItsButtonsButIsNotDocked) {
    Use("[Toolbar4]\nLocation=3\nVisible=0\nButton0=1811\nButton1=1806\n");
    const ToolbarRestorePlan plan = Plan();
    EXPECT_FALSE(plan.toolbars[4].visible);
    EXPECT_EQ(plan.toolbars[4].gadgets, WithGrip({1811, 1806}));
    EXPECT_EQ(std::count(plan.dockOrder.begin(), plan.dockOrder.end(), 4), 0);
}

TEST_F(ToolbarSettingsTest, DockingOrderFollowsAreaAndStoredPosition) {
    Use("[Toolbar0]\nLocation=1\nPosX=300\nPosY=60\nButton0=24331\n"
        "[Toolbar1]\nLocation=1\nPosX=0\nPosY=60\nButton0=1600\n"
        "[Toolbar2]\nLocation=1\nPosX=0\nPosY=30\nButton0=1761\n"
        "[Toolbar3]\nLocation=2\nPosX=0\nPosY=900\nButton0=24337\n"
        "[Toolbar4]\nLocation=0\nPosX=500\nPosY=500\nWidth=80\nHeight=300\nButton0=1811\n");
    const ToolbarRestorePlan plan = Plan();
    // Floating first, then top by row and along the row, then bottom.
    EXPECT_EQ(plan.dockOrder, (Ids{4, 2, 1, 0, 3}));
    EXPECT_TRUE(plan.toolbars[2].newRow);
    EXPECT_TRUE(plan.toolbars[1].newRow);   // a lower row
    EXPECT_FALSE(plan.toolbars[0].newRow);  // beside toolbar 1
    EXPECT_EQ(plan.toolbars[4].rect, QRect(500, 500, 80, 300));
}

TEST_F(ToolbarSettingsTest, BottomRowsDockLowestFirst) {
    Use("[Toolbar0]\nLocation=2\nPosY=800\nButton0=24331\n"
        "[Toolbar1]\nLocation=2\nPosY=840\nButton0=1600\n");
    const Ids order = Plan().dockOrder;
    const auto lowest = std::find(order.begin(), order.end(), 1);
    const auto higher = std::find(order.begin(), order.end(), 0);
    EXPECT_LT(lowest, higher);
}

TEST_F(ToolbarSettingsTest, LocationOutOfRangeIsTakenAsMissing) {
    Use("[Toolbar1]\nLocation=9\n");
    const ToolbarRestorePlan plan = Plan();
    EXPECT_EQ(plan.toolbars[1].location, kDockTop);
    EXPECT_EQ(plan.toolbars[1].gadgets, WithGrip(DefaultToolbarButtons(1)));
}

TEST_F(ToolbarSettingsTest, SavingAShorterToolbarDeletesTheSurplusButtons) {
    Use("[Toolbar2]\nLocation=1\nButton0=1\nButton1=2\nButton2=3\nButton3=4\nButton4=5\n");
    ToolbarSnapshot snapshot;
    snapshot.location = kDockLeft;
    snapshot.rect = QRect(10, 20, 30, 200);
    snapshot.visible = false;
    snapshot.gadgets = {-1, 1761, 0, 1760};
    SaveToolbar(*store, 2, snapshot);
    const SettingsKey key = store->OpenForReading(QStringLiteral("Toolbar2"));
    EXPECT_EQ(store->ReadNumber(key, QStringLiteral("Button0"), -5), 1761);  // no grip
    EXPECT_EQ(store->ReadNumber(key, QStringLiteral("Button1"), -5), 0);
    EXPECT_EQ(store->ReadNumber(key, QStringLiteral("Button2"), -5), 1760);
    EXPECT_FALSE(store->HasValue(key, QStringLiteral("Button3")));
    EXPECT_FALSE(store->HasValue(key, QStringLiteral("Button4")));
    EXPECT_EQ(store->ReadNumber(key, QStringLiteral("Location"), -5), 3);
    EXPECT_EQ(store->ReadNumber(key, QStringLiteral("Width"), -5), 30);
    EXPECT_EQ(store->ReadNumber(key, QStringLiteral("Visible"), -5), 0);
}

TEST_F(ToolbarSettingsTest, OptionsRoundTripAndDockBarsBitForcesNoFlatDivider) {
    ToolbarOptions options;
    options.displayType = 0;
    options.maxChars = 9;
    options.rebarEmulation = 1;
    WriteToolbarOptions(*store, options);
    ToolbarOptions back = ReadToolbarOptions(*store);
    EXPECT_EQ(back.displayType, 0);
    EXPECT_EQ(back.maxChars, 9);
    EXPECT_EQ(back.rebarEmulation, 1);
    EXPECT_EQ(back.noFlatDivider, 0);  // 5 has no bit 2

    Use("[ToolbarOptions]\nDockBarsOptions=7\n");
    EXPECT_EQ(ReadToolbarOptions(*store).noFlatDivider, 1);
}

}  // namespace
}  // namespace quenby
