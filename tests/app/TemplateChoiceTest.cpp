// Starting from a template: the start screen's choice and the menu command, with the
// application's own frame, editor window and start screen.
#include "AppTestSupport.h"
#include "app/MainFrame.h"
#include "app/StartScreen.h"
#include "document/Document.h"
#include "document/DocumentFile.h"
#include "document/ElementOperations.h"
#include "editing/EditingSession.h"
#include "platform/CommandIds.h"
#include "platform/CommandTable.h"
#include "platform/ResourceStrings.h"
#include "platform/StringIds.h"
#include "support/ByteBuilder.h"
#include "view/EditorWindow.h"

#include <QComboBox>
#include <QDir>
#include <QMessageBox>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quenby {
namespace {

using test::AnswerNextDialog;

// A page set of two sheets across with `count` boxes.
std::vector<std::uint8_t> PosterTemplate(int count) {
    Document doc;
    doc.isCard = kPageSet;
    doc.tilesAcross = 2;
    doc.paperSize = 1;
    doc.pageColour = kWhite;
    for (int i = 0; i < count; ++i) {
        ElementPtr box = CreateBlankElement();
        box->kind = ElementKind::Box;
        box->corners = {DocPoint{0, 0}, DocPoint{100, 0}, DocPoint{100, 100}, DocPoint{0, 100}};
        box->selected = 0;
        doc.elements.Append(std::move(box));
    }
    std::vector<std::uint8_t> bytes;
    wxd::WriteDocument(doc, bytes);
    return bytes;
}

class NoVolumes final : public VolumeList {
public:
    std::optional<std::vector<MountedVolume>> Volumes() const override {
        return std::vector<MountedVolume>{};
    }
};

class TemplateChoiceTest : public ::testing::Test {
protected:
    TemplateChoiceTest() {
        QDir().mkpath(Paths().programFolder + QStringLiteral("Templates/1"));
        SetTemplatesLocal(true);
        test::WriteFile(Paths().programFolder + QStringLiteral("Templates/1/0Cartel.wxd"),
                        PosterTemplate(3));
    }
    StudioPaths Paths() const { return test::PathsIn(dir); }
    void SetTemplatesLocal(bool local) const {
        const QByteArray installation =
            QByteArrayLiteral("[Options]\nTemplatesLocal=") + (local ? "1\n" : "0\n");
        test::WriteFile(Paths().programFolder + QStringLiteral("installation.ini"),
                        {installation.begin(), installation.end()});
    }

    QTemporaryDir dir;
};

TEST_F(TemplateChoiceTest, CancelShowsTheStartScreenAgainWithTheDocumentAsItWas) {
    auto app = test::StartApp(Paths());
    ASSERT_TRUE(app->startScreenUp());
    bool suspended = false;
    AnswerNextDialog(false, [&] { suspended = app->editor().PaintingSuspended(); });
    app->OnStartScreenButton(StartScreen::kTemplateButton);
    EXPECT_TRUE(suspended);  // the view did not show the templates looked at
    EXPECT_FALSE(app->editor().PaintingSuspended());
    EXPECT_TRUE(app->startScreenUp());
    EXPECT_TRUE(app->startScreen()->isVisible());
    const Document& doc = app->session().document();
    EXPECT_EQ(doc.isCard, kNoLayout);
    EXPECT_TRUE(doc.elements.IsEmpty());
    EXPECT_FALSE(app->frame().zoomList()->isEnabled());
}

TEST_F(TemplateChoiceTest, OkOpensAnUntitledCopyAtWholePage) {
    auto app = test::StartApp(Paths());
    AnswerNextDialog(true);
    app->OnStartScreenButton(StartScreen::kTemplateButton);
    EXPECT_FALSE(app->startScreenUp());
    EXPECT_FALSE(app->startScreen()->isVisible());
    const Document& doc = app->session().document();
    EXPECT_EQ(doc.isCard, kPageSet);
    EXPECT_EQ(doc.elements.Count(), 3);
    EXPECT_TRUE(doc.documentPath.isEmpty());
    EXPECT_FALSE(doc.modified);
    EXPECT_EQ(app->frame().windowTitle(), ResourceString(str::kProductName));
    EXPECT_EQ(app->frame().zoomList()->currentText(), QStringLiteral("Página entera"));
    EXPECT_EQ(app->editor().ZoomListRow(), 2);
    EXPECT_TRUE(app->frame().acrossList()->isEnabled());  // a page set of sheets
    EXPECT_EQ(app->frame().acrossList()->currentIndex(), 1);
    EXPECT_FALSE(app->editor().PaintingSuspended());
}

TEST_F(TemplateChoiceTest, TheMenuCommandAsksAboutUnsavedChangesFirst) {
    auto app = test::StartApp(Paths());
    app->CloseStartScreen();
    Document& doc = app->session().document();
    doc.modified = true;
    AnswerNextDialog(false);  // Cancel at the save-changes question
    ASSERT_TRUE(app->commands().Execute(cmd::kOpenTemplate));
    EXPECT_TRUE(doc.elements.IsEmpty());
    EXPECT_TRUE(doc.modified);

    doc.modified = false;
    AnswerNextDialog(true);
    ASSERT_TRUE(app->commands().Execute(cmd::kOpenTemplate));
    EXPECT_EQ(doc.elements.Count(), 3);
    EXPECT_TRUE(doc.documentPath.isEmpty());
    EXPECT_FALSE(doc.modified);
    EXPECT_EQ(app->editor().ZoomListRow(), 2);
    EXPECT_FALSE(app->startScreenUp());
}

// Templates on an artwork CD that is not there: the CD message, and the document stays
// as it was, from the menu as from the start screen.
TEST_F(TemplateChoiceTest, WithoutTheArtworkCdNothingIsReplaced) {
    SetTemplatesLocal(false);
    NoVolumes volumes;
    auto app = std::make_unique<StudioApp>(Paths(), &volumes);
    app->Start();
    for (int i = 0; i < 50 && !app->startScreenUp(); ++i) {
        test::Wait(20);
    }
    QString said;
    const auto listen = [&said] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            said = box->text();
        }
    };
    AnswerNextDialog(true, listen);
    app->OnStartScreenButton(StartScreen::kTemplateButton);
    EXPECT_EQ(said, ResourceString(7205));
    EXPECT_TRUE(app->startScreenUp());

    app->CloseStartScreen();
    Document& doc = app->session().document();
    doc.elements.Append(CreateBlankElement());
    doc.modified = true;
    said.clear();
    AnswerNextDialog(true, listen);
    ASSERT_TRUE(app->commands().Execute(cmd::kOpenTemplate));
    EXPECT_EQ(said, ResourceString(7205));
    EXPECT_EQ(doc.elements.Count(), 1);
    EXPECT_TRUE(doc.modified);
}

}  // namespace
}  // namespace quenby
