#include "library/TemplateBrowserDialog.h"

#include "editing/EditingSession.h"
#include "library/TemplateBrowsing.h"
#include "library/TemplatePreview.h"
#include "library/TemplateRowPicture.h"
#include "library/WaitCursor.h"
#include "platform/ArtworkLocations.h"
#include "platform/ResourceImages.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quenby {
namespace {

constexpr int kOkPicture = 20;
constexpr int kCancelPicture = 24;

const char* const kCategoryNames[template_listing::kCategoryCount] = {
    "Tarjetas",
    "Carteles y rótulos",
    "Calendarios",
    "Guardas de puerta",
    "Marcadores de libro",
    "Tarjetas personales de mesa",
    "Folletos",
    "Sombreros",
    "Salvamanteles personales",
    "Cartas y notas",
    "Sobres",
    "Otros diseños",
};

QLabel* Caption(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    buddy->setAccessibleName(text);
    return label;
}

QPushButton* PictureButton(int picture, const QString& text, const QString& name,
                           QWidget* parent) {
    auto* button = new QPushButton(ResourceIcon(picture), text, parent);
    button->setObjectName(name);
    button->setAccessibleName(text.trimmed());
    return button;
}

}  // namespace

TemplateBrowserDialog::TemplateBrowserDialog(const TemplateBrowserContext& context,
                                             TemplateBrowsing& browsing, bool withCancel,
                                             QWidget* parent)
    : QDialog(parent),
      context_(context),
      browsing_(browsing),
      categories_(new QButtonGroup(this)),
      templates_(new QListWidget(this)),
      preview_(new TemplatePreview(context.pixelsPerMm, this)),
      ok_(PictureButton(kOkPicture, QStringLiteral("Aceptar "), QStringLiteral("ok"), this)) {
    setObjectName(QStringLiteral("TemplateBrowserDialog"));
    setWindowTitle(QStringLiteral("Seleccionar una plantilla"));

    auto* kinds = new QGroupBox(QStringLiteral("Tipo de plantilla"), this);
    kinds->setAccessibleName(kinds->title());
    auto* kindsLayout = new QVBoxLayout(kinds);
    for (int i = 0; i < template_listing::kCategoryCount; ++i) {
        auto* button = new QRadioButton(QString::fromUtf8(kCategoryNames[i]), kinds);
        button->setObjectName(QStringLiteral("category%1").arg(i + 1));
        button->setAccessibleName(button->text());
        button->setFocusPolicy(Qt::ClickFocus);  // until it is the one chosen
        categories_->addButton(button, kFirstCategoryButton + i);
        kindsLayout->addWidget(button);
    }
    kindsLayout->addStretch(1);
    categories_->setExclusive(true);
    // The kinds are one stop for Tab, at the one chosen; the arrow keys move among them.
    connect(categories_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        categories_->button(id)->setFocusPolicy(checked ? Qt::StrongFocus : Qt::ClickFocus);
    });
    connect(categories_, &QButtonGroup::idClicked, this,
            [this](int id) { ShowCategory(id - kFirstCategoryButton + 1); });

    templates_->setObjectName(QStringLiteral("templates"));
    templates_->setSelectionMode(QAbstractItemView::SingleSelection);
    templates_->setIconSize(QSize(template_row_picture::kSize, template_row_picture::kSize));
    templates_->setSpacing(2);
    templates_->setUniformItemSizes(true);
    templates_->setTextElideMode(Qt::ElideRight);
    templates_->setMinimumWidth(260);
    connect(templates_, &QListWidget::currentRowChanged, this, &TemplateBrowserDialog::SelectRow);
    // Double click or Enter on a row opens it, as OK does.
    connect(templates_, &QListWidget::itemActivated, this, [this] { accept(); });

    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    if (withCancel) {
        cancel_ = PictureButton(kCancelPicture, QStringLiteral("Cancelar"),
                                QStringLiteral("cancel"), this);
        connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
        buttons->addWidget(cancel_);
    } else {
        buttons->addStretch(1);  // the one button sits in the middle
    }

    auto* list = new QVBoxLayout;
    list->addWidget(Caption(QStringLiteral("Plantillas disponibles"), templates_, this));
    list->addWidget(templates_, 1);
    auto* look = new QVBoxLayout;
    look->addWidget(Caption(QStringLiteral("Vista preliminar"), preview_, this));
    look->addWidget(preview_);
    look->addStretch(1);
    auto* columns = new QHBoxLayout;
    columns->addWidget(kinds);
    columns->addLayout(list, 1);
    columns->addLayout(look);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);

    // Tab goes from the kinds to the list and on to the buttons, as they are read.
    QWidget::setTabOrder(CategoryButton(template_listing::kCategoryCount), templates_);
    QWidget::setTabOrder(templates_, ok_);
    if (cancel_) {
        QWidget::setTabOrder(ok_, cancel_);
    }

    // Opening: "Tarjetas" set and its templates listed, the first one loaded.
    ShowCategory(1);
    templates_->setFocus();
}

