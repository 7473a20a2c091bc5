#pragma once

#include <QString>

#include <optional>
#include <vector>

namespace quenby::artwork {

// One drawing of a library category and the length its longer side prints at.
struct ListedPicture {
    QString name;  // file name without extension; a leading digit is a language number
    double longSideMm = 0;
};

// The shortest and longest a library picture may print on its longer side: large
// enough to read on a card face, small enough to leave room around it.
inline constexpr double kShortestLongSideMm = 50;
inline constexpr double kLongestLongSideMm = 80;

// The program keeps a library name in 128 bytes with its terminator and ".wxg".
inline constexpr int kLongestName = 127 - 4;

// Reads a category list: one "name  millimetres" a line, '#' starts a comment.
// Names are lower-case ASCII letters, digits and '_', unique, at most kLongestName
// bytes; the millimetres lie within the range above. On any fault: nothing, and
// `error` says which line and why.
std::optional<std::vector<ListedPicture>> ReadPictureList(const QString& path, QString* error);

// Empty when every listed picture has its drawing <name>.svg in `folder` and every
// drawing there is listed; otherwise what is missing or left over.
QString CompareWithDrawings(const std::vector<ListedPicture>& list, const QString& folder);

}  // namespace quenby::artwork
