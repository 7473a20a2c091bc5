#pragma once

#include <QString>

namespace quenby::artwork {

// Builds the calendar artwork in <outFolder> (the program's "Calendars" folder):
// the 28 month grids in months/, the weekday names of each language and the
// designs listed in <sourceFolder>/styles.txt, drawn from the SVG drawings beside it.
//
// All pictures share one canvas, 6.5 × 8.5 inches at 150 pixels per inch, because
// the program places all three at the same point with the size their pixels give
// and lays the month title 50 mm right of and 6.25 mm below that point in a
// 65 × 13.25 mm frame: the design leaves that frame free on a light banner, the
// weekday names and the grid fall into the panel the design draws for them.
bool BuildCalendars(const QString& sourceFolder, const QString& outFolder);

}  // namespace quenby::artwork
