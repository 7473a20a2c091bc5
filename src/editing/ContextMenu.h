#pragma once

#include <vector>

namespace quenby {

struct Element;

// One item of the element's context menu: the number of its text and the command it
// runs; a separator has neither.
struct ContextMenuEntry {
    int label = 0;
    int command = 0;

    bool IsSeparator() const { return command == 0; }
    friend bool operator==(const ContextMenuEntry&, const ContextMenuEntry&) = default;
};

// The menu the right button opens on `element`: the text or shape properties of its
// kind, a separator (not for a picture), "Separar" for a group's leader, then
// "Duplicar", "Borrar" and "Salir de este menú".
std::vector<ContextMenuEntry> ContextMenuFor(const Element& element);

}  // namespace quenby
