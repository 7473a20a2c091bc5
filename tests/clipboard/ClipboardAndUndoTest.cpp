#include "clipboard/ClipboardAndUndo.h"

#include "ClipboardTestSupport.h"
#include "platform/ResourceStrings.h"
#include "platform/StringIds.h"
#include "support/Fakes.h"

#include <gtest/gtest.h>

namespace quenby::test {
namespace {

class RedrawCounter final : public DocumentHost {
public:
    void DocumentChanged() override { ++redraws; }
    int redraws = 0;
};

class ClipboardAndUndoTest : public ::testing::Test {
protected:
    Element& Add(ElementPtr e) {
        Element& ref = *e;
        doc.elements.Append(std::move(e));
        return ref;
    }

    Document doc;
    RedrawCounter host;
    FakeMessages messages;
    ClipboardAndUndo clip{doc, host, messages};
};

TEST_F(ClipboardAndUndoTest, CopiedGroupPastesTwiceWithFreshIdsOneStepApart) {
    doc.lastGroupId = 7;
    Add(TaggedBox(1)).groupMember = 7;  // a follower before its leader
    Element& leader = Add(TaggedBox(2, true));
    leader.groupId = 7;
    Add(TaggedBox(3));
    Add(TaggedBox(4)).groupMember = 7;
    Add(TaggedBox(5, true)).groupMember = 9;  // follower of an unselected leader: not copied

    clip.CopySelection();
    ASSERT_TRUE(clip.clipboardFull());
    EXPECT_EQ(Tags(clip.clipboard()), (std::vector<int>{2, 1, 4}));

    const float step = ClipboardAndUndo::PasteStep(50);
    EXPECT_FLOAT_EQ(step, 160.0f);
    clip.PasteClipboard(50);
    clip.PasteClipboard(50);

    ASSERT_EQ(doc.elements.Count(), 11);
    const Element& first = *doc.elements.At(5);
    const Element& second = *doc.elements.At(8);
    EXPECT_EQ(first.groupId, 8);
    EXPECT_EQ(second.groupId, 9);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(doc.elements.At(6 + i)->groupMember, 8);
        EXPECT_EQ(doc.elements.At(9 + i)->groupMember, 9);
        EXPECT_EQ(doc.elements.At(6 + i)->groupId, 0);
    }
    EXPECT_FLOAT_EQ(first.corners[2].x, 2 + 10 + step);
    EXPECT_FLOAT_EQ(first.corners[2].y, 10 + step);
    EXPECT_FLOAT_EQ(second.corners[2].x, 2 + 10 + 2 * step);
    EXPECT_FLOAT_EQ(doc.elements.At(10)->corners[0].y, 2 * step);
    // Only the last paste stays selected; the originals were deselected.
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(doc.elements.At(i)->selected != 0, i == 8) << "slot " << i;
}

TEST_F(ClipboardAndUndoTest, PasteGoesOntoCurrentFaceOfAnotherDocument) {
    Add(TaggedBox(1, true, 0));
    clip.CopySelection();
    // New document: the clipboard outlives the element list.
    doc.elements.Clear();
    doc.currentPage = 2;
    clip.PasteClipboard(100);
    ASSERT_EQ(doc.elements.Count(), 1);
    EXPECT_EQ(doc.elements.At(0)->page, 2);
    EXPECT_TRUE(doc.elements.At(0)->selected);
}

TEST_F(ClipboardAndUndoTest, UndoAfterPasteRestoresSelectionFreeStateOnce) {
    Add(TaggedBox(1, true));
    Add(TaggedBox(2));
    clip.CopySelection();
    clip.PasteClipboard(25);
    ASSERT_EQ(doc.elements.Count(), 3);
    EXPECT_TRUE(doc.modified);
    EXPECT_TRUE(clip.CanUndo(false));

    clip.RestoreSnapshot();
    EXPECT_EQ(Tags(doc.elements), (std::vector<int>{1, 2}));
    EXPECT_EQ(doc.elements.SelectedCount(), 0);
    EXPECT_FALSE(clip.undoAvailable());
    EXPECT_TRUE(clip.undoSnapshot().IsEmpty());

    // No redo, and a second undo must not empty the document.
    clip.RestoreSnapshot();
    EXPECT_EQ(doc.elements.Count(), 2);
}

TEST_F(ClipboardAndUndoTest, UndoAfterASaveLeavesTheDocumentToSaveAgain) {
    Add(TaggedBox(1, true));
    clip.DeleteSelection();
    doc.modified = false;  // saved with the box deleted
    clip.RestoreSnapshot();
    EXPECT_EQ(Tags(doc.elements), (std::vector<int>{1}));
    EXPECT_TRUE(doc.modified);
}

TEST_F(ClipboardAndUndoTest, CutThenUndoGoesBackPastTheCutToTheLastSnapshot) {
    Add(TaggedBox(1, true));
    Add(TaggedBox(2));
    Add(TaggedBox(3));
    clip.DeleteSelection();  // snapshot: 1 2 3
    doc.elements.At(0)->selected = 1;
    clip.CutSelection();  // no snapshot
    EXPECT_EQ(Tags(doc.elements), (std::vector<int>{3}));
    EXPECT_EQ(Tags(clip.clipboard()), (std::vector<int>{2}));

    clip.RestoreSnapshot();
    EXPECT_EQ(Tags(doc.elements), (std::vector<int>{1, 2, 3}));
}

TEST_F(ClipboardAndUndoTest, CutAndDeleteTakeGroupFollowersAlong) {
    Element& leader = Add(TaggedBox(1, true));
    leader.groupId = 3;
    Add(TaggedBox(2));
    Add(TaggedBox(3)).groupMember = 3;
    clip.CutSelection();
    EXPECT_EQ(Tags(doc.elements), (std::vector<int>{2}));
    EXPECT_EQ(Tags(clip.clipboard()), (std::vector<int>{1, 3}));
    EXPECT_TRUE(doc.modified);  // a cut is a change even without an undo step
}

TEST_F(ClipboardAndUndoTest, ClearPageAsksAndOnlyYesClearsEveryFaceWithoutUndo) {
    Add(TaggedBox(1, true, 0));
    Add(TaggedBox(2, false, 3));
    clip.DeleteSelection();
    doc.elements.Append(TaggedBox(4, true, 1));
    doc.modified = false;

    messages.answers = {MessageAnswer::No};
    clip.ClearPage();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, ResourceString(str::kClearPageQuestion));
    EXPECT_EQ(messages.shown[0].caption, ResourceString(str::kClearPageCaption));
    EXPECT_EQ(messages.shown[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Question);
    EXPECT_EQ(doc.elements.Count(), 2);
    EXPECT_FALSE(doc.modified);
    EXPECT_TRUE(clip.CanUndo(false));

    messages.answers = {MessageAnswer::Yes};
    clip.ClearPage();
    EXPECT_TRUE(doc.elements.IsEmpty());
    EXPECT_TRUE(doc.modified);
    EXPECT_FALSE(clip.CanUndo(false));
}

TEST_F(ClipboardAndUndoTest, PastePastCapacityStopsAtLimitWarnsAndUndoRemovesIt) {
    for (int i = 0; i < 5; ++i)
        Add(TaggedBox(10000 + i, true));
    clip.CopySelection();
    doc.elements.DeselectAll();
    while (doc.elements.Count() < ElementList::kCapacity - 2)
        Add(TaggedBox(doc.elements.Count()));
    const int before = doc.elements.Count();

    clip.PasteClipboard(100);
    EXPECT_EQ(doc.elements.Count(), ElementList::kCapacity);
    EXPECT_EQ(doc.elements.At(ElementList::kCapacity), nullptr);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, ResourceString(str::kNoRoomText));
    EXPECT_EQ(messages.shown[0].caption, ResourceString(str::kNoRoomCaption));

