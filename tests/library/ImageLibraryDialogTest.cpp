// "Imágenes a importar" driven as a user would: categories, thumbnails with their
// progress window, Escape, Import, Cancel and the preview.
#include "document/ElementOwner.h"
#include "document/ElementOperations.h"
#include "library/ImageLibraryDialog.h"
#include "library/LoadingProgress.h"
#include "platform/ResourceStrings.h"

#include "LibraryTestSupport.h"

#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>

namespace quenby {
namespace {

// Category 1 with five pictures of different widths (the width tells which file was
// imported), one of another language and one damaged.
struct Library : test::ArtworkFolder {
    QStringList names{QStringLiteral("ardilla.wxg"), QStringLiteral("bruja.wxg"),
                      QStringLiteral("dragon.wxg"), QStringLiteral("hada.wxg"),
                      QStringLiteral("roto.wxg")};

    Library() {
        int width = 10;
        for (const QString& name : names) {
            if (name == QStringLiteral("roto.wxg")) {
                Put(QStringLiteral("Images/1/") + name, test::DamagedFile());
            } else {
                Put(QStringLiteral("Images/1/") + name, test::PictureFile(width, 8));
            }
            width += 10;
        }
        Put(QStringLiteral("Images/1/3castillo.wxg"), test::PictureFile(99, 9));
        QDir().mkpath(Path(QStringLiteral("Images/2")));
    }

    // The width of the picture a name stands for.
    int WidthOf(const QString& name) const { return 10 * (int(names.indexOf(name)) + 1); }
};

QStringList Labels(const QListWidget& list) {
    QStringList labels;
    for (int i = 0; i < list.count(); ++i) {
        labels << list.item(i)->text();
    }
    return labels;
}

void ClickCategory(ImageLibraryDialog& dialog, int row) {
    QListWidget* list = dialog.Categories();
    const QRect r = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
}

TEST(ImageLibraryDialog, OpensWithTheSevenCategoriesAndNothingChosen) {
    Library lib;
    ImageLibraryDialog dialog(lib.context);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Imágenes a importar"));
    QListWidget* categories = dialog.Categories();
    ASSERT_EQ(categories->count(), 7);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(categories->item(i)->text(), ResourceString(8101 + i));
    }
    EXPECT_EQ(categories->item(2)->text(), QStringLiteral("Gente "));
    EXPECT_TRUE(categories->selectedItems().isEmpty());
    // Focus on the list does not load the first category by itself.
    categories->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(dialog.Thumbnails()->count(), 0);
    EXPECT_EQ(dialog.Thumbnails()->viewMode(), QListView::IconMode);
    EXPECT_EQ(dialog.Thumbnails()->iconSize(), QSize(100, 100));

