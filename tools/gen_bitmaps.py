#!/usr/bin/env python3
"""Draws the plug-in's seven 16-colour bitmaps and its icon into src/resources.

The pictures are drawn pixel by pixel with the standard library only, so anyone can
regenerate them without an image editor, and the output is byte-for-byte stable: the
build compiles the committed files and never runs this script.

    python3 tools/gen_bitmaps.py [--out-dir DIR]
"""

import argparse
import os
import struct

# The standard 16-colour VGA palette in the order Windows uses for 4-bit bitmaps.
PALETTE = [
    (0, 0, 0),
    (128, 0, 0),
    (0, 128, 0),
    (128, 128, 0),
    (0, 0, 128),
    (128, 0, 128),
    (0, 128, 128),
    (192, 192, 192),
    (128, 128, 128),
    (255, 0, 0),
    (0, 255, 0),
    (255, 255, 0),
    (0, 0, 255),
    (255, 0, 255),
    (0, 255, 255),
    (255, 255, 255),
]
BLACK, DARK_RED, DARK_BLUE, LIGHT_GREY, DARK_GREY, RED, WHITE = 0, 1, 4, 7, 8, 9, 15

# A 5 x 7 pixel font with just the letters the legend needs ('#' = ink).
GLYPHS = {
    "S": [" ####", "#    ", "#    ", " ### ", "    #", "    #", "#### "],
    "B": ["#### ", "#   #", "#   #", "#### ", "#   #", "#   #", "#### "],
    "C": [" ### ", "#   #", "#    ", "#    ", "#    ", "#   #", " ### "],
    "1": ["  #  ", " ##  ", "  #  ", "  #  ", "  #  ", "  #  ", " ### "],
    "2": [" ### ", "#   #", "    #", "   # ", "  #  ", " #   ", "#####"],
    "3": ["#### ", "    #", "    #", " ### ", "    #", "    #", "#### "],
    "4": ["   # ", "  ## ", " # # ", "#  # ", "#####", "   # ", "   # "],
    "5": ["#####", "#    ", "#### ", "    #", "    #", "#   #", " ### "],
    "a": ["     ", "     ", " ### ", "    #", " ####", "#   #", " ####"],
    "e": ["     ", "     ", " ### ", "#   #", "#####", "#    ", " ### "],
    "l": [" ##  ", "  #  ", "  #  ", "  #  ", "  #  ", "  #  ", " ### "],
    "m": ["     ", "     ", "## # ", "# # #", "# # #", "# # #", "# # #"],
    "o": ["     ", "     ", " ### ", "#   #", "#   #", "#   #", " ### "],
    "p": ["     ", "#### ", "#   #", "#   #", "#### ", "#    ", "#    "],
}
GLYPH_W, GLYPH_H, GLYPH_GAP = 5, 7, 1


