#pragma once

#include "editing/PictureChooser.h"

#include <QDialog>
#include <QString>
#include <QStringList>

#include <optional>

class QListWidget;
class QPushButton;

namespace quenby {

class LoadingProgress;

// "Imágenes a importar": the seven picture categories, the thumbnails of the one
// chosen, a larger preview on double click, Import and Cancel.
//
// Choosing a category loads its thumbnails with a progress window; Escape stops the
// loading and the tiles so far stay usable. The thumbnails are labelled 1..count,
// and label k stands for the k-th name from the end of the category's sorted names,
// so the labels stay right however far the loading got.
class ImageLibraryDialog final : public QDialog {
    Q_OBJECT

public:
    static constexpr int kCategoryCount = 7;

    explicit ImageLibraryDialog(const PictureContext& context, QWidget* parent = nullptr);
    ~ImageLibraryDialog() override;

    QListWidget* Categories() const { return categories_; }
    QListWidget* Thumbnails() const { return thumbnails_; }
    QPushButton* ImportButton() const { return import_; }

    // The folder of the category loaded last ("1".."7"), its pictures' file names
    // in the order the labels count from, and the name imported (empty before).
    const QString& Folder() const { return folder_; }
    const QStringList& Names() const { return names_; }
    const QString& Choice() const { return choice_; }
    // The imported picture's full path; nothing before Import or when the artwork
    // cannot be found any more.
    std::optional<QString> ChosenPath() const;

    // Loads category `index` (0..6) as choosing it in the list does.
    void LoadCategory(int index);

    // Import: takes the selected thumbnail, or beeps and stays open without one.
    void accept() override;

signals:
    // After each tile has been added, while the progress window is still up.
    void tileLoaded(int index, int count);
    // Import was pressed without a thumbnail selected.
    void importRefused();

private:
    std::optional<QString> PicturePath(const QString& name) const;
    // The name a thumbnail stands for; nothing for an item without a valid label.
    std::optional<QString> NameOf(int row) const;
    void ShowPreview(int row);

    PictureContext context_;
    QListWidget* categories_;
    QListWidget* thumbnails_;
    QPushButton* import_;
    QString folder_;
    QStringList names_;
    QString choice_;
    bool loading_ = false;
};

// The image library as the picture tool uses it: runs the dialog over `parent`.
class LibraryPicturePicker final : public PicturePicker {
public:
    explicit LibraryPicturePicker(QWidget* parent) : parent_(parent) {}
    std::optional<QString> PickPicture(const PictureContext& context) override;

private:
    QWidget* parent_;
};

}  // namespace quenby
