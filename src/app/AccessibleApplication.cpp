#include "app/AccessibleApplication.h"

#include <QAction>
#include <QApplication>
#include <QMenu>

namespace quenby {
namespace {

QAccessibleInterface* MakeAccessibleApplication(const QString& className, QObject* object) {
    if (object && object == QCoreApplication::instance() &&
        className == QLatin1String("QApplication")) {
        // The toolkit's cache of interfaces owns it and deletes it with the application.
        return new AccessibleApplication;
    }
    return nullptr;
}

}  // namespace

QList<QMenu*> AccessibleApplication::LoneMenus() const {
    QList<QMenu*> menus;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* menu = qobject_cast<QMenu*>(widget);
        // A menu bar's menus and submenus are reached through the item that opens them;
        // listing them here too would show them twice.
        if (menu && menu->isVisible() && menu->menuAction()->associatedObjects().isEmpty()) {
            menus.append(menu);
        }
    }
    return menus;
}

int AccessibleApplication::childCount() const {
    return QAccessibleApplication::childCount() + int(LoneMenus().size());
}

int AccessibleApplication::indexOfChild(const QAccessibleInterface* child) const {
    const int index = QAccessibleApplication::indexOfChild(child);
    if (index >= 0 || !child) {
        return index;
    }
    const int menu = int(LoneMenus().indexOf(qobject_cast<QMenu*>(child->object())));
    return menu < 0 ? -1 : QAccessibleApplication::childCount() + menu;
}

QAccessibleInterface* AccessibleApplication::child(int index) const {
    const int windows = QAccessibleApplication::childCount();
    if (index < windows) {
        return QAccessibleApplication::child(index);
    }
    const QList<QMenu*> menus = LoneMenus();
    return index - windows < menus.size() ? QAccessible::queryAccessibleInterface(menus[index - windows])
                                          : nullptr;
}

void InstallAccessibleApplication() {
    QAccessible::installFactory(MakeAccessibleApplication);
}

}  // namespace quenby
