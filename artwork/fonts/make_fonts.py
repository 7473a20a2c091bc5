#!/usr/bin/python3
"""Makes the product's six typefaces from free fonts of Debian (see README).

Usage: make_fonts.py OUT_FOLDER
Each face is a renamed, changed copy limited to the Latin-1 letters; the outline
faces are stroked so that only the rim of every letter is drawn.
"""
import os
import sys

import fontforge

COMIC = "/usr/share/fonts/opentype/comic-neue/ComicNeue-Bold.otf"
LECKERLI = "/usr/share/fonts/truetype/leckerli-one/LeckerliOne-Regular.ttf"

NOTICE = ("Modified version made for Craftbox from {source}. {copyright} "
          "Licensed under the SIL Open Font License, Version 1.1; the original "
          "names are not used by this modified version.")


def open_latin1(path):
    font = fontforge.open(path)
    for glyph in list(font.glyphs()):
        if glyph.glyphname != ".notdef" and not 0x20 <= glyph.unicode <= 0xFF:
            glyph.unlinkRef()
    for name in [g.glyphname for g in font.glyphs()
                 if g.glyphname != ".notdef" and not 0x20 <= g.unicode <= 0xFF]:
        font.removeGlyph(name)
    for glyph in font.glyphs():
        glyph.unlinkRef()
    return font


def rename(font, family, source):
    original = font.copyright or ""
    font.fontname = family
    font.familyname = family
    font.fullname = family
    font.weight = "Regular"
    font.copyright = NOTICE.format(source=os.path.basename(source), copyright=original)
    # Drop every name record of the original, then write ours.
    font.sfnt_names = ()
    lang = "English (US)"
    for key, value in (("Copyright", font.copyright), ("Family", family),
                       ("SubFamily", "Regular"), ("UniqueID", family + " Craftbox"),
                       ("Fullname", family), ("Version", "Version 1.0"),
                       ("PostScriptName", family), ("Preferred Family", family),
                       ("Preferred Styles", "Regular"),
                       ("License", "SIL Open Font License, Version 1.1"),
                       ("License URL", "https://openfontlicense.org")):
        font.appendSFNTName(lang, key, value)


def capitals_only(font):
    """Lower-case letters show the capitals."""
    for lower in list(range(ord("a"), ord("z") + 1)) + list(range(0xE0, 0xFF)):
        upper = ord(chr(lower).upper()) if len(chr(lower).upper()) == 1 else None
        if upper is None or upper == lower or upper not in font or lower not in font:
            continue
        font.selection.select(("unicode",), upper)
        font.copy()
        font.selection.select(("unicode",), lower)
        font.paste()


def outlined(font, width):
    """Only the rim of each letter: the outline stroked, the inside left open."""
    for glyph in font.glyphs():
        if glyph.unicode < 0x21 or glyph.foreground.isEmpty():
            continue
        glyph.stroke("circular", width, "round", "round")
        glyph.removeOverlap()
        glyph.correctDirection()


def framed_capitals(font):
    """Ornamental capitals: each capital letter sits in a double frame."""
    em = font.em
    top = font.capHeight if font.capHeight > 0 else em * 0.7
    for code in range(ord("A"), ord("Z") + 1):
        if code not in font:
            continue
        glyph = font[code]
        box = glyph.boundingBox()
        pad = em * 0.12
        left, bottom = box[0] - pad, -em * 0.08
        right, upper = box[2] + pad, top + em * 0.1
        width = max(right - left, upper - bottom)
        shift = (width - (right - left)) / 2
        left, right = left - shift, right + shift
        pen = glyph.glyphPen(replace=False)
        for inset, thickness in ((0, em * 0.05), (em * 0.08, em * 0.02)):
            x0, y0, x1, y1 = left + inset, bottom + inset, right - inset, upper - inset
            # outer edge clockwise, inner edge counter-clockwise: a ring
            pen.moveTo((x0, y0)); pen.lineTo((x0, y1)); pen.lineTo((x1, y1))
            pen.lineTo((x1, y0)); pen.closePath()
            t = thickness
            pen.moveTo((x0 + t, y0 + t)); pen.lineTo((x1 - t, y0 + t))
            pen.lineTo((x1 - t, y1 - t)); pen.lineTo((x0 + t, y1 - t)); pen.closePath()
        pen = None
        glyph.left_side_bearing = int(em * 0.04)
        glyph.right_side_bearing = int(em * 0.04)


def make(out, family, source, *changes):
    font = open_latin1(source)
    for change in changes:
        change(font)
    rename(font, family, source)
    font.generate(os.path.join(out, family + ".ttf"))
    font.close()


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    make(out, "RavelockWizard", COMIC)
    make(out, "RavelockWizardOrnCaps", COMIC, framed_capitals)
    make(out, "Blotwell", LECKERLI)
    make(out, "BlotwellFitCaps", LECKERLI, capitals_only)
    make(out, "BlotwellOutline", LECKERLI, lambda f: outlined(f, 28))
    make(out, "BlotwellFitcapsOutline", LECKERLI, capitals_only, lambda f: outlined(f, 28))


if __name__ == "__main__":
    main()