class Canvas:
    """A width x height grid of palette indices, row 0 at the top."""

    def __init__(self, width, height, colour):
        self.width, self.height = width, height
        self.px = [[colour] * width for _ in range(height)]

    def set(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.px[y][x] = colour

    def fill(self, x0, y0, x1, y1, colour):
        """Fills the rectangle x0..x1, y0..y1 inclusive."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.set(x, y, colour)

    def line(self, x0, y0, x1, y1, colour, thick=1):
        """Bresenham line; a thick line repeats it downwards and rightwards."""
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
        err, x, y = dx + dy, x0, y0
        while True:
            for t in range(thick):
                self.set(x + (t if dx < -dy else 0), y + (0 if dx < -dy else t), colour)
            if x == x1 and y == y1:
                return
            e2 = 2 * err
            if e2 >= dy:
                err, x = err + dy, x + sx
            if e2 <= dx:
                err, y = err + dx, y + sy

    def polyline(self, points, colour, thick=1):
        for (x0, y0), (x1, y1) in zip(points, points[1:]):
            self.line(x0, y0, x1, y1, colour, thick)

    def text(self, x, y, s, colour):
        for i, ch in enumerate(s):
            for gy, row in enumerate(GLYPHS[ch]):
                for gx, cell in enumerate(row):
                    if cell == "#":
                        self.set(x + i * (GLYPH_W + GLYPH_GAP) + gx, y + gy, colour)

    def stamp(self, x, y, rows, colour):
        """Sets the '#' cells of a small picture given as strings."""
        for dy, row in enumerate(rows):
            for dx, cell in enumerate(row):
                if cell == "#":
                    self.set(x + dx, y + dy, colour)


def text_width(s):
    return len(s) * (GLYPH_W + GLYPH_GAP) - GLYPH_GAP


def packed_rows(canvas):
    """4-bit pixel rows, bottom row first, each padded to a multiple of four bytes."""
    stride = ((canvas.width * 4 + 31) // 32) * 4
    out = bytearray()
    for row in reversed(canvas.px):
        padded = row + [0] * (canvas.width % 2)
        line = bytes((padded[i] << 4) | padded[i + 1] for i in range(0, len(padded), 2))
        out += line + bytes(stride - len(line))
    return bytes(out)


def palette_bytes():
    return b"".join(struct.pack("<4B", b, g, r, 0) for r, g, b in PALETTE)


def info_header(width, height, image_size):
    # BITMAPINFOHEADER: 4 bits per pixel, uncompressed, all 16 palette entries used.
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, image_size, 0, 0, 16, 16)


def bmp_bytes(canvas):
    pixels = packed_rows(canvas)
    offset = 14 + 40 + 16 * 4
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return file_header + info_header(canvas.width, canvas.height, len(pixels)) + \
        palette_bytes() + pixels


def ico_bytes(canvas, transparent):
    """One-image .ico: the colour bits plus a 1-bit mask with `transparent` cells set."""
    xor = packed_rows(canvas)
    mask_stride = ((canvas.width + 31) // 32) * 4
    mask = bytearray()
    for y in reversed(range(canvas.height)):
        bits = bytearray(mask_stride)
        for x in range(canvas.width):
            if transparent[y][x]:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    image = info_header(canvas.width, canvas.height * 2, len(xor) + len(mask)) + \
        palette_bytes() + xor + bytes(mask)
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", canvas.width, canvas.height, 16, 0, 1, 4, len(image),
                        6 + 16)
    return directory + entry + image


# ---- The legend picture -------------------------------------------------------------

# Phases of the programme from left to right: label, first and last column.
LEGEND_PHASES = [
    ("SB", 2, 37),
    ("1", 38, 69),
    ("2", 70, 107),
    ("3", 108, 145),
    ("4", 146, 183),
    ("Cool", 184, 215),
    ("5", 216, 253),
]
LEGEND_BASE_Y = 82  # the temperature axis' zero, just above the label boxes
LEGEND_LOW_Y = 66   # standby and initial temperature
LEGEND_END_SB = 37  # where the sample is injected


def draw_graphic():
    c = Canvas(256, 100, LIGHT_GREY)
    # Faint axes and phase boundaries so each label reads as belonging to its stretch.
    c.line(1, 6, 1, LEGEND_BASE_Y, DARK_GREY)
    c.line(1, LEGEND_BASE_Y, 254, LEGEND_BASE_Y, DARK_GREY)
    for _, first, _ in LEGEND_PHASES[1:]:
        for y in range(8, LEGEND_BASE_Y, 3):
            c.set(first, y, DARK_GREY)
    # The programme: standby and row 1 on the initial level, three ramps with plateaus,
    # the cool-down, then time 5 at the low level.
    c.polyline(
        [
            (2, LEGEND_LOW_Y),
            (69, LEGEND_LOW_Y),
            (88, 50),
            (107, 50),
            (126, 34),
            (145, 34),
            (164, 18),
            (183, 18),
            (205, 72),
            (253, 72),
        ],
        BLACK,
        thick=2,
    )
    # The sample arrow comes down onto the end of the standby plateau.
    c.text(LEGEND_END_SB - text_width("Sample") // 2, 30, "Sample", DARK_RED)
    c.fill(LEGEND_END_SB, 40, LEGEND_END_SB + 1, 58, DARK_RED)
    for i in range(5):
        c.fill(LEGEND_END_SB - 4 + i, 59 + i, LEGEND_END_SB + 5 - i, 59 + i, DARK_RED)
    # Phase labels in boxes along the bottom.
    for label, first, last in LEGEND_PHASES:
        w = text_width(label) + 6
        x0 = (first + last + 1 - w) // 2
        c.fill(x0, 87, x0 + w - 1, 97, DARK_BLUE)
        c.text(x0 + 3, 89, label, WHITE)
    return c


# ---- The button faces -----------------------------------------------------------------

# Only 19 x 19 of the 20 x 20 face is ever shown (the editor blits 19 x 19), so the
# bevel sits inside that square; the unseen last row and column repeat the dark edge.
FACE = 19

SYMBOL_UP = [
    "    #    ",
    "   ###   ",
    "  #####  ",
    " ####### ",
    "#########",
    "   ###   ",
    "   ###   ",
    "   ###   ",
    "   ###   ",
]
SYMBOL_RIGHT = ["".join(row[i] for row in reversed(SYMBOL_UP)) for i in range(9)]
# Four arrows from the centre out to the corners.
SYMBOL_DEFAULT = [
    "###     ###",
    "##       ##",
    "# #     # #",
    "   #   #   ",
    "    # #    ",
    "           ",
    "    # #    ",
    "   #   #   ",
    "# #     # #",
    "##       ##",
    "###     ###",
]


def draw_face(symbol, pressed):
    c = Canvas(20, 20, LIGHT_GREY)
    last = FACE - 1
    if pressed:
        light, dark, outer = WHITE, DARK_GREY, BLACK
        # Sunken: dark on the top and left, light on the bottom and right.
        c.fill(0, 0, last, 0, outer)
        c.fill(0, 0, 0, last, outer)
        c.fill(1, 1, last - 1, 1, dark)
        c.fill(1, 1, 1, last - 1, dark)
        c.fill(1, last, last, last, light)
        c.fill(last, 1, last, last, light)
        colour, shift = DARK_RED, 1
    else:
        # Raised: light on the top and left, a dark double edge on the bottom and right.
        c.fill(0, 0, last - 1, 0, WHITE)
        c.fill(0, 0, 0, last - 1, WHITE)
        c.fill(1, last - 1, last - 1, last - 1, DARK_GREY)
        c.fill(last - 1, 1, last - 1, last - 1, DARK_GREY)
        c.fill(0, last, last, last, BLACK)
        c.fill(last, 0, last, last, BLACK)
        colour, shift = BLACK, 0
    c.fill(0, FACE, 19, 19, c.px[last][last])
    c.fill(FACE, 0, 19, 19, c.px[last][last])
    size = len(symbol)
    origin = (FACE - size) // 2 + shift
    c.stamp(origin, origin, symbol, colour)
    return c


# ---- The icon -------------------------------------------------------------------------


def draw_icon():
    """A small oven-programme chart: hold, ramp, hold, in red on a white panel."""
    c = Canvas(32, 32, BLACK)
    transparent = [[True] * 32 for _ in range(32)]
    for y in range(2, 30):
        for x in range(2, 30):
            transparent[y][x] = False
    c.fill(2, 2, 29, 29, DARK_GREY)
    c.fill(3, 3, 28, 28, WHITE)
    c.fill(5, 3, 28, 4, DARK_BLUE)  # title bar of the panel
    c.line(6, 8, 6, 25, BLACK)  # temperature axis
    c.line(6, 25, 26, 25, BLACK)  # time axis
    c.polyline([(7, 21), (11, 21), (17, 11), (25, 11)], RED, thick=2)
    for x, y in [(11, 21), (17, 11)]:
        c.fill(x - 1, y - 1, x + 1, y + 1, DARK_RED)
    return c, transparent


def outputs():
    """(relative path, bytes) of every file this script writes."""
    faces = [
        ("up_arrow", SYMBOL_UP),
        ("right_arrow", SYMBOL_RIGHT),
        ("default", SYMBOL_DEFAULT),
    ]
    files = [("bitmaps/graphic.bmp", bmp_bytes(draw_graphic()))]
    for name, symbol in faces:
        files.append((f"bitmaps/{name}.bmp", bmp_bytes(draw_face(symbol, False))))
    for name, symbol in faces:
        files.append((f"bitmaps/{name}_dps.bmp", bmp_bytes(draw_face(symbol, True))))
    icon, transparent = draw_icon()
    files.append(("tovrex.ico", ico_bytes(icon, transparent)))
    return files


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    default_out = os.path.normpath(os.path.join(here, "..", "src", "resources"))
    parser.add_argument("--out-dir", default=default_out,
                        help="folder that receives bitmaps/ and tovrex.ico")
    args = parser.parse_args()
    for rel, data in outputs():
        path = os.path.join(args.out_dir, rel)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(data)
        print(f"{path}: {len(data)} bytes")


if __name__ == "__main__":
    main()
