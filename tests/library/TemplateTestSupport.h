#pragma once

// Template documents written as real .wxd files into a program folder of the test's
// own, and an editing session for the browser to load them into.
#include "LibraryTestSupport.h"

#include "document/Document.h"
#include "document/DocumentFile.h"
#include "document/ElementOperations.h"
#include "editing/EditingSession.h"
#include "library/TemplateBrowserDialog.h"

#include <cstdint>
#include <vector>

namespace quenby::test {

inline constexpr double kTemplatePixelsPerMm = 96.0 / 25.4;

// A filled box without an outline on `face`, from (x0, y0) to (x1, y1) document units.
inline ElementPtr FilledBox(int face, float x0, float y0, float x1, float y1, ColourRef colour) {
    ElementPtr e = CreateBlankElement();
    e->kind = ElementKind::Box;
    e->page = static_cast<std::uint8_t>(face);
    e->corners = {DocPoint{x0, y0}, DocPoint{x1, y0}, DocPoint{x1, y1}, DocPoint{x0, y1}};
    e->outlineOn = 0;
    e->fillOn = 1;
    e->fillColour = colour;
    e->selected = 0;
    return e;
}

// A quarter-sheet A4 card (fold 3) whose front is `colour` on its left half, with
// `extra` further boxes on the inside; its page is `pageColour`.
inline std::vector<std::uint8_t> CardTemplate(ColourRef colour, int extra = 0,
                                              ColourRef pageColour = kWhite) {
    Document doc;
    doc.isCard = kCard;
    doc.cardType = 3;
    doc.paperSize = 1;
    doc.pageColour = pageColour;
    // 105 × 148.5 mm in document units at 96 dots per inch.
    const float width = float(105 * 4 * kTemplatePixelsPerMm);
    const float height = float(148.5 * 4 * kTemplatePixelsPerMm);
    doc.elements.Append(FilledBox(0, 0, 0, width / 2, height, colour));
    for (int i = 0; i < extra; ++i) {
        doc.elements.Append(FilledBox(1, 10.0f * i, 0, 10.0f * i + 8, 8, 0xFF0000));
    }
    std::vector<std::uint8_t> bytes;
    wxd::WriteDocument(doc, bytes);
    return bytes;
}

// A page set of `across` landscape A4 sheets, one box on it.
inline std::vector<std::uint8_t> PageSetTemplate(int across, ColourRef colour) {
    Document doc;
    doc.isCard = kPageSet;
    doc.paperSize = 1;
    doc.orientation = 1;
    doc.tilesAcross = static_cast<std::uint16_t>(across);
    doc.pageColour = kWhite;
    doc.elements.Append(FilledBox(0, 0, 0, 400, 400, colour));
    std::vector<std::uint8_t> bytes;
    wxd::WriteDocument(doc, bytes);
    return bytes;
}

// The program folder with its templates, and a session with no window.
struct TemplateFolder {
    ArtworkFolder art;
    FakeFileDialogs dialogs;
    EditingSession session{art.messages, dialogs};
    TemplateBrowserContext context{session, art.locations, 0, kTemplatePixelsPerMm};

    TemplateFolder() { art.locations.templatesLocal = true; }

    QString Put(int category, const QString& fileName, const std::vector<std::uint8_t>& bytes) {
        return art.Put(QStringLiteral("Templates/%1/").arg(category) + fileName, bytes);
    }
    QString PathOf(int category, const QString& fileName) const {
        return art.Path(QStringLiteral("Templates/%1/").arg(category) + fileName);
    }
};

}  // namespace quenby::test
