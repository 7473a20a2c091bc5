// quenby-tool print: the document through the print job to the PDF-file printer.
#include "ConsoleMessages.h"
#include "Subcommand.h"

#include "document/Document.h"
#include "document/DocumentController.h"
#include "print/PdfExport.h"

#include <memory>

namespace quenby::tool {
namespace {

constexpr char kUsage[] =
    "usage: quenby-tool print IN.wxd --out OUT.pdf [--dpi D] [--printer-dpi P]";

// A positive whole number of dots per inch, at most 4800.
bool ReadDpi(const QString& text, int& dpi) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value <= 0 || value > 4800) {
        return false;
    }
    dpi = value;
    return true;
}

}  // namespace

int RunPrint(const QStringList& args) {
    QString in;
    QString out;
    int screenDpi = 96;
    int printerDpi = 300;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == QLatin1String("--out") && hasValue) {
            out = args[++i];
        } else if (a == QLatin1String("--dpi") && hasValue) {
            if (!ReadDpi(args[++i], screenDpi)) {
                return Fail(QStringLiteral("--dpi: a whole number from 1 to 4800"));
            }
        } else if (a == QLatin1String("--printer-dpi") && hasValue) {
            if (!ReadDpi(args[++i], printerDpi)) {
                return Fail(QStringLiteral("--printer-dpi: a whole number from 1 to 4800"));
            }
        } else if (in.isEmpty() && !a.startsWith(QLatin1String("--"))) {
            in = a;
        } else {
            return Fail(QString::fromLatin1(kUsage));
        }
    }
    if (in.isEmpty() || out.isEmpty()) {
        return Fail(QString::fromLatin1(kUsage));
    }
    ConsoleMessages messages;
    auto doc = std::make_unique<Document>();
    if (!DocumentController::LoadWithoutWindow(in, *doc, messages)) {
        return 1;
    }
    return PrintDocumentToPdf(*doc, out, printerDpi, screenDpi / 25.4, messages) ? 0 : 1;
}

}  // namespace quenby::tool
