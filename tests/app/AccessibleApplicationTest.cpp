#include "app/AccessibleApplication.h"

#include <QAccessible>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <gtest/gtest.h>

namespace quenby {
namespace {

// The children of the application's interface that are menus, by their names.
QStringList MenusOf(const AccessibleApplication& app) {
    QStringList names;
    for (int i = 0; i < app.childCount(); ++i) {
        QAccessibleInterface* child = app.child(i);
        if (child && qobject_cast<QMenu*>(child->object())) {
            names.append(child->text(QAccessible::Name));
        }
    }
    return names;
}

QStringList ItemsOf(QAccessibleInterface* menu) {
    QStringList names;
    for (int i = 0; i < menu->childCount(); ++i) {
        names.append(menu->child(i)->text(QAccessible::Name));
    }
    return names;
}

class AccessibleApplicationTest : public ::testing::Test {
protected:
    void SetUp() override {
        file_ = window_.menuBar()->addMenu(QStringLiteral("Fichero"));
        file_->addAction(QStringLiteral("Abrir..."));
        window_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
    }
    void TearDown() override {
        context_.hide();
        file_->hide();
    }

    void PopUp(QMenu& menu) {
        menu.popup(window_.geometry().center());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu));
    }

    AccessibleApplication app_;
    QMainWindow window_;
    QMenu* file_ = nullptr;
    QMenu context_{&window_};
};

TEST_F(AccessibleApplicationTest, APoppedUpMenuIsAChildWithItsItemsUntilItCloses) {
    context_.setTitle(QStringLiteral("Elemento"));
    context_.addAction(QStringLiteral("Duplicar"));
    context_.addAction(QStringLiteral("&Borrar"));
    const int windows = app_.childCount();
    EXPECT_TRUE(MenusOf(app_).isEmpty());

    PopUp(context_);
    ASSERT_EQ(app_.childCount(), windows + 1);
    QAccessibleInterface* menu = app_.child(windows);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->object(), &context_);
    EXPECT_EQ(ItemsOf(menu), (QStringList{QStringLiteral("Duplicar"), QStringLiteral("Borrar")}));
    // The way back up leads to the same place, as a screen reader walks both ways.
    EXPECT_EQ(app_.indexOfChild(menu), windows);
    EXPECT_EQ(app_.child(windows + 1), nullptr);

    context_.hide();
    EXPECT_EQ(app_.childCount(), windows);
    EXPECT_EQ(app_.indexOfChild(menu), -1);
}

TEST_F(AccessibleApplicationTest, AMenuBarsMenuIsReachedOnlyThroughItsBar) {
    PopUp(*file_);
    EXPECT_TRUE(MenusOf(app_).isEmpty());
    // A menu of a menu is reached through its item too.
    QMenu* sub = context_.addMenu(QStringLiteral("Colores"));
    sub->addAction(QStringLiteral("Rojo"));
    PopUp(context_);
    PopUp(*sub);
    EXPECT_EQ(MenusOf(app_).size(), 1);
    sub->hide();
}

}  // namespace
}  // namespace quenby
