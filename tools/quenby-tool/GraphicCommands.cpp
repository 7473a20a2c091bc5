#include "Subcommand.h"

namespace quenby::tool {

int RunWxgInfo(const QStringList&) { return Fail(QStringLiteral("not available yet")); }

int RunWxg2Png(const QStringList&) { return Fail(QStringLiteral("not available yet")); }

int RunPng2Wxg(const QStringList&) { return Fail(QStringLiteral("not available yet")); }

}  // namespace quenby::tool
