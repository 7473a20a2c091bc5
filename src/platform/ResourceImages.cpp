#include "platform/ResourceImages.h"

#include "platform/Dib.h"

#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include <array>
#include <cstring>
#include <map>
#include <unordered_map>

// The resource file lives in a static library: nothing refers to its objects, so the
// linker would drop them without this reference.
static void InitProgramPictures() {
    Q_INIT_RESOURCE(program_pictures);
}

namespace quenby {
namespace {

// How an 8-bit picture gets its palette indices.
enum class EightBit {
    Glyph,    // drawn pixels index 0, the rest kResourceTransparentIndex
    Palette,  // each colour its own entry (a standard palette when there are too many)
};

struct EightBitPicture {
    int id;
    EightBit kind;
};

constexpr std::array<EightBitPicture, 2> kEightBitPictures{{
    {11051, EightBit::Glyph},  // rotation handle
    {400, EightBit::Palette},  // thumbnail tile
}};

struct HotSpot {
    int id;
    int x;
    int y;
};

// Cursors are 32 x 32; the drawing tools point with a small crosshair at the top left.
constexpr std::array<HotSpot, 10> kHotSpots{{
    {1, 8, 8},    // ellipse
    {2, 8, 8},    // line
    {3, 8, 8},    // picture
    {4, 8, 8},    // box
    {5, 8, 8},    // text
    {6, 15, 15},  // measuring crosshair
    {7, 16, 16},  // page turn
    {8, 8, 8},    // circular text
    {9, 16, 16},  // rotate
    {10, 8, 8},   // calendar
}};

void EnsureResources() {
    static const bool loaded = [] {
        InitProgramPictures();
        return true;
    }();
    (void)loaded;
}

const EightBitPicture* FindEightBit(int id) {
    for (const EightBitPicture& p : kEightBitPictures) {
        if (p.id == id) {
            return &p;
        }
    }
    return nullptr;
}

// The resource file of a picture, or an empty text when there is none.
QString PicturePath(const QString& folder, int id) {
    EnsureResources();
    for (const char* extension : {"svg", "png", "xpm"}) {
        const QString path = QStringLiteral(":/%1/%2.%3").arg(folder).arg(id).arg(extension);
        if (QFile::exists(path)) {
            return path;
        }
    }
    return {};
}

QImage Render(const QString& path, QSize size = {}) {
    if (path.isEmpty()) {
        return {};
    }
    if (path.endsWith(QLatin1String(".svg"))) {
        QSvgRenderer renderer(path);
        if (!renderer.isValid()) {
            return {};
        }
        const QSize natural = renderer.defaultSize();
        if (!size.isValid()) {
            size = natural;
        } else if (!natural.isEmpty()) {
            size = natural.scaled(size, Qt::KeepAspectRatio);
        }
        if (size.isEmpty()) {
            return {};
        }
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        return image;
    }
    QImage image(path);
    if (image.isNull()) {
        return {};
    }
    image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (size.isValid() && size != image.size()) {
        image = image.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    return image;
}

// The picture at its drawn size, kept once made: the same few pictures are asked
// for again and again (the rotation glyph at every handle drawing).
const QImage& Drawn(int id) {
    static std::unordered_map<int, QImage> drawn;
    auto it = drawn.find(id);
    if (it == drawn.end()) {
        it = drawn.emplace(id, Render(PicturePath(QStringLiteral("images"), id))).first;
    }
    return it->second;
}

QRgb OnWhite(QRgb premultiplied) {
    const int a = qAlpha(premultiplied);
    return qRgb(qRed(premultiplied) + 255 - a, qGreen(premultiplied) + 255 - a,
                qBlue(premultiplied) + 255 - a);
}

// The standard palette for pictures with too many colours: black first, white last,
// a 6 x 6 x 6 colour cube and a grey ramp between.
std::array<QRgb, 256> StandardPalette() {
    std::array<QRgb, 256> palette{};
    int n = 0;
    palette[std::size_t(n++)] = qRgb(0, 0, 0);
    for (int r = 0; r < 6; ++r) {
        for (int g = 0; g < 6; ++g) {
            for (int b = 0; b < 6; ++b) {
                palette[std::size_t(n++)] = qRgb(r * 51, g * 51, b * 51);
            }
        }
    }
    while (n < 255) {
        const int grey = (n - 216) * 255 / 39;
        palette[std::size_t(n++)] = qRgb(grey, grey, grey);
    }
    palette[255] = qRgb(255, 255, 255);
    return palette;
}

int Nearest(const std::array<QRgb, 256>& palette, QRgb colour) {
    int best = 0;
    int bestDistance = 1 << 30;
    for (int i = 0; i < 256; ++i) {
        const int dr = qRed(palette[std::size_t(i)]) - qRed(colour);
        const int dg = qGreen(palette[std::size_t(i)]) - qGreen(colour);
        const int db = qBlue(palette[std::size_t(i)]) - qBlue(colour);
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

// Turns a drawn picture into an 8-bit bitmap with a 256-entry palette.
std::unique_ptr<Dib> EightBitDib(const QImage& drawn, EightBit kind) {
    const QImage image = drawn.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int w = image.width();
    const int h = image.height();
    std::unique_ptr<Dib> dib = Dib::Create(w, h, 8);
    if (!dib) {
        return nullptr;
    }
    std::array<QRgb, 256> palette = StandardPalette();
    std::vector<std::uint8_t> indices(std::size_t(w) * std::size_t(h), kResourceTransparentIndex);
    if (kind == EightBit::Glyph) {
        for (int y = 0; y < h; ++y) {
            const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < w; ++x) {
                if (qGray(OnWhite(line[x])) < 128) {
                    indices[std::size_t(y) * w + x] = 0;
                }
            }
        }
    } else {
        // Exact colours while they fit; white keeps the last entry.
        std::map<QRgb, int> exact;
        bool fits = true;
        for (int y = 0; y < h && fits; ++y) {
            const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < w; ++x) {
                const QRgb c = OnWhite(line[x]);
                if (c != qRgb(255, 255, 255) && !exact.count(c)) {
                    if (exact.size() == 255) {
                        fits = false;
                        break;
                    }
                    const int index = int(exact.size());
                    exact.emplace(c, index);
                }
            }
        }
        if (fits) {
            for (const auto& [colour, index] : exact) {
                palette[std::size_t(index)] = colour;
            }
        }
        for (int y = 0; y < h; ++y) {
            const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < w; ++x) {
                const QRgb c = OnWhite(line[x]);
                int index = kResourceTransparentIndex;
                if (c != qRgb(255, 255, 255)) {
                    index = fits ? exact.at(c) : Nearest(palette, c);
                }
                indices[std::size_t(y) * w + x] = std::uint8_t(index);
            }
        }
    }
    for (int i = 0; i < 256; ++i) {
        dib->SetColour(i, palette[std::size_t(i)] & 0xFFFFFFu);
    }
    // Bottom row first, as bitmaps store them.
    const std::span<std::uint8_t> bits = dib->Bits();
    for (int y = 0; y < h; ++y) {
        std::memcpy(bits.data() + std::size_t(h - 1 - y) * dib->Stride(),
                    &indices[std::size_t(y) * w], std::size_t(w));
    }
    return dib;
}

std::unique_ptr<Dib> TrueColourDib(const QImage& drawn) {
    const QImage image = drawn.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    std::unique_ptr<Dib> dib = Dib::Create(image.width(), image.height(), 24);
    if (!dib) {
        return nullptr;
    }
    const std::span<std::uint8_t> bits = dib->Bits();
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        std::uint8_t* row = bits.data() + std::size_t(image.height() - 1 - y) * dib->Stride();
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = OnWhite(line[x]);
            row[3 * x] = std::uint8_t(qBlue(c));
            row[3 * x + 1] = std::uint8_t(qGreen(c));
            row[3 * x + 2] = std::uint8_t(qRed(c));
        }
    }
    return dib;
}

