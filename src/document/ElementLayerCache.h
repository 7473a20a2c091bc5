#pragma once

#include "document/DocPoint.h"
#include "document/ElementKind.h"
#include "document/TextBlock.h"
#include "platform/ColourRef.h"

#include <QImage>
#include <QRect>

#include <array>
#include <cstddef>
#include <cstdint>
#include <unordered_map>

namespace quenby {

class DeviceContext;
class ElementOwner;
struct Element;

// Each element of a view drawn once per zoom into an image of its own, and copied to
// the device at every later paint: a repaint then costs one copy per element instead
// of laying out letters, filling gradients and composing pictures again. An element's
// drawing only ever paints over what lies beneath it, so copying its image gives the
// pixels drawing it gives: exactly where its own edges do not overlap, and within the
// rounding of a step or two of 255 where its own smoothed edges meet (the fill's, the
// outline's and the shadow's soft pixels are blended with each other before the paper).
//
// An image is used while the element, its picture's content, the zoom and the view's
// drawing habits are what it was made from; moving the view only moves it. Memory is
// bounded: an element larger than kMaxLayerPixels is drawn as it comes, and beyond
// kMaxBytes the images not used by the current paint go first, then new elements are
// drawn as they come.
class ElementLayerCache {
public:
    static constexpr qint64 kMaxLayerPixels = qint64(2) << 20;
    static constexpr qint64 kMaxBytes = qint64(64) << 20;
    static constexpr std::size_t kMaxLayers = 2048;

    // Whether images made here can stand in for drawing on `dc`: the screen or an image
    // without a transform or clip, outside the not-XOR mode.
    static bool Serves(DeviceContext& dc);

    // Starts a paint: the images it uses are kept when room has to be made.
    void StartPaint() { ++paint_; }

    // Draws the element's body and outline from its image, made first when needed.
    // `reach` is everything the element can paint, in device pixels at the view's zoom
    // without the scroll origin; the part of it the device shows is kept. False, having
    // drawn nothing, when the element is to be drawn as it comes (that part too large,
    // or no room left).
    bool Draw(const Element& element, DeviceContext& dc, const ElementOwner& view,
              const QRect& reach);

    void Clear();
    std::size_t Size() const { return layers_.size(); }
    qint64 Bytes() const { return bytes_; }

private:
    // What an image is made from, besides the picture's content.
    struct Source {
        ElementKind kind{};
        std::array<DocPoint, 4> corners{};
        std::uint8_t outlineOn = 0, outlineWidth = 0, fillOn = 0, fillStyle = 0;
        std::uint8_t transparent = 0, halfTurned = 0;
        ColourRef outlineColour = 0, fillColour = 0, fillColour2 = 0;
        std::uint16_t gradientAngle = 0, groupMember = 0;
        std::int32_t gradientCentreX = 0, gradientCentreY = 0;
        bool hasText = false;
        TextBlock text;  // reserved bytes cleared
        const void* picture = nullptr;
        std::size_t pictureSize = 0;
        std::array<std::size_t, 2> pictureHash{};
        int zoom = 0;
        bool frames = false;
        bool smooth = false;
        QRect cut;  // the part of the reach drawn, without the scroll origin
        bool operator==(const Source&) const;
    };
    static Source SourceOf(const Element& element, DeviceContext& dc, const ElementOwner& view,
                           const QRect& cut);

    struct Layer {
        Source source;
        QImage image;
        std::uint64_t usedBy = 0;
    };
    // Drops the images the current paint has not used; false if that leaves no room
    // for `bytes` more.
    bool MakeRoom(qint64 bytes);
    void Drop(std::unordered_map<const Element*, Layer>::iterator it);

    std::unordered_map<const Element*, Layer> layers_;
    qint64 bytes_ = 0;
    std::uint64_t paint_ = 1;
};

}  // namespace quenby
