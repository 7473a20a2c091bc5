#pragma once

namespace quenby {

// The fill and outline dialogs serve two commands each: Shape edits the element's own
// fields (a box, ellipse or line, or the frame of a text), Text the same-named fields
// of its text block (the letters).
enum class PropertyMode { Shape, Text };

}  // namespace quenby
