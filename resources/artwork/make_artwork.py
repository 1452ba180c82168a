#!/usr/bin/env python3
"""Draws Talvex Go's artwork and writes it beside this script.

    python3 make_artwork.py [--preview DIR]

Writes:
  about_logo.bmp        the About screen's logo, 102 x 126, 4 bits a pixel
  talvex_go_64.bmp      the window's icon: the desktop icon at 64 x 64, 32 bits a pixel with alpha
  talvex_go_32.bmp      the phone's icon, 32 x 32 and 16 x 16, 4 bits a pixel
  talvex_go_16.bmp
  talvex-go-<N>.png     the desktop icon at N = 16, 32, 48, 64, 128, full colour with alpha

The 4-bit bitmaps use the 16 standard VGA colours in the Windows palette order (VGA below) and are
uncompressed. --preview also writes the bitmaps as enlarged PNG files into DIR, to look at.

Every picture is a scene of shapes, each painted with a material. Pixels are sampled several
times; a bitmap pixel takes the palette colour of the material that covers most of its samples
(crisp pixel art), a PNG pixel the average colour of its samples (smooth edges). Standard
library only; the output is the same on every run.
"""

import argparse
import math
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

# The 16 standard VGA colours, in the order of the Windows 16-colour palette.
VGA = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, MAROON, OLIVE, SILVER, GRAY, YELLOW, WHITE = 0, 1, 3, 7, 8, 11, 15


# ---------------------------------------------------------------------------------------------
# Shapes: functions of a point (x, y) in pixels, true inside.

def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x < x1 and y0 <= y < y1


def rounded_rect(x0, y0, x1, y1, radius):
    def inside(x, y):
        if not (x0 <= x < x1 and y0 <= y < y1):
            return False
        dx = max(x0 + radius - x, 0, x - (x1 - radius))
        dy = max(y0 + radius - y, 0, y - (y1 - radius))
        return dx * dx + dy * dy <= radius * radius
    return inside


def union(*shapes):
    return lambda x, y: any(shape(x, y) for shape in shapes)


# ---------------------------------------------------------------------------------------------
# Materials: a palette index for the bitmaps and an RGBA colour for the PNG files, both as
# functions of the point, so that a material can shade or dither.

class Material:
    def __init__(self, index, colour):
        self.index = index if callable(index) else (lambda x, y, i=index: i)
        self.colour = colour if callable(colour) else (lambda x, y, c=colour: c)


def mix(a, b, t):
    t = min(max(t, 0.0), 1.0)
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(len(a)))


def wood(scale):
    """The board's wood: fine grain that follows the board's width."""
    def colour(x, y):
        u, v = x / scale, y / scale
        grain = math.sin(v * 23.0 + 2.2 * math.sin(u * 2.1 + v * 3.0) + 0.8 * math.sin(u * 7.3))
        streak = 0.5 + 0.5 * grain
        return mix((232, 186, 108, 255), (204, 152, 78, 255), streak * streak)

    def index(x, y):
        # Yellow and silver, pixel by pixel: a quiet, light wood in 16 colours.
        return SILVER if (int(x) + int(y)) % 2 == 0 else YELLOW
    return Material(index, colour)


def black_stone(cx, cy, r, pixel_art_highlight):
    hx, hy = cx - 0.38 * r, cy - 0.42 * r

    def colour(x, y):
        d = math.hypot(x - hx, y - hy) / (1.25 * r)
        return mix((92, 92, 98, 255), (18, 18, 20, 255), d ** 0.7)

    def index(x, y):
        if pixel_art_highlight and math.hypot(x - hx, y - hy) <= 0.3 * r:
            return GRAY
        return BLACK
    return Material(index, colour)


def white_stone(cx, cy, r):
    hx, hy = cx - 0.3 * r, cy - 0.35 * r

    def colour(x, y):
        d = math.hypot(x - hx, y - hy) / (1.5 * r)
        return mix((255, 255, 252, 255), (196, 194, 188, 255), d ** 1.6)

    def index(x, y):
        # A shade along the lower right rim gives the stone its roundness.
        if math.hypot(x - hx, y - hy) > 1.18 * r:
            return SILVER
        return WHITE
    return Material(index, colour)