TemplateBrowserDialog::~TemplateBrowserDialog() = default;

QRadioButton* TemplateBrowserDialog::CategoryButton(int category) const {
    return qobject_cast<QRadioButton*>(categories_->button(kFirstCategoryButton + category - 1));
}

std::optional<QString> TemplateBrowserDialog::TemplatePath(const QString& fileName) const {
    return context_.locations.ResolveArtworkPath(
        template_listing::CategoryFolder(category_) + u'/' + fileName,
        context_.locations.templatesLocal, ArtworkKind::Templates);
}

const TemplateBrowserDialog::CategoryRows& TemplateBrowserDialog::RowsOf(int category) {
    if (const auto kept = rows_.find(category); kept != rows_.end()) {
        return kept->second;
    }
    WaitCursor wait;
    CategoryRows rows;
    const std::optional<QString> folder = context_.locations.ResolveArtworkPath(
        template_listing::CategoryFolder(category), context_.locations.templatesLocal,
        ArtworkKind::Templates);
    if (folder) {
        rows.entries = template_listing::ListTemplates(*folder, context_.language);
        for (const template_listing::TemplateEntry& entry : rows.entries) {
            const QPixmap picture = QPixmap::fromImage(template_row_picture::Load(
                *folder + u'/' + entry.fileName, context_.pixelsPerMm));
            // The selected row keeps the true colours of its picture.
            QIcon icon(picture);
            icon.addPixmap(picture, QIcon::Selected);
            rows.pictures.append(icon);
        }
    }
    return rows_.emplace(category, std::move(rows)).first->second;
}

void TemplateBrowserDialog::ShowCategory(int category) {
    if (category < 1 || category > template_listing::kCategoryCount) {
        return;
    }
    category_ = category;
    CategoryButton(category)->setChecked(true);
    const CategoryRows& rows = RowsOf(category);
    {
        const QSignalBlocker quiet(templates_);
        templates_->clear();
        for (std::size_t i = 0; i < rows.entries.size(); ++i) {
            auto* item = new QListWidgetItem(rows.pictures.at(qsizetype(i)),
                                             rows.entries[i].shownName);
            item->setToolTip(rows.entries[i].shownName.trimmed());
            templates_->addItem(item);
        }
        templates_->setCurrentRow(rows.entries.empty() ? -1 : 0);
    }
    SelectRow(templates_->currentRow());
}

void TemplateBrowserDialog::SelectRow(int row) {
    const auto& entries = RowsOf(category_).entries;
    if (row < 0 || std::size_t(row) >= entries.size()) {
        browsing_.PreviewNothing();
        preview_->ShowDocument(nullptr);
        return;
    }
    const std::optional<QString> path = TemplatePath(entries[std::size_t(row)].fileName);
    const bool loaded = path && browsing_.Preview(*path);
    if (!path) {
        browsing_.PreviewNothing();  // the artwork CD went away meanwhile
    }
    preview_->ShowDocument(loaded ? &context_.session.document() : nullptr);
}

void TemplateBrowserDialog::reject() {
    // From the menu there is no way back: the template looked at last is opened.
    if (!cancel_) {
        accept();
        return;
    }
    QDialog::reject();
}

bool RunTemplateBrowser(const TemplateBrowserContext& context, bool fromStartScreen,
                        QWidget* parent) {
    TemplateBrowsing browsing(context.session);
    bool accepted = false;
    {
        TemplateBrowserDialog dialog(context, browsing, fromStartScreen, parent);
        accepted = dialog.exec() == QDialog::Accepted;
    }
    if (fromStartScreen && (!accepted || !browsing.Chosen())) {
        browsing.Restore();
        return false;
    }
    return browsing.OpenChosen();
}

}  // namespace quenby
