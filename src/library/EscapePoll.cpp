#include "library/EscapePoll.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>

namespace quenby {
namespace {

bool IsHeldBack(QEvent::Type type) {
    switch (type) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::NonClientAreaMouseButtonPress:
        case QEvent::NonClientAreaMouseButtonRelease:
        case QEvent::NonClientAreaMouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TabletPress:
        case QEvent::TabletRelease:
        case QEvent::Close:
            return true;
        default:
            return false;
    }
}

}  // namespace

EscapePoll::EscapePoll() {
    QCoreApplication::instance()->installEventFilter(this);
}

EscapePoll::~EscapePoll() {
    QCoreApplication::instance()->removeEventFilter(this);
}

bool EscapePoll::Poll() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    return escape_;
}

bool EscapePoll::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (!IsHeldBack(type)) {
        return QObject::eventFilter(watched, event);
    }
    if (type == QEvent::KeyPress || type == QEvent::ShortcutOverride) {
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            escape_ = true;
        }
    } else if (type == QEvent::Close && event->spontaneous()) {
        // The window manager's close button: stop loading, keep the window.
        escape_ = true;
    } else if (type == QEvent::Close) {
        // The program's own closing of a window (the progress window itself) goes on.
        return false;
    }
    event->ignore();
    return true;
}

}  // namespace quenby
