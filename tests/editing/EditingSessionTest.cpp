// The editing session through the same call a menu item, a toolbar button or a key
// makes: the command's action is triggered, and its enabler decides.
#include "editing/EditingSession.h"

#include "clipboard/ClipboardTestSupport.h"
#include "platform/CommandIds.h"
#include "support/Fakes.h"

#include <QAction>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace quenby::test {
namespace {

class EditingSessionTest : public ::testing::Test {
protected:
    void SetUp() override { doc().ChooseCardType(3); }

    Element& Add(int tag, bool selected, int face = 0) {
        ElementPtr e = TaggedBox(tag, selected, face);
        Element& ref = *e;
        doc().elements.Append(std::move(e));
        return ref;
    }

    // As a menu item does it.
    void Trigger(int id) { session.commands().Action(id)->trigger(); }
    bool On(int id) { return session.commands().Action(id)->isEnabled(); }

    std::vector<int> TagsOnFace(int face) {
        std::vector<int> tags;
        for (const Element& e : doc().elements) {
            if (e.page == face)
                tags.push_back(Tag(e));
        }
        return tags;
    }
    std::vector<int> SelectedTags() {
        std::vector<int> tags;
        for (const Element& e : doc().elements) {
            if (e.selected)
                tags.push_back(Tag(e));
        }
        return tags;
    }

    Document& doc() { return session.document(); }

