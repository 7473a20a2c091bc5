#include "library/ImageLibraryDialog.h"

#include "graphics/GraphicFile.h"
#include "library/EscapePoll.h"
#include "library/LibraryListing.h"
#include "library/LoadingProgress.h"
#include "library/PicturePreviewDialog.h"
#include "library/ThumbnailTile.h"
#include "library/WaitCursor.h"
#include "platform/ArtworkLocations.h"
#include "platform/Dib.h"
#include "platform/MessageBoxes.h"
#include "platform/ResourceImages.h"
#include "platform/ResourceStrings.h"
#include "platform/StringIds.h"

#include <QApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace quenby {
namespace {

constexpr int kImportPicture = 20;
constexpr int kCancelPicture = 24;

QLabel* Caption(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    buddy->setAccessibleName(text);
    return label;
}

}  // namespace

ImageLibraryDialog::ImageLibraryDialog(const PictureContext& context, QWidget* parent)
    : QDialog(parent),
      context_(context),
      categories_(new QListWidget(this)),
      thumbnails_(new QListWidget(this)),
      import_(new QPushButton(ResourceIcon(kImportPicture), QStringLiteral("Importar"), this)) {
    setObjectName(QStringLiteral("ImageLibraryDialog"));
    setWindowTitle(QStringLiteral("Imágenes a importar"));

    categories_->setObjectName(QStringLiteral("categories"));
    categories_->setSelectionMode(QAbstractItemView::SingleSelection);
    for (int i = 0; i < kCategoryCount; ++i) {
        categories_->addItem(ResourceString(str::kFirstCategory + i));
    }
    // Nothing is chosen, and nothing looks chosen, until the user picks a category: the
    // list would otherwise make its first row current when it gets the focus, which
    // shows it highlighted while its pictures are not loaded.
    categories_->setCurrentIndex(QModelIndex());
    categories_->clearSelection();
    // As wide as the longest name: the room is the thumbnails'.
    categories_->setMaximumWidth(categories_->sizeHintForColumn(0) + 2 * categories_->frameWidth() +
                                 24);
    // The selection, not the current item: focus alone must not load a category.
    connect(categories_, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> chosen = categories_->selectedItems();
        if (!chosen.isEmpty()) {
            LoadCategory(categories_->row(chosen.front()));
        }
    });

    thumbnails_->setObjectName(QStringLiteral("thumbnails"));
    thumbnails_->setViewMode(QListView::IconMode);
    thumbnails_->setIconSize(QSize(thumbnail_tile::kTileSize, thumbnail_tile::kTileSize));
    thumbnails_->setGridSize(QSize(thumbnail_tile::kTileSize + 16, thumbnail_tile::kTileSize + 30));
    thumbnails_->setMovement(QListView::Static);
    thumbnails_->setResizeMode(QListView::Adjust);
    thumbnails_->setWrapping(true);
    thumbnails_->setUniformItemSizes(true);
    thumbnails_->setSelectionMode(QAbstractItemView::SingleSelection);
    thumbnails_->setMinimumSize(4 * (thumbnail_tile::kTileSize + 16) + 24,
                                2 * (thumbnail_tile::kTileSize + 30) + 8);
    QPalette white = thumbnails_->palette();
    white.setColor(QPalette::Base, Qt::white);
    white.setColor(QPalette::Text, Qt::black);
    thumbnails_->setPalette(white);
    connect(thumbnails_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { ShowPreview(thumbnails_->row(item)); });

    import_->setObjectName(QStringLiteral("import"));
    import_->setAccessibleName(QStringLiteral("Importar"));
    import_->setDefault(true);
    connect(import_, &QPushButton::clicked, this, &ImageLibraryDialog::accept);
    auto* cancel = new QPushButton(ResourceIcon(kCancelPicture), QStringLiteral("Cancelar"), this);
    cancel->setObjectName(QStringLiteral("cancel"));
    cancel->setAccessibleName(QStringLiteral("Cancelar"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* hint = new QLabel(
        QStringLiteral("Hacer doble clic en imagen para ver vista preliminar más grande"), this);
    hint->setWordWrap(true);

    auto* left = new QVBoxLayout;
    left->addWidget(Caption(QStringLiteral("Seleccionar categoría"), categories_, this));
    left->addWidget(categories_, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(Caption(QStringLiteral("Seleccionar imágen a importar"), thumbnails_, this));
    right->addWidget(thumbnails_, 1);
    right->addWidget(hint);
    auto* lists = new QHBoxLayout;
    lists->addLayout(left, 0);
    lists->addLayout(right, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(import_);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addLayout(buttons);
    categories_->setFocus();
}

ImageLibraryDialog::~ImageLibraryDialog() = default;

std::optional<QString> ImageLibraryDialog::PicturePath(const QString& name) const {
    return context_.locations.ResolveArtworkPath(folder_ + u'/' + name,
                                                 context_.locations.imagesLocal,
                                                 ArtworkKind::Images);
}

std::optional<QString> ImageLibraryDialog::ChosenPath() const {
    if (choice_.isEmpty()) {
        return std::nullopt;
    }
    return PicturePath(choice_);
}

void ImageLibraryDialog::LoadCategory(int index) {
    if (loading_ || index < 0 || index >= kCategoryCount) {
        return;
    }
    loading_ = true;
    WaitCursor wait;
    folder_ = library_listing::CategoryFolder(index);
    const std::optional<QString> folderPath = context_.locations.ResolveArtworkPath(
        folder_, context_.locations.imagesLocal, ArtworkKind::Images);

    LoadingProgress progress(this);
    progress.adjustSize();
    progress.move(mapToGlobal(rect().center()) - progress.rect().center());
    progress.show();
    progress.repaint();

    thumbnails_->clear();
    names_ = folderPath ? library_listing::ListCategory(*folderPath, context_.language)
                        : QStringList();
    const qint64 count = names_.size();
    EscapePoll escape;
    for (qint64 i = 0; i < count; ++i) {
        progress.ShowStep(i + 1, count);
        const QImage tile = thumbnail_tile::Load(*folderPath + u'/' + names_[i]);
        // Every item goes in at the front, so the list reads 1, 2, ... count.
        auto* item = new QListWidgetItem(QIcon(QPixmap::fromImage(tile)),
                                         QString::number(count - i));
        item->setTextAlignment(Qt::AlignHCenter);
        thumbnails_->insertItem(0, item);
        emit tileLoaded(int(i), int(count));
        if (escape.Poll()) {
            break;
        }
    }
    progress.close();
    if (thumbnails_->count() > 0) {
        thumbnails_->scrollToItem(thumbnails_->item(0));
    }
    loading_ = false;
}

std::optional<QString> ImageLibraryDialog::NameOf(int row) const {
    const QListWidgetItem* item = thumbnails_->item(row);
    if (!item) {
        return std::nullopt;
    }
    bool number = false;
    const qint64 k = item->text().toLongLong(&number);
    const qint64 count = names_.size();
    if (!number || k < 1 || k > count) {
        return std::nullopt;
    }
    return names_[count - k];
}

void ImageLibraryDialog::accept() {
    if (loading_) {
        return;
    }
    QString chosen;
    for (QListWidgetItem* item : thumbnails_->selectedItems()) {
        if (const auto name = NameOf(thumbnails_->row(item))) {
            chosen = *name;
        }
    }
    if (chosen.isEmpty()) {
        QApplication::beep();
        emit importRefused();
        return;
    }
    choice_ = chosen;
    QDialog::accept();
}

void ImageLibraryDialog::ShowPreview(int row) {
    const std::optional<QString> name = NameOf(row);
    const std::optional<QString> path = name ? PicturePath(*name) : std::nullopt;
    if (!path) {
        return;
    }
    int transparent = 0;
    std::unique_ptr<Dib> picture = LoadGraphicFile(context_.messages, *path, transparent);
    if (!picture) {
        return;  // the loader has said why
    }
    PicturePreviewDialog preview(std::move(picture), this);
    preview.exec();
}

std::optional<QString> LibraryPicturePicker::PickPicture(const PictureContext& context) {
    ImageLibraryDialog dialog(context, parent_);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    // A picture whose artwork went away meanwhile fails to load, with its message.
    return dialog.ChosenPath().value_or(QString());
}

}  // namespace quenby
