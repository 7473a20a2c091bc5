#include "properties/PropertySamples.h"

#include "document/Element.h"
#include "document/ElementDrawing.h"
#include "document/ElementOperations.h"
#include "document/ElementOwner.h"
#include "platform/DeviceContext.h"

#include <QPainter>

#include <algorithm>

namespace quenby {
namespace {

constexpr int kSampleZoom = 100;
constexpr int kShadowZoom = 40;
constexpr int kSampleInset = 10;
constexpr int kShadowInset = 21;

// A copy of the working copy as an upright `kind` filling `box` at `view`'s zoom.
ElementPtr SampleOf(const Element& workingCopy, ElementKind kind, const QRect& box,
                    const FixedOwner& view) {
    ElementPtr sample = CopyElementWithoutPicture(workingCopy);
    sample->kind = kind;
    sample->halfTurned = 0;
    sample->groupMember = 0;
    const DocPoint topLeft = view.ToDocument(box.topLeft());
    const DocPoint bottomRight = view.ToDocument(box.bottomRight() + QPoint(1, 1));
    sample->corners = {topLeft, DocPoint{bottomRight.x, topLeft.y}, bottomRight,
                       DocPoint{topLeft.x, bottomRight.y}};
    if (kind == ElementKind::Line) {
        sample->corners[0] = DocPoint{topLeft.x, bottomRight.y};
        sample->corners[1] = DocPoint{bottomRight.x, topLeft.y};
    }
    return sample;
}

// The letters "Aa" of the working copy's text, without the frame's own fill and line.
ElementPtr LettersOf(const Element& workingCopy, const QRect& box, const FixedOwner& view) {
    ElementPtr sample = SampleOf(workingCopy, ElementKind::Text, box, view);
    if (!sample->text) {
        sample->text = std::make_unique<TextBlock>();
    }
    sample->text->SetText(QStringLiteral("Aa"));
    sample->text->alignment = 1;
    sample->fillOn = 0;
    sample->outlineOn = 0;
    return sample;
}

ElementKind ShapeKind(const Element& element) {
    return element.kind == ElementKind::Ellipse || element.kind == ElementKind::Line
               ? element.kind
               : ElementKind::Box;
}

void Draw(QPainter& painter, const Element& sample, const FixedOwner& view, bool body,
          bool outline) {
    DeviceContext dc(painter);
    dc.SetSmooth(true);  // a sample on the screen, as the page view shows the element
    if (body) {
        DrawElementBody(sample, dc, view);
    }
    if (outline) {
        DrawElementOutline(sample, dc, view);
    }
}

}  // namespace

void DrawFillSample(QPainter& painter, const QRect& box, const Element& workingCopy,
                    PropertyMode mode) {
    const FixedOwner view(kSampleZoom);
    const QRect inside = box.adjusted(kSampleInset, kSampleInset, -kSampleInset, -kSampleInset);
    if (mode == PropertyMode::Text) {
        ElementPtr sample = LettersOf(workingCopy, inside, view);
        sample->text->shadowOn = 0;
        sample->text->outlineOn = 0;
        Draw(painter, *sample, view, true, false);
        return;
    }
    ElementPtr sample = SampleOf(workingCopy, ShapeKind(workingCopy), inside, view);
    if (sample->kind == ElementKind::Line) {
        sample->kind = ElementKind::Box;  // a line has no inside; show the fill as a box
    }
    Draw(painter, *sample, view, true, false);
}

void DrawOutlineSample(QPainter& painter, const QRect& box, const Element& workingCopy,
                       PropertyMode mode, bool outlined, int width) {
    if (!outlined) {
        return;
    }
    const FixedOwner view(kSampleZoom);
    const QRect inside = box.adjusted(kSampleInset, kSampleInset, -kSampleInset, -kSampleInset);
    const auto sampleWidth = std::uint8_t(std::clamp(width, 1, 50));
    if (mode == PropertyMode::Text) {
        ElementPtr sample = LettersOf(workingCopy, inside, view);
        sample->text->shadowOn = 0;
        sample->text->outlineOn = 1;
        sample->text->outlineWidth = sampleWidth;
        Draw(painter, *sample, view, true, false);
        return;
    }
    ElementPtr sample = SampleOf(workingCopy, ShapeKind(workingCopy), inside, view);
    sample->fillOn = 0;
    sample->outlineOn = 1;
    sample->outlineWidth = sampleWidth;
    Draw(painter, *sample, view, false, true);
}

void DrawShadowSample(QPainter& painter, const QRect& box, const Element& workingCopy) {
    const FixedOwner view(kShadowZoom);
    const QRect inside = box.adjusted(kShadowInset, kShadowInset, -kShadowInset, -kShadowInset);
    if (inside.isEmpty()) {
        return;
    }
    ElementPtr sample = LettersOf(workingCopy, inside, view);
    sample->fillOn = workingCopy.fillOn;
    sample->outlineOn = workingCopy.outlineOn;
    Draw(painter, *sample, view, true, true);
}

}  // namespace quenby
