#include "document/ElementList.h"

#include <utility>

namespace quenby {

int ElementList::Count() const {
    int n = 0;
    while (n < kCapacity && slots_[n]) {
        ++n;
    }
    return n;
}

bool ElementList::Append(ElementPtr element) {
    if (!element || !HasRoom()) {
        return false;
    }
    slots_[Count()] = std::move(element);
    return true;
}

void ElementList::Put(int slot, ElementPtr element) {
    if (slot >= 0 && slot < kCapacity) {
        slots_[slot] = std::move(element);
    }
}

ElementPtr ElementList::Take(int slot) {
    const int n = Count();
    if (slot < 0 || slot >= n) {
        return nullptr;
    }
    ElementPtr taken = std::move(slots_[slot]);
    for (int i = slot; i + 1 < n; ++i) {
        slots_[i] = std::move(slots_[i + 1]);
    }
    slots_[n - 1].reset();
    return taken;
}

void ElementList::Swap(int a, int b) {
    const int n = Count();
    if (a >= 0 && b >= 0 && a < n && b < n) {
        std::swap(slots_[a], slots_[b]);
    }
}

void ElementList::Clear() {
    for (ElementPtr& slot : slots_) {
        slot.reset();
    }
}

void ElementList::DeleteSelected() {
    const int n = Count();
    for (int i = 0; i < n; ++i) {
        const Element& leader = *slots_[i];
        if (leader.selected && leader.groupId != 0) {
            for (int j = 0; j < n; ++j) {
                if (slots_[j]->groupMember == leader.groupId) {
                    slots_[j]->selected = 1;
                }
            }
        }
    }
    // Close up as we go; the slot that moved down is examined again.
    int write = 0;
    for (int read = 0; read < n; ++read) {
        if (slots_[read]->selected) {
            slots_[read].reset();
        } else {
            if (write != read)
                slots_[write] = std::move(slots_[read]);
            ++write;
        }
    }
}

void ElementList::SelectAll() {
    for (Element& e : *this)
        e.selected = 1;
}

void ElementList::DeselectAll() {
    for (Element& e : *this)
        e.selected = 0;
}

int ElementList::SelectedCount() const {
    int n = 0;
    for (const Element& e : *this)
        n += e.selected ? 1 : 0;
    return n;
}

void ElementList::DissolveGroup(std::uint16_t id) {
    if (id == 0) {
        return;
    }
    for (Element& e : *this) {
        if (e.groupId == id)
            e.groupId = 0;
        if (e.groupMember == id)
            e.groupMember = 0;
    }
}

}  // namespace quenby
