#pragma once

#include "document/Document.h"
#include "document/DocumentFile.h"
#include "document/ElementOperations.h"
#include "print/StudioPrintout.h"
#include "print/dialogs/PrintLoop.h"

#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QString>

#include <memory>
#include <vector>

namespace quenby::test {

inline std::unique_ptr<Document> MakeCard(int fold, int paper = 1) {
    auto doc = std::make_unique<Document>();
    doc->pageColour = kWhite;
    doc->paperSize = std::uint16_t(paper);
    doc->ChooseCardType(fold);
    return doc;
}

inline std::unique_ptr<Document> MakePageSet(int across, int down, int paper = 1) {
    auto doc = std::make_unique<Document>();
    doc->pageColour = kWhite;
    doc->isCard = kPageSet;
    doc->paperSize = std::uint16_t(paper);
    doc->tilesAcross = std::uint16_t(across);
    doc->tilesDown = std::uint16_t(down);
    return doc;
}

// A box on `face` covering document units (x, y) to (x + w, y + h).
inline void AddBox(Document& doc, int face, float x, float y, float w, float h) {
    ElementPtr e = CreateBlankElement();
    e->kind = ElementKind::Box;
    e->page = std::uint8_t(face);
    e->corners = {DocPoint{x, y}, DocPoint{x + w, y}, DocPoint{x + w, y + h}, DocPoint{x, y + h}};
    e->fillOn = 1;
    e->selected = 0;
    doc.elements.Append(std::move(e));
}

// Answers the print dialog: accepts (optionally with a page range) or cancels,
// and remembers how it was asked.
class FakePrintDialogs final : public PrintDialogs {
public:
    struct Call {
        bool setupMode;
        PrintDialogInfo pages;
        QString docName;
    };
    bool Run(QPrinter& device, bool setupMode, const PrintDialogInfo& pages) override {
        calls.push_back({setupMode, pages, device.docName()});
        if (onRun) {
            onRun(device);
        }
        if (fromPage > 0) {
            device.setPrintRange(QPrinter::PageRange);
            device.setFromTo(fromPage, toPage);
        }
        return accept;
    }
    std::vector<Call> calls;
    bool accept = true;
    int fromPage = 0;
    int toPage = 0;
    std::function<void(QPrinter&)> onRun;
};

// Pages of a PDF file as Qt writes it: one "/Type /Page" object each.
inline int CountPdfPages(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QString text = QString::fromLatin1(file.readAll());
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    int count = 0;
    auto it = page.globalMatch(text);
    while (it.hasNext()) {
        it.next();
        ++count;
    }
    return count;
}

inline bool WriteDocumentFile(const Document& doc, const QString& path) {
    std::vector<std::uint8_t> bytes;
    wxd::WriteDocument(doc, bytes);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size())) ==
               qint64(bytes.size());
}

}  // namespace quenby::test
