#pragma once

namespace quenby {

class DeviceContext;
class Dib;
class ElementOwner;
struct Element;

// Stretches a Picture element's bitmap over its grab box, in the view's device pixels:
// with its transparent colour (palette index 255) left out when the element says so,
// and turned half a turn when the element is half-turned. An element without a bitmap
// draws nothing.
void DrawPictureElement(const Element& element, DeviceContext& dc, const ElementOwner& view);
// The same with the bitmap given apart, so that a turned stand-in of an element draws
// its original's bitmap without copying it.
void DrawPictureElement(const Element& element, const Dib& picture, DeviceContext& dc,
                        const ElementOwner& view);

}  // namespace quenby
