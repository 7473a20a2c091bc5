#include "app/HelpLauncher.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>

namespace quenby {

// The help belongs to this session of the program and ends with it.
HelpLauncher::~HelpLauncher() {
    EndViewer();
}

QString HelpLauncher::DefaultViewer() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/quenby-help");
}

QString HelpLauncher::HelpFile(const QString& programFolder, int language) {
    QString folder = programFolder;
    if (!folder.endsWith(u'/')) {
        folder += u'/';
    }
    const QString file = folder + QStringLiteral("help/%1/index.html").arg(language);
    if (language != 0 && !QFileInfo::exists(file)) {
        return HelpFile(programFolder, 0);
    }
    return file;
}

bool HelpLauncher::IsRunning() const {
    return viewer_ && viewer_->state() != QProcess::NotRunning;
}

qint64 HelpLauncher::processId() const {
    return IsRunning() ? viewer_->processId() : 0;
}

void HelpLauncher::EndViewer() {
    if (!viewer_) {
        return;
    }
    if (viewer_->state() != QProcess::NotRunning) {
        viewer_->kill();
        viewer_->waitForFinished(2000);
    }
    viewer_->deleteLater();
    viewer_ = nullptr;
}

bool HelpLauncher::Show(const QString& viewer, const QString& helpFile) {
    EndViewer();
    viewer_ = new QProcess(this);
    viewer_->setProcessChannelMode(QProcess::ForwardedChannels);
    viewer_->start(viewer, {helpFile});
    return viewer_->waitForStarted(5000);
}

}  // namespace quenby
