#include "document/ElementDrawing.h"

#include "document/Element.h"
#include "platform/DeviceContext.h"

namespace quenby {

// The painters of the element kinds come with the drawing code; until then an
// element draws nothing.
void DrawElementBody(const Element&, DeviceContext&, bool) {}
void DrawElementOutline(const Element&, DeviceContext&, bool) {}

}  // namespace quenby
