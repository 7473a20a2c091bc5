#include "graphics/TransparentPicture.h"

#include "platform/DeviceContext.h"
#include "platform/Dib.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace quenby {
namespace {

// Above this many pixels a composed image would cost more memory than it saves time.
constexpr qint64 kMaxComposedPixels = qint64(24) << 20;
// A printer that keeps shapes gets a picture composed whole up to this size, though
// only part of it may show: the file then stores it once for all its copies.
constexpr qint64 kMaxWholeComposedPixels = qint64(6) << 20;
// Marks a kept image composed at the device's pixels, apart from one at the picture's.
constexpr int kComposedVariant = 1 << 12;

bool HasPaletteRows(const Dib& picture) {
    return picture.BitCount() == 8 && picture.CompressionType() == Dib::Rgb &&
           picture.Width() > 0 && picture.Height() != 0;
}

int PictureHeight(const Dib& picture) {
    return picture.Height() < 0 ? -picture.Height() : picture.Height();
}

// Stored row y (0 the bottom line), whichever way the rows lie in memory.
const std::uint8_t* StoredRow(const Dib& picture, int y) {
    const int h = PictureHeight(picture);
    const int memoryRow = picture.Height() > 0 ? y : h - 1 - y;
    return picture.Bits().data() + std::size_t(memoryRow) * picture.Stride();
}

std::array<QRgb, 256> Palette(const Dib& picture) {
    std::array<QRgb, 256> colours{};
    for (int i = 0; i < 256; ++i) {
        colours[std::size_t(i)] = 0xFF000000u | picture.Colour(i);
    }
    return colours;
}

// The pixel of a run of `n` that one stretched transfer of the run over the `c` device
// columns from `left` puts on each column of [from, to): nearest pixel by the centre of
// each column, stepped in 16.16 fixed point the way the raster engine steps it, so that
// a composed image holds exactly the pixels of one transfer per run. A mirrored transfer
// (negative extent) steps from the run's end backwards.
void SampleColumns(int n, int left, int c, bool mirrored, int from, int to, std::vector<int>& out) {
    out.clear();
    const double step = mirrored ? double(n) / double(-c) : double(n) / double(c);
    // 64-bit before the 32-bit wrap the engine's own stepping has: a run of 32768
    // pixels in one column is 2^31 in 16.16.
    const std::int64_t ix = std::int64_t(65536 * step);
    std::uint32_t x = 0;
    if (mirrored) {
        const std::int64_t dstx = std::int64_t(std::floor((from + 0.5 - left) * step * 65536)) + 1;
        x = std::uint32_t(std::int64_t(n) * 65536 + dstx);
    } else {
        const std::int64_t dstx = std::int64_t(std::ceil((from + 0.5 - left) * step * 65536)) - 1;
        x = std::uint32_t(dstx);
    }
    for (int col = from; col < to; ++col) {
        out.push_back(std::clamp(int(x >> 16), 0, n - 1));
        x += std::uint32_t(ix);
    }
}

// A rectangle whose edges may lie far outside every device, with its edges brought
// within ±(2^30 − 1): what a device can show of it stays the same, and its width and
// height fit an int.
QRect SaturatedRect(std::int64_t x, std::int64_t y, std::int64_t w, std::int64_t h) {
    static constexpr std::int64_t kLimit = (std::int64_t(1) << 30) - 1;
    const auto in = [](std::int64_t v) { return int(std::clamp(v, -kLimit, kLimit)); };
    const int l = in(x), t = in(y), r = in(x + w), b = in(y + h);
    return QRect(l, t, r - l, b - t);
}

// The strips of a picture drawn into (left, top) – (right, bottom), in drawing order,
// each given to `visit` with its target. With `within`, only the strips that meet it
// are made, so that the cost follows the part of the picture that can be seen: rows
// whose strips miss it are not even scanned. Positions are worked out in 64 bits and
// floating point: a damaged file may put the rectangle anywhere.
template <typename Visit>
void ForEachStrip(const Dib& picture, std::int64_t left, std::int64_t top, std::int64_t right,
                  std::int64_t bottom, int transparentIndex, bool turned, const QRect* within,
                  Visit visit) {
    if (!HasPaletteRows(picture) || right <= left || bottom <= top) {
        return;
    }
    const int w = picture.Width();
    const int h = PictureHeight(picture);
    const double sx = double(right - left) / double(w);
    const double sy = double(bottom - top) / double(h);
    const std::int64_t d = std::int64_t(std::ceil(sy));
    const auto ceil64 = [](double v) { return std::int64_t(std::ceil(v)); };
    for (int y = 0; y < h; ++y) {
        const std::int64_t b = ceil64(double(y) * sy);
        const std::int64_t rowTop = turned ? top + b - d : bottom - b;
        if (within && (rowTop > within->bottom() || rowTop + d <= within->top())) {
            continue;
        }
        const std::uint8_t* pixels = StoredRow(picture, y);
        int run = 0;
        for (int x = 0; x < w; ++x) {
            const int v = pixels[x];
            if (v != transparentIndex) {
                ++run;
            }
            if ((v == transparentIndex || x == w - 1) && run > 0) {
                const int x0 = v == transparentIndex ? x - run : x - run + 1;
                const std::int64_t a = ceil64(double(x0) * sx);
                const std::int64_t c = ceil64(double(run) * sx);
                const std::int64_t stripLeft = turned ? right - a - c : left + a;
                run = 0;
                if (within && (stripLeft > within->right() || stripLeft + c <= within->left())) {
                    continue;
                }
                TransparentStrip s;
                s.row = y;
                s.column = x0;
                s.length = v == transparentIndex ? x - x0 : x - x0 + 1;
                s.mirrored = turned;
                s.target = SaturatedRect(stripLeft, rowTop, c, d);
                visit(s);
            }
        }
    }
}

// The strips of the picture drawn into (left, top) – (right, bottom) that meet
// `band`, composed into an image of the band (device pixels) with every other pixel
// clear; `painted` gets the part of the band they cover. With `reversedCopy` a turned
// run is sampled as a printer copies it, reversed and unmirrored; otherwise as the
// screen mirrors it. A null image when the band cannot be allocated.
QImage ComposeStrips(const Dib& picture, std::int64_t left, std::int64_t top, std::int64_t right,
                     std::int64_t bottom, int transparentIndex, bool turned, bool reversedCopy,
                     const QRect& band, QRect& painted) {
    QImage composed(band.size(), QImage::Format_ARGB32_Premultiplied);
    if (composed.isNull()) {
        return composed;
    }
    composed.fill(Qt::transparent);
    const std::array<QRgb, 256> palette = Palette(picture);
    std::vector<QRgb> line;
    std::vector<int> columns;
    ForEachStrip(picture, left, top, right, bottom, transparentIndex, turned, &band,
                 [&](const TransparentStrip& s) {
        const QRect target = s.target & band;
        if (target.isEmpty()) {
            return;
        }
        painted |= target;
        const std::uint8_t* run = StoredRow(picture, s.row) + s.column;
        const bool deviceMirrors = s.mirrored && !reversedCopy;
        SampleColumns(s.length, s.target.left(), s.target.width(), deviceMirrors, target.left(),
                      target.right() + 1, columns);
        line.resize(columns.size());
        for (std::size_t i = 0; i < columns.size(); ++i) {
            const int k = s.mirrored && reversedCopy ? s.length - 1 - columns[i] : columns[i];
            line[i] = palette[run[k]];
        }
        const std::size_t bytes = line.size() * sizeof(QRgb);
        for (int yy = target.top(); yy <= target.bottom(); ++yy) {
            auto* out = reinterpret_cast<QRgb*>(composed.scanLine(yy - band.top())) +
                        (target.left() - band.left());
            std::memcpy(out, line.data(), bytes);
        }
    });
    return composed;
}

}  // namespace

