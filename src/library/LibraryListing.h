#pragma once

#include <QString>
#include <QStringList>

namespace quenby {

// The picture files of the image library and the calendar designs, as the chooser
// and the calendar dialog list them.
namespace library_listing {

// Names are compared over this many bytes of their 8-bit form.
inline constexpr int kNameBytes = 128;

// Category i (0..6) of the chooser lives in the folder named i + 1.
QString CategoryFolder(int category);

// Whether a picture shows under `language`: a name that starts with a decimal digit
// belongs to the language of that digit; any other name shows under every language.
bool PassesLanguageFilter(const QString& fileName, int language);

// Sorts names ascending by the bytes of their 8-bit form (the first kNameBytes of
// it); names equal there are ordered by their whole text, so the order never
// depends on the order the folder gave them in.
void SortByteWise(QStringList& names);

// The graphic files (*.wxg, any case) of `folder` that pass the language filter,
// sorted; file names only. A folder that is missing or cannot be read gives none.
QStringList ListCategory(const QString& folder, int language);

// The calendar designs in `folder`: the name of every file ending in ".wxg" (lower
// case, as the design is opened by name + ".wxg") without it, sorted the same way.
QStringList ListDesigns(const QString& folder);

}  // namespace library_listing
}  // namespace quenby
