#include "platform/ResourceStrings.h"

#include <algorithm>
#include <iterator>

namespace quenby {
namespace {

struct NumberedString {
    int id;
    const char* text;  // UTF-8
};

constexpr NumberedString kStrings[] = {
#include "strings.inc"
};

const NumberedString* Find(int id) {
    const auto* end = std::end(kStrings);
    const auto* it = std::lower_bound(std::begin(kStrings), end, id,
                                      [](const NumberedString& s, int n) { return s.id < n; });
    return (it != end && it->id == id) ? it : nullptr;
}

}  // namespace

QString ResourceString(int id) {
    const NumberedString* s = Find(id);
    return s ? QString::fromUtf8(s->text) : QString();
}

bool HasResourceString(int id) {
    return Find(id) != nullptr;
}

}  // namespace quenby