QImage MaskedPicture(const Dib& picture, int transparentIndex, bool turned, const QRect& part) {
    if (!HasPaletteRows(picture)) {
        return {};
    }
    const int w = picture.Width();
    const int h = PictureHeight(picture);
    const QRect wanted = part & QRect(0, 0, w, h);
    if (wanted.isEmpty()) {
        return {};
    }
    QImage image(wanted.size(), QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) {
        return image;
    }
    const std::array<QRgb, 256> palette = Palette(picture);
    for (int r = wanted.top(); r <= wanted.bottom(); ++r) {
        // Top image row: the last stored row, or for a turned picture the first.
        const std::uint8_t* row = StoredRow(picture, turned ? r : h - 1 - r);
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(r - wanted.top()));
        for (int x = wanted.left(); x <= wanted.right(); ++x) {
            const int v = row[turned ? w - 1 - x : x];
            out[x - wanted.left()] = v == transparentIndex ? 0u : palette[std::size_t(v)];
        }
    }
    return image;
}

std::vector<TransparentStrip> PlanTransparentStrips(const Dib& picture, int left, int top,
                                                    int right, int bottom, int transparentIndex,
                                                    bool turned) {
    std::vector<TransparentStrip> strips;
    ForEachStrip(picture, left, top, right, bottom, transparentIndex, turned, nullptr,
                 [&](const TransparentStrip& s) { strips.push_back(s); });
    return strips;
}

