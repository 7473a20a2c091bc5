#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <cstdint>

namespace quenby::artwork {

// Pixels for a length on paper at a graphic file's resolution.
int PixelsFor(double millimetres, int resolution);

// A blank, fully transparent picture to draw on.
QImage TransparentCanvas(int width, int height);

// Renders an SVG drawing so that its longer side is `longSide` pixels; a null image
// when the file cannot be read or draws nothing.
QImage RenderSvg(const QString& path, int longSide);

// Renders only the inked part of an SVG drawing, so that the ink's longer side plus
// a transparent `margin` each way comes to `longSide` pixels, whatever blank space
// the drawing's view box leaves around it; null when nothing can be drawn.
QImage RenderSvgFitted(const QString& path, int longSide, int margin);

// Hard edges for a transparent background: pixels less than half covered become
// fully transparent, the rest are laid over white, so the picture has no halo of
// half-transparent pixels for the palette to approximate.
QImage HardenEdges(const QImage& image);

// Trims fully transparent rows and columns around the drawing (keeping `margin`).
QImage TrimTransparent(const QImage& image, int margin);

// Reduces the picture to a graphic file and writes it; false with a message on
// standard error when that fails.
bool WriteGraphicFile(const QString& path, const QImage& image, bool transparent,
                      std::uint8_t resolution);

// A picture of the graphic files in a grid with their names, for checking by eye.
QImage ContactSheet(const QStringList& files, int tile);

// The calendar pictures laid at one point as the program places them, each sized
// from its pixels and resolution, with `title` in the program's title frame; at
// 150 pixels per inch, for checking by eye.
QImage CalendarPage(const QStringList& files, const QString& title);

// The builders' own text face (DejaVu, always installed with the fonts package the
// program needs); falls back to the default sans-serif.
QString DrawingFamily(bool bold);

}  // namespace quenby::artwork
