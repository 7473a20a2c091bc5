#pragma once

#include "properties/PropertyDialog.h"

class QCheckBox;
class QLineEdit;

namespace quenby {

class ColourRow;
class SamplePreview;
class SpinButtons;

// "Colocar sombra detrás de texto ": whether a text casts a shadow, its colour and how
// far it falls. The working copy follows the box and the offsets at once.
class ShadowDialog final : public PropertyDialog {
    Q_OBJECT

public:
    // The element must have a text block.
    explicit ShadowDialog(const Element& element, QWidget* parent = nullptr);

    QCheckBox* ShadowBox() const { return shadow_; }
    ColourRow* ColourField() const { return colour_; }
    QLineEdit* OffsetXField() const { return dx_; }
    QLineEdit* OffsetYField() const { return dy_; }
    SpinButtons* OffsetXSpin() const { return dxSpin_; }
    SpinButtons* OffsetYSpin() const { return dySpin_; }
    SamplePreview* Preview() const { return preview_; }

private:
    void ColourPicked() override;
    void TakeControls();

    QCheckBox* shadow_;
    ColourRow* colour_;
    QLineEdit* dx_;
    QLineEdit* dy_;
    SpinButtons* dxSpin_;
    SpinButtons* dySpin_;
    SamplePreview* preview_;
};

// Runs the shadow dialog on a text or circular text (or a working copy of one): true
// on OK, and the element then holds the choice; Cancel leaves it as it was. An element
// without a text block is left alone and gives false.
bool RunShadowDialog(Element& element, QWidget* parent);

}  // namespace quenby
