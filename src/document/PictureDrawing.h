#pragma once

namespace quenby {

class DeviceContext;
struct Element;

// Stretches a Picture element's bitmap over its grab box: with its transparent
// colour (palette index 255) left out when the element says so, and turned half a
// turn when the element is half-turned. An element without a bitmap draws nothing.
void DrawPictureElement(const Element& element, DeviceContext& dc);

}  // namespace quenby
