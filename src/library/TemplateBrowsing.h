#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace quenby {

class EditingSession;

// What one run of the template browser does to the editing session's document.
//
// Every selection replaces the document with the template at once, as a preview:
// nothing is recorded for Undo and nothing counts as a change to save. When the
// browser ends, OK opens the chosen template as a new, untitled, unmodified document
// whose own elements are all that Undo can bring back; Cancel puts the document back
// as it was before browsing, page setup and all, so that nothing of a template only
// looked at stays behind in the next card or page set.
class TemplateBrowsing {
public:
    explicit TemplateBrowsing(EditingSession& session);
    TemplateBrowsing(const TemplateBrowsing&) = delete;
    TemplateBrowsing& operator=(const TemplateBrowsing&) = delete;

    // Replaces the document with the template at `path`. False, after the loader's
    // own message, when the file could not be read whole; nothing is chosen then.
    bool Preview(const QString& path);
    // A category without templates: the document's elements go, nothing is chosen.
    void PreviewNothing();

    // The template previewed last, when it loaded whole.
    const std::optional<QString>& Chosen() const { return chosen_; }

    // OK: the document emptied and the chosen template read into it again as a new
    // document without a name or changes, at the window's full updates. False, with the
    // document left empty, when nothing is chosen or the file can no longer be read.
    bool OpenChosen();
    // Cancel: the document exactly as it was when browsing began.
    void Restore();

private:
    EditingSession& session_;
    std::vector<std::uint8_t> before_;  // the document's own file image
    QString pathBefore_;
    bool modifiedBefore_ = false;
    std::uint16_t lastGroupIdBefore_ = 0;
    std::optional<QString> chosen_;
};

}  // namespace quenby
