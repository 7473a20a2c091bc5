#include "editing/ContextMenu.h"

#include "document/Element.h"
#include "platform/CommandIds.h"
#include "platform/StringIds.h"

namespace quenby {

std::vector<ContextMenuEntry> ContextMenuFor(const Element& element) {
    std::vector<ContextMenuEntry> menu;
    switch (element.kind) {
        case ElementKind::Text:
        case ElementKind::CircularText:
            menu.push_back({str::kFontItem, cmd::kTextFont});
            menu.push_back({str::kEditTextItem, cmd::kEditText});
            menu.push_back({str::kShadowItem, cmd::kTextShadow});
            if (element.kind == ElementKind::CircularText) {
                menu.push_back({str::kTurnTextItem, cmd::kTurnText});
            }
            // A text's colour and outline go under the shapes' item texts.
            menu.push_back({str::kFillItem, cmd::kTextColour});
            menu.push_back({str::kOutlineItem, cmd::kTextOutline});
            break;
        case ElementKind::Box:
        case ElementKind::Ellipse:
            menu.push_back({str::kFillItem, cmd::kFill});
            menu.push_back({str::kOutlineItem, cmd::kOutline});
            break;
        case ElementKind::Line:
            menu.push_back({str::kOutlineItem, cmd::kOutline});
            break;
        case ElementKind::Picture:
            // A picture leaves out its background colour, or shows it again.
            menu.push_back({element.transparent ? str::kHideBackground + 1 : str::kHideBackground,
                            cmd::kContextB});
            break;
        default:
            break;
    }
    if (element.kind != ElementKind::Picture) {
        menu.push_back({});
    }
    if (element.IsLeader()) {
        menu.push_back({str::kUngroupItem, cmd::kUngroup});
    }
    menu.push_back({str::kDuplicateItem, cmd::kDuplicate});
    menu.push_back({str::kDeleteItem, cmd::kDeleteElement});
    menu.push_back({str::kLeaveMenuItem, cmd::kLeaveMenu});
    return menu;
}

}  // namespace quenby
