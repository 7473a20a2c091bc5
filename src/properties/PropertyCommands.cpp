#include "properties/PropertyCommands.h"

#include "document/ElementGeometry.h"
#include "document/ElementOperations.h"
#include "editing/EditingSession.h"
#include "platform/CommandIds.h"
#include "properties/FillDialog.h"
#include "properties/FontDialog.h"
#include "properties/OutlineDialog.h"
#include "properties/PageColourDialog.h"
#include "properties/ShadowDialog.h"
#include "properties/TextDialog.h"

#include <functional>
#include <tuple>

namespace quenby {
namespace {

bool IsTextKind(ElementKind k) {
    return k == ElementKind::Text || k == ElementKind::CircularText;
}

// The element the commands act on: the one selected element, on whichever face.
Element* ContextElement(EditingSession& session) {
    if (!session.Ready() || session.SelectedCount() != 1) {
        return nullptr;
    }
    for (Element& e : session.document().elements) {
        if (e.selected) {
            return &e;
        }
    }
    return nullptr;
}

// Runs a dialog on a working copy of the context element. Only OK changes the
// document: the snapshot is taken then, just before the copy is assigned back, so that
// Cancel leaves both the element and the last undo step as they were.
void EditThroughCopy(EditingSession& session, const std::function<bool(Element&)>& dialog) {
    Element* target = ContextElement(session);
    if (!target) {
        return;
    }
    const ElementPtr copy = CopyElement(*target);
    if (!dialog(*copy)) {
        return;
    }
    const auto edit = session.Edit(EditScope::Undoable);
    AssignElement(*target, *copy);
}

// Command 8084: a circular text turned half a turn about the middle of its bounds, its
// letters read the other way round the circle; twice gives the first look back.
void TurnCircularText(EditingSession& session) {
    Element* e = ContextElement(session);
    if (!e || e->kind != ElementKind::CircularText || !e->text) {
        return;
    }
    const auto edit = session.Edit(EditScope::Undoable);
    const DocPoint centre = ElementBounds(*e).centre;
    RotateElement(*e, kHalfTurn, centre.x, centre.y);
    e->text->circleTurned ^= 1;
}

// Command 8090: whether a picture's background colour (palette index 255) is left out.
// It changes what is printed and saved, so it is an undo step like any other.
void ToggleTransparentBackground(EditingSession& session) {
    Element* e = ContextElement(session);
    if (!e || e->kind != ElementKind::Picture) {
        return;
    }
    const auto edit = session.Edit(EditScope::Undoable);
    e->transparent ^= 1;
}

// Command 1297: the colour of every face. Cancel changes nothing, not even the undo step.
void ChoosePageColour(EditingSession& session, QWidget* parent) {
    const std::optional<ColourRef> chosen =
        RunPageColourDialog(session.document().pageColour, parent);
    if (chosen) {
        const auto edit = session.Edit(EditScope::Undoable);
        session.document().pageColour = *chosen;
    }
}

}  // namespace

void RegisterPropertyCommands(EditingSession& session, QWidget* parent) {
    CommandTable& table = session.commands();
    EditingSession* s = &session;
    // One element selected, of one of the kinds the command is for.
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

    // The dialogs, each on a working copy of the context element.
    using Dialog = std::function<bool(Element&, QWidget*)>;
    const auto shape = [](auto run) {
        return [run](Element& e, QWidget* p) { return run(e, PropertyMode::Shape, p); };
    };
    const auto letters = [](auto run) {
        return [run](Element& e, QWidget* p) { return run(e, PropertyMode::Text, p); };
    };
    const std::tuple<int, Dialog, std::function<bool()>> dialogs[] = {
        {cmd::kFill, shape(RunFillDialog), filled},
        {cmd::kOutline, shape(RunOutlineDialog), outlined},
        {cmd::kTextColour, letters(RunFillDialog), text},
        {cmd::kTextOutline, letters(RunOutlineDialog), text},
        {cmd::kTextShadow, RunShadowDialog, text},
        {cmd::kTextFont, RunFontDialog, text},
        {cmd::kEditText, RunTextDialog, text},
    };
    for (const auto& [command, run, enabled] : dialogs) {
        // A named copy: lambdas cannot capture a structured binding on every compiler.
        const Dialog dialog = run;
        table.Add({command,
                   [s, parent, dialog] {
                       EditThroughCopy(*s, [&](Element& e) { return dialog(e, parent); });
                   },
                   enabled});
    }

    table.Add({cmd::kTurnText, [s] { TurnCircularText(*s); }, circular});
    // Offered on a picture's context menu; it looks for its picture itself.
    table.Add({cmd::kContextB, [s] { ToggleTransparentBackground(*s); }});
}

}  // namespace quenby
