#pragma once

#include "app/CommandState.h"

#include <QObject>

#include <functional>
#include <map>
#include <vector>

class QAction;
class QTimer;

namespace quenby {

// One action per command number, each with its handler and its enabler. Menus, toolbar
// buttons and keys all trigger these actions; the enablers run when a menu opens and
// on an idle timer for the toolbar buttons.
class CommandMap final : public QObject {
    Q_OBJECT

public:
    using Handler = std::function<void()>;

    explicit CommandMap(QObject* parent = nullptr);

    // Makes the action of `id` (text from the menu resource, hints from the string of
    // the same number). Its handler does nothing until one is set.
    QAction* Add(int id);
    QAction* Action(int id) const;
    void SetHandler(int id, Handler handler);
    std::vector<int> Ids() const;

    // Where the enablers read the editor's state from.
    void SetStateSource(std::function<CommandState()> source) { source_ = std::move(source); }
    // Runs every enabler now.
    void Refresh();
    // Runs the handler of `id` when its enabler allows it; false otherwise.
    bool Execute(int id);
    // Starts the idle refresh (every `intervalMs` while the event loop runs).
    void StartIdleRefresh(int intervalMs = 200);

private:
    struct Entry {
        QAction* action = nullptr;
        Handler handler;
    };
    std::map<int, Entry> entries_;
    std::function<CommandState()> source_;
    QTimer* idle_ = nullptr;
};

}  // namespace quenby
