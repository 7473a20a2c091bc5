#include "controls/TypedNumbers.h"

#include <limits>

namespace quenby {

std::int32_t ReadTypedInteger(const QString& text) {
    const QString head = text.left(10);
    qsizetype i = 0;
    while (i < head.size() && head.at(i).isSpace()) {
        ++i;
    }
    bool negative = false;
    if (i < head.size() && (head.at(i) == QLatin1Char('-') || head.at(i) == QLatin1Char('+'))) {
        negative = head.at(i) == QLatin1Char('-');
        ++i;
    }
    std::int64_t value = 0;  // ten characters hold at most ten digits: no overflow here
    for (; i < head.size() && head.at(i) >= QLatin1Char('0') && head.at(i) <= QLatin1Char('9');
         ++i) {
        value = value * 10 + (head.at(i).unicode() - u'0');
    }
    if (negative) {
        value = -value;
    }
    constexpr std::int64_t lo = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t hi = std::numeric_limits<std::int32_t>::max();
    return std::int32_t(value < lo ? lo : value > hi ? hi : value);
}

}  // namespace quenby
