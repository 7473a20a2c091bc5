#pragma once

#include "platform/ColourRef.h"

#include <optional>

class QWidget;

namespace quenby {

// "Color de página...": the platform's colour dialog opened on the page's colour, with
// the sixteen custom colours made white but for the first, which holds the page's
// colour, so that it can be found again after trying others. Nothing on Cancel.
std::optional<ColourRef> RunPageColourDialog(ColourRef current, QWidget* parent);

}  // namespace quenby
