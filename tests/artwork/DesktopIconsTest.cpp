// The desktop icons drawn from the program's own drawings: every size the icon theme
// looks for, each a square of its size, and a drawing that cannot be read stops the
// build rather than installing empty icons.
#include "DesktopIcons.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quenby::artwork {
namespace {

const QString kProgramIcon = QStringLiteral(QUENBY_SOURCE_DIR "/resources/images/990.svg");
const QString kDocumentIcon =
    QStringLiteral(QUENBY_SOURCE_DIR "/resources/desktop/document-icon.svg");

TEST(DesktopIcons, EveryThemeSizeIsDrawnAsASquareBesideTheScalableDrawing) {
    for (const QString& drawing : {kProgramIcon, kDocumentIcon}) {
        QTemporaryDir dir;
        const QString theme = dir.filePath(QStringLiteral("hicolor"));
        ASSERT_TRUE(WriteThemeIcon(drawing, theme, QStringLiteral("apps"), QStringLiteral("x")))
            << drawing.toStdString();
        QFile original(drawing);
        QFile copy(theme + QStringLiteral("/scalable/apps/x.svg"));
        ASSERT_TRUE(original.open(QIODevice::ReadOnly));
        ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
        EXPECT_EQ(copy.readAll(), original.readAll());
        for (int size : ThemeIconSizes()) {
            const QImage image(theme + QStringLiteral("/%1x%1/apps/x.png").arg(size));
            ASSERT_FALSE(image.isNull()) << size;
            EXPECT_EQ(image.size(), QSize(size, size));
            // Not a blank square: the drawing's ink is there at every size.
            int inked = 0;
            for (int y = 0; y < size; ++y) {
                for (int x = 0; x < size; ++x) {
                    inked += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
                }
            }
            EXPECT_GT(inked, size * size / 8) << drawing.toStdString() << " at " << size;
        }
    }
    EXPECT_EQ(ThemeIconSizes().front(), 16);
    EXPECT_EQ(ThemeIconSizes().back(), 512);
}

TEST(DesktopIcons, ADrawingThatCannotBeReadFails) {
    QTemporaryDir dir;
    const QString broken = dir.filePath(QStringLiteral("broken.svg"));
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<svg xmlns=\"http://www.w3.org/2000/svg\"");  // cut short
    file.close();
    const QString theme = dir.filePath(QStringLiteral("hicolor"));
    EXPECT_FALSE(WriteThemeIcon(broken, theme, QStringLiteral("apps"), QStringLiteral("x")));
    EXPECT_FALSE(QFile::exists(theme + QStringLiteral("/16x16/apps/x.png")));
    EXPECT_FALSE(QFile::exists(theme + QStringLiteral("/scalable/apps/x.svg")));
    EXPECT_FALSE(WriteThemeIcon(dir.filePath(QStringLiteral("missing.svg")), theme,
                                QStringLiteral("apps"), QStringLiteral("y")));
}

}  // namespace
}  // namespace quenby::artwork
