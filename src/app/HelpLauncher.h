#pragma once

#include <QObject>
#include <QString>

class QProcess;

namespace quenby {

// Starts the help viewer on the help file; a new request ends the viewer started
// before, so that at most one is open.
class HelpLauncher final : public QObject {
    Q_OBJECT

public:
    explicit HelpLauncher(QObject* parent = nullptr) : QObject(parent) {}
    ~HelpLauncher() override;

    // The viewer program beside the program's executable.
    static QString DefaultViewer();
    // The help file of `language` in `programFolder`, falling back to language 0.
    static QString HelpFile(const QString& programFolder, int language);

    // Ends the running viewer, if any, then starts `viewer` on `helpFile`.
    // False when the viewer could not be started.
    bool Show(const QString& viewer, const QString& helpFile);
    bool IsRunning() const;
    qint64 processId() const;

private:
    void EndViewer();

    QProcess* viewer_ = nullptr;
};

}  // namespace quenby
