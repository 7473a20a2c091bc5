#include "Subcommand.h"

namespace quenby::tool {

int RunPrint(const QStringList&) { return Fail(QStringLiteral("not available yet")); }

}  // namespace quenby::tool
