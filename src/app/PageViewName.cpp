#include "app/PageViewName.h"

#include "document/Document.h"
#include "platform/CommandIds.h"
#include "platform/ResourceStrings.h"

namespace quenby {

QString PageViewName(const Document& doc) {
    // The face buttons' strings are the faces' names.
    if (doc.isCard == kCard && doc.currentPage <= 3) {
        return ResourceString(cmd::kFace0 + doc.currentPage);
    }
    return QStringLiteral("Página");
}

}  // namespace quenby
