// The Format menu's and the context menu's commands run through the session's command
// table as a menu item runs them: which are offered for which selection, the dialogs on
// a working copy (Cancel changes nothing, not even the undo step; OK is one undo step),
// turning a circular text, a picture's background and the page colour.
#include "DialogTestSupport.h"
#include "support/Fakes.h"

#include "controls/DocumentTextField.h"
#include "controls/FontList.h"
#include "document/DocumentFile.h"
#include "document/ElementGeometry.h"
#include "editing/EditingSession.h"
#include "graphics/ProductFonts.h"
#include "platform/ArtworkLocations.h"
#include "platform/CommandIds.h"
#include "properties/FillDialog.h"
#include "properties/FontDialog.h"
#include "properties/PropertyCommands.h"
#include "properties/TextDialog.h"

#include <QAction>
#include <QCheckBox>
#include <QColorDialog>
#include <QRadioButton>

#include <map>

namespace quenby {
namespace {

constexpr ColourRef kRed = MakeColourRef(255, 0, 0);

class PropertyCommandsTest : public ::testing::Test {
protected:
    PropertyCommandsTest() { RegisterPropertyCommands(session, nullptr); }

    Element& Add(ElementKind kind, bool selected = true) {
        ElementPtr e = test::MakeElement(kind);
        e->selected = selected ? 1 : 0;
        if (e->text) {
            e->text->SetText(QStringLiteral("Hola"));
        }
        Element& ref = *e;
        session.document().elements.Append(std::move(e));
        return ref;
    }
    Element& At(int slot) { return *session.document().elements.At(slot); }

    bool On(int id) {
        session.commands().Refresh();
        return session.commands().Action(id)->isEnabled();
    }
    // As a menu item does it: the enablers run as the menu opens.
    void Trigger(int id) {
        session.commands().Refresh();
        session.commands().Action(id)->trigger();
    }

    std::vector<std::uint8_t> Saved() const {
        std::vector<std::uint8_t> bytes;
        wxd::WriteDocument(session.document(), bytes);
        return bytes;
    }
    // A change made and undoable before the command under test.
    void EarlierUndoStep() {
        const auto edit = session.Edit(EditScope::Undoable);
        session.document().pageColour = MakeColourRef(1, 2, 3);
    }

