#!/usr/bin/env python3
"""Draws Tintora's bundled pictures and writes the Studio theme's style sheets.

One run regenerates everything this script owns:
  data/Themes/Studio/*.css and *.gif   the bundled Default theme
  ui/resources/placeholders/*.gif      the preview's design-time placeholder pictures

When the Studio files change, raise the number in data/studio.stamp: a user's copy
seeded from an older edition is then brought up to date, if the user left it as it was.

Only the Python standard library is used, so the pictures come from a small GIF89a
encoder below. The output is deterministic: running the script twice gives the same
bytes, so the committed files only change when the drawing changes.

    scripts/make-studio-theme.py [--root DIR] [--check]

--check decodes every GIF this script owns and compares it with what the script would
draw now; it writes nothing and exits non-zero on a difference.
"""

import argparse
import math
import os
import struct
import sys

# ---------------------------------------------------------------------------
# Raster canvas
# ---------------------------------------------------------------------------

# Shapes are sampled on a 4 x 4 grid per pixel for soft edges.
SUPERSAMPLE = 4


class Canvas:
    """An RGB picture whose pixels may also be transparent (None).

    A transparent picture still needs a matte: the colour that soft edges are blended
    against, because a GIF pixel is either fully transparent or fully opaque.
    """

    def __init__(self, width, height, fill=None, matte=(255, 255, 255)):
        self.width = width
        self.height = height
        self.matte = matte
        self.pixels = [fill] * (width * height)

    def get(self, x, y):
        return self.pixels[y * self.width + x]

    def put(self, x, y, color):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y * self.width + x] = color

    def blend(self, x, y, color, alpha):
        """Lays color over the pixel with the given coverage (0..1)."""
        if not (0 <= x < self.width and 0 <= y < self.height) or alpha <= 0:
            return
        under = self.get(x, y)
        if under is None:
            # Faint edge pixels over transparency stay transparent; the rest are
            # blended against the matte so they sit well on the page behind.
            if alpha < 0.5:
                return
            under = self.matte
        self.put(x, y, mix(under, color, min(alpha, 1.0)))

    def fill_rect(self, x0, y0, x1, y1, color):
        """Fills the pixels x0 <= x < x1, y0 <= y < y1."""
        for y in range(max(0, y0), min(self.height, y1)):
            for x in range(max(0, x0), min(self.width, x1)):
                self.put(x, y, color)

    def shape(self, inside, color, box=None):
        """Paints every pixel by the share of its sub-samples for which inside(x, y)
        holds, x and y in pixel units with pixel centres at +0.5."""
        x0, y0, x1, y1 = box if box else (0, 0, self.width, self.height)
        x0, y0 = max(0, int(math.floor(x0))), max(0, int(math.floor(y0)))
        x1, y1 = min(self.width, int(math.ceil(x1))), min(self.height, int(math.ceil(y1)))
        n = SUPERSAMPLE
        offsets = [(i + 0.5) / n for i in range(n)]
        for y in range(y0, y1):
            for x in range(x0, x1):
                hits = sum(1 for dy in offsets for dx in offsets if inside(x + dx, y + dy))
                if hits:
                    self.blend(x, y, color_at(color, x, y), hits / (n * n))

    def rounded_rect(self, x0, y0, x1, y1, radius, color):
        def inside(px, py):
            return in_rounded_rect(px, py, x0, y0, x1, y1, radius)
        self.shape(inside, color, (x0, y0, x1, y1))

    def circle(self, cx, cy, r, color):
        self.shape(lambda px, py: (px - cx) ** 2 + (py - cy) ** 2 <= r * r, color,
                   (cx - r, cy - r, cx + r, cy + r))

    def stroke(self, points, width, color):
        """A polyline of the given width with round joins and ends."""
        half = width / 2.0
        xs = [p[0] for p in points]
        ys = [p[1] for p in points]
        box = (min(xs) - half, min(ys) - half, max(xs) + half, max(ys) + half)
        segments = list(zip(points, points[1:]))

        def inside(px, py):
            return any(segment_distance(px, py, a, b) <= half for a, b in segments)
        self.shape(inside, color, box)


