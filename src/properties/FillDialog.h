#pragma once

#include "properties/PropertyDialog.h"
#include "properties/PropertyMode.h"

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace quenby {

class ColourRow;
class SamplePreview;

// "Estilo de llenado": whether the element (or its letters) is filled, with one colour
// or a linear or radial gradient between two, at an angle or about a centre.
class FillDialog final : public PropertyDialog {
    Q_OBJECT

public:
    FillDialog(const Element& element, PropertyMode mode, QWidget* parent = nullptr);

    QCheckBox* FillBox() const { return fill_; }
    QRadioButton* StyleButton(int style) const { return styles_[style]; }
    ColourRow* OneColourRow() const { return oneColour_; }
    ColourRow* FromColourRow() const { return from_; }
    ColourRow* ToColourRow() const { return to_; }
    QLineEdit* AngleField() const { return angle_; }
    QLineEdit* CentreXField() const { return centreX_; }
    QLineEdit* CentreYField() const { return centreY_; }
    SamplePreview* Preview() const { return preview_; }

    void accept() override;

private:
    void ColourPicked() override;
    // The check box, the style and the three fields into the working copy.
    void TakeControls();
    void UpdateEnabled();

    PropertyMode mode_;
    QCheckBox* fill_;
    QRadioButton* styles_[3];
    ColourRow* oneColour_;
    ColourRow* from_;
    ColourRow* to_;
    QLineEdit* angle_;
    QLineEdit* centreX_;
    QLineEdit* centreY_;
    SamplePreview* preview_;
};

// Runs the fill dialog on an element (or a working copy of one): true on OK, and the
// element then holds the choice; Cancel leaves it as it was. Text mode edits the fill
// of the letters (the element must have a text block), shape mode the element's own.
bool RunFillDialog(Element& element, PropertyMode mode, QWidget* parent);

// The angle a field holds as the 16-bit angle stores it: as typed, or a typed angle
// outside 0..65535 turned into the same direction within 0..359.
std::uint16_t StoredAngle(std::int32_t typed);

}  // namespace quenby