    test::FakeMessages messages;
    test::FakeFileDialogs files;
    EditingSession session{messages, files};
};

// The dialog commands and the kinds they are for.
const std::map<int, std::vector<ElementKind>> kOfferedFor = {
    {cmd::kFill, {ElementKind::Box, ElementKind::Ellipse}},
    {cmd::kOutline, {ElementKind::Box, ElementKind::Ellipse, ElementKind::Line}},
    {cmd::kTextColour, {ElementKind::Text, ElementKind::CircularText}},
    {cmd::kTextOutline, {ElementKind::Text, ElementKind::CircularText}},
    {cmd::kTextShadow, {ElementKind::Text, ElementKind::CircularText}},
    {cmd::kTextFont, {ElementKind::Text, ElementKind::CircularText}},
    {cmd::kEditText, {ElementKind::Text, ElementKind::CircularText}},
    {cmd::kTurnText, {ElementKind::CircularText}},
};

TEST_F(PropertyCommandsTest, EachCommandIsOfferedForOneElementOfItsKinds) {
    Element& e = Add(ElementKind::Box);
    for (ElementKind kind :
         {ElementKind::Box, ElementKind::Ellipse, ElementKind::Line, ElementKind::Picture,
          ElementKind::Text, ElementKind::CircularText, ElementKind::Calendar}) {
        e.kind = kind;
        for (const auto& [id, kinds] : kOfferedFor) {
            const bool wanted = std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
            EXPECT_EQ(On(id), wanted) << id << " for kind " << int(kind);
        }
        EXPECT_TRUE(On(cmd::kPageColour));
    }
    // One text: its letters can be filled, the shape's fill is not offered.
    e.kind = ElementKind::Text;
    EXPECT_FALSE(On(cmd::kFill));
    EXPECT_TRUE(On(cmd::kTextFont));
    // Two texts: neither.
    Add(ElementKind::Text);
    EXPECT_FALSE(On(cmd::kFill));
    EXPECT_FALSE(On(cmd::kTextFont));
    EXPECT_TRUE(On(cmd::kDuplicate));
    // Nothing selected: none of them, but the page colour.
    session.document().elements.DeselectAll();
    for (const auto& [id, kinds] : kOfferedFor) {
        EXPECT_FALSE(On(id)) << id;
    }
    EXPECT_TRUE(On(cmd::kPageColour));
    // The start screen greys them all.
    At(0).selected = 1;
    session.SetStartScreenUp(true);
    EXPECT_FALSE(On(cmd::kPageColour));
    EXPECT_FALSE(On(cmd::kTextFont));
}

TEST_F(PropertyCommandsTest, CancelInAnyDialogChangesNothingAndKeepsTheLastUndoStep) {
    Element& box = Add(ElementKind::Box);
    Element& text = Add(ElementKind::CircularText, false);
    text.text->font.SetFace(QStringLiteral("DejaVu Sans"));
    const ColourRef original = session.document().pageColour;
    EarlierUndoStep();
    session.document().modified = false;
    const std::vector<std::uint8_t> before = Saved();
    for (const auto& [id, kinds] : kOfferedFor) {
        if (id == cmd::kTurnText) {
            continue;  // no dialog
        }
        const bool onText = kinds.front() == ElementKind::Text;
        box.selected = onText ? 0 : 1;
        text.selected = onText ? 1 : 0;
        int opened = 0;
        test::WhenDialogOpens([&opened](QDialog& dialog) {
            ++opened;
            // Whatever a person changes first, then Cancel.
            for (QCheckBox* box : dialog.findChildren<QCheckBox*>()) {
                if (box->isEnabled()) {
                    test::ClickMark(box);
                }
            }
            for (QLineEdit* field : dialog.findChildren<QLineEdit*>()) {
                field->setText(QStringLiteral("7"));
            }
            if (auto* textDialog = qobject_cast<TextDialog*>(&dialog)) {
                textDialog->ChooseAlignment(3);
            }
            dialog.reject();
        });
        Trigger(id);
        EXPECT_EQ(opened, 1) << id;
        box.selected = 1;
        text.selected = 0;
        EXPECT_EQ(Saved(), before) << id;
        EXPECT_FALSE(session.document().modified) << id;
    }
    // The undo step is still the one made before.
    ASSERT_TRUE(session.commands().Execute(cmd::kUndo));
    EXPECT_EQ(session.document().pageColour, original);
}

TEST_F(PropertyCommandsTest, OkInTheFillDialogIsOneUndoStep) {
    Add(ElementKind::Ellipse);
    test::WhenDialogOpens([](QDialog& d) {
        auto& dialog = static_cast<FillDialog&>(d);
        test::ClickMark(dialog.FillBox());
        test::ClickMark(dialog.StyleButton(1));
        dialog.AngleField()->setText(QStringLiteral("30"));
        dialog.accept();
    });
    Trigger(cmd::kFill);
    EXPECT_EQ(At(0).fillOn, 1);
    EXPECT_EQ(At(0).fillStyle, 1);
    EXPECT_EQ(At(0).gradientAngle, 30);
    EXPECT_TRUE(session.document().modified);
    ASSERT_TRUE(session.commands().Execute(cmd::kUndo));
    EXPECT_EQ(At(0).fillOn, 0);
    EXPECT_EQ(At(0).gradientAngle, 0);
}

TEST_F(PropertyCommandsTest, TextCommandsChangeTheLettersNotTheShape) {
    Element& text = Add(ElementKind::Text);
    const ColourRef shapeFill = text.fillColour;
    // The letters' colour through the fill dialog in text mode.
    test::WhenDialogOpens([](QDialog& d) {
        auto& dialog = static_cast<FillDialog&>(d);
        if (!dialog.FillBox()->isChecked()) {
            test::ClickMark(dialog.FillBox());
        }
        test::ClickMark(dialog.StyleButton(2));
        dialog.accept();
    });
    Trigger(cmd::kTextColour);
    EXPECT_EQ(At(0).text->fillStyle, 2);
    EXPECT_EQ(At(0).fillColour, shapeFill);
    // The words, in another alignment.
    test::WhenDialogOpens([](QDialog& d) {
        auto& dialog = static_cast<TextDialog&>(d);
        dialog.Field(1)->setPlainText(QStringLiteral("Feliz día"));
        dialog.ChooseAlignment(2);
        dialog.accept();
    });
    Trigger(cmd::kEditText);
    EXPECT_EQ(At(0).text->Text(), QStringLiteral("Feliz día"));
    EXPECT_EQ(At(0).text->alignment, 2);
    EXPECT_EQ(At(0).text->fillStyle, 2);
    ASSERT_TRUE(session.commands().Execute(cmd::kUndo));
    EXPECT_EQ(At(0).text->Text(), QStringLiteral("Hola"));
    EXPECT_EQ(At(0).text->alignment, 1);
}

TEST_F(PropertyCommandsTest, TheFontCommandChangesTheFaceAndKeepsTheHeight) {
    RegisterProductFonts(ArtworkLocations::DefaultProgramFolder());
    Element& text = Add(ElementKind::CircularText);
    text.text->font.SetFace(QStringLiteral("DejaVu Sans"));
    text.text->font.height = -90;
    test::WhenDialogOpens([](QDialog& d) {
        auto& dialog = static_cast<FontDialog&>(d);
        ASSERT_TRUE(dialog.FaceList()->SelectRowText(QStringLiteral("DejaVu Serif")));
        dialog.accept();
    });
    Trigger(cmd::kTextFont);
    EXPECT_EQ(At(0).text->font.Face(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(At(0).text->font.height, -90);
    ASSERT_TRUE(session.commands().Execute(cmd::kUndo));
    EXPECT_EQ(At(0).text->font.Face(), QStringLiteral("DejaVu Sans"));
}

TEST_F(PropertyCommandsTest, TurningACircularTextTwiceGivesItsFirstLookBack) {
    Element& text = Add(ElementKind::CircularText);
    const auto corners = text.corners;
    const ElementBox bounds = ElementBounds(text);
    Trigger(cmd::kTurnText);
    EXPECT_EQ(At(0).text->circleTurned, 1);
    EXPECT_EQ(At(0).halfTurned, 1);
    // Turned in its place: the circle's centre is now above the arc.
    const ElementBox turned = ElementBounds(At(0));
    EXPECT_NEAR(turned.centre.x, bounds.centre.x, 0.01);
    EXPECT_NEAR(turned.centre.y, bounds.centre.y, 0.01);
    EXPECT_LT(At(0).corners[0].y, corners[0].y);
    EXPECT_TRUE(session.CanUndo());
    Trigger(cmd::kTurnText);
    EXPECT_EQ(At(0).text->circleTurned, 0);
    EXPECT_EQ(At(0).halfTurned, 0);
    for (std::size_t i = 0; i < corners.size(); ++i) {
        EXPECT_NEAR(At(0).corners[i].x, corners[i].x, 0.01) << i;
        EXPECT_NEAR(At(0).corners[i].y, corners[i].y, 0.01) << i;
    }
    // One step back is the text turned once.
    ASSERT_TRUE(session.commands().Execute(cmd::kUndo));
    EXPECT_EQ(At(0).text->circleTurned, 1);
}

TEST_F(PropertyCommandsTest, APicturesBackgroundTogglesAndUndoes) {
    Add(ElementKind::Picture);
    Add(ElementKind::Box, false);
    EXPECT_TRUE(On(cmd::kContextB));
    Trigger(cmd::kContextB);
    EXPECT_EQ(At(0).transparent, 1);
    EXPECT_TRUE(session.document().modified);
    Trigger(cmd::kContextB);
    EXPECT_EQ(At(0).transparent, 0);
    ASSERT_TRUE(session.commands().Execute(cmd::kUndo));
    EXPECT_EQ(At(0).transparent, 1);
    // Only a picture, and only the one selected element.
    session.document().elements.DeselectAll();
    At(1).selected = 1;
    Trigger(cmd::kContextB);
    EXPECT_EQ(At(1).transparent, 0);
    At(0).selected = 1;
    Trigger(cmd::kContextB);
    EXPECT_EQ(At(0).transparent, 1);
    At(1).selected = 0;
    session.SetStartScreenUp(true);
    Trigger(cmd::kContextB);
    EXPECT_EQ(At(0).transparent, 1);
}

TEST_F(PropertyCommandsTest, APageColourIsOneUndoStepAndCancelIsNone) {
    const ColourRef first = MakeColourRef(10, 20, 30);
    session.document().pageColour = first;
    session.document().modified = false;
    test::WhenDialogOpens([first](QDialog& d) {
        auto* dialog = qobject_cast<QColorDialog*>(&d);
        ASSERT_NE(dialog, nullptr);
        // The page's colour waits in the first custom slot, the others are white.
        EXPECT_EQ(FromQColor(QColorDialog::customColor(0)), first);
        EXPECT_EQ(QColorDialog::customColor(5), QColor(Qt::white));
        EXPECT_EQ(FromQColor(dialog->currentColor()), first);
        dialog->setCurrentColor(ToQColor(kRed));
        dialog->reject();
    });
    Trigger(cmd::kPageColour);
    EXPECT_EQ(session.document().pageColour, first);
    EXPECT_FALSE(session.document().modified);
    EXPECT_FALSE(session.CanUndo());

    test::WhenDialogOpens([](QDialog& d) {
        static_cast<QColorDialog&>(d).setCurrentColor(ToQColor(kRed));
        d.accept();
    });
    Trigger(cmd::kPageColour);
    EXPECT_EQ(session.document().pageColour, kRed);
    EXPECT_TRUE(session.document().modified);
    ASSERT_TRUE(session.commands().Execute(cmd::kUndo));
    EXPECT_EQ(session.document().pageColour, first);
}

TEST_F(PropertyCommandsTest, TheContextMenusElementCommandsAreUndoSteps) {
    // A calendar as the calendar tool leaves it: a picture leading three followers.
    for (int i = 0; i < 4; ++i) {
        Element& e = Add(i == 0 ? ElementKind::Picture : ElementKind::Calendar, i == 0);
        (i == 0 ? e.groupId : e.groupMember) = 9;
    }
    ASSERT_TRUE(On(cmd::kUngroup));
    Trigger(cmd::kUngroup);
    for (const Element& e : session.document().elements) {
        EXPECT_FALSE(e.IsLeader() || e.IsFollower());
    }
    EXPECT_FALSE(On(cmd::kUngroup));
    ASSERT_TRUE(session.commands().Execute(cmd::kUndo));
    EXPECT_EQ(At(0).groupId, 9);
    EXPECT_EQ(At(3).groupMember, 9);

    // The picture alone: duplicated, then deleted, each undone. (Undo leaves nothing
    // selected.)
    At(0).selected = 1;
    Trigger(cmd::kUngroup);
    session.document().elements.DeselectAll();
    At(0).selected = 1;
    Trigger(cmd::kDuplicate);
    EXPECT_EQ(session.document().elements.Count(), 5);
    ASSERT_TRUE(session.commands().Execute(cmd::kUndo));
    EXPECT_EQ(session.document().elements.Count(), 4);
    At(0).selected = 1;
    ASSERT_TRUE(On(cmd::kDeleteElement));
    Trigger(cmd::kDeleteElement);
    EXPECT_EQ(session.document().elements.Count(), 3);
    ASSERT_TRUE(session.commands().Execute(cmd::kUndo));
    EXPECT_EQ(session.document().elements.Count(), 4);
}

}  // namespace
}  // namespace quenby
