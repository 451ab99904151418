#!/usr/bin/env python3
"""Draws the Testola application icon and writes it out as XPM, PNG and Windows icon files.

The picture is a gloved hand writing on a spiral-bound notepad with a yellow
pencil.  16x16 and 32x32 are hand-drawn pixel grids (below); 64x64 is drawn
from simple shapes (rectangles, capsules, ellipses) with a pixel outline pass;
128x128 is the 64x64 picture doubled.  Only the 16 colours of the classic VGA
palette are used, plus full transparency.

Run from this folder:  python3 generate_icon.py
Output is deterministic: re-running rewrites identical bytes.
Standard library only (zlib + struct for the PNG encoder).
"""

import math
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

# One character per palette entry; '.' is transparent.
PALETTE = {
    "k": "#000000",  # black
    "M": "#800000",  # maroon
    "g": "#008000",  # green
    "O": "#808000",  # olive
    "N": "#000080",  # navy
    "P": "#800080",  # purple
    "T": "#008080",  # teal
    "s": "#C0C0C0",  # silver
    "e": "#808080",  # grey
    "R": "#FF0000",  # red
    "L": "#00FF00",  # lime
    "Y": "#FFFF00",  # yellow
    "B": "#0000FF",  # blue
    "F": "#FF00FF",  # fuchsia
    "A": "#00FFFF",  # aqua
    "w": "#FFFFFF",  # white
}
TRANSPARENT = "."

# Hand-drawn small sizes.  Pad with blue spiral binding on the left, pencil
# (fuchsia eraser, silver ferrule, yellow body, black point) running
# diagonally, silver glove with a teal sleeve in the bottom-right corner.
ICON_16 = """
..s.s.s......kk.
kkskskskkk..kFFk
kBBBBBBBBk.kFPk.
kNNNNNNNNkksek..
kwwwwwwwwkYOk...
kwNNNNNwkYOk....
kwwwwwwkYOkkkk..
kwNNNwkYkwsssek.
kwwwwkYkwsksssek
kwNNkYkwskssssek
kwwksOksekssssek
kwwkkkwkkssssek.
kNkwwwwwkksseekk
kwwwwwwwwkssekTT
kkkkkkkkkksekTTN
..........kkTTNN
"""

ICON_32 = """
...kkk.kkk.kkk.kkk..............
...ksk.ksk.ksk.ksk..........kk..
.kkkskkkskkkskkkskkk.......kFFk.
.kBkkkBkkkBkkkBkkkBkkk....kFFFPk
.kBBBBBBBBBBBBBBBBBksk...kssFPk.
.kBBBBBBBBBBBBBBBBBksk..kYssek..
.kkkkkkkkkkkkkkkkkkksk.kYYYek...
.kwwRwwwwwwwwwwwwwwkskkYYYOk....
.kwwRwwwwwwwwwwwwwwkskYYYOk.....
.kwwRwwwwwwwwwwwwwwkkYYYOk......
.kwwRwNNNNNwNNNNNNwkYYYOk.......
.kwwRwwwwwwwkkkkkwkYYYOk........
.kwwRwwwwwwkwsssskYYYOk.........
.kwwRwNNNwNksssskYYkkkkk........
.kwwRwwwwwwkssskYYkssksskk......
.kwwRwwwwwwwkskYYkssekssssk.....
.kwwRwNNNNNNNkYYkssekssssssk....
.kwwRwwwwwwwkYYksseksssssssk....
.kwwRwwwwwwkYYkssekssssssssk....
.kwwRwNNNNkYYksseksksssssssk....
.kwwRwwwwkYYYkseksseksssssssk...
.kwwRwwwkYYYOkkkkseksssssssssk..
.kwwRwNNksYOkwwwwkksssssssssssk.
.kwwRwwwkOkkwwwwwwwkksssssssssek
.kwwRwwkkkwwwwwwwwwkskksssssseek
.kwwRwwkwwwwwwwwwwwksk.ksssseekk
.kwwRwwwwwwwwwwwwwwksk.kssseekTk
.kwwRwwwwwwwwwwwwwwksk..kseekTTk
.kwwRwwwwwwwwwwwwwwksk...kekTTTk
.kkkkkkkkkkkkkkkkkkksk....kTTTTk
..kkkkkkkkkkkkkkkkkkkk...kTTTTTk
........................kkkkkkkk
"""


