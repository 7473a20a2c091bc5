#include "Subcommand.h"

namespace quenby::tool {

int RunRender(const QStringList&) { return Fail(QStringLiteral("not available yet")); }

}  // namespace quenby::tool
