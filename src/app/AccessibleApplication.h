#pragma once

#include <QAccessibleObject>

class QMenu;

namespace quenby {

// The program as the accessibility bus sees it: its windows, and beside them the pop-up
// menus that no menu bar or menu leads to, such as the right button's menu on the page.
// The toolkit leaves every pop-up out of the application's windows and reaches a menu
// only through the menu bar item that opens it, so a screen reader or a script would
// never find a menu that is popped up on its own.
class AccessibleApplication : public QAccessibleApplication {
public:
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* child(int index) const override;

private:
    QList<QMenu*> LoneMenus() const;
};

// Makes the application's accessible interface an AccessibleApplication. Called before
// the application object exists, so that nothing has asked for the toolkit's own yet.
void InstallAccessibleApplication();

}  // namespace quenby
