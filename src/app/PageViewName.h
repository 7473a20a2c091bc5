#pragma once

#include <QString>

namespace quenby {

struct Document;

// What a screen reader calls the page view: the face shown when the document is a card
// ("Parte delantera", "Parte delantera interna", ...), otherwise "Página".
QString PageViewName(const Document& doc);

}  // namespace quenby
