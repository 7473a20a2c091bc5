#!/usr/bin/python3
"""Writes the hand-made extremes of the drawing-path corpus into corpus/drawing_path/.

Each file is a document whose values sit at the edges of what the file can hold:
coordinates at and beyond the int range, radial centres at the least int, pictures
whose pixels far outnumber their stored bytes, fonts and frames of any size. The
drawing path must draw, print and hit-test each one in bounded time and memory.

    fuzz/make_drawing_extremes.py [OUTPUT_FOLDER]
"""
import math
import os
import struct
import sys

INT_MIN = -2**31
INT_MAX = 2**31 - 1

BOX, ELLIPSE, LINE, PICTURE, TEXT, CIRCULAR = 2, 3, 4, 5, 6, 8


def header(is_card=1, card_type=0, across=1, down=1, paper=1, orientation=0, colour=0xFFFFFF):
    h = b"WXQU" + struct.pack("<BHHHBBBHHBiiHBHIB", 1, card_type, across, down, is_card, 0, 0,
                              5, 5, 0, 0, 0, orientation, 1, paper, colour, 1)
    return h + bytes(86 - len(h))


def record(kind, corners, page=0, outline_on=1, outline_width=1, fill_on=1, fill_style=0,
           angle=0, centre=(50, 50), opaque=1, colours=(0x0000FF, 0x00FF00, 0xFF0000)):
    r = struct.pack("<B", kind)
    for x, y in corners:
        r += struct.pack("<ff", x, y)
    r += struct.pack("<BBBIBIIBHiiBHH", page, outline_on, outline_width, colours[0], fill_on,
                     colours[1], colours[2], fill_style, angle, centre[0], centre[1], opaque, 0, 0)
    return r + bytes(110 - len(r))


def box(x0, y0, x1, y1):
    return [(x0, y0), (x1, y0), (x1, y1), (x0, y1)]


def text_block(chars="Hola", height=-40, width=0, fill_style=2, centre=(50, 50), outline_on=1,
               outline_width=3, shadow=(0, 5, 5), alignment=1, turned=0):
    font = struct.pack("<iiiii8B", height, width, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0)
    font += b"DejaVu Sans".ljust(32, b"\0")
    t = struct.pack("<H", alignment) + font
    t += chars.encode("cp1252")[:499].ljust(500, b"\0")
    t += struct.pack("<IIIHHBBBBBiiIii", 0x0000FF, 0xFF00FF, 0x000000, fill_style, 45,
                     outline_on, outline_width, 1, turned, shadow[0], shadow[1], shadow[2],
                     0x808080, centre[0], centre[1])
    return t + bytes(653 - len(t))


def bitmap8(width, height, pixel):
    stride = (width + 3) // 4 * 4
    rows = b"".join(bytes(pixel(x, y) for x in range(width)).ljust(stride, b"\0")
                    for y in range(height))
    palette = b"".join(struct.pack("<BBBB", (7 * i) & 255, 255 - i, i, 0) for i in range(256))
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, len(rows), 0, 0, 256, 0)
    packed = info + palette + rows
    return b"BM" + struct.pack("<IHHI", 14 + len(packed), 0, 0, 14 + 40 + 1024) + packed


def rle8(width, height, runs):
    """A run-length picture: `runs` is the code stream (count, value pairs)."""
    palette = b"".join(struct.pack("<BBBB", i, i, 255 - i, 0) for i in range(256))
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 1, len(runs), 0, 0, 256, 0)
    packed = info + palette + runs
    return b"BM" + struct.pack("<IHHI", 14 + len(packed), 0, 0, 14 + 40 + 1024) + packed


def holed(x, y):
    return 255 if (x + 2 * y) % 5 == 0 else (x * 11 + y * 3) % 250


BIG = 3.0e38
FAR = 1.0e12


