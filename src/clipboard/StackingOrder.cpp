#include "clipboard/StackingOrder.h"

#include "clipboard/ClipboardAndUndo.h"
#include "document/Document.h"
#include "document/ElementList.h"

#include <vector>

namespace quenby::stacking {
namespace {

bool Selected(const ElementList& list, int slot) {
    return list.At(slot)->selected != 0;
}

bool Grouped(const Element& e) {
    return e.IsLeader() || e.IsFollower();
}

// Moves the element at `from` to `to`, shifting the ones between by one slot.
void Rotate(ElementList& list, int from, int to) {
    const int stepBy = from < to ? 1 : -1;
    for (int i = from; i != to; i += stepBy) {
        list.Swap(i, i + stepBy);
    }
}

// Carries each element for which `carried` holds down past predecessors for which it does not.
template <typename Pred>
void CarryDown(ElementList& list, Pred carried) {
    const int n = list.Count();
    for (int i = 0; i < n; ++i) {
        for (int j = i; j > 0 && carried(list, j) && !carried(list, j - 1); --j) {
            list.Swap(j, j - 1);
        }
    }
}

}  // namespace

void ToTop(ElementList& elements) {
    CarryDown(elements, [](const ElementList& l, int s) { return !Selected(l, s); });
}

void ToBottom(ElementList& elements) {
    CarryDown(elements, [](const ElementList& l, int s) { return Selected(l, s); });
}

void StepUp(ElementList& elements) {
    const int n = elements.Count();
    for (int i = n - 2; i >= 0; --i) {
        if (!Selected(elements, i)) {
            continue;
        }
        const bool nextGrouped = Grouped(*elements.At(i + 1));
        if (nextGrouped && i < n - 4) {
            Rotate(elements, i, i + 4);
        } else if (!nextGrouped) {
            elements.Swap(i, i + 1);
        }
    }
}

void StepDown(ElementList& elements) {
    const int n = elements.Count();
    for (int i = 1; i < n; ++i) {
        if (!Selected(elements, i)) {
            continue;
        }
        const bool previousGrouped = Grouped(*elements.At(i - 1));
        if (previousGrouped && i > 3) {
            Rotate(elements, i, i - 4);
        } else if (!previousGrouped) {
            elements.Swap(i, i - 1);
        }
    }
}

}  // namespace quenby::stacking

namespace quenby {

void StackingOrder::Run(void (*walk)(ElementList&)) {
    EditScope edit(undo_, EditScope::Undoable);
    ElementList& elements = document_.elements;
    // Followers of selected leaders move with them; remember the ones selected only
    // for the walk, so that followers the user selected stay selected.
    std::vector<Element*> lifted;
    for (const Element& leader : elements) {
        if (!leader.selected || !leader.IsLeader()) {
            continue;
        }
        for (Element& f : elements) {
            if (f.groupMember == leader.groupId && !f.selected) {
                f.selected = 1;
                lifted.push_back(&f);
            }
        }
    }
    walk(elements);
    for (Element* f : lifted) {
        f->selected = 0;
    }
}

}  // namespace quenby
