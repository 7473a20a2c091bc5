#pragma once

#include <QPainterPath>
#include <QPoint>
#include <QStringList>

#include <array>
#include <optional>

class QFont;

namespace quenby {

class DeviceContext;
class ElementOwner;
struct Element;
struct TextBlock;

// The two curves, in device points, that a text's letters are warped between: the
// top of the letters and their foot.
struct TextEnvelope {
    static constexpr int kSamples = 400;
    std::array<QPoint, kSamples> top;
    std::array<QPoint, kSamples> foot;
};

// A Text runs from its top edge (corners 0 → 1) to its bottom edge (3 → 2); a
// CircularText runs along its arc, the tops on the outer circle and the feet on the
// inner one, reversed and exchanged when the text is turned.
TextEnvelope EnvelopeOf(const Element& element, const ElementOwner& view);

// The lines of a text: split at each carriage return, a following line feed skipped.
QStringList TextLines(const QString& text);

// The letters of every line in one path, line i at y = i × (the "Hg" height), placed
// left, centred or right within the widest line; lines of any other alignment are
// left out.
QPainterPath LayoutTextPath(const TextBlock& text, const QFont& font);

// The path's points stretched over the envelope: across from the top curve (at the
// path's least y) to the foot curve (at its greatest), along in proportion to x.
// Nothing for a path without points.
std::optional<QPainterPath> WarpPath(const QPainterPath& path, const TextEnvelope& envelope);

// Frame fill, shadow, letters and outlines of a Text or CircularText.
void DrawTextElement(const Element& element, DeviceContext& dc, const ElementOwner& view);

}  // namespace quenby
