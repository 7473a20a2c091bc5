#pragma once

#include <QObject>

namespace quenby {

// For work that runs to its end inside an event handler, like loading a category's
// thumbnails: while it lives, Poll() lets the pending events through so that every
// window keeps painting, and says whether Escape was pressed. Every other key,
// click and window close is held back, so that nothing else can start meanwhile;
// a window close counts as Escape.
class EscapePoll final : public QObject {
    Q_OBJECT

public:
    EscapePoll();
    ~EscapePoll() override;

    EscapePoll(const EscapePoll&) = delete;
    EscapePoll& operator=(const EscapePoll&) = delete;

    // Delivers what is pending; true once Escape has been pressed.
    bool Poll();
    bool EscapePressed() const { return escape_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool escape_ = false;
};

}  // namespace quenby
