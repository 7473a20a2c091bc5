#include "document/ElementOperations.h"

#include "document/ElementOwner.h"

#include <cmath>

namespace quenby {
namespace {

// What a copy and an assignment both carry: every field but the picture, the text
// block, the scratch words and the reserved bytes.
void CopyPlainFields(Element& target, const Element& source) {
    target.kind = source.kind;
    target.corners = source.corners;
    target.page = source.page;
    target.outlineOn = source.outlineOn;
    target.outlineWidth = source.outlineWidth;
    target.outlineColour = source.outlineColour;
    target.fillOn = source.fillOn;
    target.fillColour = source.fillColour;
    target.fillColour2 = source.fillColour2;
    target.fillStyle = source.fillStyle;
    target.gradientAngle = source.gradientAngle;
    target.gradientCentreX = source.gradientCentreX;
    target.gradientCentreY = source.gradientCentreY;
    target.selected = source.selected;
    target.transparent = source.transparent;
    target.groupId = source.groupId;
    target.groupMember = source.groupMember;
    target.halfTurned = source.halfTurned;
}

}  // namespace

ElementPtr CreateElement(const ElementOwner& view, int page, ElementKind kind,
                         const std::array<QPoint, 4>& devicePoints) {
    auto e = std::make_unique<Element>();
    e->kind = kind;
    e->page = std::uint8_t(page);
    e->outlineOn = (kind == ElementKind::Picture || kind == ElementKind::Text ||
                    kind == ElementKind::CircularText)
                       ? 0
                       : 1;
    e->fillColour2 = kBlack;
    if (HasTextBlock(kind)) {
        e->text = std::make_unique<TextBlock>();
    }
    SetCornersFromDevicePoints(*e, view, devicePoints);
    return e;
}

void SetCornersFromDevicePoints(Element& element, const ElementOwner& view,
                                const std::array<QPoint, 4>& devicePoints) {
    std::array<DocPoint, 4> d;
    for (std::size_t i = 0; i < 4; ++i) {
        d[i] = view.ToDocument(devicePoints[i]);
    }
    if (element.kind != ElementKind::CircularText) {
        element.corners = d;
        return;
    }
    // The circle's centre is the middle of the lower edge, its radius half the width.
    auto& c = element.corners;
    c[0] = {(d[3].x + d[2].x) * 0.5f, d[2].y};
    c[2] = {d[1].x, c[0].y};
    c[1] = {(c[0].x + c[2].x) * 0.5f, c[0].y};
    c[3] = {2.0f * c[0].x - c[1].x, c[0].y};
}

ElementPtr CreateBlankElement() {
    auto e = std::make_unique<Element>();
    // The struct's defaults are those of a blank element.
    return e;
}

ElementPtr CopyElement(const Element& source) {
    ElementPtr e = CopyElementWithoutPicture(source);
    if (source.picture) {
        e->picture = source.picture->Clone();
    }
    return e;
}

ElementPtr CopyElementWithoutPicture(const Element& source) {
    auto e = std::make_unique<Element>();
    CopyPlainFields(*e, source);
    if (source.text) {
        e->text = std::make_unique<TextBlock>(source.text->CopyWithoutReserved());
    }
    return e;
}

void AssignElement(Element& target, const Element& source) {
    CopyPlainFields(target, source);
    // Release first: source and target may share nothing but must not alias.
    std::unique_ptr<TextBlock> text;
    std::unique_ptr<Dib> picture;
    if (HasTextBlock(source.kind) && source.text) {
        text = std::make_unique<TextBlock>(source.text->CopyWithoutReserved());
    }
    if (source.kind == ElementKind::Picture && source.picture) {
        picture = source.picture->Clone();
    }
    target.text = std::move(text);
    target.picture = std::move(picture);
}

void MoveElement(Element& element, float dx, float dy) {
    for (DocPoint& c : element.corners) {
        c.x += dx;
        c.y += dy;
    }
}

void ScaleElement(Element& element, float sx, float sy, float cx, float cy) {
    for (DocPoint& c : element.corners) {
        c.x = (c.x - cx) * sx + cx;
        c.y = (c.y - cy) * sy + cy;
    }
}

void RotateElement(Element& element, float angle, float cx, float cy) {
    element.halfTurned ^= 1;
    TurnElement(element, angle, cx, cy);
}

void TurnElement(Element& element, float angle, float cx, float cy) {
    const float cosA = std::cos(angle);
    const float sinA = std::sin(angle);
    for (DocPoint& c : element.corners) {
        const float u = c.x - cx;
        const float v = c.y - cy;
        c.x = cosA * u + sinA * v + cx;
        c.y = -sinA * u + cosA * v + cy;
    }
}

}  // namespace quenby
