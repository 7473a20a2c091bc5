#pragma once

#include <QString>

namespace quenby {

enum class MessageButtons { Ok, YesNo, YesNoCancel, OkCancel };
enum class MessageIcon { Exclamation, Question };
enum class MessageAnswer { Ok, Yes, No, Cancel };

// Every message the program shows goes through this, so that engine code stays free
// of widgets and tests can answer the questions.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;

    // `owned`: the box belongs to the program's window (modal to it); otherwise it
    // stands on its own. An empty caption leaves the title bar blank.
    virtual MessageAnswer Show(const QString& text, const QString& caption,
                               MessageButtons buttons = MessageButtons::Ok,
                               MessageIcon icon = MessageIcon::Exclamation, bool owned = true) = 0;

    // Shorthand for the common case: numbered text and caption, OK, exclamation.
    void Warn(int textId, int captionId);
};

// The answer of a box closed without choosing: Cancel, else No, else OK.
MessageAnswer SafestAnswer(MessageButtons buttons);

// Shows nothing and gives every question its safest answer: for benchmarks and
// batch work where nobody is there to answer.
class SilentMessageBoxes final : public MessageBoxes {
public:
    MessageAnswer Show(const QString&, const QString&, MessageButtons buttons, MessageIcon,
                       bool) override {
        return SafestAnswer(buttons);
    }
};

}  // namespace quenby
