#pragma once

namespace quenby {

class DeviceContext;
struct Element;

// Draws the fill, picture or text of an element. `exclusiveOr` draws in the
// not-XOR mode, so that drawing twice restores the pixels.
void DrawElementBody(const Element& element, DeviceContext& dc, bool exclusiveOr = false);
// Draws the outline of an element.
void DrawElementOutline(const Element& element, DeviceContext& dc, bool exclusiveOr = false);

}  // namespace quenby
