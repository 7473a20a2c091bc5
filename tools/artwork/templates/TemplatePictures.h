#pragma once

#include <QDate>
#include <QSize>
#include <QString>

#include <memory>

class QImage;

namespace quenby {

class Dib;

// Pictures for templates, made the way every shipped picture is held: 8-bit with a
// 256-entry palette, palette index 255 left out when the picture is transparent.
namespace templates {

// Draws an SVG drawing at `pixels` (its proportions kept when one side is 0). Edge
// pixels are made either fully opaque or fully transparent, so that the picture has
// a clean cut-out edge wherever it is laid. Null when the file cannot be drawn.
std::unique_ptr<Dib> DrawingPicture(const QString& svgPath, QSize pixels);

// The proportions (width / height) of an SVG drawing; 0 when it cannot be read.
double DrawingAspect(const QString& svgPath);

struct MonthStyle {
    unsigned head = 0x3A86FF;    // 0xRRGGBB of the month-name band
    unsigned sunday = 0xEF4B4B;  // day numbers of Sundays
    unsigned cells = 0xFFFFFF;   // the day cells
};

// A month sheet: the band with the month's Spanish name and the year, the weekday
// initials from Monday ("L M X J V S D") and the days in a 7-column grid. Opaque.
std::unique_ptr<Dib> MonthPicture(int year, int month, QSize pixels, const MonthStyle& style);

// An image in the 8-bit form (at most 255 colours, fully transparent pixels at index 255).
std::unique_ptr<Dib> ToEightBit(const QImage& image);

}  // namespace templates
}  // namespace quenby
