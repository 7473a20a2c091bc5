#include "view/ViewCommands.h"

#include "editing/EditingSession.h"
#include "platform/CommandIds.h"
#include "view/EditorWindow.h"

namespace quenby {

void RegisterViewCommands(EditorWindow& editor) {
    EditingSession* s = &editor.session();
    CommandTable& table = s->commands();
    EditorWindow* e = &editor;
    const auto ready = [s] { return s->Ready(); };

    for (int command : {cmd::kZoomPageWidth, cmd::kZoomPageHeight, cmd::kZoomWholePage}) {
        table.Add({command, [e, command] { e->ZoomModeCommand(command); }, ready});
    }
    // Its selections arrive from the combo box itself; the row greys it.
    table.Add({cmd::kZoomList, {}, ready});
    table.Add(
        {cmd::kZoomIn, [e] { e->ZoomIn(); }, [s, e] { return s->Ready() && e->CanZoomIn(); }});
    table.Add(
        {cmd::kZoomOut, [e] { e->ZoomOut(); }, [s, e] { return s->Ready() && e->CanZoomOut(); }});
    for (int command : {cmd::kPortrait, cmd::kLandscape}) {
        const int orientation = command == cmd::kLandscape ? 1 : 0;
        table.Add({command, [e, command] { e->OrientationCommand(command); }, ready,
                   [s, orientation] { return s->document().orientation == orientation; }});
    }
}

}  // namespace quenby
