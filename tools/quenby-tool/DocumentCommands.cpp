// quenby-tool info and resave: the document file through the program's own reader
// and writer.
#include "ConsoleMessages.h"
#include "DocumentJson.h"
#include "Subcommand.h"

#include "document/Document.h"
#include "document/DocumentController.h"
#include "document/DocumentHost.h"
#include "platform/FileDialogs.h"

#include <QJsonDocument>

#include <cstdio>
#include <memory>

namespace quenby::tool {
namespace {

// A document read by the program's loader, messages to standard error.
struct LoadedDocument {
    Document doc;
    ConsoleMessages messages;

    bool Load(const QString& path) {
        return DocumentController::LoadWithoutWindow(path, doc, messages);
    }
};

}  // namespace

int RunInfo(const QStringList& args) {
    if (args.size() != 1) {
        return Fail(QStringLiteral("usage: quenby-tool info FILE.wxd"));
    }
    auto loaded = std::make_unique<LoadedDocument>();
    if (!loaded->Load(args[0])) {
        return 1;
    }
    const QByteArray json =
        QJsonDocument(DocumentToJson(loaded->doc)).toJson(QJsonDocument::Indented);
    std::fwrite(json.constData(), 1, std::size_t(json.size()), stdout);
    return 0;
}

int RunResave(const QStringList& args) {
    if (args.size() != 2) {
        return Fail(QStringLiteral("usage: quenby-tool resave IN.wxd OUT.wxd"));
    }
    auto loaded = std::make_unique<LoadedDocument>();
    if (!loaded->Load(args[0])) {
        return 1;
    }
    DocumentHost nobody;
    NoFileDialogs noDialogs;
    DocumentController files(loaded->doc, nobody, loaded->messages, noDialogs);
    return files.SaveDocument(args[1]) ? 0 : 1;
}

}  // namespace quenby::tool
