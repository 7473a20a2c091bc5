#include "graphics/ColourQuantiser.h"

#include "platform/Dib.h"

#include <QImage>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace quenby {
namespace {

constexpr int kColourSlots = 255;  // index 255 is kept for the transparent colour
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::int64_t kMaxPixels = std::int64_t(8192) * 8192;

struct Swatch {
    std::uint32_t rgb;
    std::uint32_t count;
};

int Channel(std::uint32_t rgb, int c) {
    return int((rgb >> (16 - 8 * c)) & 0xFF);
}

// A run of swatches [begin, end) that will become one palette colour.
struct Box {
    std::size_t begin;
    std::size_t end;
    int longest = 0;  // channel with the widest spread
    int spread = 0;
    std::uint64_t weight = 0;
};

void Measure(const std::vector<Swatch>& s, Box& box) {
    int lo[3] = {255, 255, 255}, hi[3] = {0, 0, 0};
    box.weight = 0;
    for (std::size_t i = box.begin; i < box.end; ++i) {
        for (int c = 0; c < 3; ++c) {
            lo[c] = std::min(lo[c], Channel(s[i].rgb, c));
            hi[c] = std::max(hi[c], Channel(s[i].rgb, c));
        }
        box.weight += s[i].count;
    }
    box.spread = -1;
    for (int c = 0; c < 3; ++c) {
        if (hi[c] - lo[c] > box.spread) {
            box.spread = hi[c] - lo[c];
            box.longest = c;
        }
    }
}

std::uint32_t MeanColour(const std::vector<Swatch>& s, const Box& box) {
    double sum[3] = {0, 0, 0};
    double total = 0;
    for (std::size_t i = box.begin; i < box.end; ++i) {
        for (int c = 0; c < 3; ++c)
            sum[c] += double(Channel(s[i].rgb, c)) * s[i].count;
        total += s[i].count;
    }
    std::uint32_t rgb = 0;
    for (int c = 0; c < 3; ++c) {
        rgb = (rgb << 8) | std::uint32_t(std::lround(sum[c] / total));
    }
    return rgb;
}

std::vector<std::uint32_t> MedianCut(std::vector<Swatch> swatches) {
    std::vector<Box> boxes;
    boxes.push_back({0, swatches.size()});
    Measure(swatches, boxes.back());
    while (boxes.size() < std::size_t(kColourSlots)) {
        // Split the box whose colours differ most, favouring the ones that cover
        // many pixels, so large areas keep their exact shade.
        std::size_t pick = boxes.size();
        double best = 0;
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i].end - boxes[i].begin < 2)
                continue;
            const double score = boxes[i].spread * std::sqrt(double(boxes[i].weight));
            if (pick == boxes.size() || score > best) {
                best = score;
                pick = i;
            }
        }
        if (pick == boxes.size())
            break;
        Box box = boxes[pick];
        const int c = box.longest;
        std::sort(swatches.begin() + std::ptrdiff_t(box.begin),
                  swatches.begin() + std::ptrdiff_t(box.end),
                  [c](const Swatch& a, const Swatch& b) {
                      return Channel(a.rgb, c) != Channel(b.rgb, c)
                                 ? Channel(a.rgb, c) < Channel(b.rgb, c)
                                 : a.rgb < b.rgb;
                  });
        // Cut at the weighted median, keeping at least one swatch on each side.
        std::uint64_t running = 0;
        std::size_t cut = box.begin + 1;
        for (std::size_t i = box.begin; i + 1 < box.end; ++i) {
            running += swatches[i].count;
            cut = i + 1;
            if (running * 2 >= box.weight)
                break;
        }
        Box low{box.begin, cut}, high{cut, box.end};
        Measure(swatches, low);
        Measure(swatches, high);
        boxes[pick] = low;
        boxes.push_back(high);
    }
    std::vector<std::uint32_t> palette;
    for (const Box& b : boxes)
        palette.push_back(MeanColour(swatches, b));
    return palette;
}

int Nearest(const std::vector<std::uint32_t>& palette, std::uint32_t rgb) {
    int best = 0;
    long bestDistance = -1;
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const long dr = Channel(rgb, 0) - Channel(palette[i], 0);
        const long dg = Channel(rgb, 1) - Channel(palette[i], 1);
        const long db = Channel(rgb, 2) - Channel(palette[i], 2);
        const long d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (bestDistance < 0 || d < bestDistance) {
            bestDistance = d;
            best = int(i);
        }
    }
    return best;
}

}  // namespace

std::unique_ptr<Dib> QuantiseToPalette(const QImage& source) {
    if (source.isNull())
        return nullptr;
    // Artwork is a few hundred pixels a side; this bound keeps the working copies
    // of a mistaken giant input within reason.
    if (std::int64_t(source.width()) * source.height() > kMaxPixels)
        return nullptr;
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int w = image.width(), h = image.height();
    std::unique_ptr<Dib> dib = Dib::Create(w, h, 8);
    if (!dib)
        return nullptr;

    // Colours as they will show on white paper; -1 marks a transparent pixel.
    std::vector<std::int32_t> flat(std::size_t(w) * std::size_t(h));
    std::unordered_map<std::uint32_t, std::uint32_t> histogram;
    for (int y = 0; y < h; ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const QRgb p = line[x];
            const int a = qAlpha(p);
            std::int32_t rgb = -1;
            if (a != 0) {
                auto over = [a](int v) { return (v * a + 255 * (255 - a) + 127) / 255; };
                rgb = std::int32_t((over(qRed(p)) << 16) | (over(qGreen(p)) << 8) | over(qBlue(p)));
                ++histogram[std::uint32_t(rgb)];
            }
            flat[std::size_t(y) * w + x] = rgb;
        }
    }

    std::vector<Swatch> swatches;
    swatches.reserve(histogram.size());
    for (const auto& [rgb, count] : histogram)
        swatches.push_back({rgb, count});
    std::sort(swatches.begin(), swatches.end(),
              [](const Swatch& a, const Swatch& b) { return a.rgb < b.rgb; });

    std::vector<std::uint32_t> palette;
    if (swatches.size() <= std::size_t(kColourSlots)) {
        for (const Swatch& s : swatches)
            palette.push_back(s.rgb);
    } else {
        palette = MedianCut(swatches);
    }
    std::unordered_map<std::uint32_t, std::uint8_t> indexOf;
    indexOf.reserve(swatches.size());
    for (const Swatch& s : swatches)
        indexOf[s.rgb] = std::uint8_t(Nearest(palette, s.rgb));

    for (std::size_t i = 0; i < palette.size(); ++i)
        dib->SetColour(int(i), palette[i]);
    dib->SetColour(255, kWhite);

    const std::size_t stride = dib->Stride();
    std::span<std::uint8_t> bits = dib->Bits();
    for (int y = 0; y < h; ++y) {
        std::uint8_t* row = bits.data() + std::size_t(h - 1 - y) * stride;  // bottom row first
        for (int x = 0; x < w; ++x) {
            const std::int32_t rgb = flat[std::size_t(y) * w + x];
            row[x] = rgb < 0 ? 255 : indexOf[std::uint32_t(rgb)];
        }
    }
    return dib;
}

}  // namespace quenby
