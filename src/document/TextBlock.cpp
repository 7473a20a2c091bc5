#include "document/TextBlock.h"

#include "platform/Windows1252.h"

#include <algorithm>
#include <cstring>

namespace quenby {

TextBlock::TextBlock() {
    font.height = 136;
    font.weight = 400;
    font.SetFace(QStringLiteral("RavelockWizard"));
}

QString TextBlock::Text() const {
    return FromWindows1252(chars.data(), chars.size());
}

void TextBlock::SetText(const QString& text) {
    StoreWindows1252(text, chars.data(), chars.size());
}

TextBlock TextBlock::CopyWithoutReserved() const {
    TextBlock copy = *this;
    copy.reserved.fill(0);
    return copy;
}

}  // namespace quenby