    clip.RestoreSnapshot();
    EXPECT_EQ(doc.elements.Count(), before);
    EXPECT_EQ(Tag(*doc.elements.At(before - 1)), before - 1);
}

TEST_F(ClipboardAndUndoTest, EnablersFollowSelectionClipboardAndStartScreen) {
    EXPECT_FALSE(clip.CanCopy(false));
    EXPECT_FALSE(clip.CanPaste(false));
    EXPECT_FALSE(clip.CanUndo(false));
    Add(TaggedBox(1, true, 3));  // selection counts on every face
    EXPECT_TRUE(clip.CanCopy(false));
    EXPECT_FALSE(clip.CanCopy(true));
    clip.DuplicateSelection(100);
    EXPECT_EQ(doc.elements.Count(), 2);
    EXPECT_TRUE(clip.CanPaste(false));
    EXPECT_FALSE(clip.CanPaste(true));
    EXPECT_TRUE(clip.CanUndo(false));
    EXPECT_FALSE(clip.CanUndo(true));
    // Copying nothing empties the clipboard but Paste stays enabled.
    doc.elements.DeselectAll();
    clip.CopySelection();
    EXPECT_TRUE(clip.clipboard().IsEmpty());
    EXPECT_TRUE(clip.CanPaste(false));
}

}  // namespace
}  // namespace quenby::test
