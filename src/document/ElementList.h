#pragma once

#include "document/Element.h"

#include <array>
#include <cstddef>

namespace quenby {

// The packed list of elements, in stacking order (slot 0 is drawn first). It has
// 1001 slots of which at most 1000 hold elements; the first empty slot ends it.
// The document, the clipboard and the undo snapshot each hold one.
class ElementList {
public:
    static constexpr int kSlots = 1001;
    static constexpr int kCapacity = 1000;

    ElementList() = default;
    ElementList(const ElementList&) = delete;
    ElementList& operator=(const ElementList&) = delete;

    int Count() const;
    bool IsEmpty() const { return !slots_[0]; }
    Element* At(int slot) const { return InRange(slot) ? slots_[slot].get() : nullptr; }
    Element* operator[](int slot) const { return At(slot); }

    // The capacity rule: no element may be added once slot 999 holds one; the
    // calendar tool, which adds four at once, stops already at slot 995.
    bool HasRoom() const { return !slots_[kCapacity - 1]; }
    bool HasRoomForCalendar() const { return !slots_[995]; }

    // Places the element in the first empty slot; false (and the element is
    // dropped) when the list is full. Callers check HasRoom first and say why.
    bool Append(ElementPtr element);
    // Puts an element into an empty slot directly (the loader fills slot by slot).
    void Put(int slot, ElementPtr element);

    // Removes the element at `slot` and closes the gap; returns it.
    ElementPtr Take(int slot);
    // Swaps two occupied slots.
    void Swap(int a, int b);
    // Destroys every element.
    void Clear();

    // Selected leaders first select their followers; then every selected element is
    // destroyed and the list closed up.
    void DeleteSelected();
    void SelectAll();
    void DeselectAll();
    int SelectedCount() const;

    // Every leader and follower of group `id` becomes a plain element.
    void DissolveGroup(std::uint16_t id);

    // Plain iteration over the occupied slots.
    class Iterator {
    public:
        Iterator(const ElementList* list, int slot) : list_(list), slot_(slot) {}
        Element& operator*() const { return *list_->slots_[slot_]; }
        Element* operator->() const { return list_->slots_[slot_].get(); }
        Iterator& operator++() {
            ++slot_;
            return *this;
        }
        bool operator!=(const Iterator& other) const { return slot_ != other.slot_; }

    private:
        const ElementList* list_;
        int slot_;
    };
    Iterator begin() const { return Iterator(this, 0); }
    Iterator end() const { return Iterator(this, Count()); }

private:
    static bool InRange(int slot) { return slot >= 0 && slot < kSlots; }

    std::array<ElementPtr, kSlots> slots_;
};

}  // namespace quenby