# ---------------------------------------------------------------------------
# 64x64: drawn from shapes.
#
# Every shape is painted into a colour grid and a "layer" grid.  Afterwards an
# outline pass blackens the pixels of a layer that touch (4-neighbour) anything
# lying underneath it, which gives the one-pixel black outlines of classic
# icons.  Rim passes add a highlight or a shadow along one side of a layer.


def seg_dist(p, a, b):
    """Distance from point p to segment a-b."""
    ax, ay = a
    dx, dy = b[0] - ax, b[1] - ay
    t = ((p[0] - ax) * dx + (p[1] - ay) * dy) / (dx * dx + dy * dy)
    t = max(0.0, min(1.0, t))
    return math.hypot(p[0] - ax - t * dx, p[1] - ay - t * dy)


class Canvas:
    def __init__(self, n):
        self.n = n
        self.col = [[TRANSPARENT] * n for _ in range(n)]
        self.layer = [[0] * n for _ in range(n)]

    def _layer_at(self, i, j):
        if 0 <= i < self.n and 0 <= j < self.n:
            return self.layer[j][i]
        return 0

    def paint(self, inside, colour, layer=None, only=None):
        """Fill every pixel whose centre (in 0..1 units) satisfies inside()."""
        n = self.n
        for j in range(n):
            for i in range(n):
                if only is not None and self.layer[j][i] not in only:
                    continue
                p = ((i + 0.5) / n, (j + 0.5) / n)
                if not inside(p):
                    continue
                self.col[j][i] = colour(p) if callable(colour) else colour
                if layer is not None:
                    self.layer[j][i] = layer

    def outline(self, layer, colour="k"):
        hits = []
        for j in range(self.n):
            for i in range(self.n):
                if self.layer[j][i] != layer:
                    continue
                for di, dj in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                    if self._layer_at(i + di, j + dj) < layer:
                        hits.append((i, j))
                        break
        for i, j in hits:
            self.col[j][i] = colour

    def rim(self, layer, colour, di, dj, base):
        """Recolour `base` pixels of a layer whose (di, dj) neighbour is off it."""
        hits = []
        for j in range(self.n):
            for i in range(self.n):
                if self.layer[j][i] != layer or self.col[j][i] != base:
                    continue
                if self._layer_at(i + di, j + dj) != layer:
                    hits.append((i, j))
        for i, j in hits:
            self.col[j][i] = colour

    def rows(self):
        return ["".join(r) for r in self.col]


# Layers, bottom to top.
BACK_SHEET, PAGE, BINDING, RINGS, THUMB, PENCIL, PALM, MIDDLE, INDEX, SLEEVE = range(1, 11)


