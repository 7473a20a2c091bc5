#pragma once

#include "properties/PropertyDialog.h"
#include "properties/PropertyMode.h"

#include <cstdint>

class QCheckBox;
class QLineEdit;

namespace quenby {

class ColourRow;
class SamplePreview;
class SpinButtons;

// "Estilo de contorno": whether the element (or its letters) is outlined, in which
// colour and how wide. A line is always drawn, so its box cannot be cleared.
class OutlineDialog final : public PropertyDialog {
    Q_OBJECT

public:
    OutlineDialog(const Element& element, PropertyMode mode, QWidget* parent = nullptr);

    QCheckBox* OutlineBox() const { return outline_; }
    ColourRow* ColourField() const { return colour_; }
    QLineEdit* WidthField() const { return width_; }
    SpinButtons* WidthSpin() const { return spin_; }
    SamplePreview* Preview() const { return preview_; }

    void accept() override;

private:
    void ColourPicked() override;
    void UpdateEnabled();

    PropertyMode mode_;
    QCheckBox* outline_;
    ColourRow* colour_;
    QLineEdit* width_;
    SpinButtons* spin_;
    SamplePreview* preview_;
};

// Runs the outline dialog on an element (or a working copy of one): true on OK, and
// the element then holds the choice; Cancel leaves it as it was.
bool RunOutlineDialog(Element& element, PropertyMode mode, QWidget* parent);

// A typed width as the 8-bit width field stores it: as typed within 0..255, the
// nearest end of that range beyond it (never wrapped round to another width).
std::uint8_t StoredOutlineWidth(std::int32_t typed);

}  // namespace quenby
