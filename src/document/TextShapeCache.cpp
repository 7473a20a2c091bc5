#include "document/TextShapeCache.h"

#include "document/Element.h"

namespace quenby {
namespace {

// Shapes of texts long deleted are dropped with the rest when there are this many: a
// page holds at most a thousand elements.
constexpr std::size_t kMaxShapes = 2048;

}  // namespace

TextShapeCache::Source TextShapeCache::SourceOf(const Element& element, int zoom, bool printing) {
    Source s;
    s.kind = element.kind;
    s.corners = element.corners;
    s.zoom = zoom;
    s.printing = printing;
    if (const TextBlock* t = element.text.get()) {
        s.alignment = t->alignment;
        s.font = t->font;
        s.chars = t->chars;
        s.fillOn = t->fillOn;
        s.outlineOn = t->outlineOn;
        s.outlineWidth = t->outlineWidth;
        s.circleTurned = t->circleTurned;
        s.shadowOn = t->shadowOn;
        s.shadowDx = t->shadowDx;
        s.shadowDy = t->shadowDy;
    }
    return s;
}

const TextShape* TextShapeCache::Find(const Element& element, int zoom, bool printing) const {
    const auto it = shapes_.find(&element);
    if (it == shapes_.end() || !(it->second.source == SourceOf(element, zoom, printing))) {
        return nullptr;
    }
    return &it->second.shape;
}

const TextShape& TextShapeCache::Keep(const Element& element, int zoom, bool printing,
                                      TextShape shape) {
    if (shapes_.size() >= kMaxShapes && !shapes_.contains(&element)) {
        shapes_.clear();
    }
    Entry& entry = shapes_[&element];
    entry.source = SourceOf(element, zoom, printing);
    entry.shape = std::move(shape);
    return entry.shape;
}

}  // namespace quenby