def flat(index, colour):
    return Material(index, colour)


TRANSPARENT = flat(WHITE, (255, 255, 255, 0))


# ---------------------------------------------------------------------------------------------
# Rendering.

class Scene:
    def __init__(self, width, height, background=TRANSPARENT):
        self.width = width
        self.height = height
        self.layers = [(lambda x, y: True, background)]

    def add(self, shape, material):
        self.layers.append((shape, material))

    def top(self, x, y):
        for shape, material in reversed(self.layers):
            if shape(x, y):
                return material
        return self.layers[0][1]

    def colour(self, x, y):
        """The colour at a point: the top material's, laid over the ones beneath where it is
        translucent, so that a shadow darkens the wood rather than letting the desktop through."""
        covering = []
        for shape, material in reversed(self.layers):
            if shape(x, y):
                covering.append(material.colour(x, y))
                if covering[-1][3] >= 255:
                    break
        r, g, b, a = 0.0, 0.0, 0.0, 0.0
        for cr, cg, cb, ca in reversed(covering):
            below = a * (1 - ca / 255)
            total = ca + below
            if total > 0:
                r, g, b = ((cr * ca + r * below) / total, (cg * ca + g * below) / total,
                           (cb * ca + b * below) / total)
            a = total
        return r, g, b, a

    def samples(self, px, py, n):
        for sy in range(n):
            for sx in range(n):
                yield px + (sx + 0.5) / n, py + (sy + 0.5) / n

    def indices(self, n=1):
        """Palette indices, rows top to bottom: the material covering most samples wins (with one
        sample, the pixel's centre decides, which keeps small circles round)."""
        rows = []
        for py in range(self.height):
            row = []
            for px in range(self.width):
                counts = {}
                for x, y in self.samples(px, py, n):
                    material = self.top(x, y)
                    count, _ = counts.get(id(material), (0, material))
                    counts[id(material)] = (count + 1, material)
                _, winner = max(counts.values(), key=lambda entry: entry[0])
                row.append(winner.index(px + 0.5, py + 0.5))
            rows.append(row)
        return rows

    def rgba(self, n=6):
        """Colours, rows top to bottom: the average of the samples, weighted by alpha."""
        rows = []
        for py in range(self.height):
            row = []
            for px in range(self.width):
                total = [0.0, 0.0, 0.0, 0.0]
                for x, y in self.samples(px, py, n):
                    r, g, b, a = self.colour(x, y)
                    total[0] += r * a
                    total[1] += g * a
                    total[2] += b * a
                    total[3] += a
                count = n * n
                alpha = total[3] / count
                if total[3] > 0:
                    colour = tuple(round(total[i] / total[3]) for i in range(3))
                else:
                    colour = (0, 0, 0)
                row.append(colour + (round(alpha),))
            rows.append(row)
        return rows


# ---------------------------------------------------------------------------------------------
# The icon: a black and a white stone on a corner of a board, on two crossing grid lines each
# way. Drawn at any size; the geometry sits on whole pixels at 16 and 32.

def icon_scene(size, for_bitmap):
    s = size / 16.0
    scene = Scene(size, size)
    # The bitmap icon fills its square; the desktop icon has rounded corners.
    radius = 0 if for_bitmap else 2.2 * s
    frame = max(1.0, 0.75 * s)
    scene.add(rounded_rect(0, 0, size, size, radius), flat(MAROON, (150, 96, 44, 255)))
    scene.add(rounded_rect(frame, frame, size - frame, size - frame, max(radius - frame, 0)),
              wood(size))

    # Two lines each way, crossing under the stones and on the two free points.
    line_width = {16: 1, 32: 2, 48: 3, 64: 4, 128: 6}[size]
    lines = [5.5 * s, 10.5 * s]
    margin = 2.5 * s
    # Brown rather than black lines in the bitmaps, so that the black stone keeps its outline.
    ink = flat(MAROON, (84, 52, 22, 255))
    for c in lines:
        half = line_width / 2
        scene.add(rect(c - half, margin, c + half, size - margin), ink)
        scene.add(rect(margin, c - half, size - margin, c + half), ink)

    r = 3.5 * s
    (bx, by), (wx, wy) = (lines[0], lines[0]), (lines[1], lines[1])
    if not for_bitmap:
        # A soft shadow under each stone, down and to the right.
        for cx, cy in ((bx, by), (wx, wy)):
            scene.add(circle(cx + 0.4 * s, cy + 0.5 * s, r), flat(MAROON, (90, 55, 20, 100)))
    # The white stone's rim sets it off from the light wood.
    rim = 1.0 if for_bitmap else max(1.0, 0.3 * s)
    scene.add(circle(wx, wy, r), flat(GRAY, (140, 136, 128, 255)))
    scene.add(circle(wx, wy, r - rim), white_stone(wx, wy, r))
    scene.add(circle(bx, by, r), black_stone(bx, by, r, pixel_art_highlight=size >= 32))
    return scene


