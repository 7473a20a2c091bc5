#include "graphics/FontMapping.h"

#include "platform/LogFont.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace quenby {
namespace {

constexpr int kDefaultPixelSize = 16;
// Heights beyond this come only from damaged files; glyph outlines stay exact anyway.
constexpr int kMaxPixelSize = 4000;
constexpr double kReferencePixels = 100.0;

}  // namespace

QString ResolveFontFamily(const QString& face) {
    if (!face.isEmpty() && QFontDatabase::hasFamily(face)) {
        return face;
    }
    static const QString kFallback = QStringLiteral("DejaVu Sans");
    if (QFontDatabase::hasFamily(kFallback)) {
        return kFallback;
    }
    const QString general = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    if (!general.isEmpty()) {
        return general;
    }
    const QStringList families = QFontDatabase::families();
    return families.isEmpty() ? kFallback : families.front();
}

QFont MapLogFont(const LogFont& logFont) {
    QFont font(ResolveFontFamily(logFont.Face()));
    font.setStyleStrategy(QFont::PreferOutline);
    // Letters are warped as outlines: hinting would only bend them towards a pixel grid
    // they are not drawn on, and costs time at every paint.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setItalic(logFont.italic != 0);
    font.setUnderline(logFont.underline != 0);
    font.setStrikeOut(logFont.strikeOut != 0);
    const int weight = logFont.weight <= 0 ? 400 : std::clamp(logFont.weight, 1, 1000);
    font.setWeight(QFont::Weight(weight));

    int pixels = kDefaultPixelSize;
    if (logFont.height < 0) {
        pixels = logFont.height < -kMaxPixelSize ? kMaxPixelSize : -logFont.height;
    } else if (logFont.height > 0) {
        // The cell height: find the em that gives it, measured at a reference size.
        font.setPixelSize(int(kReferencePixels));
        const double cell = QFontMetricsF(font).height();
        const double em =
            cell > 0 ? double(std::min(logFont.height, kMaxPixelSize)) * kReferencePixels / cell
                     : double(logFont.height);
        pixels = std::clamp(int(std::lround(em)), 1, kMaxPixelSize);
    }
    font.setPixelSize(pixels);

    if (logFont.width > 0) {
        // A width asks for an average character width; stretch the face towards it.
        const double average = QFontMetricsF(font).averageCharWidth();
        if (average > 0) {
            const int stretch = int(std::lround(double(logFont.width) * 100.0 / average));
            font.setStretch(std::clamp(stretch, 1, 4000));
        }
    }
    return font;
}

}  // namespace quenby
