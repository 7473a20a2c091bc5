#include "library/CalendarDialog.h"

#include "graphics/CalendarArtwork.h"
#include "graphics/GraphicFile.h"
#include "library/DesignPreview.h"
#include "library/LibraryListing.h"
#include "platform/ArtworkLocations.h"
#include "platform/Dib.h"
#include "platform/MessageBoxes.h"
#include "platform/ResourceImages.h"
#include "platform/ResourceStrings.h"
#include "platform/StringIds.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace quenby {
namespace {

constexpr int kOkPicture = 20;
constexpr int kCancelPicture = 24;

// The "WORKING" box shown while the design folder is read.
class WorkingBox {
public:
    explicit WorkingBox(QWidget* parent)
        : box_(parent, Qt::Dialog | Qt::FramelessWindowHint) {
        box_.setObjectName(QStringLiteral("WorkingBox"));
        box_.setAccessibleName(QStringLiteral("WORKING"));
        auto* label = new QLabel(QStringLiteral("WORKING"), &box_);
        label->setMargin(16);
        label->setFrameShape(QFrame::Box);
        auto* layout = new QVBoxLayout(&box_);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(label);
        box_.show();
        box_.repaint();
    }
    ~WorkingBox() { box_.close(); }
    WorkingBox(const WorkingBox&) = delete;
    WorkingBox& operator=(const WorkingBox&) = delete;

private:
    QDialog box_;
};

QString CalendarPath(const PictureContext& context, const QString& name) {
    return context.locations
        .ResolveArtworkPath(name, context.locations.calendarsLocal, ArtworkKind::Calendars)
        .value_or(QString());
}

QGroupBox* Group(const QString& title, QWidget* parent) {
    auto* group = new QGroupBox(title, parent);
    group->setAccessibleName(title);
    return group;
}

}  // namespace

CalendarDialog::CalendarDialog(const PictureContext& context, QWidget* parent,
                               const CalendarDate& today)
    : QDialog(parent),
      context_(context),
      date_(1, today.Month(), int(today.Year())),
      months_(new QListWidget(this)),
      year_(new QSpinBox(this)),
      designs_(new QListWidget(this)),
      preview_(new DesignPreview(this)),
      ok_(new QPushButton(ResourceIcon(kOkPicture), QStringLiteral("Aceptar"), this)) {
    setObjectName(QStringLiteral("CalendarDialog"));
    setWindowTitle(QStringLiteral("Insertar un calendario"));

    year_->setObjectName(QStringLiteral("year"));
    year_->setAccessibleName(QStringLiteral("Año"));
    year_->setRange(kFirstYear, kLastYear);
    year_->setValue(int(std::clamp<std::uint32_t>(date_.Year(), kFirstYear, kLastYear)));
    date_.SetYear(year_->value());

    months_->setObjectName(QStringLiteral("months"));
    months_->setAccessibleName(QStringLiteral("Mes"));
    months_->setSelectionMode(QAbstractItemView::SingleSelection);
    for (int m = 0; m < 12; ++m) {
        months_->addItem(ResourceString(str::kJanuary + m));
    }
    months_->setCurrentRow(date_.Month() - 1);

    designs_->setObjectName(QStringLiteral("designs"));
    designs_->setAccessibleName(QStringLiteral("Diseño"));
    designs_->setSelectionMode(QAbstractItemView::SingleSelection);
    {
        WorkingBox working(parent);
        designs_->addItems(library_listing::ListDesigns(
            CalendarPath(context_, calendar_artwork::DesignFolder())));
    }

    connect(months_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) {
            date_.SetMonth(row + 1);
        }
    });
    connect(year_, &QSpinBox::valueChanged, this, [this](int year) { date_.SetYear(year); });
    connect(designs_, &QListWidget::currentRowChanged, this, &CalendarDialog::ShowDesign);
    if (designs_->count() > 0) {
        designs_->setCurrentRow(0);
    }

    ok_->setObjectName(QStringLiteral("ok"));
    ok_->setAccessibleName(QStringLiteral("Aceptar"));
    ok_->setDefault(true);
    auto* cancel = new QPushButton(ResourceIcon(kCancelPicture), QStringLiteral("Cancelar"), this);
    cancel->setObjectName(QStringLiteral("cancel"));
    cancel->setAccessibleName(QStringLiteral("Cancelar"));
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    QGroupBox* when = Group(QStringLiteral("Mes-Año"), this);
    auto* whenLayout = new QVBoxLayout(when);
    whenLayout->addWidget(months_);
    whenLayout->addWidget(year_);
    QGroupBox* design = Group(QStringLiteral("Diseño"), this);
    auto* designLayout = new QVBoxLayout(design);
    designLayout->addWidget(designs_);
    QGroupBox* preview = Group(QStringLiteral("Vista preliminar de diseño"), this);
    auto* previewLayout = new QVBoxLayout(preview);
    previewLayout->addWidget(preview_);

    auto* columns = new QHBoxLayout;
    columns->addWidget(when);
    columns->addWidget(design);
    columns->addWidget(preview, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);
    months_->setFocus();
}

CalendarDialog::~CalendarDialog() = default;

CalendarChoice CalendarDialog::Choice() const {
    const QListWidgetItem* design = designs_->currentItem();
    return {date_.Month(), int(date_.Year()), design ? design->text() : QString()};
}

void CalendarDialog::ShowDesign(int row) {
    const QListWidgetItem* item = designs_->item(row);
    if (!item) {
        preview_->SetPicture(nullptr);
        return;
    }
    const QString path = CalendarPath(context_, calendar_artwork::DesignFile(item->text()));
    // One message for a design that cannot be shown, not the loader's as well.
    SilentMessageBoxes quiet;
    int transparent = 0;
    std::unique_ptr<Dib> picture =
        path.isEmpty() ? nullptr : LoadGraphicFile(quiet, path, transparent);
    if (!picture) {
        context_.messages.Show(ResourceString(str::kPictureNotLoaded),
                               ResourceString(str::kErrorCaption));
    }
    preview_->SetPicture(std::move(picture));
}

std::optional<CalendarChoice> RunCalendarDialog(const PictureContext& context, QWidget* parent) {
    CalendarDialog dialog(context, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Choice();
}

}  // namespace quenby
