#include "platform/ResourceImages.h"

#include "platform/Dib.h"

namespace quenby {

QImage ResourceImage(int) { return {}; }

std::unique_ptr<Dib> ResourceDib(int) { return nullptr; }

QIcon ResourceIcon(int) { return {}; }

QCursor ResourceCursor(int) { return QCursor(Qt::ArrowCursor); }

}  // namespace quenby
