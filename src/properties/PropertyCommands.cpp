#include "properties/PropertyCommands.h"

#include "editing/EditingSession.h"
#include "platform/ColourRef.h"
#include "platform/CommandIds.h"

#include <QColorDialog>

namespace quenby {
namespace {

bool IsTextKind(ElementKind k) {
    return k == ElementKind::Text || k == ElementKind::CircularText;
}

// Command 1297: the colour of every face, an undo step.
void ChoosePageColour(EditingSession& session, QWidget* parent) {
    Document& doc = session.document();
    const QColor chosen = QColorDialog::getColor(ToQColor(doc.pageColour), parent);
    if (chosen.isValid()) {
        const auto edit = session.Edit(EditScope::Undoable);
        doc.pageColour = FromQColor(chosen);
    }
}

}  // namespace

void RegisterPropertyCommands(EditingSession& session, QWidget* parent) {
    CommandTable& table = session.commands();
    EditingSession* s = &session;
    // One element selected, of one of the kinds the dialog is for.
    const auto oneOf = [s](auto accepts) {
        return [s, accepts] {
            return s->Ready() && s->SelectedCount() == 1 && accepts(s->SelectedKind());
        };
    };
    const auto filled =
        oneOf([](ElementKind k) { return k == ElementKind::Box || k == ElementKind::Ellipse; });
    const auto outlined = oneOf([](ElementKind k) {
        return k == ElementKind::Box || k == ElementKind::Ellipse || k == ElementKind::Line;
    });
    const auto text = oneOf(IsTextKind);
    const auto circular = oneOf([](ElementKind k) { return k == ElementKind::CircularText; });

    table.Add({cmd::kPageColour, [s, parent] { ChoosePageColour(*s, parent); },
               [s] { return s->Ready(); }});
    // The element's property dialogs are still to come: for now their rows only grey
    // as the selection asks.
    table.Add({cmd::kFill, {}, filled});
    table.Add({cmd::kOutline, {}, outlined});
    for (int command :
         {cmd::kTextColour, cmd::kTextOutline, cmd::kTextShadow, cmd::kTextFont, cmd::kEditText}) {
        table.Add({command, {}, text});
    }
    table.Add({cmd::kTurnText, {}, circular});
    table.Add({cmd::kContextB, {}});
}

}  // namespace quenby
