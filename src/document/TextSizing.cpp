#include "document/TextSizing.h"

#include "document/Element.h"
#include "document/TextDrawing.h"
#include "graphics/FontMapping.h"
#include "platform/DeviceContext.h"

#include <QFont>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace quenby {

QSize LettersExtent(const TextBlock& text) {
    const QFont font = MapLogFont(text.font);
    const QStringList lines = TextLines(text.Text());
    int widest = 0;
    for (const QString& line : lines) {
        widest = std::max(widest, DeviceContext::TextWidth(font, line));
    }
    const std::int64_t height = std::int64_t(lines.size()) * DeviceContext::LineHeight(font);
    return QSize(widest, int(std::min<std::int64_t>(height, 1 << 30)));
}

void SizeTextFromLetters(Element& element, double pixelsPerMm) {
    if (!element.text) {
        return;
    }
    const QSize extent = LettersExtent(*element.text);
    // Whole units, then a third of them, as the tool has always sized new texts.
    const auto units = [&](int pixels) {
        const double scaled = std::trunc(double(pixels) * pixelsPerMm);
        return float(std::int64_t(std::clamp(scaled, 0.0, 1.0e12)) / 3);
    };
    const float w = units(extent.width());
    const float h = units(extent.height());
    const DocPoint c0 = element.corners[0];
    element.corners[1] = DocPoint{c0.x + w, c0.y};
    element.corners[2] = DocPoint{c0.x + w, c0.y + h};
    element.corners[3] = DocPoint{c0.x, c0.y + h};
}

}  // namespace quenby