# ---------------------------------------------------------------------------------------------
# The logo: a small board with a few stones, the name under it in a pixel font.

# "Talvex" in a 5 x 7 font; "Go" in a bold 9 x 11 font.
FONT_SMALL = {
    "T": ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."],
    "a": [".....", ".....", ".###.", "....#", ".####", "#...#", ".####"],
    "l": ["##.", ".#.", ".#.", ".#.", ".#.", ".#.", "###"],
    "v": [".....", ".....", "#...#", "#...#", "#...#", ".#.#.", "..#.."],
    "e": [".....", ".....", ".###.", "#...#", "#####", "#....", ".###."],
    "x": [".....", ".....", "#...#", ".#.#.", "..#..", ".#.#.", "#...#"],
}
FONT_BOLD = {
    "G": [
        "..#####..",
        ".#######.",
        "###...###",
        "##.....##",
        "##.......",
        "##...####",
        "##...####",
        "##.....##",
        "###...###",
        ".#######.",
        "..#####..",
    ],
    "o": [
        ".........",
        ".........",
        ".........",
        "..#####..",
        ".#######.",
        "###...###",
        "##.....##",
        "##.....##",
        "###...###",
        ".#######.",
        "..#####..",
    ],
}


def text_cells(font, text, scale, spacing):
    """The lit cells of a word as (x, y) in units of `scale` pixels, and its width in pixels."""
    cells, x = [], 0
    for ch in text:
        glyph = font[ch]
        for gy, row in enumerate(glyph):
            for gx, bit in enumerate(row):
                if bit == "#":
                    cells.append((x + gx, gy))
        x += len(glyph[0]) + spacing
    return cells, (x - spacing) * scale


def add_text(scene, font, text, scale, spacing, top, material, shadow=None):
    cells, width = text_cells(font, text, scale, spacing)
    left = (scene.width - width) // 2
    shapes = [rect(left + cx * scale, top + cy * scale, left + (cx + 1) * scale,
                   top + (cy + 1) * scale) for cx, cy in cells]
    if shadow is not None:
        offset, shadow_material = shadow
        scene.add(union(*[rect(left + cx * scale + offset, top + cy * scale + offset,
                               left + (cx + 1) * scale + offset, top + (cy + 1) * scale + offset)
                          for cx, cy in cells]), shadow_material)
    scene.add(union(*shapes), material)


