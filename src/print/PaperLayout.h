#pragma once

#include <QRect>
#include <QSizeF>
#include <QString>

#include <array>

namespace quenby {

struct Document;
struct DeviceMode;

// One row of the paper list: its text, its portrait size in millimetres and the
// paper number the printer's settings record takes for it.
struct PaperRow {
    double widthMm;
    double heightMm;
    int printerPaperCode;
};

inline constexpr int kCustomPaper = 6;
inline constexpr double kCustomPaperMinMm = 50;
inline constexpr double kCustomPaperMaxMm = 500;

// The paper table. Row 6 is the custom size, which lasts until the program ends.
class PaperTable {
public:
    static constexpr int kRows = 7;

    // The row, with the current custom size for row 6; rows outside 0..6 give A4.
    static PaperRow Row(int index);
    // The text of the paper list ("A3", "A4", "A5" and resource strings).
    static QString ListText(int index);
    static int PrinterPaperCode(int index) { return Row(index).printerPaperCode; }

    static QSizeF CustomSizeMm();
    static void SetCustomSizeMm(QSizeF size);
    // Whether a custom size the user typed lies within 50..500 mm both ways.
    static bool IsCustomSizeAccepted(int widthMm, int heightMm);
};

// The status bar's paper pane: "Tamaño de papel = 210.0mm x 297.0mm" for A4, with the
// row's portrait size.
QString PaperPaneText(int paperIndex);

// Writes the document's orientation (+ 1) and its paper's code (and, for the custom
// paper, its size) into a printer's device-mode record.
void ApplyDocumentLayout(DeviceMode& mode, const Document& doc);

// Sheet width and height in millimetres for the document's paper and orientation.
QSizeF SheetSizeMm(const Document& doc);

// The current face in view pixels at `zoomPercent`: (0, 0, W, H), each side taken up
// to the next whole pixel; empty for a document with no layout yet.
QRect PageRect(const Document& doc, int zoomPercent, double pixelsPerMm);
// PageRect widened by W / 10 and H / 10 on every side for a card, so that the flap
// around a card face is counted when fitting and scrolling.
QRect WidenedPageRect(const Document& doc, int zoomPercent, double pixelsPerMm);

}  // namespace quenby
