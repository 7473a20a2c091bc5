#pragma once

namespace quenby {

class DeviceContext;
struct Document;

// Draws every element of the current face in stacking order, each as a copy that is
// turned half a turn about device point (cx, cy) when `turnFaces` is set (a card
// face that must come out upside down on the sheet).
void DrawPage(const Document& doc, DeviceContext& dc, bool turnFaces, int cx, int cy);

}  // namespace quenby