def in_rounded_rect(px, py, x0, y0, x1, y1, radius):
    if px < x0 or px > x1 or py < y0 or py > y1:
        return False
    cx = min(max(px, x0 + radius), x1 - radius)
    cy = min(max(py, y0 + radius), y1 - radius)
    return (px - cx) ** 2 + (py - cy) ** 2 <= radius * radius


def segment_distance(px, py, a, b):
    ax, ay = a
    bx, by = b
    dx, dy = bx - ax, by - ay
    length = dx * dx + dy * dy
    t = 0.0 if length == 0 else max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / length))
    return math.hypot(px - (ax + t * dx), py - (ay + t * dy))


def mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def color_at(color, x, y):
    """A colour is either an RGB tuple or a function of the pixel position."""
    return color(x, y) if callable(color) else color


def vertical_gradient(top, bottom, y0, y1):
    span = max(1, y1 - y0 - 1)
    return lambda x, y: mix(top, bottom, min(1.0, max(0.0, (y - y0) / span)))


def horizontal_gradient(left, right, x0, x1):
    span = max(1, x1 - x0 - 1)
    return lambda x, y: mix(left, right, min(1.0, max(0.0, (x - x0) / span)))


# ---------------------------------------------------------------------------
# GIF89a writer and reader
# ---------------------------------------------------------------------------

def quantize(canvas):
    """Returns (palette, indices, transparent index or None) for the canvas.

    The pictures are drawn with few colours; should one hold more than a GIF palette
    takes, its colours are rounded to coarser steps until they fit.
    """
    has_transparency = any(p is None for p in canvas.pixels)
    room = 255 if has_transparency else 256
    step = 1
    while True:
        def snap(c, step=step):
            return tuple(min(255, int(round(v / step)) * step) for v in c)
        pixels = [None if p is None else snap(p) for p in canvas.pixels]
        colors = sorted({p for p in pixels if p is not None})
        if len(colors) <= room:
            break
        step += 1
    if has_transparency:
        # The transparent entry carries the matte, for viewers that ignore transparency.
        palette = colors + [canvas.matte]
        transparent = len(colors)
    else:
        palette = colors
        transparent = None
    lookup = {c: i for i, c in enumerate(colors)}
    indices = [transparent if p is None else lookup[p] for p in pixels]
    return palette, indices, transparent


def lzw_encode(indices, min_code_size):
    """Variable-length LZW as GIF wants it, packed least significant bit first."""
    clear = 1 << min_code_size
    end = clear + 1
    out = bytearray()
    bit_buffer = 0
    bit_count = 0

    def emit(code, size):
        nonlocal bit_buffer, bit_count
        bit_buffer |= code << bit_count
        bit_count += size
        while bit_count >= 8:
            out.append(bit_buffer & 0xFF)
            bit_buffer >>= 8
            bit_count -= 8

    def reset():
        return {}, end + 1, min_code_size + 1

    table, next_code, code_size = reset()
    emit(clear, code_size)
    prefix = indices[0]
    for symbol in indices[1:]:
        key = (prefix << 8) | symbol
        code = table.get(key)
        if code is not None:
            prefix = code
            continue
        emit(prefix, code_size)
        table[key] = next_code
        next_code += 1
        if next_code > (1 << code_size) and code_size < 12:
            code_size += 1
        # Start afresh one entry before the table is full, so a decoder, which adds
        # its entries one step later, never has to hold a 4097th code.
        if next_code >= 4095:
            emit(clear, code_size)
            table, next_code, code_size = reset()
        prefix = symbol
    emit(prefix, code_size)
    emit(end, code_size)
    if bit_count:
        out.append(bit_buffer & 0xFF)
    return bytes(out)