def extremes():
    yield "radial_centre_least_int_turned", header() + record(
        BOX, box(100, 100, 900, 700), page=3, fill_style=2, centre=(INT_MIN, INT_MIN))
    yield "radial_centre_greatest_int", header() + record(
        ELLIPSE, box(-FAR, -FAR, FAR, FAR), fill_style=2, centre=(INT_MAX, INT_MIN))
    yield "radial_shape_off_the_page", header() + record(
        BOX, box(4.0e9, 4.0e9, 8.0e9, 8.0e9), fill_style=2) + record(
        ELLIPSE, box(-8.0e9, 1.0e5, -4.0e9, 2.0e5), fill_style=2, page=3)
    yield "linear_shape_beyond_the_range", header() + record(
        BOX, box(-BIG, -BIG, BIG, BIG), fill_style=1, angle=65535) + record(
        LINE, [(-BIG, 0), (BIG, 10), (0, 0), (0, 0)], outline_width=255)
    yield "not_a_number", header() + record(
        BOX, [(math.nan, 0), (math.inf, 0), (-math.inf, math.nan), (0, math.inf)], fill_style=2)
    yield "picture_across_the_int_range", header() + record(
        PICTURE, box(-1.0e10, -1.0e10, 1.0e10, 1.0e10), page=3) + bitmap8(7, 5, holed)
    yield "transparent_picture_across_the_int_range", header() + record(
        PICTURE, box(-1.0e10, -20, 1.0e10, 1.0e10), opaque=0, page=3) + bitmap8(23, 17, holed)
    yield "transparent_picture_one_pixel_huge", header() + record(
        PICTURE, box(-3.0e9, -3.0e9, 3.0e9, 3.0e9), opaque=0) + bitmap8(1, 1, lambda x, y: 9)
    # 32768 × 32768 pixels in about a kilobyte of codes: each row one run of 255 and an
    # end of line would still be too long, so the rows are left to the end-of-bitmap.
    yield "rle_picture_32768_square", header() + record(
        PICTURE, box(0, 0, 2000, 2000)) + rle8(32768, 32768, bytes([255, 7] * 64 + [0, 1]))
    yield "rle_picture_16384_square", header() + record(
        PICTURE, box(-500, -500, 3000, 3000), page=3) + rle8(
        16384, 16384, bytes([255, 40, 0, 0] * 64 + [0, 2, 200, 255, 255, 9, 0, 1]))
    yield "text_frame_across_the_range", header() + record(
        TEXT, box(-FAR, -FAR, FAR, FAR), fill_style=2) + text_block(
        centre=(INT_MIN, INT_MAX), shadow=(1, INT_MAX, INT_MIN))
    yield "text_font_heights_at_the_limits", header() + record(
        TEXT, box(10, 10, 600, 300)) + text_block(
        chars="Hg" * 100, height=INT_MIN, width=INT_MAX) + record(
        TEXT, box(10, 310, 600, 600), page=3) + text_block(chars="\r\n" * 20 + "x",
                                                           height=INT_MAX, alignment=2)
    yield "circular_text_huge_circle", header() + record(
        CIRCULAR, [(0, 0), (1.0e9, 0), (2.0e9, 0), (-1.0e9, 0)], fill_style=2) + text_block(
        fill_style=2, turned=1)
    yield "radial_letters_far_larger_than_the_page", header() + record(
        TEXT, box(-4.0e7, -4.0e7, 4.0e7, 4.0e7), fill_on=0) + text_block(
        chars="W" * 40, fill_style=2, outline_width=255)
    across = b"".join(
        record(TEXT, box(400 * i, 900 * i, 400 * i + 3000, 900 * i + 2000), fill_style=2) +
        text_block(chars="Cartel %d" % i, fill_style=2, outline_width=40) for i in range(10))
    top = 3.4e38  # the largest float, about
    yield "shapes_at_the_float_limits", header() + record(
        ELLIPSE, [(top, top), (-top, top), (top, -top), (-top, -top)], fill_style=2) + record(
        CIRCULAR, [(-top, 0), (0, 0), (top, 0), (-top, top)], page=3) + text_block() + record(
        CIRCULAR, [(0, 0), (10, 1e-30), (20, 0), (10, -1e-30)]) + text_block(turned=1)
    yield "page_set_ten_by_ten", header(is_card=2, across=10, down=10, paper=0) + across


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "corpus", "drawing_path")
    os.makedirs(folder, exist_ok=True)
    for name, data in extremes():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
