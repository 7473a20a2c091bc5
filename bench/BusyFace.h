#pragma once

// A busy A4 page for the drawing, view and print benchmarks: 40 transparent
// pictures of 300 × 300 pixels, 60 texts (20 of them circular) with gradients,
// outlines and shadows, and 100 boxes, ellipses and lines, half of them with
// gradients. Element positions are in document units (96 dots per inch, so the A4
// face is about 3175 × 4490 units); everything lies on face 0.

#include "document/Document.h"
#include "document/Element.h"
#include "document/ElementOperations.h"
#include "document/TextBlock.h"
#include "platform/Dib.h"

#include <QString>

#include <cmath>
#include <cstdint>
#include <memory>

namespace quenby::bench {

// A 300 × 300 8-bit picture: a striped disc with holes on a transparent (index 255)
// background, so that each row has several runs.
inline std::unique_ptr<Dib> BusyPicture(int seed) {
    constexpr int kSide = 300;
    std::unique_ptr<Dib> dib = Dib::Create(kSide, kSide, 8);
    for (int i = 0; i < 255; ++i) {
        dib->SetColour(i, (std::uint32_t((i * 7 + seed * 40) & 0xFF) << 16) |
                              (std::uint32_t((i * 3 + 60) & 0xFF) << 8) |
                              std::uint32_t((255 - i + seed) & 0xFF));
    }
    dib->SetColour(255, 0xFFFFFF);
    auto bits = dib->Bits();
    const std::size_t stride = dib->Stride();
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            const int dx = x - kSide / 2, dy = y - kSide / 2;
            const int r2 = dx * dx + dy * dy;
            const bool hole = ((x / 25 + y / 25) % 3 == 0) && ((x % 25) > 8) && ((y % 25) > 8);
            std::uint8_t v = 255;
            if (r2 < 140 * 140 && !hole) {
                v = std::uint8_t((r2 / 90 + seed * 13) % 255);
            }
            bits[std::size_t(y) * stride + std::size_t(x)] = v;
        }
    }
    return dib;
}

inline void SetBox(Element& e, float x, float y, float w, float h) {
    e.corners = {DocPoint{x, y}, DocPoint{x + w, y}, DocPoint{x + w, y + h}, DocPoint{x, y + h}};
}

inline ElementPtr BusyElement(ElementKind kind) {
    ElementPtr e = CreateBlankElement();
    e->kind = kind;
    e->selected = 0;
    e->gradientCentreX = 50;
    e->gradientCentreY = 50;
    if (HasTextBlock(kind)) {
        e->text = std::make_unique<TextBlock>();
    }
    return e;
}

inline void BuildBusyFace(Document& doc) {
    doc.elements.Clear();
    doc.isCard = kPageSet;
    doc.paperSize = 1;
    doc.orientation = 0;
    doc.tilesAcross = doc.tilesDown = 1;
    doc.currentPage = 0;
    doc.pageColour = kWhite;

    // 100 shapes, half with gradients.
    for (int i = 0; i < 100; ++i) {
        const ElementKind kind = i % 3 == 0   ? ElementKind::Box
                                 : i % 3 == 1 ? ElementKind::Ellipse
                                              : ElementKind::Line;
        ElementPtr e = BusyElement(kind);
        const float x = float((i * 263) % 2700), y = float((i * 397) % 4000);
        SetBox(*e, x, y, 300.0f + float(i % 7) * 40.0f, 220.0f + float(i % 5) * 50.0f);
        if (kind == ElementKind::Line) {
            e->corners[1] = DocPoint{x + 400.0f, y + float(i % 4) * 90.0f};
        }
        e->outlineOn = 1;
        e->outlineWidth = std::uint8_t(1 + i % 4);
        e->outlineColour = MakeColourRef(i * 2, 40, 200 - i);
        e->fillOn = kind != ElementKind::Line;
        e->fillColour = MakeColourRef(250 - i * 2, 120, i * 2);
        e->fillColour2 = MakeColourRef(20, 200, 255 - i);
        e->fillStyle =
            i % 2 == 0 ? kSingleColour : (i % 4 == 1 ? kLinearGradient : kRadialGradient);
        e->gradientAngle = std::uint16_t((i * 37) % 360);
        e->gradientCentreX = 20 + i % 60;
        e->gradientCentreY = 30 + i % 40;
        doc.elements.Append(std::move(e));
    }
    // 40 transparent pictures of 300 × 300 pixels, 150 dpi (768 units a side).
    for (int i = 0; i < 40; ++i) {
        ElementPtr e = BusyElement(ElementKind::Picture);
        e->outlineOn = 0;
        e->transparent = 1;
        e->picture = BusyPicture(i);
        SetBox(*e, float((i % 5) * 600), float((i / 5) * 540), 768.0f, 768.0f);
        e->halfTurned = std::uint8_t(i % 4 == 3);
        doc.elements.Append(std::move(e));
    }
    // 60 texts, 20 of them circular.
    for (int i = 0; i < 60; ++i) {
        const bool circular = i % 3 == 2;
        ElementPtr e = BusyElement(circular ? ElementKind::CircularText : ElementKind::Text);
        e->outlineOn = std::uint8_t(i % 5 == 0);
        TextBlock& t = *e->text;
        t.SetText(i % 2 ? QStringLiteral("Feliz cumpleaños\r\nMaría")
                        : QStringLiteral("¡Hola amigos!"));
        t.font.SetFace(i % 2 ? QStringLiteral("RavelockWizard") : QStringLiteral("DejaVu Serif"));
        t.font.height = 136;
        t.font.weight = 400 + (i % 2) * 300;
        t.alignment = std::uint16_t(1 + i % 3);
        t.fillStyle = std::uint16_t(i % 3);
        t.fillColour = MakeColourRef(200, i * 4, 30);
        t.fillColour2 = MakeColourRef(30, 60, 230);
        t.gradientAngle = std::uint16_t((i * 53) % 360);
        t.outlineOn = std::uint8_t(i % 2);
        t.outlineColour = MakeColourRef(0, 0, 80);
        t.outlineWidth = 2;
        t.shadowOn = std::uint8_t(i % 4 != 1);
        t.shadowDx = 12;
        t.shadowDy = 12;
        const float x = float((i * 331) % 2400), y = float((i * 229) % 4100);
        if (circular) {
            const float r = 300.0f + float(i % 4) * 60.0f;
            const DocPoint c0{x + r, y + r};
            e->corners = {c0, DocPoint{c0.x + r / 2, c0.y}, DocPoint{c0.x + r, c0.y},
                          DocPoint{c0.x - r / 2, c0.y}};
        } else {
            SetBox(*e, x, y, 700.0f, 260.0f);
        }
        doc.elements.Append(std::move(e));
    }
}

// The busy face on face 0 at half size, and copies of it on the other three faces of
// an A4 quarter-fold card, so that each quarter of the sheet is as busy as a whole
// busy page.
inline void BuildBusyCard(Document& doc) {
    BuildBusyFace(doc);
    const int count = doc.elements.Count();
    for (int i = 0; i < count; ++i) {
        ScaleElement(*doc.elements[i], 0.5f, 0.5f, 0, 0);
    }
    for (int face = 1; face < 4; ++face) {
        for (int i = 0; i < count; ++i) {
            ElementPtr copy = CopyElement(*doc.elements[i]);
            copy->page = std::uint8_t(face);
            doc.elements.Append(std::move(copy));
        }
    }
    doc.isCard = kCard;
    doc.cardType = 4;  // quarter fold, portrait A4
    doc.orientation = 0;
    doc.paperSize = 1;
}

}  // namespace quenby::bench