void DrawPictureTransparent(DeviceContext& dc, int left, int top, int right, int bottom,
                            const Dib& picture, int transparentIndex, bool turned) {
    if (!HasPaletteRows(picture)) {
        dc.StretchDibInto(picture, left, top, right, bottom, false);
        return;
    }
    const QRect visible = dc.VisibleArea();
    if (right <= left || bottom <= top || visible.isEmpty()) {
        return;
    }
    const std::int64_t width = std::int64_t{right} - left;
    const std::int64_t height = std::int64_t{bottom} - top;
    const int w = picture.Width();
    const int h = PictureHeight(picture);
    if (width % w == 0 && height % h == 0) {
        // Whole-number scales: the strips tile the picture exactly, so the picture itself
        // with its transparent pixels clear, stretched, gives the same pixels; a printer
        // then holds one small image per picture instead of one the size of the page
        // area it covers. Only the pixels whose cells the device shows are taken.
        const std::int64_t kx = width / w, ky = height / h;
        // The strips of stored row 0 lie one step below the rectangle (above it when
        // turned), as the transfers place them.
        const std::int64_t y = turned ? std::int64_t{top} - ky : std::int64_t{top} + ky;
        const auto firstCell = [](std::int64_t from, std::int64_t origin, std::int64_t step) {
            return std::max<std::int64_t>(0, (from - origin) / step);
        };
        const int x0 = int(firstCell(visible.left(), left, kx));
        const int x1 = int(std::min<std::int64_t>(
            w, (std::int64_t{visible.right()} + 1 - left + kx - 1) / kx));
        const int y0 = int(firstCell(visible.top(), y, ky));
        const int y1 =
            int(std::min<std::int64_t>(h, (std::int64_t{visible.bottom()} + 1 - y + ky - 1) / ky));
        if (x0 >= x1 || y0 >= y1) {
            return;
        }
        // The same picture drawn again is the same image, which a printer stores once.
        const int variant = (transparentIndex << 1) | (turned ? 1 : 0);
        const QRect part(x0, y0, x1 - x0, y1 - y0);
        const QImage masked = dc.KeptImage(picture.Packed(), variant, part, [&] {
            return MaskedPicture(picture, transparentIndex, turned, part);
        });
        if (masked.isNull()) {
            return;
        }
        // In floating point: one cell of a one-pixel picture may be as wide as the device
        // range.
        dc.Painter().drawImage(QRectF(double(left + x0 * kx), double(y + y0 * ky),
                                      double((x1 - x0) * kx), double((y1 - y0) * ky)),
                               masked, QRectF(masked.rect()));
        return;
    }
    // Every strip lies within a step of the rectangle.
    const std::int64_t step = std::int64_t(std::ceil(double(height) / h)) + 2;
    const QRect reach =
        SaturatedRect(std::int64_t{left} - 2, std::int64_t{top} - step, width + 4, height + 2 * step);
    // Printers get a turned run reversed into the scratch row and copied unmirrored;
    // the screen mirrors it with negative extents. Both orders are kept here.
    const bool reversedCopy = dc.IsPrinting();
    if (dc.IsVectorPrinter() && reach.intersects(visible) &&
        qint64(reach.width()) * reach.height() <= kMaxWholeComposedPixels) {
        // The strips lie the same way about the rectangle wherever it is, so the whole
        // picture composed once for its size on the device serves every copy of it at
        // that size (the same picture on each face of a card), and the file stores it
        // once instead of once a copy. What the device does not show is clipped off.
        const int variant = kComposedVariant | (transparentIndex << 1) | (turned ? 1 : 0);
        const QRect size(0, 0, int(width), int(height));
        const QImage composed = dc.KeptImage(picture.Packed(), variant, size, [&] {
            QRect painted;
            const QRect all(QPoint(0, 0), reach.size());
            return ComposeStrips(picture, 2, step, 2 + width, step + height, transparentIndex,
                                 turned, reversedCopy, all, painted);
        });
        if (!composed.isNull()) {
            dc.Painter().drawImage(reach.topLeft(), composed);
        }
        return;
    }
    // Of the reach, what the device shows is composed in bands of bounded size.
    const QRect area = reach & visible;
    if (area.isEmpty()) {
        return;
    }
    const int bandHeight =
        int(std::clamp<qint64>(kMaxComposedPixels / area.width(), 1, area.height()));
    for (int bandTop = area.top(); bandTop <= area.bottom(); bandTop += bandHeight) {
        const QRect band(area.left(), bandTop, area.width(),
                         std::min(bandHeight, area.bottom() + 1 - bandTop));
        QRect painted;
        const QImage composed = ComposeStrips(picture, left, top, right, bottom, transparentIndex,
                                              turned, reversedCopy, band, painted);
        if (composed.isNull()) {
            return;
        }
        if (!painted.isEmpty()) {
            dc.Painter().drawImage(painted.topLeft(), composed,
                                   painted.translated(-band.topLeft()));
        }
    }
}

