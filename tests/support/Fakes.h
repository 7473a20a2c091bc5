#pragma once

#include "document/DocumentHost.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <optional>
#include <vector>

namespace quenby::test {

// Records every message and answers questions from a queue (then Cancel).
class FakeMessages final : public MessageBoxes {
public:
    struct Shown {
        QString text;
        QString caption;
        MessageButtons buttons;
        MessageIcon icon;
        bool owned;
    };

    MessageAnswer Show(const QString& text, const QString& caption, MessageButtons buttons,
                       MessageIcon icon, bool owned) override {
        shown.push_back({text, caption, buttons, icon, owned});
        if (buttons == MessageButtons::Ok)
            return MessageAnswer::Ok;
        if (answers.empty())
            return MessageAnswer::Cancel;
        const MessageAnswer a = answers.front();
        answers.pop_front();
        return a;
    }

    std::vector<Shown> shown;
    std::deque<MessageAnswer> answers;
};

// Returns the queued file names; nothing (a cancel) once the queue is empty.
class FakeFileDialogs final : public FileDialogs {
public:
    std::optional<QString> ChooseFileToOpen(const FileDialogRequest& r) override { return Next(r); }
    std::optional<QString> ChooseFileToSave(const FileDialogRequest& r) override { return Next(r); }

    std::deque<std::optional<QString>> choices;
    std::vector<FileDialogRequest> requests;

private:
    std::optional<QString> Next(const FileDialogRequest& r) {
        requests.push_back(r);
        if (choices.empty())
            return std::nullopt;
        // Taken apart and rebuilt: copying the optional itself trips a false
        // "may be used uninitialized" warning in GCC 12.
        const bool chosen = choices.front().has_value();
        QString name = choices.front().value_or(QString());
        choices.pop_front();
        if (!chosen)
            return std::nullopt;
        return name;
    }
};

// Counts what the controller asks of its window.
class FakeHost final : public DocumentHost {
public:
    void SetTitle(const QString& t) override { titles.append(t); }
    void TakeSnapshot() override { ++snapshots; }
    void DiscardSnapshot() override { ++discards; }
    void AddRecentFile(const QString& p) override { recent.append(p); }
    void ShowTileCounts(bool enabled, int across, int down) override {
        tilesEnabled = enabled;
        tiles = {across, down};
    }
    void SetBusy(bool busy) override { busyDepth += busy ? 1 : -1; }

    QStringList titles;
    QStringList recent;
    int snapshots = 0;
    int discards = 0;
    int busyDepth = 0;
    bool tilesEnabled = true;
    std::pair<int, int> tiles{0, 0};
};

}  // namespace quenby::test
