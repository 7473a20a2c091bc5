#pragma once

namespace quenby {

class DeviceContext;
class ElementOwner;
struct Document;

// Draws every element of face `face` in stacking order, converting through `view`.
// When `turnFaces` is set (a card face that must come out upside down on the sheet),
// each is drawn as a stand-in turned half a turn about device point (cx, cy); the
// stand-in of a picture shares its original's bitmap. Otherwise the elements are
// drawn as they are, without copies.
void DrawPage(const Document& doc, int face, DeviceContext& dc, const ElementOwner& view,
              bool turnFaces, int cx, int cy);

}  // namespace quenby
