#include "properties/FontDialog.h"

#include "controls/FontList.h"
#include "graphics/FontMapping.h"
#include "graphics/FontRows.h"
#include "graphics/ProductFonts.h"
#include "platform/ResourceStrings.h"
#include "platform/StringIds.h"
#include "properties/SamplePreview.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace quenby {
namespace {

constexpr int kStyleRowPoints = 12;
constexpr int kSampleHeight = -36;  // character height in pixels
constexpr int kCaptionMax = 42;     // the caption's buffer holds 43 with its end

}  // namespace

FontDialog::FontDialog(const Element& element, QWidget* parent, const FontSource* source)
    : PropertyDialog(element, QStringLiteral("Seleccionar una fuente"), parent),
      faces_(new FontList(this, source)),
      styles_(new FontList(this, source)),
      sampleGroup_(new QGroupBox(QStringLiteral("Muestra de"), this)),
      mark_(
          new QCheckBox(QStringLiteral("Listar fuentes Wexmoor Arts especiales en rojo."), this)) {
    faces_->setAccessibleName(QStringLiteral("Fuente"));
    styles_->setAccessibleName(QStringLiteral("Estilo"));
    mark_->setAccessibleName(mark_->text());
    sample_ = new SamplePreview(
        [this](QPainter& painter, const QRect& box) {
            painter.setFont(MapLogFont(SampleFont()));
            painter.setPen(Qt::black);
            painter.drawText(box.adjusted(5, 5, -5, -5), Qt::AlignCenter | Qt::TextSingleLine,
                             ResourceString(str::kFontSampleText));
        },
        sampleGroup_);
    sample_->setAccessibleName(QStringLiteral("Muestra"));
    sample_->setMinimumSize(360, 64);
    (new QVBoxLayout(sampleGroup_))->addWidget(sample_);

    // The product's typefaces are marked at every opening.
    SetMarkProductFonts(true);
    mark_->setChecked(true);

    const LogFont& font = WorkingCopy().text->font;
    faces_->Fill();
    if (!faces_->SelectFace(font)) {
        // A face this machine lacks stays the text's face unless another is chosen.
        faces_->setCurrentRow(-1);
    }
    styles_->SetRowPointSize(kStyleRowPoints);
    styles_->ShowStylesOf(font.Face());
    styles_->SelectRowText(StyleNameFor(font.weight == 700 ? 700 : 400, font.italic != 0));

    auto* lists = new QGridLayout;
    auto* faceLabel = new QLabel(QStringLiteral("Fuente:"), this);
    faceLabel->setBuddy(faces_);
    auto* styleLabel = new QLabel(QStringLiteral("Estilo:"), this);
    styleLabel->setBuddy(styles_);
    lists->addWidget(faceLabel, 0, 0);
    lists->addWidget(styleLabel, 0, 1);
    lists->addWidget(faces_, 1, 0);
    lists->addWidget(styles_, 1, 1);
    faces_->setMinimumSize(240, 220);
    styles_->setMinimumSize(170, 220);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists);
    layout->addWidget(sampleGroup_);
    layout->addWidget(mark_);
    layout->addWidget(MakeButtons());

    // Chosen means selected: a list that takes the focus makes its first row current
    // without choosing it.
    connect(faces_, &QListWidget::itemSelectionChanged, this, &FontDialog::FaceChosen);
    connect(styles_, &QListWidget::itemSelectionChanged, sample_, qOverload<>(&QWidget::update));
    connect(mark_, &QCheckBox::toggled, this, [this](bool mark) {
        SetMarkProductFonts(mark);
        faces_->viewport()->update();
        styles_->viewport()->update();
    });
}

void FontDialog::FaceChosen() {
    const QList<QListWidgetItem*> chosen = faces_->selectedItems();
    if (chosen.isEmpty()) {
        return;
    }
    const QListWidgetItem* face = chosen.front();
    sampleGroup_->setTitle(QStringLiteral("Sample of %1").arg(face->text()).left(kCaptionMax));
    styles_->ShowStylesOf(face->text());
    sample_->update();
}

LogFont FontDialog::SampleFont() const {
    LogFont font = WorkingCopy().text->font;
    if (const auto face = faces_->SelectedFont()) {
        font.SetFace(face->Face());
    }
    if (const auto style = styles_->SelectedFont()) {
        font.weight = style->weight;
        font.italic = style->italic;
    }
    font.height = kSampleHeight;
    font.width = 0;
    return font;
}

void FontDialog::accept() {
    LogFont& font = Copy().text->font;
    if (const auto face = faces_->SelectedFont()) {
        font.SetFace(face->Face());
    }
    if (const auto style = styles_->SelectedFont()) {
        font.weight = style->weight;
        font.italic = style->italic;
    }
    PropertyDialog::accept();
}

bool RunFontDialog(Element& element, QWidget* parent) {
    if (!element.text) {
        return false;
    }
    FontDialog dialog(element, parent);
    return RunOnElement(dialog, element);
}

}  // namespace quenby