const Dib* CachedDib(int id) {
    static std::unordered_map<int, std::unique_ptr<Dib>> dibs;
    auto it = dibs.find(id);
    if (it == dibs.end()) {
        const QImage& drawn = Drawn(id);
        std::unique_ptr<Dib> dib;
        if (!drawn.isNull()) {
            const EightBitPicture* eightBit = FindEightBit(id);
            dib = eightBit ? EightBitDib(drawn, eightBit->kind) : TrueColourDib(drawn);
        }
        it = dibs.emplace(id, std::move(dib)).first;
    }
    return it->second.get();
}

}  // namespace

QImage ResourceImage(int id) {
    if (FindEightBit(id)) {
        const Dib* dib = CachedDib(id);
        return dib ? dib->ToImage() : QImage();
    }
    return Drawn(id);
}

std::unique_ptr<Dib> ResourceDib(int id) {
    const Dib* dib = CachedDib(id);
    return dib ? dib->Clone() : nullptr;
}

QIcon ResourceIcon(int id) {
    const QString path = PicturePath(QStringLiteral("images"), id);
    if (path.isEmpty() || !qGuiApp) {
        return {};
    }
    QIcon icon;
    const QSize natural = Drawn(id).size();
    for (int side : {16, 22, 24, 32, 48, 64, 128, 256}) {
        // Small pictures are not blown up past four times their size.
        if (side > 4 * std::max(natural.width(), natural.height())) {
            break;
        }
        const QImage image = Render(path, QSize(side, side));
        if (!image.isNull()) {
            icon.addPixmap(QPixmap::fromImage(image));
        }
    }
    return icon;
}

QCursor ResourceCursor(int id) {
    const QString path = PicturePath(QStringLiteral("cursors"), id);
    if (path.isEmpty() || !qGuiApp) {
        return QCursor(Qt::ArrowCursor);
    }
    const QImage image = Render(path);
    if (image.isNull()) {
        return QCursor(Qt::ArrowCursor);
    }
    int hotX = image.width() / 2;
    int hotY = image.height() / 2;
    for (const HotSpot& h : kHotSpots) {
        if (h.id == id) {
            hotX = h.x;
            hotY = h.y;
        }
    }
    return QCursor(QPixmap::fromImage(image), hotX, hotY);
}

}  // namespace quenby
