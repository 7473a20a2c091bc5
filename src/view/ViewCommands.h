#pragma once

namespace quenby {

class EditorWindow;

// The rows of the page view: the zoom modes 4000..4002, the zoom list 7009, zoom in
// and out, and the orientation buttons 5000 and 5001.
void RegisterViewCommands(EditorWindow& editor);

}  // namespace quenby
