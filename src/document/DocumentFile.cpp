#include "document/DocumentFile.h"

#include "document/Document.h"
#include "document/ElementOperations.h"
#include "platform/ByteSource.h"
#include "platform/LittleEndian.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace quenby::wxd {
namespace {

std::uint16_t InRange(std::uint16_t v, int first, int last, std::uint16_t fallback) {
    return (v >= first && v <= last) ? v : fallback;
}

// Values that later code uses as table indexes or divisors: a valid value stays as
// stored, anything else becomes the start-up value (tile counts are clamped).
void BringIntoRange(Document& doc) {
    doc.cardType = InRange(doc.cardType, 0, kCardTypeCount - 1, 3);
    doc.paperSize = InRange(doc.paperSize, 0, kPaperSizeCount - 1, 1);
    doc.orientation = InRange(doc.orientation, 0, 1, 0);
    doc.tilesAcross = std::uint16_t(std::clamp<int>(doc.tilesAcross, 1, kMaxTiles));
    doc.tilesDown = std::uint16_t(std::clamp<int>(doc.tilesDown, 1, kMaxTiles));
    if (doc.isCard > kPageSet)
        doc.isCard = kPageSet;
    if (doc.currentPage >= kFaceCount)
        doc.currentPage = 0;
}

bool ReadHeader(ByteSource& source, Document& doc) {
    std::array<std::uint8_t, kHeaderSize> bytes{};
    if (source.Read(bytes.data(), bytes.size()) != bytes.size() ||
        std::memcmp(bytes.data(), kMagic, 4) != 0) {
        return false;
    }
    FieldReader r(bytes);
    std::uint8_t flag = 0, version = 0;
    std::uint16_t spacing = 0;
    r.Skip(4);
    r.U8(version);  // not checked
    r.U16(doc.cardType);
    r.U16(doc.tilesAcross);
    r.U16(doc.tilesDown);
    r.U8(doc.isCard);
    r.U8(doc.currentPage);
    r.U8(flag);
    doc.viewSwitchA = flag != 0;
    r.U16(spacing);
    doc.gridSpacingX = spacing;
    r.U16(spacing);
    doc.gridSpacingY = spacing;
    r.U8(flag);
    doc.snapToGrid = flag != 0;
    r.I32(doc.originX);
    r.I32(doc.originY);
    r.U16(doc.orientation);
    r.U8(flag);
    doc.showMargins = flag != 0;
    r.U16(doc.paperSize);
    r.U32(doc.pageColour);
    r.U8(flag);
    doc.printFoldLines = flag != 0;
    BringIntoRange(doc);
    return true;
}

// Reads the record after its kind byte; fields the bytes do not reach keep their
// blank values.
void ReadRecord(std::span<const std::uint8_t> bytes, Element& e) {
    FieldReader r(bytes);
    for (DocPoint& c : e.corners) {
        if (!r.F32(c.x) || !r.F32(c.y))
            return;
    }
    std::uint8_t transparentInFile = 0;
    if (r.U8(e.page) && r.U8(e.outlineOn) && r.U8(e.outlineWidth) && r.U32(e.outlineColour) &&
        r.U8(e.fillOn) && r.U32(e.fillColour) && r.U32(e.fillColour2) && r.U8(e.fillStyle) &&
        r.U16(e.gradientAngle) && r.I32(e.gradientCentreX) && r.I32(e.gradientCentreY) &&
        r.U8(transparentInFile)) {
        e.transparent = transparentInFile ^ 1;  // the file holds 1 for an opaque picture
        r.U16(e.groupId) && r.U16(e.groupMember) && r.Bytes(e.reserved.data(), e.reserved.size());
    }
}

void EndWithin(char* field, std::size_t size) {
    if (std::memchr(field, 0, size) == nullptr) {
        field[size - 1] = 0;  // a text without its end is cut at its field
    }
}

void ReadTextBlock(std::span<const std::uint8_t> bytes, TextBlock& t) {
    FieldReader r(bytes);
    if (!r.U16(t.alignment))
        return;
    std::array<std::uint8_t, LogFont::kSize> font;
    if (!r.Bytes(font.data(), font.size()))
        return;
    t.font = LogFont::Unpack(font.data());
    if (!r.Bytes(t.chars.data(), t.chars.size()))
        return;
    EndWithin(t.chars.data(), t.chars.size());
    r.U32(t.fillColour) && r.U32(t.fillColour2) && r.U32(t.outlineColour) && r.U16(t.fillStyle) &&
        r.U16(t.gradientAngle) && r.U8(t.outlineOn) && r.U8(t.outlineWidth) && r.U8(t.fillOn) &&
        r.U8(t.circleTurned) && r.U8(t.shadowOn) && r.I32(t.shadowDx) && r.I32(t.shadowDy) &&
        r.U32(t.shadowColour) && r.I32(t.gradientCentreX) && r.I32(t.gradientCentreY) &&
        r.Bytes(t.reserved.data(), t.reserved.size());
}

void WriteRecord(const Element& e, FieldWriter& w) {
    w.U8(std::uint8_t(e.kind));
    for (const DocPoint& c : e.corners) {
        w.F32(c.x);
        w.F32(c.y);
    }
    w.U8(e.page);
    w.U8(e.outlineOn ? 1 : 0);
    w.U8(e.outlineWidth);
    w.U32(e.outlineColour);
    w.U8(e.fillOn ? 1 : 0);
    w.U32(e.fillColour);
    w.U32(e.fillColour2);
    w.U8(e.fillStyle);
    w.U16(e.gradientAngle);
    w.I32(e.gradientCentreX);
    w.I32(e.gradientCentreY);
    w.U8((e.transparent ? 1 : 0) ^ 1);
    w.U16(e.groupId);
    w.U16(e.groupMember);
    w.Bytes(e.reserved.data(), e.reserved.size());
}

void WriteTextBlock(const TextBlock& t, FieldWriter& w) {
    w.U16(t.alignment);
    std::array<std::uint8_t, LogFont::kSize> font;
    t.font.Pack(font.data());
    w.Bytes(font.data(), font.size());
    w.Bytes(t.chars.data(), t.chars.size());
    w.U32(t.fillColour);
    w.U32(t.fillColour2);
    w.U32(t.outlineColour);
    w.U16(t.fillStyle);
    w.U16(t.gradientAngle);
    w.U8(t.outlineOn ? 1 : 0);
    w.U8(t.outlineWidth);
    w.U8(t.fillOn ? 1 : 0);
    w.U8(t.circleTurned ? 1 : 0);
    w.U8(t.shadowOn ? 1 : 0);
    w.I32(t.shadowDx);
    w.I32(t.shadowDy);
    w.U32(t.shadowColour);
    w.I32(t.gradientCentreX);
    w.I32(t.gradientCentreY);
    w.Bytes(t.reserved.data(), t.reserved.size());
}

}  // namespace

