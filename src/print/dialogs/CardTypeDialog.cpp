#include "print/dialogs/CardTypeDialog.h"

#include "document/Document.h"
#include "platform/ResourceImages.h"
#include "platform/ResourceStrings.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace quenby {
namespace {
constexpr int kFoldTextBase = 8056;
constexpr int kFoldPictureBase = 11000;
}  // namespace

// The picture of a fold, stretched into the box; an empty box when there is none.
class CardTypeDialog::FoldPicture final : public QWidget {
public:
    explicit FoldPicture(QWidget* parent) : QWidget(parent) {
        setMinimumSize(160, 160);
        setObjectName(QStringLiteral("foldPicture"));
    }
    void SetPicture(int id) {
        id_ = id;
        image_ = ResourceImage(id);
        update();
    }
    int PictureId() const { return id_; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), palette().base());
        if (!image_.isNull()) {
            painter.drawImage(rect(), image_);
        }
        painter.setPen(palette().dark().color());
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }

private:
    int id_ = 0;
    QImage image_;
};

CardTypeDialog::CardTypeDialog(QWidget* parent)
    : QDialog(parent), list_(new QListWidget(this)), picture_(new FoldPicture(this)) {
    setWindowTitle(QStringLiteral("Seleccionar tipo de tarjeta"));
    list_->setObjectName(QStringLiteral("folds"));
    list_->setAccessibleName(QStringLiteral("Tipo de tarjeta"));
    for (int row = 0; row < kCardTypeCount; ++row) {
        list_->addItem(ResourceString(kFoldTextBase + row));
    }
    list_->setCurrentRow(0);
    picture_->SetPicture(kFoldPictureBase);
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) {
            picture_->SetPicture(kFoldPictureBase + row);
        }
    });
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Aceptar"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancelar"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* row = new QHBoxLayout;
    row->addWidget(list_, 1);
    row->addWidget(picture_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
}

int CardTypeDialog::SelectedFold() const {
    const int row = list_->currentRow();
    return row >= 0 && row < kCardTypeCount ? row : 0;
}

int CardTypeDialog::PictureId() const {
    return picture_->PictureId();
}

std::optional<int> RunCardTypeDialog(QWidget* parent) {
    CardTypeDialog dialog(parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.SelectedFold();
}

}  // namespace quenby