    // Import with nothing chosen: a beep, and the dialog stays.
    QSignalSpy refused(&dialog, &ImageLibraryDialog::importRefused);
    QTest::mouseClick(dialog.ImportButton(), Qt::LeftButton);
    EXPECT_EQ(refused.count(), 1);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    test::ExpectAccessibleNames(dialog);
    EXPECT_EQ(dialog.ImportButton()->accessibleName(), QStringLiteral("Importar"));
}

// What looks chosen is what is loaded: the list that gets the focus as the dialog opens
// highlights no category, and the first key that moves in it chooses and loads one.
TEST(ImageLibraryDialog, TheFocusedCategoryListHighlightsNothingUntilAChoice) {
    Library lib;
    ImageLibraryDialog dialog(lib.context);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    QListWidget* categories = dialog.Categories();
    ASSERT_TRUE(categories->hasFocus());
    EXPECT_EQ(categories->currentRow(), -1);
    EXPECT_TRUE(categories->selectedItems().isEmpty());
    EXPECT_EQ(dialog.Thumbnails()->count(), 0);

    QTest::keyClick(categories, Qt::Key_Down);
    EXPECT_EQ(categories->currentRow(), 0);
    EXPECT_EQ(categories->selectedItems().size(), 1);
    EXPECT_EQ(dialog.Folder(), QStringLiteral("1"));
    EXPECT_EQ(dialog.Thumbnails()->count(), lib.names.size());
}

TEST(ImageLibraryDialog, ACategoryLoadsItsTilesWithProgressLabelledFromOne) {
    Library lib;
    ImageLibraryDialog dialog(lib.context);
    dialog.show();
    QStringList texts;
    QList<int> percents;
    bool progressShown = true;
    QObject::connect(&dialog, &ImageLibraryDialog::tileLoaded, [&](int, int) {
        auto* progress = dialog.findChild<LoadingProgress*>();
        ASSERT_NE(progress, nullptr);
        progressShown = progressShown && progress->isVisible();
        texts << progress->Text();
        percents << progress->Percent();
    });
    ClickCategory(dialog, 0);

    EXPECT_EQ(dialog.Folder(), QStringLiteral("1"));
    EXPECT_EQ(dialog.Names(), lib.names);  // the language-3 picture is left out
    EXPECT_EQ(texts, (QStringList{QStringLiteral("Cargando 1 de 5"), QStringLiteral("Cargando 2 de 5"),
                                  QStringLiteral("Cargando 3 de 5"), QStringLiteral("Cargando 4 de 5"),
                                  QStringLiteral("Cargando 5 de 5")}));
    EXPECT_EQ(percents, (QList<int>{20, 40, 60, 80, 100}));
    EXPECT_TRUE(progressShown);
    EXPECT_EQ(dialog.findChild<LoadingProgress*>(), nullptr);  // gone afterwards
    EXPECT_EQ(Labels(*dialog.Thumbnails()),
              (QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                           QStringLiteral("4"), QStringLiteral("5")}));
    // The damaged file has its blank tile and no message box of its own.
    EXPECT_TRUE(lib.messages.shown.empty());

    // Label k stands for the k-th name from the end.
    dialog.Thumbnails()->setCurrentRow(0);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Choice(), QStringLiteral("roto.wxg"));
    EXPECT_EQ(dialog.ChosenPath(), lib.Path(QStringLiteral("Images/1/roto.wxg")));
}

TEST(ImageLibraryDialog, LanguageOfTheInstallationPicksItsOwnPictures) {
    Library lib;
    lib.context.language = 3;
    ImageLibraryDialog dialog(lib.context);
    dialog.LoadCategory(0);
    EXPECT_EQ(dialog.Names().front(), QStringLiteral("3castillo.wxg"));
    EXPECT_EQ(dialog.Thumbnails()->count(), 6);
}

