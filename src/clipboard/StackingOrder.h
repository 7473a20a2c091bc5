#pragma once

namespace quenby {

class ClipboardAndUndo;
class ElementList;
struct Document;

// The reordering walks of the stacking commands, on the selected elements of any face.
// Each permutes the filled slots only; no element is made, dropped or changed.
// Callers select the followers of selected leaders first, so that groups move whole.
namespace stacking {

void ToTop(ElementList& elements);     // unselected first, then selected; order kept
void ToBottom(ElementList& elements);  // selected first, then unselected; order kept
// One slot up or down; over a grouped neighbour the element jumps a block of four
// slots, the size of a calendar group. Groups of another size, or not in consecutive
// slots (stored files may hold them), get the same four-slot jump: it is a rotation
// of five slots, so it may break a group's adjacency but never its membership.
void StepUp(ElementList& elements);
void StepDown(ElementList& elements);

}  // namespace stacking

// Commands 1807 (to the top), 1808 (to the bottom), 11842 (one step up) and
// 11843 (one step down). Each takes an undo snapshot, moves groups as a whole and
// leaves the selection as it found it.
class StackingOrder {
public:
    StackingOrder(Document& document, ClipboardAndUndo& undo) : document_(document), undo_(undo) {}

    void BringToFront() { Run(stacking::ToTop); }
    void SendToBack() { Run(stacking::ToBottom); }
    void StepForward() { Run(stacking::StepUp); }
    void StepBackward() { Run(stacking::StepDown); }

private:
    void Run(void (*walk)(ElementList&));

    Document& document_;
    ClipboardAndUndo& undo_;
};

}  // namespace quenby