def encode_gif(canvas):
    palette, indices, transparent = quantize(canvas)
    bits = max(1, (len(palette) - 1).bit_length())
    table_size = 1 << bits
    palette = palette + [(0, 0, 0)] * (table_size - len(palette))
    min_code_size = max(2, bits)

    data = bytearray(b"GIF89a")
    data += struct.pack("<HHBBB", canvas.width, canvas.height, 0x80 | 0x70 | (bits - 1), 0, 0)
    for color in palette:
        data += bytes(color)
    if transparent is not None:
        data += struct.pack("<BBBBHBB", 0x21, 0xF9, 4, 0x01, 0, transparent, 0)
    data += struct.pack("<BHHHHB", 0x2C, 0, 0, canvas.width, canvas.height, 0)
    data.append(min_code_size)
    stream = lzw_encode(indices, min_code_size)
    for start in range(0, len(stream), 255):
        chunk = stream[start:start + 255]
        data.append(len(chunk))
        data += chunk
    data += b"\x00\x3B"
    return bytes(data)


def decode_gif(data):
    """Reads back a single-image GIF as written above: (width, height, rows of RGB or
    None). It checks the writer; it is not a general GIF reader."""
    if data[:6] not in (b"GIF87a", b"GIF89a"):
        raise ValueError("not a GIF file")
    width, height, packed, _, _ = struct.unpack_from("<HHBBB", data, 6)
    pos = 13
    palette = []
    if packed & 0x80:
        size = 1 << ((packed & 7) + 1)
        palette = [tuple(data[pos + 3 * i:pos + 3 * i + 3]) for i in range(size)]
        pos += 3 * size
    transparent = None
    while data[pos] == 0x21:
        label = data[pos + 1]
        pos += 2
        if label == 0xF9 and data[pos + 1] & 1:
            transparent = data[pos + 4]
        while data[pos]:
            pos += data[pos] + 1
        pos += 1
    if data[pos] != 0x2C:
        raise ValueError("no image descriptor")
    if data[pos + 9] & 0x80:
        raise ValueError("local colour tables are not expected")
    pos += 10
    min_code_size = data[pos]
    pos += 1
    stream = bytearray()
    while data[pos]:
        stream += data[pos + 1:pos + 1 + data[pos]]
        pos += data[pos] + 1

    clear = 1 << min_code_size
    end = clear + 1
    indices = []
    bit_pos = 0
    code_size = min_code_size + 1
    table = None
    previous = None
    while True:
        if bit_pos + code_size > len(stream) * 8:
            raise ValueError("image data ends early")
        code = 0
        for i in range(code_size):
            byte = stream[(bit_pos + i) >> 3]
            code |= ((byte >> ((bit_pos + i) & 7)) & 1) << i
        bit_pos += code_size
        if code == clear:
            table = [[i] for i in range(clear)] + [None, None]
            code_size = min_code_size + 1
            previous = None
            continue
        if code == end:
            break
        if previous is None:
            entry = table[code]
        else:
            if code < len(table):
                entry = table[code]
                table.append(table[previous] + [entry[0]])
            elif code == len(table):
                entry = table[previous] + [table[previous][0]]
                table.append(entry)
            else:
                raise ValueError("bad LZW code")
            if len(table) == (1 << code_size) and code_size < 12:
                code_size += 1
        indices.extend(entry)
        previous = code
    if len(indices) < width * height:
        raise ValueError("too few pixels")
    rows = []
    for y in range(height):
        row = indices[y * width:(y + 1) * width]
        rows.append([None if i == transparent else palette[i] for i in row])
    return width, height, rows


# ---------------------------------------------------------------------------
# The preview's placeholder pictures: neutral grey, plainly not a theme
# ---------------------------------------------------------------------------

GREY_FILL = (212, 212, 212)
GREY_LIGHT = (232, 232, 232)
GREY_LINE = (178, 178, 178)
GREY_EDGE = (138, 138, 138)
GREY_DARK = (112, 112, 112)