TEST(ImageLibraryDialog, EscapeStopsLoadingAndTheTilesSoFarImportTheRightFiles) {
    Library lib;
    ImageLibraryDialog dialog(lib.context);
    dialog.show();
    QObject::connect(&dialog, &ImageLibraryDialog::tileLoaded, [&](int index, int) {
        if (index == 2) {
            // The key arrives while the loading runs, as a person's would.
            QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &dialog;
            QCoreApplication::postEvent(target,
                                        new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, {}));
        }
    });
    dialog.LoadCategory(0);
    ASSERT_EQ(dialog.Thumbnails()->count(), 3);
    EXPECT_TRUE(dialog.isVisible());  // Escape stopped the loading, not the dialog
    EXPECT_EQ(dialog.Names().size(), 5);
    EXPECT_EQ(Labels(*dialog.Thumbnails()),
              (QStringList{QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5")}));
    for (int row = 0; row < 3; ++row) {
        ImageLibraryDialog* d = &dialog;
        d->Thumbnails()->setCurrentRow(row);
        d->accept();
        // Row 0 holds the third tile loaded: entry 2, and so on.
        EXPECT_EQ(d->Choice(), lib.names[2 - row]) << row;
        d->setResult(QDialog::Rejected);
    }
}

TEST(ImageLibraryDialog, AnEmptyOrMissingCategoryListsNothingAndImportBeeps) {
    Library lib;
    ImageLibraryDialog dialog(lib.context);
    dialog.show();
    QSignalSpy refused(&dialog, &ImageLibraryDialog::importRefused);
    for (int category : {1, 6}) {  // folder 2 is empty, folder 7 does not exist
        ClickCategory(dialog, category);
        EXPECT_EQ(dialog.Thumbnails()->count(), 0);
        EXPECT_TRUE(dialog.Names().isEmpty());
        QTest::keyClick(&dialog, Qt::Key_Return);
    }
    EXPECT_EQ(refused.count(), 2);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(lib.messages.shown.empty());
}

TEST(ImageLibraryDialog, DoubleClickShowsTheLargerPreview) {
    Library lib;
    ImageLibraryDialog dialog(lib.context);
    dialog.show();
    dialog.LoadCategory(0);
    QString title;
    QImage shot;
    QTimer::singleShot(0, [&] {
        QWidget* preview = QApplication::activeModalWidget();
        ASSERT_NE(preview, nullptr);
        title = preview->windowTitle();
        test::ExpectAccessibleNames(*preview);
        shot = preview->findChild<QWidget*>(QStringLiteral("previewArea"))->grab().toImage();
        preview->close();
    });
    QListWidget* thumbs = dialog.Thumbnails();
    const QRect r = thumbs->visualItemRect(thumbs->item(4));  // label 5: the first name
    QTest::mouseClick(thumbs->viewport(), Qt::LeftButton, {}, r.center());
    QTest::mouseDClick(thumbs->viewport(), Qt::LeftButton, {}, r.center());
    EXPECT_EQ(title, QStringLiteral("Vista preliminar de imagen"));
    ASSERT_FALSE(shot.isNull());
    // A 10 × 8 red picture on white, as wide as the area less a twentieth each side.
    const int w = shot.width();
    EXPECT_EQ(shot.pixelColor(w / 2, shot.height() / 2), QColor(Qt::red));
    EXPECT_EQ(shot.pixelColor(w / 40, shot.height() / 2), QColor(Qt::white));
    EXPECT_EQ(shot.pixelColor(w / 2, w / 20 + 2), QColor(Qt::white));
    EXPECT_EQ(shot.pixelColor(w / 20 + 1, shot.height() / 2), QColor(Qt::red));
}

TEST(ImageLibraryDialog, PreviewOfADamagedPictureOnlySaysSo) {
    Library lib;
    ImageLibraryDialog dialog(lib.context);
    dialog.show();
    dialog.LoadCategory(0);
    QListWidget* thumbs = dialog.Thumbnails();
    const QRect r = thumbs->visualItemRect(thumbs->item(0));  // label 1: roto.wxg
    QTest::mouseClick(thumbs->viewport(), Qt::LeftButton, {}, r.center());
    QTest::mouseDClick(thumbs->viewport(), Qt::LeftButton, {}, r.center());
    ASSERT_EQ(lib.messages.shown.size(), 1u);
    EXPECT_EQ(lib.messages.shown[0].text, ResourceString(8051));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// The whole road of the picture tool: the chooser opens, the user picks a category
// and a picture, and the element is filled and sized.
TEST(ImageLibraryDialog, ChoosePictureThroughTheLibrary) {
    Library lib;
    LibraryPicturePicker picker(nullptr);
    lib.context.picker = &picker;
    ElementPtr e = CreateElement(FixedOwner(), 0, ElementKind::Picture, {});
    QTimer::singleShot(0, [&] {
        auto* d = qobject_cast<ImageLibraryDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        ClickCategory(*d, 0);
        d->Thumbnails()->setCurrentRow(3);  // label 4: bruja.wxg
        QTest::mouseClick(d->ImportButton(), Qt::LeftButton);
    });
    ASSERT_TRUE(ChoosePicture(*e, std::nullopt, false, lib.context));
    ASSERT_TRUE(e->picture);
    EXPECT_EQ(e->picture->Width(), lib.WidthOf(QStringLiteral("bruja.wxg")));
    EXPECT_EQ(e->corners[1].x, std::trunc(20 * 384.0f / 150.0f));

    // Cancel leaves the element without a picture.
    QTimer::singleShot(0, [] {
        auto* d = qobject_cast<ImageLibraryDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        d->findChild<QPushButton*>(QStringLiteral("cancel"))->click();
    });
    EXPECT_FALSE(ChoosePicture(*e, std::nullopt, false, lib.context));
    EXPECT_FALSE(e->picture);
}

}  // namespace
}  // namespace quenby
