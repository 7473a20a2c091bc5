#pragma once

#include "properties/PropertyDialog.h"

class QCheckBox;
class QGroupBox;

namespace quenby {

class FontList;
class FontSource;
class SamplePreview;

// "Seleccionar una fuente": the typeface and style of a text's letters, from a list of
// the installed families (the product's own in red while the box is ticked) and a list
// of the chosen family's styles, with "Wexmoor Arts" written as a sample. OK changes
// the face name, weight and slant of the working copy's font; its height stays.
class FontDialog final : public PropertyDialog {
    Q_OBJECT

public:
    // The element must have a text block. The fonts are the installed ones unless a
    // source is given (it must outlive the dialog).
    explicit FontDialog(const Element& element, QWidget* parent = nullptr,
                        const FontSource* source = nullptr);

    FontList* FaceList() const { return faces_; }
    FontList* StyleList() const { return styles_; }
    QGroupBox* SampleGroup() const { return sampleGroup_; }
    SamplePreview* Sample() const { return sample_; }
    QCheckBox* MarkBox() const { return mark_; }

    // The font the sample is written in: the chosen face and style, 36 pixels high.
    LogFont SampleFont() const;

    void accept() override;

private:
    void FaceChosen();

    FontList* faces_;
    FontList* styles_;
    QGroupBox* sampleGroup_;
    SamplePreview* sample_;
    QCheckBox* mark_;
};

// Runs the font dialog on a text or circular text (or a working copy of one): true on
// OK, and the element then has the chosen face and style at its own height; Cancel
// leaves it as it was. An element without a text block is left alone and gives false.
bool RunFontDialog(Element& element, QWidget* parent);

}  // namespace quenby