def placeholder_box(width, height, cross=False, fill=GREY_FILL, edge=GREY_EDGE):
    """A grey box with a one-pixel frame, crossed corner to corner when large."""
    c = Canvas(width, height, fill)
    if cross:
        c.stroke([(1, 1), (width - 1, height - 1)], 1.0, GREY_LINE)
        c.stroke([(1, height - 1), (width - 1, 1)], 1.0, GREY_LINE)
    c.fill_rect(0, 0, width, 1, edge)
    c.fill_rect(0, height - 1, width, height, edge)
    c.fill_rect(0, 0, 1, height, edge)
    c.fill_rect(width - 1, 0, width, height, edge)
    return c


def placeholder_background():
    c = Canvas(629, 357, GREY_LIGHT)
    for y in range(c.height):
        for x in range(c.width):
            if x % 16 == 0 or y % 16 == 0:
                c.put(x, y, (224, 224, 224))
    return c


def placeholder_button(width, height, pressed=False):
    fill = (190, 190, 190) if pressed else GREY_FILL
    c = placeholder_box(width, height, fill=fill, edge=GREY_DARK if pressed else GREY_EDGE)
    c.fill_rect(1, 1, width - 1, 2, (170, 170, 170) if pressed else (236, 236, 236))
    return c


def placeholder_bullet(size):
    c = Canvas(size, size, (168, 168, 168))
    c.fill_rect(0, 0, size, 1, GREY_DARK)
    c.fill_rect(0, size - 1, size, size, GREY_DARK)
    c.fill_rect(0, 0, 1, size, GREY_DARK)
    c.fill_rect(size - 1, 0, size, size, GREY_DARK)
    return c


def placeholder_rule():
    c = Canvas(600, 6, (168, 168, 168))
    c.fill_rect(0, 0, 600, 1, GREY_LIGHT)
    c.fill_rect(0, 5, 600, 6, GREY_DARK)
    return c


PLACEHOLDERS = {
    "background.gif": placeholder_background,
    "banner.gif": lambda: placeholder_box(600, 64, cross=True),
    "navbutton.gif": lambda: placeholder_button(141, 22),
    "bullet1.gif": lambda: placeholder_bullet(10),
    "bullet2.gif": lambda: placeholder_bullet(8),
    "bullet3.gif": lambda: placeholder_bullet(6),
    "rule.gif": placeholder_rule,
    "quicklink.gif": lambda: placeholder_button(100, 20),
    "quicklink-selected.gif": lambda: placeholder_button(100, 22, pressed=True),
    "globalbutton.gif": lambda: placeholder_button(95, 20),
}

# ---------------------------------------------------------------------------
# The Studio theme: a slate ink, warm paper and the four swatch colours of the
# product's palette card (coral, amber, teal, blue)
# ---------------------------------------------------------------------------

PAPER = (250, 247, 241)
INK = (43, 51, 72)
INK_LIGHT = (70, 81, 110)
CORAL = (232, 93, 63)
AMBER = (242, 177, 52)
TEAL = (63, 167, 150)
BLUE = (91, 141, 239)
TEAL_TOP = (46, 140, 124)
TEAL_BOTTOM = (33, 112, 99)
SWATCHES = (CORAL, AMBER, TEAL, BLUE)


def studio_background():
    """A warm paper tile with faint diagonal lines; it tiles seamlessly and also
    stands being stretched, which is how the preview shows it."""
    size, period = 192, 16
    c = Canvas(size, size, PAPER)
    for y in range(size):
        for x in range(size):
            if (x + y) % period == 0:
                c.put(x, y, (244, 240, 232))
            elif (x + y) % period in (1, period - 1):
                c.put(x, y, (247, 244, 237))
    return c


