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
    chars.fill(0);
    const QByteArray bytes = ToWindows1252(text);
    std::memcpy(chars.data(), bytes.constData(),
                std::min<std::size_t>(bytes.size(), kCharsSize - 1));
}

TextBlock TextBlock::CopyWithoutReserved() const {
    TextBlock copy = *this;
    copy.reserved.fill(0);
    return copy;
}

}  // namespace quenby
