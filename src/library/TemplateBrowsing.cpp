#include "library/TemplateBrowsing.h"

#include "document/DocumentFile.h"
#include "editing/EditingSession.h"
#include "editing/EditorView.h"
#include "platform/ByteSource.h"
#include "platform/ResourceStrings.h"
#include "platform/StringIds.h"

namespace quenby {

TemplateBrowsing::TemplateBrowsing(EditingSession& session) : session_(session) {
    const Document& doc = session_.document();
    wxd::WriteDocument(doc, before_);
    pathBefore_ = doc.documentPath;
    modifiedBefore_ = doc.modified;
    lastGroupIdBefore_ = doc.lastGroupId;
}

bool TemplateBrowsing::Preview(const QString& path) {
    const auto edit = session_.Edit(EditScope::Display);
    Document& doc = session_.document();
    doc.elements.Clear();
    chosen_.reset();
    if (!session_.files().LoadDocument(path, /*quiet=*/true)) {
        return false;
    }
    chosen_ = path;
    return true;
}

void TemplateBrowsing::PreviewNothing() {
    const auto edit = session_.Edit(EditScope::Display);
    session_.document().elements.Clear();
    chosen_.reset();
}

bool TemplateBrowsing::OpenChosen() {
    const auto edit = session_.Edit(EditScope::Display);
    DocumentController& files = session_.files();
    // No elements, no snapshot of a template only looked at, no name.
    files.ClearDocument();
    if (!chosen_) {
        return false;
    }
    const bool loaded = files.LoadDocument(*chosen_, /*quiet=*/false);
    if (!loaded) {
        files.ClearDocument();
    }
    // A template opens as a new document: Save asks for a name.
    Document& doc = session_.document();
    doc.documentPath.clear();
    doc.modified = false;
    if (EditorView* view = session_.view()) {
        view->SetTitle(ResourceString(str::kProductName));
    }
    return loaded;
}

void TemplateBrowsing::Restore() {
    const auto edit = session_.Edit(EditScope::Display);
    Document& doc = session_.document();
    MemorySource source(before_);
    wxd::ReadDocument(source, doc);
    doc.documentPath = pathBefore_;
    doc.modified = modifiedBefore_;
    doc.lastGroupId = lastGroupIdBefore_;
    chosen_.reset();
}

}  // namespace quenby