def studio_banner():
    w, h = 600, 64
    c = Canvas(w, h, INK)
    c.shape(lambda x, y: True, vertical_gradient(INK_LIGHT, INK, 0, h - 4))
    # A soft glow towards the right keeps the wide band from looking flat.
    for y in range(h - 4):
        for x in range(w):
            glow = max(0.0, 1.0 - math.hypot((x - 540) / 260.0, (y + 20) / 90.0))
            c.put(x, y, mix(c.get(x, y), (255, 255, 255), 0.10 * glow * glow))
    # The palette card: four rounded swatches on the left.
    cell, gap, left, top = 12, 4, 18, 16
    for i, swatch in enumerate(SWATCHES):
        x0 = left + (i % 2) * (cell + gap)
        y0 = top + (i // 2) * (cell + gap)
        c.rounded_rect(x0, y0, x0 + cell, y0 + cell, 2.5, swatch)
    for i, swatch in enumerate(SWATCHES):
        c.fill_rect(i * 150, h - 4, (i + 1) * 150, h, swatch)
    return c


def button(width, height, radius, top, bottom, matte=PAPER):
    c = Canvas(width, height, None, matte)
    c.rounded_rect(0, 0, width, height, radius, vertical_gradient(top, bottom, 0, height))
    return c


def studio_horizontal_nav(pushed):
    w, h = 141, 22
    if not pushed:
        c = button(w, h, 4, INK_LIGHT, INK)
        c.shape(lambda x, y: in_rounded_rect(x, y, 0, 0, w, h, 4) and y < 1.0, (96, 107, 136))
        return c
    c = button(w, h, 4, TEAL_TOP, TEAL_BOTTOM)
    c.shape(lambda x, y: in_rounded_rect(x, y, 0, 0, w, h, 4) and y >= h - 2, AMBER)
    return c


def studio_vertical_nav(pushed):
    w, h = 141, 22
    if pushed:
        c = button(w, h, 3, TEAL_TOP, TEAL_BOTTOM)
        accent = AMBER
    else:
        c = button(w, h, 3, INK_LIGHT, INK)
        accent = BLUE
    c.shape(lambda x, y: in_rounded_rect(x, y, 0, 0, w, h, 3) and x < 4, accent)
    return c


def quick_link_glyph(c, kind, color):
    """A small sign at the button's edge, clear of the centred caption."""
    mid = c.height / 2.0
    if kind == "back":
        c.stroke([(13, mid - 4), (9, mid), (13, mid + 4)], 1.6, color)
    elif kind == "next":
        x = c.width - 13
        c.stroke([(x, mid - 4), (x + 4, mid), (x, mid + 4)], 1.6, color)
    elif kind == "up":
        c.stroke([(8, mid + 2), (12, mid - 2), (16, mid + 2)], 1.6, color)
    elif kind == "home":
        c.stroke([(8, mid), (12, mid - 4), (16, mid)], 1.4, color)
        c.fill_rect(9, int(mid), 16, int(mid) + 4, color)


def studio_quick_link(kind, hovered):
    if hovered:
        c = button(100, 22, 11, TEAL_TOP, TEAL_BOTTOM)
        quick_link_glyph(c, kind, AMBER)
    else:
        c = button(100, 20, 10, INK_LIGHT, INK)
        quick_link_glyph(c, kind, (196, 206, 228))
    return c


def studio_global_button():
    w, h = 95, 20
    c = Canvas(w, h, None, PAPER)
    c.rounded_rect(0, 0, w, h, 4, (206, 142, 30))
    c.rounded_rect(1, 1, w - 1, h - 1, 3, vertical_gradient((248, 201, 104), (238, 168, 44), 1, h - 1))
    return c


def studio_bullet(kind):
    if kind == 1:
        c = Canvas(10, 10, None, PAPER)
        c.circle(5, 5, 4.6, CORAL)
    elif kind == 2:
        c = Canvas(8, 8, None, PAPER)
        c.circle(4, 4, 3.6, TEAL)
    else:
        c = Canvas(6, 6, None, PAPER)
        c.shape(lambda x, y: abs(x - 3) + abs(y - 3) <= 3.1, BLUE)
    return c


def studio_rule():
    w, h = 600, 6
    c = Canvas(w, h, None, PAPER)

    def fading_ink(x, y):
        # The line fades into the paper towards both ends.
        t = min(1.0, min(x, w - 1 - x) / 120.0)
        return mix(PAPER, (120, 128, 148), t)
    c.shape(lambda x, y: 2 <= y < 4, fading_ink)
    cell = 24
    left = (w - 4 * cell) // 2
    for i, swatch in enumerate(SWATCHES):
        c.fill_rect(left + i * cell, 1, left + (i + 1) * cell, 5, swatch)
    return c


STUDIO_PICTURES = {
    "bkgnd.gif": studio_background,
    "banner.gif": studio_banner,
    "rule.gif": studio_rule,
    "bullet1.gif": lambda: studio_bullet(1),
    "bullet2.gif": lambda: studio_bullet(2),
    "bullet3.gif": lambda: studio_bullet(3),
    "hnav.gif": lambda: studio_horizontal_nav(False),
    "hnavpush.gif": lambda: studio_horizontal_nav(True),
    "vnav.gif": lambda: studio_vertical_nav(False),
    "vnavpush.gif": lambda: studio_vertical_nav(True),
    "qback.gif": lambda: studio_quick_link("back", False),
    "qhome.gif": lambda: studio_quick_link("home", False),
    "qup.gif": lambda: studio_quick_link("up", False),
    "qnext.gif": lambda: studio_quick_link("next", False),
    "qbackhov.gif": lambda: studio_quick_link("back", True),
    "qhomehov.gif": lambda: studio_quick_link("home", True),
    "quphov.gif": lambda: studio_quick_link("up", True),
    "qnexthov.gif": lambda: studio_quick_link("next", True),
    "globalbtn.gif": studio_global_button,
}

# The style sheets, rule by rule: (selector, [(property, value), ...]). The readers
# want each selector alone on its line, braces on their own lines and every
# declaration indented with one tab; the colours keep to black, white and rgb().
SANS = "Verdana, Arial, Helvetica"
SERIF = 'Georgia, "Times New Roman", Times'

STUDIO_SHEETS = {
    "theme.css": [
        (".mstheme", [("top-bar-button", "url(globalbtn.gif)")]),
        (".mstheme-topbar-font", [("font-family", SANS), ("font-size", "8pt"),
                                  ("color", "rgb(43, 51, 72)")]),
        ("body", [("background-image", "url(bkgnd.gif)")]),
        ("TEXTAREA", [("font-family", SANS), ("font-size", "10pt")]),
        ("h1", [("font-family", SERIF), ("font-size", "22pt")]),
        ("h2", [("font-family", SERIF), ("font-size", "18pt")]),
        ("h3", [("font-family", SANS), ("font-size", "14pt")]),
        ("h4", [("font-family", SANS), ("font-size", "12pt")]),
        ("h5", [("font-family", SANS), ("font-size", "2")]),
        ("h6", [("font-family", SANS), ("font-size", "1")]),
        ("BUTTON", [("font-family", SANS), ("font-size", "9pt")]),
        (".mstheme-horiz-navtxt", [("font-family", SANS), ("font-size", "9pt"),
                                   ("color", "white")]),
    ],
    "color1.css": [
        ("body", [("color", "rgb(51, 56, 71)"), ("background-color", "rgb(250, 247, 241)")]),
        ("h1", [("color", "rgb(43, 51, 72)")]),
        ("h2, marquee", [("color", "rgb(33, 112, 99)")]),
        ("h3", [("color", "rgb(196, 74, 46)")]),
        ("h4", [("color", "rgb(52, 92, 170)")]),
        ("h5", [("color", "rgb(43, 51, 72)")]),
        ("h6", [("color", "rgb(106, 111, 124)")]),
        ("BUTTON", [("color", "white"), ("background-color", "rgb(43, 51, 72)")]),
        ("a:link", [("color", "rgb(40, 96, 196)")]),
        ("a:visited", [("color", "rgb(118, 78, 158)")]),
        ("a:active", [("color", "rgb(196, 66, 38)")]),
    ],
    "graph0.css": [
        (".mstheme", [
            ("nav-banner-image", "url(banner.gif)"),
            ("separator-image", "url(rule.gif)"),
            ("list-image-1", "url(bullet1.gif)"),
            ("list-image-2", "url(bullet2.gif)"),
            ("list-image-3", "url(bullet3.gif)"),
            ("navbutton-prev-normal", "url(qback.gif)"),
            ("navbutton-home-normal", "url(qhome.gif)"),
            ("navbutton-up-normal", "url(qup.gif)"),
            ("navbutton-next-normal", "url(qnext.gif)"),
            ("navbutton-horiz-normal", "url(hnav.gif)"),
            ("navbutton-horiz-pushed", "url(hnavpush.gif)"),
            ("navbutton-vert-normal", "url(vnav.gif)"),
            ("navbutton-vert-pushed", "url(vnavpush.gif)"),
        ]),
    ],
    "graph1.css": [
        (".mstheme", [
            ("navbutton-prev-hovered", "url(qbackhov.gif)"),
            ("navbutton-home-hovered", "url(qhomehov.gif)"),
            ("navbutton-up-hovered", "url(quphov.gif)"),
            ("navbutton-next-hovered", "url(qnexthov.gif)"),
        ]),
        (".mstheme-bannertxt", [("color", "white"), ("font-family", SERIF),
                                ("font-size", "24pt")]),
        (".mstheme-navtxthome", [("color", "white"), ("font-family", SANS),
                                 ("font-size", "9pt")]),
    ],
}


def style_sheet_text(rules):
    lines = []
    for selector, declarations in rules:
        lines.append(selector)
        lines.append("{")
        lines.extend("\t%s: %s;" % (name, value) for name, value in declarations)
        lines.append("}")
    return "".join(line + "\r\n" for line in lines).encode("ascii")


# ---------------------------------------------------------------------------
# Writing and checking
# ---------------------------------------------------------------------------

def outputs(root):
    """Every file this script owns: path -> function giving its bytes."""
    studio = os.path.join(root, "data", "Themes", "Studio")
    placeholders = os.path.join(root, "ui", "resources", "placeholders")
    files = {}
    for name, rules in STUDIO_SHEETS.items():
        files[os.path.join(studio, name)] = lambda rules=rules: style_sheet_text(rules)
    for name, draw in STUDIO_PICTURES.items():
        files[os.path.join(studio, name)] = lambda draw=draw: encode_gif(draw())
    for name, draw in PLACEHOLDERS.items():
        files[os.path.join(placeholders, name)] = lambda draw=draw: encode_gif(draw())
    return files


def same_picture(data, canvas):
    """True when the GIF shows the canvas after quantisation, pixel for pixel."""
    width, height, rows = decode_gif(data)
    if (width, height) != (canvas.width, canvas.height):
        return False
    palette, indices, transparent = quantize(canvas)
    for y in range(height):
        for x in range(width):
            i = indices[y * width + x]
            expected = None if i == transparent else palette[i]
            if rows[y][x] != expected:
                return False
    return True


def check(root):
    problems = []
    studio = os.path.join(root, "data", "Themes", "Studio")
    placeholders = os.path.join(root, "ui", "resources", "placeholders")
    for folder, pictures in ((studio, STUDIO_PICTURES), (placeholders, PLACEHOLDERS)):
        for name, draw in pictures.items():
            path = os.path.join(folder, name)
            try:
                with open(path, "rb") as f:
                    if not same_picture(f.read(), draw()):
                        problems.append("%s: differs from the drawing" % path)
            except (OSError, ValueError, IndexError) as e:
                problems.append("%s: %s" % (path, e))
    for name, rules in STUDIO_SHEETS.items():
        path = os.path.join(studio, name)
        try:
            with open(path, "rb") as f:
                if f.read() != style_sheet_text(rules):
                    problems.append("%s: differs from the sheet" % path)
        except OSError as e:
            problems.append("%s: %s" % (path, e))
    for problem in problems:
        print(problem, file=sys.stderr)
    return not problems


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--root", default=os.path.dirname(os.path.dirname(os.path.abspath(__file__))),
                        help="the source tree (default: the one holding this script)")
    parser.add_argument("--check", action="store_true",
                        help="decode and compare the committed files instead of writing them")
    args = parser.parse_args()
    if args.check:
        return 0 if check(args.root) else 1
    for path, make in outputs(args.root).items():
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(make())
    return 0


if __name__ == "__main__":
    sys.exit(main())
