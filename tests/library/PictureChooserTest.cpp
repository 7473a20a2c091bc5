// Loading a picture into an element: the artwork check, sizing from pixels and
// resolution, and what a failure leaves behind.
#include "document/ElementOwner.h"
#include "document/ElementOperations.h"
#include "editing/PictureChooser.h"
#include "platform/ResourceStrings.h"

#include "LibraryTestSupport.h"

#include <gtest/gtest.h>

namespace quenby {
namespace {

// Answers the chooser with a fixed path, or cancels; counts the calls.
class ScriptedPicker final : public PicturePicker {
public:
    std::optional<QString> PickPicture(const PictureContext&) override {
        ++calls;
        return answer;
    }
    std::optional<QString> answer;
    int calls = 0;
};

ElementPtr PictureAt(float x, float y) {
    ElementPtr e = CreateElement(FixedOwner(), 0, ElementKind::Picture, {});
    e->corners.fill(DocPoint{x, y});
    return e;
}

float Width(const Element& e) {
    return e.corners[1].x - e.corners[0].x;
}
float Height(const Element& e) {
    return e.corners[3].y - e.corners[0].y;
}

// At 96 dots per inch 25.4 mm are 96 screen pixels, 384 document units.
TEST(ChoosePicture, SizeFollowsPixelsAndResolution) {
    test::ArtworkFolder art;
    struct Case {
        int width, height;
        std::uint8_t resolution;
        float docWidth, docHeight;
    };
    for (const Case c : {Case{72, 36, 0, 384, 192}, Case{150, 300, 1, 384, 768},
                         Case{300, 150, 7, 768, 384}}) {
        const QString path = art.Put(QStringLiteral("p.wxg"), test::PictureFile(c.width, c.height, c.resolution));
        ElementPtr e = PictureAt(100, 40);
        ASSERT_TRUE(ChoosePicture(*e, path, false, art.context));
        EXPECT_EQ(e->corners[0], (DocPoint{100, 40}));
        EXPECT_EQ(e->corners[1], (DocPoint{100 + c.docWidth, 40}));
        EXPECT_EQ(e->corners[2], (DocPoint{100 + c.docWidth, 40 + c.docHeight}));
        EXPECT_EQ(e->corners[3], (DocPoint{100, 40 + c.docHeight}));
        ASSERT_TRUE(e->picture);
        EXPECT_EQ(e->picture->Width(), c.width);
    }
    EXPECT_TRUE(art.messages.shown.empty());
    // The same picture on a 120-dpi screen is larger by 120/96.
    EXPECT_EQ(PictureExtent(150, 1, 120.0f / 25.4f), 480);
    EXPECT_EQ(PictureExtent(0, 1, 3.0f), 0);
}

TEST(ChoosePicture, TransparentFlagFollowsTheFile) {
    test::ArtworkFolder art;
    ElementPtr e = PictureAt(0, 0);
    ASSERT_TRUE(ChoosePicture(*e, art.Put(QStringLiteral("t.wxg"), test::PictureFile(4, 4, 1, true)),
                              false, art.context));
    EXPECT_EQ(e->transparent, 1);
    ASSERT_TRUE(ChoosePicture(*e, art.Put(QStringLiteral("o.wxg"), test::PictureFile(4, 4, 1, false)),
                              false, art.context));
    EXPECT_EQ(e->transparent, 0);
}

TEST(ChoosePicture, AFileThatCannotBeLoadedSaysSoAndLeavesTheElement) {
    test::ArtworkFolder art;
    const QString bad = art.Put(QStringLiteral("bad.wxg"), test::DamagedFile());
    ElementPtr e = PictureAt(5, 6);
    EXPECT_FALSE(ChoosePicture(*e, bad, false, art.context));
    ASSERT_EQ(art.messages.shown.size(), 2u);
    EXPECT_EQ(art.messages.shown[0].text, ResourceString(8051));
    EXPECT_EQ(art.messages.shown[0].caption, bad);
    EXPECT_EQ(art.messages.shown[1].text, QStringLiteral("No se pudo cargar imagen"));
    EXPECT_FALSE(e->picture);
    EXPECT_EQ(e->corners[2], (DocPoint{5, 6}));
    EXPECT_EQ(e->transparent, 0);
}

TEST(ChoosePicture, WithoutAFileNameTheUserPicks) {
    test::ArtworkFolder art;
    ScriptedPicker picker;
    art.context.picker = &picker;
    ElementPtr e = PictureAt(0, 0);
    e->picture = test::SolidPicture(2, 2);
    EXPECT_FALSE(ChoosePicture(*e, std::nullopt, false, art.context));
    EXPECT_EQ(picker.calls, 1);
    EXPECT_FALSE(e->picture);  // cancelled: no picture
    EXPECT_TRUE(art.messages.shown.empty());

    picker.answer = art.Put(QStringLiteral("Images/1/a.wxg"), test::PictureFile(150, 75));
    EXPECT_TRUE(ChoosePicture(*e, std::nullopt, false, art.context));
    EXPECT_EQ(Width(*e), 384.0f);
    EXPECT_EQ(Height(*e), 192.0f);

    // No dialog to pick with: nothing is chosen.
    art.context.picker = nullptr;
    EXPECT_FALSE(ChoosePicture(*e, std::nullopt, false, art.context));
}

TEST(ChoosePicture, ArtworkOnTheCdIsCheckedFirst) {
    test::ArtworkFolder art;
    ScriptedPicker picker;
    picker.answer = art.Put(QStringLiteral("a.wxg"), test::PictureFile(8, 8));
    art.context.picker = &picker;
    art.locations.imagesLocal = false;
    ElementPtr e = PictureAt(0, 0);
    EXPECT_FALSE(ChoosePicture(*e, std::nullopt, false, art.context));
    EXPECT_EQ(picker.calls, 0);
    ASSERT_EQ(art.messages.shown.size(), 1u);
    EXPECT_EQ(art.messages.shown[0].text, ResourceString(7205));
    EXPECT_EQ(art.messages.shown[0].caption, ResourceString(7206));

    // A calendar goes by its own setting: local calendar artwork needs no CD.
    EXPECT_TRUE(ChoosePicture(*e, *picker.answer, true, art.context));
    art.locations.calendarsLocal = false;
    EXPECT_FALSE(ChoosePicture(*e, *picker.answer, true, art.context));
    EXPECT_EQ(art.messages.shown.size(), 2u);
}

}  // namespace
}  // namespace quenby
