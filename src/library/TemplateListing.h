#pragma once

#include <QString>

#include <vector>

namespace quenby {

// The templates of a category as the template browser lists them.
namespace template_listing {

inline constexpr int kCategoryCount = 12;

// One row of the list: the name shown and the file it opens. A template in the
// installation's language is shown without its leading digit and with a blank
// after it; the row keeps its whole file name, so a name that is long, ends in a
// blank of its own or has characters the 8-bit set cannot hold opens its own file.
struct TemplateEntry {
    QString shownName;
    QString fileName;
};

// Category 1..12 lives in the folder of that number.
QString CategoryFolder(int category);

// The shown name of a template whose file name without ".wxd" is `stem`: the
// language's digit dropped and a blank appended for a language template; any other
// name as it stands.
QString ShownName(const QString& stem, int language);

// The templates (*.wxd, any case) of `folder` that show under `language`, in the order
// of their file names' bytes in the 8-bit character set. Folders and hidden files are
// left out; a folder that is missing or cannot be read lists nothing.
std::vector<TemplateEntry> ListTemplates(const QString& folder, int language);

}  // namespace template_listing
}  // namespace quenby
