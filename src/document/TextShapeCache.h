#pragma once

#include "document/DocPoint.h"
#include "document/ElementKind.h"
#include "document/TextBlock.h"

#include <QPainterPath>
#include <QRectF>
#include <QRegion>

#include <array>
#include <optional>
#include <unordered_map>
#include <vector>

namespace quenby {

struct Element;

// A text's letters as drawn at one zoom: laid out, warped into the envelope and, on a
// raster device, with the curves of letters that are both filled and outlined cut into
// lines. Device pixels with no scroll origin: the view moves them to its origin.
struct TextShape {
    QPainterPath letters;
    std::optional<QPainterPath> shadow;  // the letters warped at the shadow's offset
    QRectF reach;                        // the control points of both
    // The area the letters' outline pen covers, one piece per outline of a letter as a
    // raster device strokes it, kept for the screen where stroking is the bulk of a
    // repaint; empty where the pen is drawn as it comes (printers, one-pixel pens).
    std::vector<QPainterPath> outlineAreas;
    // The pixels the letters cover, for clipping a gradient to them on the screen.
    std::optional<QRegion> lettersCoverage;
};

// The shapes of a view's texts, kept from one paint to the next: laying out glyphs and
// warping their outlines is most of the cost of a repaint, and neither changes while
// the text, its frame and the zoom stay as they are. A shape is found by the element
// it was made for and is used only while everything it was made from is unchanged,
// so an edited, moved or rezoomed text is made again and a deleted one never found.
class TextShapeCache {
public:
    // The shape kept for `element` at `zoom` (and for a printer or not), or null.
    const TextShape* Find(const Element& element, int zoom, bool printing) const;
    const TextShape& Keep(const Element& element, int zoom, bool printing, TextShape shape);
    void Clear() { shapes_.clear(); }
    std::size_t Size() const { return shapes_.size(); }

private:
    // What a shape is made from.
    struct Source {
        ElementKind kind{};
        std::array<DocPoint, 4> corners{};
        int zoom = 0;
        bool printing = false;
        std::uint16_t alignment = 0;
        LogFont font;
        std::array<char, TextBlock::kCharsSize> chars{};
        std::uint8_t fillOn = 0;
        std::uint8_t outlineOn = 0;
        std::uint8_t outlineWidth = 0;
        std::uint8_t circleTurned = 0;
        std::uint8_t shadowOn = 0;
        std::int32_t shadowDx = 0;
        std::int32_t shadowDy = 0;
        bool operator==(const Source&) const = default;
    };
    static Source SourceOf(const Element& element, int zoom, bool printing);

    struct Entry {
        Source source;
        TextShape shape;
    };
    std::unordered_map<const Element*, Entry> shapes_;
};

}  // namespace quenby
