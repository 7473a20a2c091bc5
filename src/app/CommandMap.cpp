#include "app/CommandMap.h"

#include "platform/CommandIds.h"
#include "platform/MenuResource.h"

#include <QAction>
#include <QTimer>

namespace quenby {

namespace {

// Every command of the map, menu and toolbar ones alike.
constexpr int kAllCommands[] = {
    24331, 24332, 11845, 24333, 24334, 24337, 24340, 24338, 24310, 1760, 1761, 1762, 1763,
    8074,  1298,  1764,  1765,  1807,  1808,  11842, 11843, 1806,  1801, 1800, 1814, 1802,
    1803,  1813,  1811,  1297,  11844, 8072,  8073,  8077,  8078,  8083, 8070, 8071, 8084,
    8075,  8079,  8090,  1724,  1208,  1207,  4000,  4001,  4002,  7009, 1715, 1716, 5000,
    5001,  1600,  1601,  1602,  1603,  8432,  11846, 11847, 2009};

}  // namespace

CommandMap::CommandMap(QObject* parent) : QObject(parent) {
    for (int id : kAllCommands) {
        Add(id);
    }
}

QAction* CommandMap::Add(int id) {
    auto it = entries_.find(id);
    if (it != entries_.end()) {
        return it->second.action;
    }
    auto* action = new QAction(this);
    QString text = MenuText(id);
    // The key after the tab is shown by the shortcut itself; the menu keeps the text.
    action->setText(text.section(u'\t', 0, 0));
    action->setStatusTip(StatusHint(id));
    action->setToolTip(ToolTipHint(id).isEmpty() ? action->text() : ToolTipHint(id));
    action->setData(id);
    action->setShortcuts(AcceleratorKeys(id));
    action->setShortcutContext(Qt::WindowShortcut);
    entries_[id].action = action;
    connect(action, &QAction::triggered, this, [this, id] { Execute(id); });
    return action;
}

QAction* CommandMap::Action(int id) const {
    const auto it = entries_.find(id);
    return it == entries_.end() ? nullptr : it->second.action;
}

void CommandMap::SetHandler(int id, Handler handler) {
    Add(id);
    entries_[id].handler = std::move(handler);
}

std::vector<int> CommandMap::Ids() const {
    std::vector<int> ids;
    for (const auto& [id, entry] : entries_) {
        ids.push_back(id);
    }
    return ids;
}

void CommandMap::Refresh() {
    const CommandState state = source_ ? source_() : CommandState{};
    for (auto& [id, entry] : entries_) {
        const CommandStatus status = EvaluateCommand(id, state);
        entry.action->setEnabled(status.enabled);
        entry.action->setCheckable(status.checkable);
        if (status.checkable) {
            entry.action->setChecked(status.checked);
        }
    }
}

bool CommandMap::Execute(int id) {
    const auto it = entries_.find(id);
    if (it == entries_.end()) {
        return false;
    }
    // A key or a stale button may fire a command its enabler no longer allows.
    const CommandState state = source_ ? source_() : CommandState{};
    const CommandStatus status = EvaluateCommand(id, state);
    if (!status.enabled) {
        return false;
    }
    if (status.checkable) {
        it->second.action->setChecked(status.checked);  // the handler decides the tick
    }
    if (it->second.handler) {
        it->second.handler();
    }
    Refresh();
    return true;
}

void CommandMap::StartIdleRefresh(int intervalMs) {
    if (!idle_) {
        idle_ = new QTimer(this);
        connect(idle_, &QTimer::timeout, this, &CommandMap::Refresh);
    }
    idle_->start(intervalMs);
}

}  // namespace quenby