def logo_scene():
    width, height = 102, 126
    scene = Scene(width, height, flat(WHITE, (255, 255, 255, 255)))
    # The board: 8 x 5 points, 12 pixels apart, with its frame and a drop shadow.
    x0, y0, x1, y1 = 2, 2, 99, 65
    scene.add(rounded_rect(x0 + 2, y0 + 2, x1 + 2, y1 + 2, 4), flat(SILVER, (190, 190, 190, 255)))
    scene.add(rounded_rect(x0, y0, x1, y1, 4), flat(MAROON, (150, 96, 44, 255)))
    scene.add(rounded_rect(x0 + 1, y0 + 1, x1 - 1, y1 - 1, 3), wood(96))
    xs = [9 + 12 * k for k in range(8)]
    ys = [9 + 12 * k for k in range(5)]
    ink = flat(BLACK, (74, 44, 18, 255))
    for x in xs:
        scene.add(rect(x, ys[0], x + 1, ys[-1] + 1), ink)
    for y in ys:
        scene.add(rect(xs[0], y, xs[-1] + 1, y + 1), ink)
    for px, py in ((1, 3), (6, 1)):  # star points
        scene.add(circle(xs[px] + 0.5, ys[py] + 0.5, 1.5), ink)

    r = 5.5
    blacks = [(2, 1), (2, 2), (3, 3), (5, 2)]
    whites = [(3, 1), (3, 2), (4, 2), (4, 3)]
    for px, py in whites:
        cx, cy = xs[px] + 0.5, ys[py] + 0.5
        scene.add(circle(cx, cy, r), flat(BLACK, (90, 86, 80, 255)))
        scene.add(circle(cx, cy, r - 1), white_stone(cx, cy, r - 1))
    for px, py in blacks:
        cx, cy = xs[px] + 0.5, ys[py] + 0.5
        scene.add(circle(cx, cy, r), black_stone(cx, cy, r, pixel_art_highlight=True))

    add_text(scene, FONT_SMALL, "Talvex", 2, 1, 71, flat(BLACK, (0, 0, 0, 255)))
    add_text(scene, FONT_BOLD, "Go", 3, 1, 89, flat(BLACK, (0, 0, 0, 255)),
             shadow=(2, flat(SILVER, (192, 192, 192, 255))))
    return scene


# ---------------------------------------------------------------------------------------------
# File formats.

def bmp_4bit(indices):
    """A whole .bmp file: 4 bits a pixel, the VGA palette, uncompressed, rows bottom-up."""
    height, width = len(indices), len(indices[0])
    stride = (width * 4 + 31) // 32 * 4
    pixels = bytearray()
    for row in reversed(indices):
        packed = bytearray(stride)
        for x, index in enumerate(row):
            packed[x // 2] |= index << (4 if x % 2 == 0 else 0)
        pixels += packed
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in VGA)
    offset = 14 + 40 + len(palette)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, len(pixels), 0, 0, 16, 0)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return header + info + palette + bytes(pixels)


def bmp_32bit(rows):
    """A whole .bmp file: 32 bits a pixel (blue, green, red, alpha), uncompressed, rows
    bottom-up."""
    height, width = len(rows), len(rows[0])
    pixels = b"".join(struct.pack("<BBBB", b, g, r, a) for row in reversed(rows)
                      for r, g, b, a in row)
    offset = 14 + 40
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 32, 0, len(pixels), 0, 0, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return header + info + pixels


def png_rgba(rows):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    height, width = len(rows), len(rows[0])
    raw = bytearray()
    for row in rows:
        raw.append(0)  # no filter
        for pixel in row:
            raw += bytes(pixel)
    ihdr = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) + chunk(b"IDAT", zlib.compress(raw, 9)) +
            chunk(b"IEND", b""))


def enlarged(rows, factor):
    out = []
    for row in rows:
        wide = [pixel for pixel in row for _ in range(factor)]
        out.extend([wide] * factor)
    return out


def write(path, data):
    with open(path, "wb") as f:
        f.write(data)
    print("wrote", os.path.relpath(path))


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--preview", metavar="DIR", help="also write enlarged PNG previews here")
    args = parser.parse_args()

    bitmaps = {
        "about_logo.bmp": logo_scene().indices(),
        "talvex_go_32.bmp": icon_scene(32, for_bitmap=True).indices(),
        "talvex_go_16.bmp": icon_scene(16, for_bitmap=True).indices(),
    }
    for name, indices in bitmaps.items():
        write(os.path.join(HERE, name), bmp_4bit(indices))
    for size in (16, 32, 48, 64, 128):
        rgba = icon_scene(size, False).rgba()
        write(os.path.join(HERE, "talvex-go-%d.png" % size), png_rgba(rgba))
        if size == 64:
            # The desktop window's icon: the same smooth drawing, which the platform decodes.
            write(os.path.join(HERE, "talvex_go_64.bmp"), bmp_32bit(rgba))

    if args.preview:
        os.makedirs(args.preview, exist_ok=True)
        for name, indices in bitmaps.items():
            rows = [[VGA[i] + (255,) for i in row] for row in indices]
            factor = max(1, 256 // len(rows[0]))
            write(os.path.join(args.preview, name.replace(".bmp", "_preview.png")),
                  png_rgba(enlarged(rows, factor)))


if __name__ == "__main__":
    main()
