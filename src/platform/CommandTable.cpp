#include "platform/CommandTable.h"

#include "platform/MenuResource.h"

#include <QAction>
#include <QTimer>

namespace quenby {

CommandTable::CommandTable(QObject* parent) : QObject(parent) {}

CommandTable::~CommandTable() = default;

QAction* CommandTable::Add(CommandRow row) {
    const int id = row.id;
    const auto known = entries_.find(id);
    if (known != entries_.end()) {
        known->second.row = std::move(row);
        return known->second.action;
    }
    auto* action = new QAction(this);
    // The key after the tab is shown by the shortcut itself; the menu keeps the text.
    action->setText(MenuText(id).section(u'\t', 0, 0));
    action->setStatusTip(StatusHint(id));
    action->setToolTip(ToolTipHint(id).isEmpty() ? action->text() : ToolTipHint(id));
    action->setData(id);
    action->setShortcuts(AcceleratorKeys(id));
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, [this, id] { Execute(id); });
    entries_.emplace(id, Entry{action, std::move(row)});
    return action;
}

QAction* CommandTable::Action(int id) const {
    const auto it = entries_.find(id);
    return it == entries_.end() ? nullptr : it->second.action;
}

std::vector<int> CommandTable::Ids() const {
    std::vector<int> ids;
    ids.reserve(entries_.size());
    for (const auto& [id, entry] : entries_) {
        ids.push_back(id);
    }
    return ids;
}

CommandStatus CommandTable::Status(int id) const {
    const auto it = entries_.find(id);
    if (it == entries_.end()) {
        return {};
    }
    const CommandRow& row = it->second.row;
    CommandStatus status;
    status.enabled = !row.enabled || row.enabled();
    status.checkable = bool(row.ticked);
    status.checked = status.checkable && row.ticked();
    return status;
}

bool CommandTable::Execute(int id) {
    const auto it = entries_.find(id);
    if (it == entries_.end()) {
        return false;
    }
    // A key or a stale button may fire a command its enabler no longer allows; the
    // tick Qt may have toggled on the trigger goes back to what the row says.
    if (!Status(id).enabled) {
        Refresh();
        return false;
    }
    emit AboutToExecute(id);
    // Copied: the command may replace rows (a later folder taking a command over).
    const std::function<void()> run = entries_.at(id).row.run;
    if (run) {
        run();
    }
    Refresh();
    return true;
}

void CommandTable::Refresh() {
    for (auto& [id, entry] : entries_) {
        const CommandStatus status = Status(id);
        entry.action->setEnabled(status.enabled);
        entry.action->setCheckable(status.checkable);
        if (status.checkable) {
            entry.action->setChecked(status.checked);
        }
    }
}

void CommandTable::StartIdleRefresh(int intervalMs) {
    if (!idle_) {
        idle_ = new QTimer(this);
        connect(idle_, &QTimer::timeout, this, &CommandTable::Refresh);
    }
    idle_->start(intervalMs);
}

}  // namespace quenby
