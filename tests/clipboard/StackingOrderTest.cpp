#include "clipboard/StackingOrder.h"

#include "ClipboardTestSupport.h"
#include "clipboard/ClipboardAndUndo.h"
#include "support/Fakes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>

namespace quenby::test {
namespace {

// Fills `list` with tags 1..count; `selected` and `followers` are 1-based tags.
void Fill(ElementList& list, int count, std::set<int> selected, std::set<int> followers = {}) {
    for (int tag = 1; tag <= count; ++tag) {
        ElementPtr e = TaggedBox(tag, selected.count(tag) != 0);
        if (followers.count(tag))
            e->groupMember = 1;
        list.Append(std::move(e));
    }
}

using Tags8 = std::vector<int>;

TEST(StackingWalkTest, ToTopAndToBottomKeepBothPartsInOrder) {
    ElementList list;
    Fill(list, 8, {2, 5});
    stacking::ToTop(list);
    EXPECT_EQ(Tags(list), (Tags8{1, 3, 4, 6, 7, 8, 2, 5}));
    stacking::ToTop(list);  // already last
    EXPECT_EQ(Tags(list), (Tags8{1, 3, 4, 6, 7, 8, 2, 5}));
    stacking::ToBottom(list);
    EXPECT_EQ(Tags(list), (Tags8{2, 5, 1, 3, 4, 6, 7, 8}));
    stacking::ToBottom(list);  // already first
    EXPECT_EQ(Tags(list), (Tags8{2, 5, 1, 3, 4, 6, 7, 8}));
}

TEST(StackingWalkTest, PlainStepsSwapWithTheNeighbour) {
    ElementList list;
    Fill(list, 5, {1, 4});
    stacking::StepUp(list);
    EXPECT_EQ(Tags(list), (Tags8{2, 1, 3, 5, 4}));
    stacking::StepDown(list);
    EXPECT_EQ(Tags(list), (Tags8{1, 2, 3, 4, 5}));
    stacking::StepDown(list);  // the first element stays at the bottom
    EXPECT_EQ(Tags(list), (Tags8{1, 2, 4, 3, 5}));
}

TEST(StackingWalkTest, StepsOverAGroupedNeighbourJumpFourSlotsOrStay) {
    ElementList up;
    Fill(up, 6, {5}, {6});
    stacking::StepUp(up);  // no room for the jump above
    EXPECT_EQ(Tags(up), (Tags8{1, 2, 3, 4, 5, 6}));

    ElementList upJump;
    Fill(upJump, 7, {2}, {3, 4, 5, 6});
    stacking::StepUp(upJump);
    EXPECT_EQ(Tags(upJump), (Tags8{1, 3, 4, 5, 6, 2, 7}));

    ElementList down;
    Fill(down, 8, {3}, {2});
    stacking::StepDown(down);  // slot 2 over a follower in slot 1: stays
    EXPECT_EQ(Tags(down), (Tags8{1, 2, 3, 4, 5, 6, 7, 8}));

    ElementList downJump;
    Fill(downJump, 8, {7}, {6});
    stacking::StepDown(downJump);  // slot 6 goes to slot 2, slots 2..5 move up
    EXPECT_EQ(Tags(downJump), (Tags8{1, 2, 7, 3, 4, 5, 6, 8}));
}

// Groups of other sizes, or scattered over the list, come from stored files. Every
// walk must remain a permutation that leaves each element untouched.
TEST(StackingWalkTest, IrregularGroupsNeverLoseDuplicateOrAlterAnElement) {
    const std::vector<std::function<void(ElementList&)>> walks = {
        stacking::ToTop, stacking::ToBottom, stacking::StepUp, stacking::StepDown};
    unsigned seed = 12345;
    auto next = [&seed] { return (seed = seed * 1103515245u + 12345u) >> 16; };
    for (int round = 0; round < 300; ++round) {
        ElementList list;
        const int n = 1 + int(next() % 12);
        for (int tag = 1; tag <= n; ++tag) {
            ElementPtr e = TaggedBox(tag, next() % 3 == 0);
            const unsigned g = next() % 4;  // groups 1 and 2 of any size, anywhere
            if (g == 1)
                e->groupId = 1 + next() % 2;
            else if (g == 2)
                e->groupMember = 1 + next() % 2;
            list.Append(std::move(e));
        }
        std::vector<const Element*> before;
        std::vector<Element> fields;
        for (const Element& e : list) {
            before.push_back(&e);
            fields.push_back({});
            fields.back().selected = e.selected;
            fields.back().groupId = e.groupId;
            fields.back().groupMember = e.groupMember;
            fields.back().corners = e.corners;
        }
        walks[round % 4](list);
        ASSERT_EQ(list.Count(), n);
        std::vector<const Element*> after;
        for (const Element& e : list)
            after.push_back(&e);
        std::vector<const Element*> sortedBefore = before;
        std::sort(sortedBefore.begin(), sortedBefore.end());
        std::sort(after.begin(), after.end());
        ASSERT_EQ(after, sortedBefore) << "round " << round;
        for (std::size_t i = 0; i < before.size(); ++i) {
            EXPECT_EQ(before[i]->selected, fields[i].selected);
            EXPECT_EQ(before[i]->groupId, fields[i].groupId);
            EXPECT_EQ(before[i]->groupMember, fields[i].groupMember);
            EXPECT_EQ(before[i]->corners, fields[i].corners);
        }
    }
}

class StackingCommandTest : public ::testing::Test {
protected:
    Document doc;
    DocumentHost host;
    FakeMessages messages;
    ClipboardAndUndo undo{doc, host, messages};
    StackingOrder stacking{doc, undo};
};

TEST_F(StackingCommandTest, GroupMovesWholeSelectionIsKeptAndUndoRestoresOrder) {
    Fill(doc.elements, 7, {2});
    doc.elements.At(1)->groupId = 4;  // leader, tag 2
    for (int slot = 2; slot <= 4; ++slot)
        doc.elements.At(slot)->groupMember = 4;
    doc.elements.At(4)->selected = 1;  // a follower the user selected with select-all
    doc.elements.At(5)->selected = 1;  // a plain element on another face
    doc.elements.At(5)->page = 2;

    stacking.BringToFront();
    EXPECT_EQ(Tags(doc.elements), (Tags8{1, 7, 2, 3, 4, 5, 6}));
    std::vector<int> selected;
    for (const Element& e : doc.elements)
        if (e.selected)
            selected.push_back(Tag(e));
    EXPECT_EQ(selected, (std::vector<int>{2, 5, 6}));
    EXPECT_TRUE(undo.CanUndo(false));

    undo.RestoreSnapshot();
    EXPECT_EQ(Tags(doc.elements), (Tags8{1, 2, 3, 4, 5, 6, 7}));
}

}  // namespace
}  // namespace quenby::test
