#include "platform/Windows1252.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace quenby {
namespace {

// 0x80..0x9F differ from Latin-1; 0 marks the five unassigned bytes.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0000, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x0000, 0x017D, 0x0000,  //
    0x0000, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x0000, 0x017E, 0x0178,
};

}  // namespace

QString FromWindows1252(const char* bytes, std::size_t size) {
    QString text;
    text.reserve(static_cast<qsizetype>(size));
    for (std::size_t i = 0; i < size; ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b == 0) {
            break;
        }
        if (b >= 0x80 && b <= 0x9F) {
            const char16_t c = kHighControls[b - 0x80];
            // Unassigned bytes pass through as the C1 control of the same value.
            text.append(QChar(c ? c : char16_t(b)));
        } else {
            text.append(QChar(char16_t(b)));
        }
    }
    return text;
}

bool HasWindows1252Byte(QChar qc) {
    const char16_t c = qc.unicode();
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return true;
    }
    return c > 0xFF &&
           std::find(kHighControls.begin(), kHighControls.end(), c) != kHighControls.end();
}

QByteArray ToWindows1252(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    for (QChar qc : text) {
        const char16_t c = qc.unicode();
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            out.append(static_cast<char>(c));
            continue;
        }
        char mapped = '?';
        for (std::size_t i = 0; i < kHighControls.size(); ++i) {
            if (kHighControls[i] == c || (kHighControls[i] == 0 && c == 0x80 + i)) {
                mapped = static_cast<char>(0x80 + i);
                break;
            }
        }
        out.append(mapped);
    }
    return out;
}

void StoreWindows1252(const QString& text, char* field, std::size_t fieldSize) {
    if (fieldSize == 0) {
        return;
    }
    std::memset(field, 0, fieldSize);
    const QByteArray bytes = ToWindows1252(text);
    std::memcpy(field, bytes.constData(), std::min<std::size_t>(bytes.size(), fieldSize - 1));
}

}  // namespace quenby
