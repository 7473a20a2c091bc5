#include "view/ViewCommands.h"

#include "editing/EditingSession.h"
#include "platform/CommandIds.h"
#include "view/EditorWindow.h"

#include <QPointer>

namespace quenby {

void RegisterViewCommands(EditorWindow& editor) {
    EditingSession* s = &editor.session();
    CommandTable& table = s->commands();
    // The session outlives the window: without it these rows grey and do nothing.
    const QPointer<EditorWindow> e = &editor;
    const auto ready = [s, e] { return e && s->Ready(); };

    for (int command : {cmd::kZoomPageWidth, cmd::kZoomPageHeight, cmd::kZoomWholePage}) {
        table.Add({command, [e, command] { e->ZoomModeCommand(command); }, ready});
    }
    // Its selections arrive from the combo box itself; the row greys it.
    table.Add({cmd::kZoomList, {}, ready});
    table.Add(
        {cmd::kZoomIn, [e] { e->ZoomIn(); }, [ready, e] { return ready() && e->CanZoomIn(); }});
    table.Add(
        {cmd::kZoomOut, [e] { e->ZoomOut(); }, [ready, e] { return ready() && e->CanZoomOut(); }});
    for (int command : {cmd::kPortrait, cmd::kLandscape}) {
        const int orientation = command == cmd::kLandscape ? 1 : 0;
        table.Add({command, [e, command] { e->OrientationCommand(command); }, ready,
                   [s, orientation] { return s->document().orientation == orientation; }});
    }
}

}  // namespace quenby
