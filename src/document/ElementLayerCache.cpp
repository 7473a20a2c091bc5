#include "document/ElementLayerCache.h"

#include "document/Element.h"
#include "document/ElementDrawing.h"
#include "document/ElementOwner.h"
#include "platform/DeviceContext.h"

#include <QHashFunctions>
#include <QPaintEngine>
#include <QPainter>

namespace quenby {
namespace {

// The fields of a text that its drawing uses.
bool SameTextDrawing(const TextBlock& a, const TextBlock& b) {
    return a.alignment == b.alignment && a.font == b.font && a.chars == b.chars &&
           a.fillColour == b.fillColour && a.fillColour2 == b.fillColour2 &&
           a.outlineColour == b.outlineColour && a.fillStyle == b.fillStyle &&
           a.gradientAngle == b.gradientAngle && a.outlineOn == b.outlineOn &&
           a.outlineWidth == b.outlineWidth && a.fillOn == b.fillOn &&
           a.circleTurned == b.circleTurned && a.shadowOn == b.shadowOn &&
           a.shadowDx == b.shadowDx && a.shadowDy == b.shadowDy &&
           a.shadowColour == b.shadowColour && a.gradientCentreX == b.gradientCentreX &&
           a.gradientCentreY == b.gradientCentreY;
}

}  // namespace

bool ElementLayerCache::Source::operator==(const Source& o) const {
    return kind == o.kind && corners == o.corners && outlineOn == o.outlineOn &&
           outlineWidth == o.outlineWidth && fillOn == o.fillOn && fillStyle == o.fillStyle &&
           transparent == o.transparent && halfTurned == o.halfTurned &&
           outlineColour == o.outlineColour && fillColour == o.fillColour &&
           fillColour2 == o.fillColour2 && gradientAngle == o.gradientAngle &&
           groupMember == o.groupMember && gradientCentreX == o.gradientCentreX &&
           gradientCentreY == o.gradientCentreY && hasText == o.hasText &&
           (!hasText || SameTextDrawing(text, o.text)) && picture == o.picture &&
           pictureSize == o.pictureSize && pictureHash == o.pictureHash && zoom == o.zoom &&
           frames == o.frames && smooth == o.smooth && cut == o.cut;
}

bool ElementLayerCache::Serves(DeviceContext& dc) {
    const QPainter& painter = dc.Painter();
    const QPaintEngine* engine = painter.paintEngine();
    return !dc.IsPrinting() && !dc.IsNotXor() && engine &&
           engine->type() == QPaintEngine::Raster && painter.transform().isIdentity() &&
           !painter.hasClipping() &&
           painter.compositionMode() == QPainter::CompositionMode_SourceOver &&
           painter.opacity() == 1.0;
}

ElementLayerCache::Source ElementLayerCache::SourceOf(const Element& element, DeviceContext& dc,
                                                      const ElementOwner& view,
                                                      const QRect& cut) {
    Source s;
    s.kind = element.kind;
    s.corners = element.corners;
    s.outlineOn = element.outlineOn;
    s.outlineWidth = element.outlineWidth;
    s.fillOn = element.fillOn;
    s.fillStyle = element.fillStyle;
    s.transparent = element.transparent;
    s.halfTurned = element.halfTurned;
    s.outlineColour = element.outlineColour;
    s.fillColour = element.fillColour;
    s.fillColour2 = element.fillColour2;
    s.gradientAngle = element.gradientAngle;
    s.groupMember = element.groupMember;
    s.gradientCentreX = element.gradientCentreX;
    s.gradientCentreY = element.gradientCentreY;
    if (element.text) {
        s.hasText = true;
        s.text = element.text->CopyWithoutReserved();
    }
    if (element.picture) {
        // By content as well as by address: a new picture may be given the address of
        // the one it replaces.
        const std::span<const std::uint8_t> packed = element.picture->Packed();
        s.picture = element.picture.get();
        s.pictureSize = packed.size();
        s.pictureHash = {qHashBits(packed.data(), packed.size(), 0),
                         qHashBits(packed.data(), packed.size(), 0x9E3779B97F4A7C15ull)};
    }
    s.zoom = view.ZoomPercent();
    s.frames = view.ShowsElementFrames();
    s.smooth = dc.IsSmooth();
    s.cut = cut;
    return s;
}

bool ElementLayerCache::Draw(const Element& element, DeviceContext& dc, const ElementOwner& view,
                             const QRect& reach) {
    // Only the part the device shows is drawn into the image, so that an element cut by
    // the device's edge is cut there as when it is drawn as it comes; one wholly on the
    // device keeps its image wherever the view is scrolled.
    const QPoint origin = view.ScrollOrigin();
    const QRect device = dc.VisibleArea();
    if (reach.isEmpty() || device.isEmpty()) {
        return false;
    }
    const QRect cut = (reach.translated(origin) & device).translated(-origin);
    if (cut.isEmpty() || qint64(cut.width()) * cut.height() > kMaxLayerPixels) {
        return false;
    }
    Source source = SourceOf(element, dc, view, cut);
    auto it = layers_.find(&element);
    if (it != layers_.end() && !(it->second.source == source)) {
        Drop(it);
        it = layers_.end();
    }
    if (it == layers_.end()) {
        const qint64 bytes = qint64(cut.width()) * cut.height() * 4;
        if (!MakeRoom(bytes)) {
            return false;
        }
        QImage image(cut.size(), QImage::Format_ARGB32_Premultiplied);
        if (image.isNull()) {
            return false;
        }
        image.fill(Qt::transparent);
        {
            // The element as the view draws it, the cut's corner at the image's.
            QPainter painter(&image);
            DeviceContext layer(painter);
            layer.SetSmooth(dc.IsSmooth());
            FixedOwner owner(view.ZoomPercent(), -cut.topLeft());
            owner.SetShowsElementFrames(view.ShowsElementFrames());
            owner.SetTextShapes(view.TextShapes());
            DrawElementBody(element, layer, owner);
            DrawElementOutline(element, layer, owner);
        }
        bytes_ += image.sizeInBytes();
        it = layers_.emplace(&element, Layer{std::move(source), std::move(image), 0}).first;
    }
    it->second.usedBy = paint_;
    dc.Painter().drawImage(origin + cut.topLeft(), it->second.image);
    return true;
}

bool ElementLayerCache::MakeRoom(qint64 bytes) {
    if (bytes_ + bytes <= kMaxBytes && layers_.size() < kMaxLayers) {
        return true;
    }
    for (auto it = layers_.begin(); it != layers_.end();) {
        if (it->second.usedBy != paint_) {
            bytes_ -= it->second.image.sizeInBytes();
            it = layers_.erase(it);
        } else {
            ++it;
        }
    }
    return bytes_ + bytes <= kMaxBytes && layers_.size() < kMaxLayers;
}

void ElementLayerCache::Drop(std::unordered_map<const Element*, Layer>::iterator it) {
    bytes_ -= it->second.image.sizeInBytes();
    layers_.erase(it);
}

void ElementLayerCache::Clear() {
    layers_.clear();
    bytes_ = 0;
}

}  // namespace quenby
