#include "editing/ContextMenu.h"

#include "document/Element.h"
#include "platform/CommandIds.h"

namespace quenby {
namespace {

// Texts of the menu's items. The text items of fill and outline show the shapes'
// texts under the text commands.
constexpr int kFontText = 8070;
constexpr int kEditTextText = 8071;
constexpr int kFillText = 8072;
constexpr int kOutlineText = 8073;
constexpr int kDuplicateText = 8074;
constexpr int kDeleteText = 8075;
constexpr int kLeaveMenuText = 8076;
constexpr int kUngroupText = 8077;
constexpr int kShadowText = 8083;
constexpr int kTurnTextText = 8084;

}  // namespace

std::vector<ContextMenuEntry> ContextMenuFor(const Element& element) {
    std::vector<ContextMenuEntry> menu;
    switch (element.kind) {
        case ElementKind::Text:
        case ElementKind::CircularText:
            menu.push_back({kFontText, cmd::kTextFont});
            menu.push_back({kEditTextText, cmd::kEditText});
            menu.push_back({kShadowText, cmd::kTextShadow});
            if (element.kind == ElementKind::CircularText) {
                menu.push_back({kTurnTextText, cmd::kTurnText});
            }
            menu.push_back({kFillText, cmd::kTextColour});
            menu.push_back({kOutlineText, cmd::kTextOutline});
            break;
        case ElementKind::Box:
        case ElementKind::Ellipse:
            menu.push_back({kFillText, cmd::kFill});
            menu.push_back({kOutlineText, cmd::kOutline});
            break;
        case ElementKind::Line:
            menu.push_back({kOutlineText, cmd::kOutline});
            break;
        default:
            break;
    }
    if (element.kind != ElementKind::Picture) {
        menu.push_back({});
    }
    if (element.IsLeader()) {
        menu.push_back({kUngroupText, cmd::kUngroup});
    }
    menu.push_back({kDuplicateText, cmd::kDuplicate});
    menu.push_back({kDeleteText, cmd::kDeleteElement});
    menu.push_back({kLeaveMenuText, cmd::kLeaveMenu});
    return menu;
}

}  // namespace quenby
