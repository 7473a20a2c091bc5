#include "document/DocumentController.h"

#include "document/Document.h"
#include "document/DocumentFile.h"
#include "document/DocumentHost.h"
#include "platform/ByteSource.h"
#include "platform/FileProbe.h"
#include "platform/MessageBoxes.h"
#include "platform/ResourceStrings.h"
#include "platform/StringIds.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstring>
#include <vector>

namespace quenby {
namespace {

// Documents up to this size are read into memory in one go.
constexpr qint64 kReadWholeLimit = qint64(64) << 20;

QString FolderOf(const QString& path) {
    QString folder = QFileInfo(path).absolutePath();
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return folder;
}

// Shows the wait cursor for as long as it lives.
class BusyScope {
public:
    explicit BusyScope(DocumentHost& host) : host_(host) { host_.SetBusy(true); }
    ~BusyScope() { host_.SetBusy(false); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    DocumentHost& host_;
};

}  // namespace

DocumentController::DocumentController(Document& doc, DocumentHost& host, MessageBoxes& messages,
                                       FileDialogs& dialogs)
    : doc_(doc), host_(host), messages_(messages), dialogs_(dialogs) {}

FileDialogRequest DocumentController::DialogRequest(const QString& folder) {
    return FileDialogRequest{ResourceString(str::kChooseFileTitle),
                             ResourceString(str::kDocumentFilter), QStringLiteral("WXD"), folder};
}

bool DocumentController::LoadWithoutWindow(const QString& path, Document& doc,
                                           MessageBoxes& messages) {
    DocumentHost nobody;
    NoFileDialogs noDialogs;
    DocumentController files(doc, nobody, messages, noDialogs);
    return files.LoadDocument(path, /*quiet=*/true);
}

void DocumentController::ClearDocument() {
    doc_.lastGroupId = 0;
    doc_.elements.SelectAll();
    doc_.elements.DeleteSelected();
    host_.DiscardSnapshot();
    host_.RefreshScrollRange();
    doc_.modified = false;
    doc_.documentPath.clear();
}

void DocumentController::NewDocument() {
    if (!ConfirmDiscard()) {
        return;
    }
    ClearDocument();
    host_.SetTitle(ResourceString(str::kProductName));
    doc_.isCard = kNoLayout;
    host_.CloseOverlayPanel();
    doc_.pageColour = kWhite;
    host_.DocumentChanged();
}

bool DocumentController::ConfirmDiscard() {
    if (!doc_.modified) {
        return true;
    }
    const MessageAnswer answer =
        messages_.Show(ResourceString(str::kSaveChangesQuestion), ResourceString(str::kProductName),
                       MessageButtons::YesNoCancel, MessageIcon::Exclamation, /*owned=*/false);
    switch (answer) {
        case MessageAnswer::No:
            return true;
        case MessageAnswer::Yes:
            Save();
            return !doc_.modified;
        default:
            return false;
    }
}

void DocumentController::Open() {
    if (!ConfirmDiscard()) {
        return;
    }
    const std::optional<QString> path = dialogs_.ChooseFileToOpen(DialogRequest(lastFolder_));
    if (!path) {
        return;
    }
    OpenFile(*path);
}

bool DocumentController::OpenFile(const QString& path) {
    ClearDocument();
    lastFolder_ = FolderOf(path);
    const bool loaded = LoadDocument(path, /*quiet=*/false);
    if (loaded) {
        host_.AddRecentFile(path);
    }
    doc_.modified = false;
    return loaded;
}

void DocumentController::Save() {
    if (!doc_.documentPath.isEmpty()) {
        SaveDocument(doc_.documentPath);
    } else {
        SaveAs();
    }
}

void DocumentController::SaveAs() {
    const std::optional<QString> path = dialogs_.ChooseFileToSave(DialogRequest(lastFolder_));
    if (!path) {
        return;
    }
    lastFolder_ = FolderOf(*path);
    const QString previous = doc_.documentPath;
    doc_.documentPath = *path;
    if (!SaveDocument(*path)) {
        // The document still belongs where it came from, not to a file never written.
        doc_.documentPath = previous;
    }
}

bool DocumentController::LoadDocument(const QString& path, bool quiet) {
    if (!quiet) {
        host_.CloseOverlayPanel();
    }
    // Only a plain file is opened: opening a FIFO would wait for a writer, and a device
    // such as /dev/zero never ends.
    QFile file(path);
    if (LookAtFile(path) != FileKind::Regular || !file.open(QIODevice::ReadOnly)) {
        messages_.Warn(str::kCannotOpenFile, str::kErrorCaption);
        return false;
    }
    doc_.modified = false;
    wxd::ReadOutcome outcome = wxd::ReadOutcome::NotADocument;
    {
        BusyScope busy(host_);
        // The mark first: nothing more of a file that is not a document is read.
        char mark[sizeof wxd::kMagic] = {};
        if (file.peek(mark, sizeof mark) == qint64(sizeof mark) &&
            std::memcmp(mark, wxd::kMagic, sizeof mark) == 0) {
            if (file.size() <= kReadWholeLimit) {
                // One read of the whole file, then the fields are taken from memory.
                const QByteArray bytes = file.readAll();
                MemorySource source(std::span<const std::uint8_t>(
                    reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                    std::size_t(bytes.size())));
                outcome = wxd::ReadDocument(source, doc_);
            } else {
                // A larger file is read as the elements ask, so that only what they
                // hold is kept in memory, whatever the file's length.
                DeviceSource source(file);
                outcome = wxd::ReadDocument(source, doc_);
            }
        }
        file.close();
    }
    if (outcome == wxd::ReadOutcome::NotADocument) {
        messages_.Warn(str::kInvalidFile, str::kOpenDocumentCaption);
        return false;
    }
    // A damaged file keeps what could be read, but is not taken as the document's
    // path: saving it there would overwrite the rest of the user's work.
    if (outcome == wxd::ReadOutcome::Loaded) {
        doc_.documentPath = path;
    }
    if (!quiet) {
        host_.ApplyOrientation();
        host_.ShowPaperSize(doc_.paperSize);
        if (doc_.PrintsOnOneSheet()) {
            host_.ShowTileCounts(false, 1, 1);
        } else {
            host_.ShowTileCounts(true, doc_.tilesAcross, doc_.tilesDown);
        }
        host_.RefreshScrollRange();
        host_.SelectSelectTool();
        host_.SetTitle(outcome == wxd::ReadOutcome::Loaded ? QFileInfo(path).completeBaseName()
                                                           : ResourceString(str::kProductName));
        host_.RefreshPageLayout();
        host_.DocumentChanged();
        host_.TakeSnapshot();
    }
    doc_.modified = false;
    if (outcome == wxd::ReadOutcome::Damaged) {
        messages_.Warn(str::kInvalidFile, str::kOpenDocumentCaption);
        return false;
    }
    return true;
}

bool DocumentController::SaveDocument(const QString& path) {
    bool written = false;
    {
        BusyScope busy(host_);
        std::vector<std::uint8_t> bytes;
        wxd::WriteDocument(doc_, bytes);
        QSaveFile file(path);
        written = file.open(QIODevice::WriteOnly) &&
                  file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size())) ==
                      qint64(bytes.size()) &&
                  file.commit();
    }
    if (!written) {
        messages_.Warn(str::kCannotOpenFile, str::kErrorCaption);
        return false;
    }
    host_.SetTitle(path);
    host_.AddRecentFile(path);
    doc_.modified = false;
    host_.SelectSelectTool();
    return true;
}

}  // namespace quenby
