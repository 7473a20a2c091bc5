#pragma once

#include "platform/FileDialogs.h"

#include <QString>

namespace quenby {

class DocumentHost;
class MessageBoxes;
struct Document;

// The file commands New, Open, Save and Save As with the save-changes question,
// and loading and saving a document, against small interfaces for the window,
// the message boxes and the file dialogs.
class DocumentController {
public:
    DocumentController(Document& doc, DocumentHost& host, MessageBoxes& messages,
                       FileDialogs& dialogs);

    // The folder both file dialogs start in; the application sets where they begin, and
    // every file chosen in them moves it to that file's folder for the rest of the run.
    const QString& LastFolder() const { return lastFolder_; }
    void SetLastFolder(const QString& folder) { lastFolder_ = folder; }

    // Empties the document: no elements, no snapshot, no path, not modified.
    void ClearDocument();
    // Command 24331.
    void NewDocument();
    // Command 24332.
    void Open();
    // What Open does with the file chosen, for a file named elsewhere (the command
    // line): the document is emptied, `path` read, its folder becomes the last folder.
    // The save-changes question is the caller's. True when the file was read whole.
    bool OpenFile(const QString& path);
    // Command 24333: to the document's own path, or through Save As.
    void Save();
    // Command 24334.
    void SaveAs();

    // The save-changes question; true when the command that replaces the document
    // may go on.
    bool ConfirmDiscard();

    // Reads `path` into the document. `quiet` (template previews) leaves the window
    // alone. False, with a message shown, when the file could not be used.
    bool LoadDocument(const QString& path, bool quiet);
    // Writes the document to `path` through a temporary file that replaces the old
    // one only when every byte is written. False, with a message shown, otherwise;
    // then the old file is as it was and so is `modified`.
    bool SaveDocument(const QString& path);

    static FileDialogRequest DialogRequest(const QString& folder);

    // Reads a document file with nothing around it: no window, no dialogs, failures
    // told through `messages`. quenby-tool, previews, benchmarks and tests load this way.
    static bool LoadWithoutWindow(const QString& path, Document& doc, MessageBoxes& messages);

private:
    Document& doc_;
    DocumentHost& host_;
    MessageBoxes& messages_;
    FileDialogs& dialogs_;
    QString lastFolder_;
};

}  // namespace quenby
