#pragma once

#include <QString>
#include <QStringList>

#include <array>

namespace quenby {

// The product's own typefaces, exact face names; the first is the face of every
// new text.
inline constexpr std::array<const char*, 6> kProductTypefaces = {
    "RavelockWizard",        "Blotwell",        "BlotwellFitCaps",
    "RavelockWizardOrnCaps", "BlotwellOutline", "BlotwellFitcapsOutline"};

bool IsProductTypeface(const QString& faceName);

// Whether font lists show the product's typefaces in red: the font dialog's check box
// sets it for the whole program, and every list row reads it when it is drawn.
bool MarkProductFonts();
void SetMarkProductFonts(bool mark);
// True when a row of this face is drawn in red now.
bool ShowsAsProductTypeface(const QString& faceName);

// Makes the typefaces in <programFolder>/fonts/*.ttf known to this process, so that
// they are listed and drawn like installed fonts. Safe to call more than once.
// Returns the families it made available.
QStringList RegisterProductFonts(const QString& programFolder);

}  // namespace quenby
