#include "print/PaperLayout.h"

#include "document/Document.h"
#include "platform/PrinterSettings.h"
#include "platform/ResourceStrings.h"
#include "platform/StringIds.h"

#include <cmath>

namespace quenby {

namespace {

constexpr std::array<PaperRow, PaperTable::kRows> kPaperRows = {{
    {297, 420, 8},     // A3
    {210, 297, 9},     // A4
    {148, 210, 11},    // A5
    {215.9, 279.4, 1}, // Letter
    {110, 220, 27},    // DL envelope
    {114, 162, 31},    // C6 envelope
    {100, 100, 9},     // custom; the printer gets A4
}};

// The custom size is process-wide: it lasts until the program ends.
QSizeF& CustomSize() {
    static QSizeF size(100, 100);
    return size;
}

int CeilPixels(double v) { return static_cast<int>(std::ceil(v)); }

}  // namespace

PaperRow PaperTable::Row(int index) {
    if (index < 0 || index >= kRows) {
        index = 1;
    }
    PaperRow row = kPaperRows[static_cast<std::size_t>(index)];
    if (index == kCustomPaper) {
        row.widthMm = CustomSize().width();
        row.heightMm = CustomSize().height();
    }
    return row;
}

QString PaperTable::ListText(int index) {
    switch (index) {
        case 0: return QStringLiteral("A3");
        case 1: return QStringLiteral("A4");
        case 2: return QStringLiteral("A5");
        default: break;
    }
    if (index >= 3 && index < kRows) {
        return ResourceString(8024 + index - 3);
    }
    return {};
}

QSizeF PaperTable::CustomSizeMm() { return CustomSize(); }

void PaperTable::SetCustomSizeMm(QSizeF size) {
    // Kept within the range the dialog allows, whatever the caller passes.
    auto clamp = [](double v) {
        return v >= kCustomPaperMinMm ? (v <= kCustomPaperMaxMm ? v : kCustomPaperMaxMm)
                                      : kCustomPaperMinMm;
    };
    CustomSize() = QSizeF(clamp(size.width()), clamp(size.height()));
}

bool PaperTable::IsCustomSizeAccepted(int widthMm, int heightMm) {
    auto inRange = [](int v) { return v >= kCustomPaperMinMm && v <= kCustomPaperMaxMm; };
    return inRange(widthMm) && inRange(heightMm);
}

QString PaperPaneText(int paperIndex) {
    const PaperRow row = PaperTable::Row(paperIndex);
    return QString::asprintf("%s = %.1fmm x %.1fmm",
                             ResourceString(str::kPaperSizeLabel).toUtf8().constData(), row.widthMm,
                             row.heightMm);
}

void ApplyDocumentLayout(DeviceMode& mode, const Document& doc) {
    mode.SetDocumentOrientation(doc.orientation);
    const PaperRow row = PaperTable::Row(doc.paperSize);
    if (doc.paperSize == kCustomPaper) {
        mode.SetPaper(row.printerPaperCode, row.widthMm, row.heightMm);
    } else {
        mode.SetPaper(row.printerPaperCode);
    }
}

QSizeF SheetSizeMm(const Document& doc) {
    const PaperRow row = PaperTable::Row(doc.paperSize);
    if (doc.orientation == 1) {
        return {row.heightMm, row.widthMm};
    }
    return {row.widthMm, row.heightMm};
}

QRect PageRect(const Document& doc, int zoomPercent, double pixelsPerMm) {
    const QSizeF sheet = SheetSizeMm(doc);
    const double scale = zoomPercent * pixelsPerMm;
    double kw = 0.01;
    double kh = 0.01;
    if (doc.isCard == kCard) {
        switch (doc.cardType) {
            case 0: kw = 0.01; kh = 0.005; break;
            case 1: kw = 0.005; kh = 0.01; break;
            default: kw = 0.005; kh = 0.005; break;
        }
        return {0, 0, CeilPixels(sheet.width() * scale * kw),
                CeilPixels(sheet.height() * scale * kh)};
    }
    if (doc.isCard == kPageSet) {
        return {0, 0, CeilPixels(doc.tilesAcross * sheet.width() * scale * kw),
                CeilPixels(doc.tilesDown * sheet.height() * scale * kh)};
    }
    return {};
}

QRect WidenedPageRect(const Document& doc, int zoomPercent, double pixelsPerMm) {
    QRect r = PageRect(doc, zoomPercent, pixelsPerMm);
    if (doc.isCard == kCard) {
        const int dx = r.width() / 10;
        const int dy = r.height() / 10;
        r.adjust(-dx, -dy, dx, dy);
    }
    return r;
}

}  // namespace quenby
