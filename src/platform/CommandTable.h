#pragma once

#include <QObject>

#include <functional>
#include <map>
#include <utility>
#include <vector>

class QAction;
class QTimer;

namespace quenby {

// One command, defined once by the folder that carries out its work: its number (a
// named constant of CommandIds.h), what it does, when it is available and when it is
// ticked. An empty `enabled` means always available; an empty `ticked` means the
// command is not one that shows a tick.
struct CommandRow {
    CommandRow(int id, std::function<void()> run, std::function<bool()> enabled = {},
               std::function<bool()> ticked = {})
        : id(id), run(std::move(run)), enabled(std::move(enabled)), ticked(std::move(ticked)) {}

    int id;
    std::function<void()> run;
    std::function<bool()> enabled;
    std::function<bool()> ticked;
};

struct CommandStatus {
    bool enabled = false;
    bool checkable = false;
    bool checked = false;
};

// The command map: one action per command number, made when its row is added, with
// the menu text, the status-bar hint, the tool tip and the keys of that number.
// Menus, toolbar buttons and keys all trigger these actions; every trigger runs the
// row only when its enabler allows it. The enablers run when a menu opens, after every
// command, when the editing session reports a change, and on an idle timer for the
// toolbar buttons.
class CommandTable final : public QObject {
    Q_OBJECT

public:
    explicit CommandTable(QObject* parent = nullptr);
    ~CommandTable() override;

    // Adds the row (a second row of the same number replaces the first) and returns
    // its action.
    QAction* Add(CommandRow row);
    // The action of `id`; null for a number no folder has registered.
    QAction* Action(int id) const;
    std::vector<int> Ids() const;

    CommandStatus Status(int id) const;
    // Runs the command of `id` when its enabler allows it; false otherwise.
    bool Execute(int id);
    // Runs every enabler now and shows the results on the actions.
    void Refresh();
    // Refreshes every `intervalMs` while the event loop runs.
    void StartIdleRefresh(int intervalMs = 200);

signals:
    // A command its enabler allows is about to run: a drag of the mouse still under
    // way ends first, so that nothing changes the document beneath it.
    void AboutToExecute(int id);

private:
    struct Entry {
        QAction* action;
        CommandRow row;
    };
    std::map<int, Entry> entries_;
    QTimer* idle_ = nullptr;
};

}  // namespace quenby
