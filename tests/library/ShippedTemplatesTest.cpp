// The browser over the templates the program ships: every kind lists its templates in
// the default language, each with a picture, and each opens without a word of complaint.
#include "library/TemplateBrowserDialog.h"

#include "TemplateTestSupport.h"
#include "library/TemplateBrowsing.h"
#include "library/TemplatePreview.h"

#include <QFileInfo>
#include <QListWidget>

#include <gtest/gtest.h>

namespace quenby {
namespace {

QString ProgramFolder() {
    return QFileInfo(QStringLiteral(QUENBY_TOOL)).dir().filePath(QStringLiteral("../share/quenby/"));
}

// Whether the row's picture has anything drawn in it.
bool HasPicture(const QListWidgetItem& item) {
    const QImage picture = item.icon().pixmap(64, 64).toImage();
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (qAlpha(picture.pixel(x, y)) != 0) {
                return true;
            }
        }
    }
    return false;
}

TEST(ShippedTemplates, EveryKindListsPicturedTemplatesThatOpenQuietly) {
    test::NoVolumes volumes;
    ArtworkLocations locations(ProgramFolder(), volumes);
    locations.templatesLocal = true;
    test::FakeMessages messages;
    test::FakeFileDialogs dialogs;
    EditingSession session(messages, dialogs);
    const TemplateBrowserContext context{session, locations, 0, test::kTemplatePixelsPerMm};
    TemplateBrowsing browsing(session);
    TemplateBrowserDialog dialog(context, browsing, true);
    const QRect box = dialog.Preview()->rect();

    int templates = 0;
    for (int category = 1; category <= 12; ++category) {
        SCOPED_TRACE(category);
        dialog.ShowCategory(category);
        QListWidget& rows = *dialog.Templates();
        EXPECT_GE(rows.count(), 3);
        for (int row = 0; row < rows.count(); ++row) {
            SCOPED_TRACE(rows.item(row)->text().toStdString());
            EXPECT_TRUE(HasPicture(*rows.item(row)));
            rows.setCurrentRow(row);
            ASSERT_TRUE(browsing.Chosen().has_value());
            EXPECT_FALSE(session.document().elements.IsEmpty());
            // The face, with a page set's shadow or a card's flap, fits the box.
            const PreviewPlacement at = dialog.Preview()->Placement();
            const QRect face = at.face;
            const int dx = face.width() / 10;
            const int dy = face.height() / 10;
            EXPECT_TRUE(box.contains(session.document().isCard == kCard
                                         ? face.adjusted(-dx, -dy, dx, dy)
                                         : face.adjusted(0, 0, 8, 8)))
                << face.x() << "," << face.y() << " " << face.width() << "x" << face.height();
            ++templates;
        }
    }
    EXPECT_GT(templates, 36);
    EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace quenby
