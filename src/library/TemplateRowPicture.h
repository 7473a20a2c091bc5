#pragma once

#include <QImage>
#include <QString>

namespace quenby {

struct Document;

// The small pictures beside the names in the template browser's list, so that a child
// who cannot read yet chooses by picture: a template's front face, drawn by the same
// element drawing as the page view, on its page colour with a thin black edge.
namespace template_row_picture {

inline constexpr int kSize = 64;

// The front face of `doc` fitted into a kSize square, centred, transparent around it.
// A document without a layout gives the empty picture.
QImage Draw(const Document& doc, double pixelsPerMm);

// The picture of the template at `path`. A file that cannot be read gives the empty
// picture without a message: one damaged template must not stop its category; its
// message comes when it is chosen.
QImage Load(const QString& path, double pixelsPerMm);

}  // namespace template_row_picture
}  // namespace quenby
