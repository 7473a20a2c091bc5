#pragma once

#include <QJsonObject>

namespace quenby {
struct Document;
}

namespace quenby::tool {

// The loaded document as `quenby-tool info` prints it: header fields, the last
// group id and every element in list order.
QJsonObject DocumentToJson(const Document& doc);

}  // namespace quenby::tool