def draw_large(n=64):
    c = Canvas(n)
    px = 1.0 / n

    # Notepad: a second sheet peeking out under the top one, the page, and
    # the blue binding strip along the top.
    c.paint(lambda p: 0.09 <= p[0] <= 0.71 and 0.19 <= p[1] <= 0.965, "s", BACK_SHEET)
    c.paint(lambda p: 0.05 <= p[0] <= 0.67 and 0.15 <= p[1] <= 0.935, "w", PAGE)
    c.paint(lambda p: 0.05 <= p[0] <= 0.67 and 0.10 <= p[1] <= 0.24, "B", BINDING)
    for layer in (BACK_SHEET, PAGE, BINDING):
        c.outline(layer)
    c.rim(BINDING, "N", 0, 1, "B")

    # Red margin and a few lines of navy "handwriting".
    c.paint(lambda p: 0.165 <= p[0] < 0.165 + px and 0.24 + px <= p[1] <= 0.93 - px,
            "R", only={PAGE})
    writing = [
        (0.34, [(0.21, 0.36), (0.40, 0.60)]),
        (0.46, [(0.21, 0.30), (0.34, 0.55)]),
        (0.58, [(0.21, 0.44), (0.48, 0.58)]),
        (0.70, [(0.21, 0.28), (0.32, 0.37)]),
    ]
    for y, words in writing:
        for a, b in words:
            c.paint(lambda p, a=a, b=b, y=y: a <= p[0] <= b and y <= p[1] < y + px,
                    "N", only={PAGE})

    # Spiral rings, three pixels wide so each gets a silver middle.
    ring_w = max(3, n // 21)
    for k in range(6):
        x0 = round(n * 0.11) + k * round(n * 0.094)
        c.paint(lambda p, x0=x0: x0 <= int(p[0] * n) < x0 + ring_w and 0.04 <= p[1] <= 0.17,
                "s", RINGS)
    c.outline(RINGS)

    # Pencil from the point T up to the eraser end E.  (t, s) are the
    # position along the pencil (0 at the point, 1 at the eraser) and the
    # signed distance across it (positive towards the lower right).
    T, E = (0.30, 0.72), (0.96, 0.06)
    length = math.hypot(E[0] - T[0], E[1] - T[1])
    d = ((E[0] - T[0]) / length, (E[1] - T[1]) / length)
    nrm = (-d[1], d[0])
    if nrm[0] < 0:
        nrm = (-nrm[0], -nrm[1])
    half_w = 0.065

    def along(p):
        v = (p[0] - T[0], p[1] - T[1])
        return (v[0] * d[0] + v[1] * d[1]) / length, v[0] * nrm[0] + v[1] * nrm[1]

    def at(t, s):
        return (T[0] + d[0] * t * length + nrm[0] * s,
                T[1] + d[1] * t * length + nrm[1] * s)

    def pencil(p):
        t, s = along(p)
        if t < 0 or t > 1:
            return False
        if t < 0.17:  # sharpened cone
            return abs(s) <= half_w * (t / 0.17) + 0.3 * px
        return abs(s) <= half_w

    def pencil_colour(p):
        t, s = along(p)
        if t < 0.06:
            return "k"                               # graphite
        if t < 0.17:
            return "O" if s > half_w * 0.2 else "s"  # bare wood
        if t < 0.86:
            return "O" if s > half_w * 0.45 else "Y"  # painted body
        if t < 0.92:
            return "e" if s > half_w * 0.45 else "s"  # metal ferrule
        return "P" if s > half_w * 0.45 else "F"      # eraser

    # The thumb sits behind the pencil, its tip showing on the far side.
    th0, th1 = at(0.42, 0.02), at(0.33, -0.085)
    c.paint(lambda p: seg_dist(p, th0, th1) <= 0.048, "s", THUMB)
    c.outline(THUMB)
    c.rim(THUMB, "w", -1, -1, "s")
    c.rim(THUMB, "e", 1, 1, "s")

    c.paint(pencil, pencil_colour, PENCIL)
    c.outline(PENCIL)

    # Gloved hand: back of the hand and wrist running to the corner, a curled
    # middle finger, and the index finger lying along the pencil.
    palm_c = at(0.40, 0.18)
    wrist_end = (0.90, 0.92)

    def palm(p):
        v = (p[0] - palm_c[0], p[1] - palm_c[1])
        a = v[0] * d[0] + v[1] * d[1]
        b = v[0] * nrm[0] + v[1] * nrm[1]
        return (a / 0.17) ** 2 + (b / 0.14) ** 2 <= 1 or seg_dist(p, palm_c, wrist_end) <= 0.11

    mid0, mid1 = at(0.36, 0.17), at(0.23, 0.135)
    ix0, ix1 = at(0.50, 0.07), at(0.19, 0.045)
    c.paint(palm, "s", PALM)
    c.paint(lambda p: p[0] + p[1] >= 1.64 and abs(p[0] - p[1]) < 0.22, "T", SLEEVE)
    c.paint(lambda p: seg_dist(p, mid0, mid1) <= 0.045, "s", MIDDLE)
    c.paint(lambda p: seg_dist(p, ix0, ix1) <= 0.045, "s", INDEX)
    for layer in (PALM, MIDDLE, INDEX, SLEEVE):
        c.outline(layer)
    for layer in (PALM, MIDDLE, INDEX):
        c.rim(layer, "w", -1, -1, "s")
        c.rim(layer, "e", 1, 1, "s")
    c.rim(SLEEVE, "N", 1, 1, "T")
    return c.rows()


def scale_rows(rows, k):
    """Nearest-neighbour enlargement by an integer factor."""
    out = []
    for r in rows:
        wide = "".join(ch * k for ch in r)
        out.extend([wide] * k)
    return out


# ---------------------------------------------------------------------------
# Writers


def grid(text):
    rows = text.split()
    assert rows and all(len(r) == len(rows) for r in rows), "icon grid must be square"
    for r in rows:
        for ch in r:
            assert ch == TRANSPARENT or ch in PALETTE, "unknown colour %r" % ch
    return rows


def xpm(name, rows):
    used = sorted({ch for r in rows for ch in r})
    lines = ["/* XPM */", "static const char* const %s[] = {" % name]
    body = ['"%d %d %d 1"' % (len(rows[0]), len(rows), len(used))]
    for ch in used:
        body.append('"%s c %s"' % (ch, "None" if ch == TRANSPARENT else PALETTE[ch]))
    body.extend('"%s"' % r for r in rows)
    lines.append(",\n".join(body))
    lines.append("};")
    return ("\n".join(lines) + "\n").encode("ascii")


def png(rows):
    h, w = len(rows), len(rows[0])
    raw = bytearray()
    for r in rows:
        raw.append(0)  # filter: none
        for ch in r:
            if ch == TRANSPARENT:
                raw.extend(b"\0\0\0\0")
            else:
                v = PALETTE[ch]
                raw.extend(bytes((int(v[1:3], 16), int(v[3:5], 16), int(v[5:7], 16), 255)))

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    header = struct.pack(">IIBBBBB", w, h, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


def ico(images):
    """A Windows icon file holding each grid as a 16-colour (4 bits a pixel) image with its transparency mask."""
    colours = list(PALETTE)
    palette = b"".join(bytes((int(PALETTE[ch][5:7], 16), int(PALETTE[ch][3:5], 16),
                              int(PALETTE[ch][1:3], 16), 0)) for ch in colours)
    entries, blobs = [], []
    offset = 6 + 16 * len(images)
    for rows in images:
        h, w = len(rows), len(rows[0])
        colour_rows, mask_rows = [], []
        for r in reversed(rows):  # bottom-up, as in a BMP
            indices = [0 if ch == TRANSPARENT else colours.index(ch) for ch in r]
            packed = bytes((indices[i] << 4) | indices[i + 1] for i in range(0, w, 2))
            colour_rows.append(packed.ljust((len(packed) + 3) // 4 * 4, b"\0"))
            bits = 0
            for ch in r:
                bits = (bits << 1) | (ch == TRANSPARENT)
            mask = bits.to_bytes(w // 8, "big")
            mask_rows.append(mask.ljust((len(mask) + 3) // 4 * 4, b"\0"))
        colour, mask = b"".join(colour_rows), b"".join(mask_rows)
        # The header's height counts the colour image and the mask together.
        header = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, 4, 0, len(colour) + len(mask), 0, 0, 16, 0)
        blob = header + palette + colour + mask
        entries.append(struct.pack("<BBBBHHII", w, h, 16, 0, 1, 4, len(blob), offset))
        blobs.append(blob)
        offset += len(blob)
    return struct.pack("<HHH", 0, 1, len(images)) + b"".join(entries) + b"".join(blobs)


def write(name, data):
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)
    print("wrote", name)


def main():
    icons = {16: grid(ICON_16), 32: grid(ICON_32), 64: draw_large(64)}
    icons[128] = scale_rows(icons[64], 2)
    for size in (16, 32, 64):
        write("testola_%d.xpm" % size, xpm("testola_icon_%d" % size, icons[size]))
    for size in (16, 32, 64, 128):
        write("testola_%d.png" % size, png(icons[size]))
    write("testola.ico", ico([icons[32], icons[16]]))


if __name__ == "__main__":
    main()
