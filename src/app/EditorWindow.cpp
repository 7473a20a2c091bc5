#include "app/EditorWindow.h"

#include "platform/ResourceStrings.h"
#include "platform/StringIds.h"

#include <QApplication>
#include <QCoreApplication>
#include <QPainter>

namespace quenby {

EditorWindow::EditorWindow(QWidget* parent)
    : QWidget(parent),
      messages_(this),
      dialogs_(this),
      files_(document_, this, *this, messages_, dialogs_) {
    document_.pageColour = kWhite;
    files_.SetLastFolder(QCoreApplication::applicationDirPath() + u'/');
    setAutoFillBackground(false);
}

void EditorWindow::SetBusy(bool busy) {
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

void EditorWindow::SetTitle(const QString& title) {
    if (QWidget* frame = window()) {
        frame->setWindowTitle(title);
    }
}

void EditorWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(160, 165, 170));  // the desk
}

}  // namespace quenby
