// The tools placed with a click (text, picture, calendar) and what they hand over to,
// the double click on a text, the context menu and the crosshair that places the
// measuring origin.
#include "ToolTestSupport.h"

#include "graphics/GraphicFileWriter.h"
#include "platform/ArtworkLocations.h"
#include "platform/CommandIds.h"
#include "platform/Dib.h"

#include <QTemporaryDir>

#include <algorithm>

#include <gtest/gtest.h>

namespace quenby::test {
namespace {

class NoVolumes final : public VolumeList {
public:
    std::optional<std::vector<MountedVolume>> Volumes() const override {
        return std::vector<MountedVolume>{};
    }
};

// The image library as a test answers it: the file it names, or a cancel.
class NamedPicture final : public PicturePicker {
public:
    std::optional<QString> PickPicture(const PictureContext&) override {
        ++picks;
        if (path.isEmpty()) {
            return std::nullopt;
        }
        return path;
    }
    QString path;
    int picks = 0;
};

class PlacementToolTest : public ToolTest {
protected:
    PlacementToolTest() {
        locations.imagesLocal = true;
        locations.calendarsLocal = true;
        context.pictures = &pictures;
    }

    // A 150-pixel-per-inch picture of `width` × `height` pixels.
    QString PictureFile(int width, int height) {
        std::unique_ptr<Dib> dib = Dib::Create(width, height, 8);
        const QString path = dir.filePath(QStringLiteral("dibujo.wxg"));
        EXPECT_TRUE(wxg::WriteFileAtomically(path, wxg::EncodeGraphicFile(*dib, {true, 1})));
        return path;
    }

    void Fill() {
        while (doc().elements.HasRoom()) {
            AddBox(0, 0, 4, 4);
        }
    }