void DrawPictureTransparentRunByRun(DeviceContext& dc, int left, int top, int right, int bottom,
                                    const Dib& picture, int transparentIndex, bool turned) {
    const QRect visible = dc.VisibleArea();
    if (!HasPaletteRows(picture) || visible.isEmpty()) {
        return;
    }
    // The scratch rows hold the run's colours, looked up in the picture's palette.
    const int w = picture.Width();
    const std::array<QRgb, 256> palette = Palette(picture);
    QImage scratch(w + 2, 2, QImage::Format_ARGB32_Premultiplied);
    scratch.fill(Qt::transparent);
    const bool printing = dc.IsPrinting();
    ForEachStrip(picture, left, top, right, bottom, transparentIndex, turned, &visible,
                 [&](const TransparentStrip& s) {
        const std::uint8_t* run = StoredRow(picture, s.row) + s.column;
        auto* row0 = reinterpret_cast<QRgb*>(scratch.scanLine(0));
        for (int k = 0; k < s.length; ++k) {
            row0[k] = palette[run[k]];
        }
        const QRect& t = s.target;
        if (!s.mirrored) {
            dc.StretchImage(scratch, t, QRect(0, 0, s.length, 1));
        } else if (!printing) {
            // Negative extents: the device mirrors the strip.
            dc.StretchImage(scratch, QRect(t.right() + 1, t.bottom() + 1, -t.width(), -t.height()),
                            QRect(0, 0, s.length, 1));
        } else {
            auto* reversed = reinterpret_cast<QRgb*>(scratch.scanLine(1));
            for (int k = 0; k < s.length; ++k) {
                reversed[k] = row0[s.length - 1 - k];
            }
            dc.StretchImage(scratch, t, QRect(0, 1, s.length, 1));
        }
    });
}

}  // namespace quenby
