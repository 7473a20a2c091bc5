#include "graphics/TransparentPicture.h"

#include "platform/DeviceContext.h"
#include "platform/Dib.h"

#include <QImage>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace quenby {
namespace {

// Above this many pixels a composed image would cost more memory than it saves time.
constexpr qint64 kMaxComposedPixels = qint64(24) << 20;

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

int CeilToInt(double v) {
    return int(std::ceil(v));
}

// The pixel of a run of `n` that one stretched transfer of the run over the `c` device
// columns from `left` puts on each column of [from, to): nearest pixel by the centre of
// each column, stepped in 16.16 fixed point the way the raster engine steps it, so that
// a composed image holds exactly the pixels of one transfer per run. A mirrored transfer
// (negative extent) steps from the run's end backwards.
void SampleColumns(int n, int left, int c, bool mirrored, int from, int to, std::vector<int>& out) {
    out.clear();
    const double step = mirrored ? double(n) / double(-c) : double(n) / double(c);
    const int ix = int(65536 * step);
    std::uint32_t x = 0;
    if (mirrored) {
        const int dstx = int(std::floor((from + 0.5 - left) * step * 65536)) + 1;
        x = std::uint32_t(double(n) * 65536) + std::uint32_t(dstx);
    } else {
        const int dstx = int(std::ceil((from + 0.5 - left) * step * 65536)) - 1;
        x = std::uint32_t(dstx);
    }
    for (int col = from; col < to; ++col) {
        out.push_back(std::clamp(int(x >> 16), 0, n - 1));
        x += std::uint32_t(ix);
    }
}

}  // namespace

std::vector<TransparentStrip> PlanTransparentStrips(const Dib& picture, int left, int top,
                                                    int right, int bottom, int transparentIndex,
                                                    bool turned) {
    std::vector<TransparentStrip> strips;
    if (!HasPaletteRows(picture) || right <= left || bottom <= top) {
        return strips;
    }
    const int w = picture.Width();
    const int h = PictureHeight(picture);
    const double sx = double(right - left) / double(w);
    const double sy = double(bottom - top) / double(h);
    const int d = CeilToInt(sy);
    for (int y = 0; y < h; ++y) {
        const std::uint8_t* pixels = StoredRow(picture, y);
        const int b = CeilToInt(double(y) * sy);
        int run = 0;
        for (int x = 0; x < w; ++x) {
            const int v = pixels[x];
            if (v != transparentIndex) {
                ++run;
            }
            if ((v == transparentIndex || x == w - 1) && run > 0) {
                const int x0 = v == transparentIndex ? x - run : x - run + 1;
                const int a = CeilToInt(double(x0) * sx);
                const int c = CeilToInt(double(run) * sx);
                TransparentStrip s;
                s.row = y;
                s.column = x0;
                s.length = run;
                s.mirrored = turned;
                s.target = turned ? QRect(right - a - c, top + b - d, c, d)
                                  : QRect(left + a, bottom - b, c, d);
                strips.push_back(s);
                run = 0;
            }
        }
    }
    return strips;
}

void DrawPictureTransparent(DeviceContext& dc, int left, int top, int right, int bottom,
                            const Dib& picture, int transparentIndex, bool turned) {
    if (!HasPaletteRows(picture)) {
        if (right > left && bottom > top) {
            dc.StretchDib(picture, QRect(left, top, right - left, bottom - top));
        }
        return;
    }
    if (right <= left || bottom <= top) {
        return;
    }
    const int w = picture.Width();
    const int h = PictureHeight(picture);
    if ((right - left) % w == 0 && (bottom - top) % h == 0) {
        // Whole-number scales: the strips tile the picture exactly, so the picture itself
        // with its transparent pixels clear, stretched once, gives the same pixels; a
        // printer then holds one small image per picture instead of one the size of
        // the page area it covers.
        const int sy = (bottom - top) / h;
        const std::array<QRgb, 256> palette = Palette(picture);
        QImage masked(w, h, QImage::Format_ARGB32_Premultiplied);
        for (int r = 0; r < h; ++r) {
            // Top image row: the last stored row, or for a turned picture the first.
            const std::uint8_t* row = StoredRow(picture, turned ? r : h - 1 - r);
            auto* out = reinterpret_cast<QRgb*>(masked.scanLine(r));
            for (int x = 0; x < w; ++x) {
                const int v = row[turned ? w - 1 - x : x];
                out[x] = v == transparentIndex ? 0u : palette[std::size_t(v)];
            }
        }
        // The strips of stored row 0 lie one step below the rectangle (above it when
        // turned), as the transfers place them.
        const int y = turned ? top - sy : top + sy;
        dc.StretchImage(masked, QRect(left, y, right - left, bottom - top), masked.rect());
        return;
    }
    const std::vector<TransparentStrip> strips =
        PlanTransparentStrips(picture, left, top, right, bottom, transparentIndex, turned);
    if (strips.empty()) {
        return;
    }
    QRect area;
    for (const TransparentStrip& s : strips) {
        area |= s.target;
    }
    const QRect visible = dc.VisibleArea();
    if (!visible.isNull()) {
        area &= visible;
    }
    if (area.isEmpty()) {
        return;
    }
    if (qint64(area.width()) * area.height() > kMaxComposedPixels) {
        DrawPictureTransparentRunByRun(dc, left, top, right, bottom, picture, transparentIndex,
                                       turned);
        return;
    }

    const std::array<QRgb, 256> palette = Palette(picture);
    // Printers get a turned run reversed into the scratch row and copied unmirrored;
    // the screen mirrors it with negative extents. Both orders are kept here.
    const bool reversedCopy = dc.IsPrinting();
    QImage composed(area.size(), QImage::Format_ARGB32_Premultiplied);
    composed.fill(Qt::transparent);
    std::vector<QRgb> line;
    std::vector<int> columns;
    for (const TransparentStrip& s : strips) {
        const QRect target = s.target & area;
        if (target.isEmpty()) {
            continue;
        }
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
            auto* out = reinterpret_cast<QRgb*>(composed.scanLine(yy - area.top())) +
                        (target.left() - area.left());
            std::memcpy(out, line.data(), bytes);
        }
    }
    dc.DrawImage(area.topLeft(), composed);
}

void DrawPictureTransparentRunByRun(DeviceContext& dc, int left, int top, int right, int bottom,
                                    const Dib& picture, int transparentIndex, bool turned) {
    const std::vector<TransparentStrip> strips =
        PlanTransparentStrips(picture, left, top, right, bottom, transparentIndex, turned);
    if (strips.empty()) {
        return;
    }
    // The scratch rows hold the run's colours, looked up in the picture's palette.
    const int w = picture.Width();
    const std::array<QRgb, 256> palette = Palette(picture);
    QImage scratch(w + 2, 2, QImage::Format_ARGB32_Premultiplied);
    scratch.fill(Qt::transparent);
    const bool printing = dc.IsPrinting();
    for (const TransparentStrip& s : strips) {
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
    }
}

}  // namespace quenby
