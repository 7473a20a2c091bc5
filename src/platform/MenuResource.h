#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>

#include <vector>

namespace quenby {

// The texts and keys of the commands: menu 100, the hint strings and accelerator
// table 100 as the resources give them, each by its command number.
struct MenuItem {
    int command = 0;  // 0: a separator
    const char* text = "";
};

struct MenuGroup {
    const char* title;
    std::vector<MenuItem> items;
};

const std::vector<MenuGroup>& MainMenu();

// The text of menu item `id` ("Nuevo", "Deshacer\tCtrl+Z", ...); for commands that
// are only on a toolbar, the short name of their hint.
QString MenuText(int id);

// The first line of a command's hint string, the string of its number (for the
// status bar), and the second (the tool tip; the whole string when it has one line).
QString StatusHint(int id);
QString ToolTipHint(int id);

// What a screen reader calls the command's button: its menu text without the key, or,
// for a command only on a toolbar, the first line of its hint ("Seleccionar elementos"
// rather than the tool tip's "Selecc").
QString AccessibleCommandName(int id);

// The keys of accelerator table 100 that run command `id` (Delete and Backspace both
// run delete), and beside them the usual file keys of a desktop program (Ctrl+N,
// Ctrl+O, Ctrl+S, Ctrl+Shift+S, Ctrl+P, Ctrl+Q).
QList<QKeySequence> AcceleratorKeys(int id);

}  // namespace quenby