    FakeMessages messages;
    FakeFileDialogs dialogs;
    EditingSession session{messages, dialogs};
    QSignalSpy changes{&session, &EditingSession::Changed};
};

TEST_F(EditingSessionTest, CopyPasteUndoEnableAndWorkFromTheCommands) {
    Add(1, true);
    Add(2, false);
    session.commands().Refresh();
    EXPECT_FALSE(On(cmd::kPaste));
    EXPECT_FALSE(On(cmd::kUndo));

    Trigger(cmd::kCopy);
    EXPECT_TRUE(On(cmd::kPaste));  // the clipboard holds the copy now
    EXPECT_FALSE(On(cmd::kUndo));

    changes.clear();
    Trigger(cmd::kPaste);
    EXPECT_EQ(changes.count(), 1);
    ASSERT_EQ(doc().elements.Count(), 3);
    const float step = ClipboardAndUndo::PasteStep(100);  // no window: 100 %
    EXPECT_FLOAT_EQ(doc().elements.At(2)->corners[0].x, 1 + step);
    EXPECT_EQ(SelectedTags(), (std::vector<int>{int(1 + step)}));
    EXPECT_TRUE(doc().modified);
    EXPECT_TRUE(On(cmd::kUndo));

    changes.clear();
    Trigger(cmd::kUndo);
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(Tags(doc().elements), (std::vector<int>{1, 2}));
    EXPECT_TRUE(SelectedTags().empty());
    EXPECT_FALSE(On(cmd::kUndo));  // no redo
    EXPECT_TRUE(On(cmd::kPaste));
}

TEST_F(EditingSessionTest, DeleteTakesFollowersAlongAndUndoBringsEverythingBack) {
    Add(1, false);
    Add(2, true).groupId = 5;
    Add(3, false).groupMember = 5;
    Add(4, false, 2);
    session.commands().Refresh();
    ASSERT_TRUE(On(cmd::kDelete));
    doc().modified = false;

    Trigger(cmd::kDelete);
    EXPECT_EQ(Tags(doc().elements), (std::vector<int>{1, 4}));
    EXPECT_TRUE(doc().modified);
    EXPECT_FALSE(On(cmd::kDelete));  // nothing selected any more
    ASSERT_TRUE(On(cmd::kUndo));

    Trigger(cmd::kUndo);
    EXPECT_EQ(Tags(doc().elements), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(doc().elements.At(2)->groupMember, 5);
}

TEST_F(EditingSessionTest, SelectAllThenDeleteEmptiesOnlyTheCurrentFace) {
    for (int face = 0; face < 4; ++face) {
        Add(10 * face + 1, false, face);
        Add(10 * face + 2, false, face);
    }
    Add(3, false, 0).groupId = 7;
    Add(4, false, 0).groupMember = 7;  // follows 3
    Add(5, false, 1).groupMember = 7;  // a follower on another face, as a file may hold
    Trigger(cmd::kFace1);
    Trigger(cmd::kFace0);

    Trigger(cmd::kSelectAll);
    EXPECT_EQ(SelectedTags(), (std::vector<int>{1, 2, 3}));
    Trigger(cmd::kSelectAll);  // a second time changes nothing
    EXPECT_EQ(SelectedTags(), (std::vector<int>{1, 2, 3}));

    Trigger(cmd::kDelete);
    EXPECT_TRUE(TagsOnFace(0).empty());
    EXPECT_EQ(TagsOnFace(1), (std::vector<int>{11, 12}));  // the group's far follower goes
    EXPECT_EQ(TagsOnFace(2), (std::vector<int>{21, 22}));
    EXPECT_EQ(TagsOnFace(3), (std::vector<int>{31, 32}));

    Trigger(cmd::kUndo);
    EXPECT_EQ(TagsOnFace(0), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(TagsOnFace(1), (std::vector<int>{11, 12, 5}));
}

TEST_F(EditingSessionTest, DuplicateReportsOneChangeThoughItCopiesAndPastes) {
    Add(1, true);
    changes.clear();
    Trigger(cmd::kDuplicate);
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(doc().elements.Count(), 2);
    Trigger(cmd::kUndo);
    EXPECT_EQ(doc().elements.Count(), 1);
}

TEST_F(EditingSessionTest, EditScopesTakeTheSnapshotMarkTheDocumentAndReportOnce) {
    Add(1, false);
    doc().modified = false;
    {
        const auto edit = session.Edit(EditScope::Display);
        doc().elements.At(0)->selected = 1;
        {
            // A change the file controller reports inside an edit waits for its end.
            const auto inner = session.Edit(EditScope::Display);
            session.files().NewDocument();
        }
        EXPECT_EQ(changes.count(), 0);
    }
    EXPECT_EQ(changes.count(), 1);
    EXPECT_FALSE(doc().modified);
    EXPECT_FALSE(session.CanUndo());

    Add(2, false);
    {
        const auto edit = session.Edit(EditScope::Undoable);
        MoveElement(*doc().elements.At(0), 100, 0);
    }
    EXPECT_EQ(changes.count(), 2);
    EXPECT_TRUE(doc().modified);
    ASSERT_TRUE(session.CanUndo());
    EXPECT_EQ(Tag(*session.undo().undoSnapshot().At(0)), 2);

    doc().modified = false;
    {
        const auto edit = session.Edit(EditScope::Unrecorded);
        MoveElement(*doc().elements.At(0), 100, 0);
    }
    EXPECT_TRUE(doc().modified);
    EXPECT_EQ(Tag(*session.undo().undoSnapshot().At(0)), 2);  // the snapshot stays
}

TEST_F(EditingSessionTest, WhileTheStartScreenShowsNoEditingCommandRuns) {
    Add(1, true);
    session.SetStartScreenUp(true);
    for (int id : session.commands().Ids()) {
        EXPECT_FALSE(On(id)) << id;
    }
    Trigger(cmd::kDelete);
    Trigger(cmd::kBoxTool);
    EXPECT_EQ(doc().elements.Count(), 1);
    EXPECT_EQ(session.Tool(), kSelectTool);

    session.SetStartScreenUp(false);
    EXPECT_TRUE(On(cmd::kDelete));
}

TEST_F(EditingSessionTest, ToolsAndFacesTickWhatTheyChose) {
    QSignalSpy tools(&session, &EditingSession::ToolChanged);
    Trigger(cmd::kTextTool);
    EXPECT_EQ(session.Tool(), kTextTool);
    EXPECT_TRUE(session.commands().Action(cmd::kTextTool)->isChecked());
    EXPECT_FALSE(session.commands().Action(cmd::kSelectTool)->isChecked());
    ASSERT_EQ(tools.count(), 1);
    EXPECT_EQ(tools.at(0).at(0).toInt(), kTextTool);

    Element& box = Add(1, true);
    Trigger(cmd::kFace2);
    EXPECT_EQ(doc().currentPage, 2);
    EXPECT_EQ(box.selected, 0);
    EXPECT_TRUE(session.commands().Action(cmd::kFace2)->isChecked());
    doc().isCard = kPageSet;
    session.commands().Refresh();
    EXPECT_FALSE(On(cmd::kFace0));
}

TEST(CommandTableTest, ALaterRowTakesTheCommandOverAndARefusedTickStaysTrue) {
    CommandTable table;
    bool on = true;
    bool ticked = false;
    int first = 0, second = 0;
    QAction* action = table.Add({cmd::kShowMargins, [&] { ++first; }, [&] { return on; },
                                 [&] { return ticked; }});
    EXPECT_EQ(table.Add({cmd::kShowMargins, [&] { ++second; }, [&] { return on; },
                         [&] { return ticked; }}),
              action);
    action->trigger();
    EXPECT_EQ(first, 0);
    EXPECT_EQ(second, 1);

    on = false;
    table.Refresh();
    action->setEnabled(true);  // a stale button
    action->trigger();         // Qt ticks a checkable action before the trigger arrives
    EXPECT_EQ(second, 1);
    EXPECT_FALSE(action->isChecked());
    EXPECT_FALSE(action->isEnabled());
    EXPECT_EQ(table.Action(cmd::kAbout), nullptr);
    EXPECT_FALSE(table.Execute(cmd::kAbout));
}

}  // namespace
}  // namespace quenby::test
