#pragma once

#include <QFont>
#include <QString>

namespace quenby {

struct LogFont;

// The installed family that draws `face`: the face itself when fontconfig knows it
// (the product's own faces count once the program has registered them), otherwise
// "DejaVu Sans", otherwise the system's general font. Never empty.
QString ResolveFontFamily(const QString& face);

// The font a stored logical-font record stands for, sized in device pixels: a
// negative height is the character height (the em), a positive one the cell height
// (ascent plus descent), zero the default of 16 pixels. Weight 0 means normal.
QFont MapLogFont(const LogFont& logFont);

}  // namespace quenby