    QTemporaryDir dir;
    NoVolumes volumes;
    ArtworkLocations locations{dir.path() + u'/', volumes};
    NamedPicture picker;
    PictureContext pictures{locations, messages, 0, float(96.0 / 25.4), &picker};
};

TEST_F(PlacementToolTest, ATextIsPlacedWhereClickedAndSizedByTheDialog) {
    Element& below = AddBox(400, 400, 400, 400, true);
    session.SetTool(kTextTool);
    context.textDialog = [](Element& e) {
        e.text->SetText(QStringLiteral("Hola"));
        e.corners[2] = DocPoint{e.corners[0].x + 300, e.corners[0].y + 100};
        return true;
    };
    Click(At(500, 500));  // on a selected box: a new text, not a selection
    ASSERT_EQ(doc().elements.Count(), 2);
    const Element& text = *doc().elements[1];
    EXPECT_EQ(text.kind, ElementKind::Text);
    EXPECT_EQ(text.corners[0], (DocPoint{500, 500}));
    EXPECT_EQ(text.text->Text(), QStringLiteral("Hola"));
    EXPECT_EQ(context.textDialogs, std::vector<bool>{true});  // as a new text
    EXPECT_EQ(below.selected, 0);
    EXPECT_EQ(session.Tool(), kSelectTool);
    session.commands().Execute(cmd::kUndo);
    EXPECT_EQ(doc().elements.Count(), 1);
}

TEST_F(PlacementToolTest, ACancelledTextLeavesNothingButTheToolIsSelectAgain) {
    session.SetTool(kTextTool);
    Click(At(500, 500));
    EXPECT_EQ(doc().elements.Count(), 0);
    EXPECT_EQ(session.Tool(), kSelectTool);
    EXPECT_TRUE(doc().modified);  // as the program always did after a cancelled text
    EXPECT_FALSE(session.CanUndo());
}

TEST_F(PlacementToolTest, APictureTakesTheSizeOfThePictureChosen) {
    picker.path = PictureFile(150, 75);  // an inch by half an inch
    session.SetTool(kPictureTool);
    Click(At(400, 400));
    ASSERT_EQ(doc().elements.Count(), 1);
    const Element& picture = *doc().elements[0];
    ASSERT_TRUE(picture.picture);
    EXPECT_EQ(picture.corners[0], (DocPoint{400, 400}));
    EXPECT_NEAR(picture.corners[2].x - 400, 4 * 96, 1);  // an inch of screen, 4 units a pixel
    EXPECT_NEAR(picture.corners[2].y - 400, 2 * 96, 1);
    EXPECT_EQ(picture.transparent, 1);
    EXPECT_EQ(session.Tool(), kSelectTool);
    EXPECT_TRUE(session.CanUndo());

    picker.path.clear();  // cancelled in the library
    session.SetTool(kPictureTool);
    Click(At(1000, 400));
    EXPECT_EQ(doc().elements.Count(), 1);
    EXPECT_EQ(picker.picks, 2);
    EXPECT_EQ(session.Tool(), kSelectTool);
}

TEST_F(PlacementToolTest, EveryClickToolRefusesWhenTheListIsFull) {
    Fill();
    for (const int tool : {kTextTool, kPictureTool, kCalendarTool}) {
        messages.shown.clear();
        session.SetTool(tool);
        Click(At(400, 400));
        ASSERT_EQ(messages.shown.size(), 1u) << tool;
        EXPECT_EQ(messages.shown[0].text, QStringLiteral("No hay espacio para añadir un elemento"));
        EXPECT_EQ(session.Tool(), tool);
    }
    EXPECT_TRUE(context.textDialogs.empty());
    EXPECT_EQ(picker.picks, 0);
    EXPECT_EQ(context.calendarDialogs, 0);
    EXPECT_EQ(doc().elements.Count(), ElementList::kCapacity);
}

TEST_F(PlacementToolTest, TheCalendarNeedsRoomForFourAndItsArtwork) {
    while (doc().elements.HasRoomForCalendar()) {
        AddBox(0, 0, 4, 4);
    }
    session.SetTool(kCalendarTool);
    Click(At(400, 400));
    EXPECT_EQ(messages.shown.size(), 1u);  // room for one more, not for four
    EXPECT_EQ(context.calendarDialogs, 0);
    doc().elements.Clear();

    // On a CD that is not there: the artwork message, and the tool stays for another try.
    messages.shown.clear();
    locations.calendarsLocal = false;
    Click(At(400, 400));
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(context.calendarDialogs, 0);
    EXPECT_EQ(session.Tool(), kCalendarTool);
}

TEST_F(PlacementToolTest, ACalendarIsFourGroupedElementsAndOneUndoStep) {
    AddBox(400, 400, 40, 40, true);
    context.calendarChoice = CalendarChoice{2, 2000, QStringLiteral("flores")};
    session.SetTool(kCalendarTool);
    Click(At(400, 400));
    // Its pictures are missing here: each says so, and the calendar comes all the same.
    ASSERT_EQ(doc().elements.Count(), 5);
    EXPECT_EQ(doc().elements[1]->groupId, doc().elements[2]->groupMember);
    EXPECT_EQ(doc().elements[0]->selected, 0);
    EXPECT_EQ(session.Tool(), kSelectTool);
    session.commands().Execute(cmd::kUndo);
    EXPECT_EQ(doc().elements.Count(), 1);

    context.calendarChoice.reset();  // cancelled
    session.SetTool(kCalendarTool);
    Click(At(400, 400));
    EXPECT_EQ(doc().elements.Count(), 1);
    EXPECT_EQ(session.Tool(), kSelectTool);
}

TEST_F(PlacementToolTest, ADoubleClickOnATextEditsItAndOKIsOneUndoStep) {
    Element& text = AddBox(400, 400, 400, 100, false, ElementKind::Text);
    text.text->SetText(QStringLiteral("Hola"));
    AddBox(2000, 400, 100, 100, true);
    context.textDialog = [](Element& e) {
        e.text->SetText(QStringLiteral("Adiós"));
        e.text->alignment = 2;
        e.corners[0].x = 0;  // only the text and its alignment come back
        return true;
    };
    mouse.LeftPress(At(500, 450), false);
    mouse.LeftRelease(At(500, 450));
    mouse.DoubleClick(At(500, 450));
    EXPECT_EQ(context.textDialogs, std::vector<bool>{false});
    EXPECT_EQ(text.text->Text(), QStringLiteral("Adiós"));
    EXPECT_EQ(text.text->alignment, 2);
    EXPECT_EQ(text.corners[0].x, 400.0f);
    EXPECT_EQ(Selected(), (std::vector<const Element*>{&text}));
    session.commands().Execute(cmd::kUndo);
    EXPECT_EQ(doc().elements[0]->text->Text(), QStringLiteral("Hola"));

    // Cancelled: no undo step, nothing marked.
    Element& again = *doc().elements[0];
    doc().modified = false;
    context.textDialog = {};
    mouse.DoubleClick(At(500, 450));
    EXPECT_EQ(again.text->Text(), QStringLiteral("Hola"));
    EXPECT_FALSE(session.CanUndo());
    EXPECT_FALSE(doc().modified);
    // On a box: selected, no dialog.
    mouse.DoubleClick(At(2050, 450));
    EXPECT_EQ(context.textDialogs.size(), 2u);
}

TEST_F(PlacementToolTest, TheContextMenuHasTheItemsOfTheElementsKind) {
    using Menu = std::vector<ContextMenuEntry>;
    const ContextMenuEntry separator{};
    const ContextMenuEntry duplicate{8074, cmd::kDuplicate}, remove{8075, cmd::kDeleteElement},
        leave{8076, cmd::kLeaveMenu}, ungroup{8077, cmd::kUngroup};
    ElementPtr e = CreateBlankElement();
    e->kind = ElementKind::Picture;
    EXPECT_EQ(ContextMenuFor(*e), (Menu{duplicate, remove, leave}));
    e->groupId = 4;
    EXPECT_EQ(ContextMenuFor(*e), (Menu{ungroup, duplicate, remove, leave}));
    e->groupId = 0;
    e->kind = ElementKind::Line;
    EXPECT_EQ(ContextMenuFor(*e),
              (Menu{{8073, cmd::kOutline}, separator, duplicate, remove, leave}));
    e->kind = ElementKind::Ellipse;
    EXPECT_EQ(
        ContextMenuFor(*e),
        (Menu{{8072, cmd::kFill}, {8073, cmd::kOutline}, separator, duplicate, remove, leave}));
    e->kind = ElementKind::CircularText;
    EXPECT_EQ(ContextMenuFor(*e), (Menu{{8070, cmd::kTextFont},
                                        {8071, cmd::kEditText},
                                        {8083, cmd::kTextShadow},
                                        {8084, cmd::kTurnText},
                                        {8072, cmd::kTextColour},
                                        {8073, cmd::kTextOutline},
                                        separator,
                                        duplicate,
                                        remove,
                                        leave}));
    e->kind = ElementKind::Text;
    EXPECT_EQ(ContextMenuFor(*e).size(), 9u);  // no "Girar texto"
}

TEST_F(PlacementToolTest, TheRightButtonSelectsTheElementAloneAndRunsTheCommandChosen) {
    Element& a = AddBox(400, 400, 400, 400, true);
    Element& b = AddBox(1200, 400, 400, 400, true);
    context.menuChoice = cmd::kLeaveMenu;
    mouse.RightPress(At(1300, 500));
    ASSERT_EQ(context.menus.size(), 1u);
    EXPECT_EQ(Selected(), (std::vector<const Element*>{&b}));
    EXPECT_EQ(doc().elements.Count(), 2);

    context.menuChoice = cmd::kDuplicate;
    mouse.RightPress(At(500, 500));
    EXPECT_EQ(doc().elements.Count(), 3);
    EXPECT_EQ(a.selected, 0);  // the copy is the one selected now

    context.menuChoice = cmd::kDeleteElement;
    mouse.RightPress(At(1300, 500));
    EXPECT_EQ(doc().elements.Count(), 2);
    session.commands().Execute(cmd::kUndo);
    EXPECT_EQ(doc().elements.Count(), 3);

    mouse.RightPress(At(3000, 3000));  // on the empty page: no menu
    EXPECT_EQ(context.menus.size(), 3u);
}

TEST_F(PlacementToolTest, APropertyItemRunsWhateverItsRowDoesOnTheElementClicked) {
    AddBox(400, 400, 400, 400, true);
    Element& text = AddBox(1200, 400, 400, 400, false, ElementKind::Text);
    // The property rows come from the dialogs' own folder; this one stands in for them.
    std::vector<ElementKind> filled;
    session.commands().Add({cmd::kTextColour, [this, &filled] {
                                filled.push_back(session.SelectedKind());
                                EXPECT_EQ(session.SelectedCount(), 1);
                            }});
    context.menuChoice = cmd::kTextColour;
    mouse.RightPress(At(1300, 500));
    EXPECT_EQ(filled, (std::vector<ElementKind>{ElementKind::Text}));
    EXPECT_EQ(Selected(), (std::vector<const Element*>{&text}));

    // A row with nothing to do yet neither fails nor changes the document.
    session.commands().Add({cmd::kFill, {}});
    context.menuChoice = cmd::kFill;
    mouse.RightPress(At(500, 500));
    EXPECT_EQ(doc().elements.Count(), 2);
}

TEST_F(PlacementToolTest, SepararTurnsAGroupIntoPlainElements) {
    Element& leader = AddBox(400, 400, 400, 400);
    leader.groupId = 7;
    Element& follower = AddBox(1200, 400, 400, 400);
    follower.groupMember = 7;
    context.menuChoice = cmd::kUngroup;
    mouse.RightPress(At(500, 500));
    ASSERT_EQ(context.menus.size(), 1u);
    const auto& menu = context.menus[0];
    EXPECT_NE(std::find(menu.begin(), menu.end(), ContextMenuEntry{8077, cmd::kUngroup}),
              menu.end());
    EXPECT_EQ(leader.groupId, 0);
    EXPECT_EQ(follower.groupMember, 0);
    EXPECT_TRUE(session.CanUndo());
    Click(At(1300, 500));  // a plain element now: it can be clicked
    EXPECT_EQ(follower.selected, 1);
}

TEST_F(PlacementToolTest, TheCrosshairPlacesTheOriginOnTheGrid) {
    doc().snapToGrid = true;
    doc().gridSpacingX = doc().gridSpacingY = 10;
    mouse.RulerCornerPressed();
    EXPECT_TRUE(mouse.Dragging());
    const QPoint origin = At(0, 0);
    mouse.Move(origin + QPoint(80, 20));
    mouse.LeftRelease(origin + QPoint(80, 20));
    // 10 mm are 37.8 pixels at 96 dots per inch: the lines nearest lie at 75.6 and
    // 37.8, taken up to the pixel they begin in.
    EXPECT_EQ(doc().originX, 76 * 4);
    EXPECT_EQ(doc().originY, 38 * 4);
    EXPECT_EQ(context.rulerRedraws, 1);
    EXPECT_TRUE(doc().modified);
    EXPECT_FALSE(session.CanUndo());

    // Leaving the page ends it without an origin.
    mouse.RulerCornerPressed();
    mouse.Move(QPoint(-5, 40));
    EXPECT_FALSE(mouse.Dragging());
    mouse.LeftRelease(origin + QPoint(20, 20));
    EXPECT_EQ(doc().originX, 76 * 4);
}

}  // namespace
}  // namespace quenby::test