ReadOutcome ReadDocument(ByteSource& source, Document& doc) {
    Document header;
    if (!ReadHeader(source, header)) {
        return ReadOutcome::NotADocument;
    }
    doc.cardType = header.cardType;
    doc.tilesAcross = header.tilesAcross;
    doc.tilesDown = header.tilesDown;
    doc.isCard = header.isCard;
    doc.currentPage = header.currentPage;
    doc.viewSwitchA = header.viewSwitchA;
    doc.gridSpacingX = header.gridSpacingX;
    doc.gridSpacingY = header.gridSpacingY;
    doc.snapToGrid = header.snapToGrid;
    doc.originX = header.originX;
    doc.originY = header.originY;
    doc.orientation = header.orientation;
    doc.showMargins = header.showMargins;
    doc.paperSize = header.paperSize;
    doc.pageColour = header.pageColour;
    doc.printFoldLines = header.printFoldLines;

    doc.elements.Clear();
    std::array<std::uint8_t, kRecordSize - 1> record;
    std::vector<std::uint8_t> textBytes(kTextBlockSize);
    for (int slot = 0; slot < ElementList::kCapacity; ++slot) {
        std::uint8_t kind = 0;
        if (source.Read(&kind, 1) != 1) {
            break;
        }
        ElementPtr e = CreateBlankElement();
        e->kind = ElementKind(kind);
        e->selected = 0;
        const std::size_t got = source.Read(record.data(), record.size());
        ReadRecord(std::span<const std::uint8_t>(record.data(), got), *e);
        const bool whole = got == record.size();

        if (e->kind == ElementKind::Picture && whole) {
            e->picture = Dib::ReadFileImage(source);
            if (!e->picture) {
                return ReadOutcome::Damaged;
            }
        } else if (HasTextBlock(e->kind)) {
            e->text = std::make_unique<TextBlock>();
            if (whole) {
                const std::size_t n = source.Read(textBytes.data(), textBytes.size());
                ReadTextBlock(std::span<const std::uint8_t>(textBytes.data(), n), *e->text);
            }
        }
        if (e->groupId > doc.lastGroupId) {
            doc.lastGroupId = e->groupId;
        }
        doc.elements.Put(slot, std::move(e));
        if (!whole) {
            break;  // the file ended inside this record
        }
    }
    return ReadOutcome::Loaded;
}

void WriteDocument(const Document& doc, std::vector<std::uint8_t>& out) {
    FieldWriter w(out);
    w.Bytes(kMagic, 4);
    w.U8(kVersion);
    w.U16(doc.cardType);
    w.U16(doc.tilesAcross);
    w.U16(doc.tilesDown);
    w.U8(doc.isCard);
    w.U8(doc.currentPage);
    w.U8(doc.viewSwitchA ? 1 : 0);
    w.U16(std::uint16_t(doc.gridSpacingX));
    w.U16(std::uint16_t(doc.gridSpacingY));
    w.U8(doc.snapToGrid ? 1 : 0);
    w.I32(doc.originX);
    w.I32(doc.originY);
    w.U16(doc.orientation);
    w.U8(doc.showMargins ? 1 : 0);
    w.U16(doc.paperSize);
    w.U32(doc.pageColour);
    w.U8(doc.printFoldLines ? 1 : 0);
    w.Zeros(49);

    for (const Element& e : doc.elements) {
        if (e.kind == ElementKind::Picture && !e.picture) {
            continue;  // nothing to show, and a record without its bitmap would end the file
        }
        WriteRecord(e, w);
        if (e.kind == ElementKind::Picture && e.picture) {
            e.picture->AppendFileImage(out);
        } else if (HasTextBlock(e.kind)) {
            WriteTextBlock(e.text ? *e.text : TextBlock(), w);
        }
    }
}

}  // namespace quenby::wxd
