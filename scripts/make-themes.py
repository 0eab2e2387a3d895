#!/usr/bin/env python3
"""Draws Tintora's bundled themes and the preview's placeholder pictures.

One run regenerates everything this script owns:
  data/Themes/NAME/*.css and *.gif     every bundled theme: Studio (the Default theme)
                                       and the gallery, each from its description below
  ui/resources/placeholders/*.gif      the preview's design-time placeholder pictures

When a bundled theme changes or one is added, raise the number in data/studio.stamp: a
user's data folder seeded from an older edition then gets the new themes, and each
theme the user left as it was is brought up to date.

Only the Python standard library is used, so the pictures come from a small GIF89a
encoder below. The output is deterministic: running the script twice gives the same
bytes, so the committed files only change when the drawing changes.

    scripts/make-themes.py [--root DIR] [--check | --list] [THEME ...]

--check decodes every GIF this script owns and compares it with what the script would
draw now, and every sheet with what it would write; it writes nothing and exits
non-zero on a difference or on a theme folder no description makes. Naming themes
writes only their folders.
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
    # A decoder adds an entry for this last code too; should that fill its table at
    # this width, it reads the end code one bit wider.
    if next_code == (1 << code_size) and code_size < 12:
        code_size += 1
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
# Noise, for textures and photographic-looking pictures. Integer hashing keeps it
# the same on every machine and every Python.
# ---------------------------------------------------------------------------

def hash01(x, y, seed):
    h = (x * 374761393 + y * 668265263 + seed * 2147483647) & 0xFFFFFFFF
    h = ((h ^ (h >> 13)) * 1274126177) & 0xFFFFFFFF
    return ((h ^ (h >> 16)) & 0xFFFF) / 65535.0


def value_noise(x, y, scale, seed):
    """Smooth noise in 0..1: the hash on a lattice `scale` pixels apart, eased between."""
    fx, fy = x / scale, y / scale
    ix, iy = int(math.floor(fx)), int(math.floor(fy))
    tx, ty = fx - ix, fy - iy
    tx, ty = tx * tx * (3 - 2 * tx), ty * ty * (3 - 2 * ty)
    a = hash01(ix, iy, seed)
    b = hash01(ix + 1, iy, seed)
    c = hash01(ix, iy + 1, seed)
    d = hash01(ix + 1, iy + 1, seed)
    return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty


def fractal_noise(x, y, scale, seed, octaves=4):
    total, weight, amplitude = 0.0, 0.0, 1.0
    for octave in range(octaves):
        total += amplitude * value_noise(x, y, scale, seed + octave * 7919)
        weight += amplitude
        amplitude *= 0.5
        scale = max(1.0, scale / 2.0)
    return total / weight


def paint(canvas, color):
    for y in range(canvas.height):
        for x in range(canvas.width):
            canvas.put(x, y, color_at(color, x, y))


def grained(color, amount, seed, scale=1.0):
    """A colour with fine grain: each pixel a little lighter or darker."""
    def at(x, y):
        base = color_at(color, x, y)
        n = (hash01(int(x / scale), int(y / scale), seed) - 0.5) * 2.0 * amount
        return mix(base, (255, 255, 255), n) if n > 0 else mix(base, (0, 0, 0), -n)
    return at


def hx(text):
    return tuple(int(text[i:i + 2], 16) for i in (1, 3, 5))


# ---------------------------------------------------------------------------
# The Studio theme: a slate ink, warm paper and the four swatch colours of the
# product's palette card (coral, amber, teal, blue). Drawn by hand below; the
# gallery's themes are drawn from their descriptions further down.
# ---------------------------------------------------------------------------
PAPER = (250, 247, 241)
INK = (43, 51, 72)
INK_LIGHT = (70, 81, 110)
CORAL = (232, 93, 63)
AMBER = (242, 177, 52)
TEAL = (63, 167, 150)
BLUE = (91, 141, 239)
# The darker teal and banner top keep white navigation text and coral banner text at
# AA over the pictures (and the banner text over the paper, for opaque labels).
TEAL_TOP = (40, 128, 113)
BANNER_TOP = (52, 61, 84)
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
    c.shape(lambda x, y: True, vertical_gradient(BANNER_TOP, INK, 0, h - 4))
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


# ---------------------------------------------------------------------------
# The gallery: pictures drawn from a theme's description
# ---------------------------------------------------------------------------

BANNER_W, BANNER_H = 600, 64
# The banner text is centred; ornaments keep clear of the middle so it stays legible.
CLEAR_LEFT, CLEAR_RIGHT = 150, 450


def fill_of(fill, width, height):
    """A fill description as a colour function: ("flat", c), ("vertical", top, bottom),
    ("horizontal", left, right) or ("diagonal", a, b), with an optional grain amount
    as a further item."""
    kind = fill[0]
    if kind == "flat":
        color = fill[1]
        colors = 1
    elif kind == "vertical":
        color = vertical_gradient(fill[1], fill[2], 0, height)
        colors = 2
    elif kind == "horizontal":
        color = horizontal_gradient(fill[1], fill[2], 0, width)
        colors = 2
    elif kind == "diagonal":
        a, b = fill[1], fill[2]
        span = float(width + height)
        color = lambda x, y, a=a, b=b: mix(a, b, (x + y) / span)
        colors = 2
    else:
        raise ValueError("unknown fill %r" % (kind,))
    grain = fill[1 + colors] if len(fill) > 1 + colors else 0
    return grained(color, grain, width * 31 + height) if grain else color


def photo_sky(scene, width, height, seed):
    """A photographic-looking sky over water: soft clouds, a hazy horizon and ripples.
    scene: (sky_top, sky_low, cloud, sea, horizon share)."""
    sky_top, sky_low, cloud, sea, horizon = scene
    line = height * horizon

    def at(x, y):
        if y < line:
            base = mix(sky_top, sky_low, y / max(1.0, line))
            n = fractal_noise(x, y * 2.2, 48.0, seed, 5)
            cover = max(0.0, min(1.0, (n - 0.45) * 3.2))
            color = mix(base, cloud, cover * 0.85)
        else:
            depth = (y - line) / max(1.0, height - line)
            base = mix(mix(sky_low, sea, 0.55), sea, min(1.0, depth * 1.6))
            n = fractal_noise(x * 0.35, (y - line) * 3.0, 20.0, seed + 11, 4)
            color = mix(base, cloud, max(0.0, n - 0.55) * 1.4)
        grain = (hash01(x, y, seed + 3) - 0.5) * 0.05
        return mix(color, (255, 255, 255), grain) if grain > 0 else mix(color, (0, 0, 0), -grain)
    return at


def banner_ornament(c, item, page):
    kind = item[0]
    w, h = c.width, c.height
    if kind == "stripe":
        colors, height = item[1], item[2]
        step = w / len(colors)
        for i, color in enumerate(colors):
            c.fill_rect(int(round(i * step)), h - height, int(round((i + 1) * step)), h, color)
    elif kind == "rules":
        # A newspaper's masthead: thick and thin rules above and below.
        color = item[1]
        c.fill_rect(0, 3, w, 6, color)
        c.fill_rect(0, 8, w, 9, color)
        c.fill_rect(0, h - 9, w, h - 8, color)
        c.fill_rect(0, h - 6, w, h - 3, color)
    elif kind == "columns":
        # Short hairlines at both sides, like set type in narrow columns.
        color, rows = item[1], item[2]
        for i in range(rows):
            y = 16 + i * 6
            for x0, x1 in ((24, 118 - (i * 13) % 40), (482 + (i * 17) % 40, 576)):
                c.fill_rect(x0, y, x1, y + 1, color)
    elif kind == "circles":
        for cx, cy, r, color in item[1]:
            c.circle(cx, cy, r, color)
    elif kind == "chevrons":
        color, count = item[1], item[2]
        for i in range(count):
            x = 22 + i * 22
            c.stroke([(x, 16), (x + 14, 32), (x, 48)], 6.0, color)
            x = w - 22 - i * 22
            c.stroke([(x, 16), (x - 14, 32), (x, 48)], 6.0, color)
    elif kind == "blocks":
        # Flat tilted shapes in strong colours at both ends.
        for (x0, x1, color) in item[1]:
            c.shape(lambda px, py, x0=x0, x1=x1: x0 + py * 0.45 <= px < x1 + py * 0.45, color,
                    (x0, 0, x1 + h * 0.45 + 1, h))
    elif kind == "fronds":
        color = item[1]
        for base_x, lean in ((40, 1), (96, 1), (w - 40, -1), (w - 96, -1)):
            frond(c, base_x, h + 4, lean, color)
    elif kind == "window":
        # A terminal window at the left: title bar with three dots, prompt lines.
        frame, bar, dots, ink = item[1], item[2], item[3], item[4]
        c.rounded_rect(18, 10, 126, 54, 4, frame)
        c.rounded_rect(19, 11, 125, 53, 3, page)
        c.fill_rect(19, 11, 125, 20, bar)
        for i, dot in enumerate(dots):
            c.circle(27 + i * 8, 15.5, 2.4, dot)
        for i, length in enumerate((58, 84, 40)):
            y = 26 + i * 8
            c.stroke([(26, y), (30, y + 2), (26, y + 4)], 1.2, ink)
            c.fill_rect(35, y + 1, 35 + length - 12, y + 3, mix(ink, page, 0.35 + 0.2 * i))
    elif kind == "grid":
        color, step = item[1], item[2]
        for y in range(h):
            for x in range(w):
                if x % step == 0 or y % step == 0:
                    c.put(x, y, mix(c.get(x, y), color, 0.55))
    elif kind == "hatch":
        # Pencil hatching at both sides, fading towards the middle.
        color, spacing = item[1], item[2]
        for y in range(h):
            for x in range(w):
                edge = min(x, w - 1 - x)
                t = max(0.0, 1.0 - edge / 160.0)
                if t > 0 and (x + y) % spacing == 0:
                    c.put(x, y, mix(c.get(x, y), color, t))
    elif kind == "stars":
        color, count, seed = item[1], item[2], item[3]
        for i in range(count):
            x = hash01(i, 1, seed) * w
            y = hash01(i, 2, seed) * (h - 8) + 2
            if CLEAR_LEFT - 20 < x < CLEAR_RIGHT + 20:
                continue
            r = 0.6 + hash01(i, 3, seed) * 0.9
            c.circle(x, y, r, mix(c.get(int(x), int(y)), color, 0.4 + hash01(i, 4, seed) * 0.6))
    elif kind == "glow":
        cx, cy, rx, ry, color, strength = item[1:]
        for y in range(h):
            for x in range(w):
                g = max(0.0, 1.0 - math.hypot((x - cx) / rx, (y - cy) / ry))
                if g > 0:
                    c.put(x, y, mix(c.get(x, y), color, strength * g * g))
    elif kind == "waves":
        # Gentle swell lines across the banner, fading out behind the centred text.
        color, rows = item[1], item[2]

        def faded(x, y):
            edge = min(x, w - 1 - x)
            t = max(0.0, min(1.0, (edge - 40) / 130.0))
            return mix(color, c.get(min(w - 1, int(x)), min(h - 1, int(y))), t ** 0.7)
        for i in range(rows):
            pts = [(x, 14 + i * 9 + 3.0 * math.sin((x + i * 23) / 16.0)) for x in range(-4, w + 8, 4)]
            c.stroke(pts, 1.3, faded)
    else:
        raise ValueError("unknown banner ornament %r" % (kind,))


def frond(c, x, y, lean, color):
    """A fern frond: a curved stem with leaflets getting smaller towards the tip."""
    stem = [(x + lean * (8 * t * t), y - 56 * t) for t in (i / 12.0 for i in range(13))]
    c.stroke(stem, 1.6, color)
    for i in range(1, 12):
        sx, sy = stem[i]
        size = 9.0 * (1.0 - i / 13.0) + 2.0
        for side in (-1, 1):
            tip = (sx + side * size, sy - size * 0.55)
            c.stroke([(sx, sy), tip], 2.2 * (1.0 - i / 16.0), color)


def gallery_banner(t):
    art = t["art"]["banner"]
    page = t["colors"]["page"]
    c = Canvas(BANNER_W, BANNER_H, page)
    base = art["fill"]
    if base[0] == "photo":
        paint(c, photo_sky(base[1:], BANNER_W, BANNER_H, 17))
    else:
        paint(c, fill_of(base, BANNER_W, BANNER_H))
    for item in art.get("ornaments", ()):
        banner_ornament(c, item, page)
    return c


def gallery_button(t, width, height, pushed, edge_accent=None):
    """A navigation button: its fill, frame and, when given, an accent bar
    ("bottom" or "left")."""
    b = t["art"]["button"]
    page = t["colors"]["page"]
    fill = b["pushed"] if pushed else b["normal"]
    radius = min(b.get("radius", 4), height / 2.0)
    c = Canvas(width, height, None, page)
    border = b.get("pushed_border" if pushed else "border")
    if border:
        c.rounded_rect(0, 0, width, height, radius, border)
        inset = b.get("border_width", 1)
        c.rounded_rect(inset, inset, width - inset, height - inset, max(0.0, radius - inset),
                       fill_of(fill, width, height))
    else:
        c.rounded_rect(0, 0, width, height, radius, fill_of(fill, width, height))
    if edge_accent:
        side, color = edge_accent
        inside = lambda x, y: in_rounded_rect(x, y, 0, 0, width, height, radius)
        if radius >= 10:
            # A pill keeps its outline: the accent rings it (clear of the text in its
            # middle) or marks its left end.
            if side == "bottom":
                c.shape(lambda x, y: inside(x, y) and not in_rounded_rect(
                    x, y, 2, 2, width - 2, height - 2, radius - 2), color)
            else:
                c.rounded_rect(radius * 0.6, 6, radius * 0.6 + 3, height - 6, 1.5, color)
        elif side == "bottom":
            c.shape(lambda x, y: inside(x, y) and y >= height - 3, color)
        else:
            c.shape(lambda x, y: inside(x, y) and x < 4, color)
    return c


def gallery_horizontal_nav(t, pushed):
    b = t["art"]["button"]
    return gallery_button(t, 141, 22, pushed, ("bottom", b["accent"]) if pushed else None)


def gallery_vertical_nav(t, pushed):
    b = t["art"]["button"]
    return gallery_button(t, 141, 22, pushed, ("left", b["accent"] if pushed else b["mark"]))


def gallery_quick_link(t, kind, hovered):
    b = t["art"]["button"]
    c = gallery_button(t, 100, 22 if hovered else 20, hovered)
    quick_link_glyph(c, kind, b["accent"] if hovered else b["glyph"])
    return c


def gallery_global_button(t):
    g = t["art"]["global"]
    c = Canvas(95, 20, None, t["colors"]["page"])
    radius = g.get("radius", 4)
    if g.get("border"):
        c.rounded_rect(0, 0, 95, 20, radius, g["border"])
        c.rounded_rect(1, 1, 94, 19, max(0, radius - 1), fill_of(g["fill"], 95, 20))
    else:
        c.rounded_rect(0, 0, 95, 20, radius, fill_of(g["fill"], 95, 20))
    return c


def bullet_shape(size, shape, color, matte):
    c = Canvas(size, size, None, matte)
    m = size / 2.0
    r = m - 0.4
    if shape == "circle":
        c.circle(m, m, r, color)
    elif shape == "ring":
        c.shape(lambda x, y: (r - 1.7) ** 2 <= (x - m) ** 2 + (y - m) ** 2 <= r * r, color)
    elif shape == "square":
        c.fill_rect(int(size * 0.1), int(size * 0.1), size - int(size * 0.1), size - int(size * 0.1), color)
    elif shape == "diamond":
        c.shape(lambda x, y: abs(x - m) + abs(y - m) <= r + 0.1, color)
    elif shape == "triangle":
        c.shape(lambda x, y: x >= 0.8 and abs(y - m) <= (x - 0.8) * 0.58 and x <= size - 0.6, color)
    elif shape == "chevron":
        c.stroke([(size * 0.3, size * 0.15), (size * 0.72, m), (size * 0.3, size * 0.85)],
                 max(1.3, size * 0.2), color)
    elif shape == "dash":
        c.fill_rect(0, int(m) - 1, size, int(m) + 1, color)
    elif shape == "plus":
        c.fill_rect(0, int(m) - 1, size, int(m) + 1, color)
        c.fill_rect(int(m) - 1, 0, int(m) + 1, size, color)
    elif shape == "leaf":
        # A leaf pointing up and right: two arcs meeting at the tips.
        def inside(x, y):
            u = (x + (size - y)) / (2.0 * size)
            v = (x - (size - y)) / (2.0 * size)
            return 0 <= u <= 1 and abs(v) <= 0.32 * math.sin(math.pi * u)
        c.shape(inside, color)
    else:
        raise ValueError("unknown bullet %r" % (shape,))
    return c


def gallery_bullet(t, level):
    shape, color = t["art"]["bullets"][level - 1]
    return bullet_shape({1: 10, 2: 8, 3: 6}[level], shape, color, t["colors"]["page"])


def gallery_rule(t):
    r = t["art"]["rule"]
    page = t["colors"]["page"]
    w, h = 600, 6
    c = Canvas(w, h, None, page)
    kind = r[0]
    if kind == "double":
        c.fill_rect(0, 0, w, 2, r[1])
        c.fill_rect(0, 4, w, 5, r[1])
    elif kind == "bar":
        # A solid bar with its ends in another colour.
        c.fill_rect(0, 1, w, 5, r[1])
        c.fill_rect(0, 1, 40, 5, r[2])
        c.fill_rect(w - 40, 1, w, 5, r[2])
    elif kind == "segments":
        colors = r[1]
        step = w / len(colors)
        for i, color in enumerate(colors):
            c.fill_rect(int(round(i * step)), 1, int(round((i + 1) * step)), 5, color)
    elif kind == "dots":
        colors, spacing = r[1], r[2]
        for i, x in enumerate(range(spacing // 2, w, spacing)):
            c.circle(x + 0.5, 3, 2.2, colors[i % len(colors)])
    elif kind == "dashes":
        color, dash, gap = r[1], r[2], r[3]
        for x in range(0, w, dash + gap):
            c.fill_rect(x, 2, x + dash, 4, color)
    elif kind == "fade":
        # A line fading into the page at both ends, with a small centre mark.
        color, mark = r[1], r[2]

        def fading(x, y):
            return mix(page, color, min(1.0, min(x, w - 1 - x) / 140.0))
        c.shape(lambda x, y: 2.5 <= y < 3.5 + (r[3] if len(r) > 3 else 0), fading)
        c.shape(lambda x, y: abs(x - w / 2.0) + abs(y - 3) <= 3.2, mark)
    elif kind == "vine":
        color, leaf = r[1], r[2]
        pts = [(x, 3 + 1.2 * math.sin(x / 11.0)) for x in range(0, w + 1, 3)]
        c.stroke(pts, 1.1, color)
        for x in range(20, w, 44):
            c.shape(lambda px, py, x=x: ((px - x) / 3.6) ** 2 + ((py - 3) / 2.0) ** 2 <= 1, leaf,
                    (x - 4, 0, x + 4, 6))
    elif kind == "hatch":
        color = r[1]
        for y in range(1, 5):
            for x in range(w):
                if (x + y) % 4 == 0:
                    c.put(x, y, color)
        c.fill_rect(0, 0, w, 1, color)
        c.fill_rect(0, 5, w, 6, color)
    else:
        raise ValueError("unknown rule %r" % (kind,))
    return c


def gallery_background(t):
    bg = t["art"]["background"]
    page = t["colors"]["page"]
    kind = bg[0]
    if kind == "plain":
        c = Canvas(16, 16, page)
    elif kind == "wash":
        # A gentle top-to-bottom wash; narrow, since the preview stretches it.
        c = Canvas(16, 256, page)
        paint(c, vertical_gradient(bg[1], bg[2], 0, 256))
    elif kind == "grain":
        w, h, amount, seed = bg[1], bg[2], bg[3], bg[4]
        c = Canvas(w, h, page)

        def fibre(x, y):
            n = fractal_noise(x * 0.5, y * 2.0, 6.0, seed, 3) - 0.5
            return mix(page, (0, 0, 0), amount * max(0.0, n)) if n > 0 else \
                mix(page, (255, 255, 255), amount * -n)
        paint(c, fibre)
    elif kind == "grid":
        w, h, step, minor, major = bg[1], bg[2], bg[3], bg[4], bg[5]
        c = Canvas(w, h, page)
        for y in range(h):
            for x in range(w):
                if x % (step * 4) == 0 or y % (step * 4) == 0:
                    c.put(x, y, major)
                elif x % step == 0 or y % step == 0:
                    c.put(x, y, minor)
    elif kind == "confetti":
        w, h, colors, count, seed = bg[1], bg[2], bg[3], bg[4], bg[5]
        c = Canvas(w, h, page)
        for i in range(count):
            x = 6 + hash01(i, 1, seed) * (w - 12)
            y = 6 + hash01(i, 2, seed) * (h - 12)
            c.circle(x, y, 1.6 + hash01(i, 3, seed) * 1.6, colors[i % len(colors)])
    elif kind == "photo":
        w, h = bg[1], bg[2]
        c = Canvas(w, h, page)
        paint(c, photo_sky(bg[3:], w, h, 5))
    elif kind == "stars":
        w, h, top, bottom, star, count, seed = bg[1:]
        c = Canvas(w, h, page)
        paint(c, vertical_gradient(top, bottom, 0, h))
        for i in range(count):
            x, y = int(hash01(i, 1, seed) * w), int(hash01(i, 2, seed) * h)
            c.put(x, y, mix(c.get(x, y), star, 0.3 + 0.4 * hash01(i, 3, seed)))
    else:
        raise ValueError("unknown background %r" % (kind,))
    return c


def gallery_pictures(t):
    return {
        "bkgnd.gif": lambda: gallery_background(t),
        "banner.gif": lambda: gallery_banner(t),
        "rule.gif": lambda: gallery_rule(t),
        "bullet1.gif": lambda: gallery_bullet(t, 1),
        "bullet2.gif": lambda: gallery_bullet(t, 2),
        "bullet3.gif": lambda: gallery_bullet(t, 3),
        "hnav.gif": lambda: gallery_horizontal_nav(t, False),
        "hnavpush.gif": lambda: gallery_horizontal_nav(t, True),
        "vnav.gif": lambda: gallery_vertical_nav(t, False),
        "vnavpush.gif": lambda: gallery_vertical_nav(t, True),
        "qback.gif": lambda: gallery_quick_link(t, "back", False),
        "qhome.gif": lambda: gallery_quick_link(t, "home", False),
        "qup.gif": lambda: gallery_quick_link(t, "up", False),
        "qnext.gif": lambda: gallery_quick_link(t, "next", False),
        "qbackhov.gif": lambda: gallery_quick_link(t, "back", True),
        "qhomehov.gif": lambda: gallery_quick_link(t, "home", True),
        "quphov.gif": lambda: gallery_quick_link(t, "up", True),
        "qnexthov.gif": lambda: gallery_quick_link(t, "next", True),
        "globalbtn.gif": lambda: gallery_global_button(t),
    }


# ---------------------------------------------------------------------------
# Style sheets from a description. The readers want each selector alone on its
# line, braces on their own lines and every declaration indented with one tab; the
# colours keep to black, white and rgb(). The readers take the first family of a
# list: it is a web-safe face that Debian's Liberation or DejaVu faces stand in for,
# and every list ends in a generic family for browsers.
# ---------------------------------------------------------------------------

VERDANA = "Verdana, Geneva, Arial, sans-serif"
ARIAL = "Arial, Helvetica, sans-serif"
TREBUCHET = '"Trebuchet MS", Verdana, Arial, sans-serif'
TAHOMA = "Tahoma, Verdana, Geneva, sans-serif"
GEORGIA = 'Georgia, "Times New Roman", Times, serif'
TIMES = '"Times New Roman", Times, Georgia, serif'
COURIER = '"Courier New", Courier, monospace'

SIZES = {"topbar": "8pt", "text": "10pt", "h1": "22pt", "h2": "18pt", "h3": "14pt",
         "h4": "12pt", "h5": "2", "h6": "1", "nav": "9pt", "banner": "24pt"}


def css_color(color):
    if color == (255, 255, 255):
        return "white"
    if color == (0, 0, 0):
        return "black"
    return "rgb(%d, %d, %d)" % color


def theme_sheets(t):
    f = t["fonts"]
    s = dict(SIZES, **t.get("sizes", {}))
    k = {name: css_color(value) for name, value in t["colors"].items() if name != "headings"}
    h = [css_color(value) for value in t["colors"]["headings"]]
    text, display = f["text"], f["display"]
    heading_font = [display, display] + [f.get("minor", text)] * 4
    return {
        "theme.css": [
            (".mstheme", [("top-bar-button", "url(globalbtn.gif)")]),
            (".mstheme-topbar-font", [("font-family", text), ("font-size", s["topbar"]),
                                      ("color", k["topbar"])]),
            ("body", [("background-image", "url(bkgnd.gif)")]),
            ("TEXTAREA", [("font-family", text), ("font-size", s["text"])]),
        ] + [("h%d" % i, [("font-family", heading_font[i - 1]), ("font-size", s["h%d" % i])])
             for i in range(1, 7)] + [
            ("BUTTON", [("font-family", f.get("nav", text)), ("font-size", s["nav"])]),
            (".mstheme-horiz-navtxt", [("font-family", f.get("nav", text)),
                                       ("font-size", s["nav"]), ("color", k["nav_text"])]),
        ],
        "color1.css": [
            ("body", [("color", k["body"]), ("background-color", k["page"])]),
            ("h1", [("color", h[0])]),
            ("h2, marquee", [("color", h[1])]),
        ] + [("h%d" % i, [("color", h[i - 1])]) for i in range(3, 7)] + [
            ("BUTTON", [("color", k["nav_text"]), ("background-color", k["nav_back"])]),
            ("a:link", [("color", k["link"])]),
            ("a:visited", [("color", k["visited"])]),
            ("a:active", [("color", k["active"])]),
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
            (".mstheme-bannertxt", [("color", k["banner_text"]), ("font-family", display),
                                    ("font-size", s["banner"])]),
            (".mstheme-navtxthome", [("color", k["nav_text"]), ("font-family", f.get("nav", text)),
                                     ("font-size", s["nav"])]),
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
# The bundled themes. Each folder's name is its caption in the Themes menu, which
# lists them by name after "Default" (Studio). A description gives the palette, the
# fonts and how the pictures are drawn: flat, gradient, textured (grain), line art
# or photographic-looking noise. Every text colour reaches WCAG AA over what the
# preview draws behind it, with and without the background picture and the
# labels' own colour (tintora-cli audit checks it; so does the test suite).
# ---------------------------------------------------------------------------

STUDIO = {
    "folder": "Studio",
    "about": "the Default theme: slate ink on warm paper with the palette card's swatches",
    "fonts": {"text": "Verdana, Arial, Helvetica, sans-serif",
              "display": 'Georgia, "Times New Roman", Times, serif'},
    "colors": {
        "page": PAPER, "body": (51, 56, 71), "topbar": INK,
        "headings": [INK, (33, 112, 99), (187, 71, 43), (52, 92, 170), INK, (104, 109, 122)],
        "link": (40, 96, 196), "visited": (118, 78, 158), "active": (193, 65, 38),
        "nav_text": (255, 255, 255), "nav_back": INK, "banner_text": CORAL,
    },
    "pictures": STUDIO_PICTURES,
}

GALLERY = [
    {
        "folder": "Harbour",
        "about": "calm corporate: navy and steel blue on a cool white, Arial, soft gradients",
        "fonts": {"text": ARIAL, "display": ARIAL},
        "colors": {
            "page": hx("#F6F8FB"), "body": hx("#2E3A4B"), "topbar": hx("#12355E"),
            "headings": [hx("#12355E"), hx("#1D5C99"), hx("#1E6A87"), hx("#3A4A5E"),
                         hx("#12355E"), hx("#56616F")],
            "link": hx("#0A5BB5"), "visited": hx("#6A4C9C"), "active": hx("#B8322A"),
            "nav_text": (255, 255, 255), "nav_back": hx("#173E68"),
            "banner_text": hx("#12355E"),
        },
        "art": {
            "background": ("wash", hx("#F6F8FB"), hx("#EDF2F8")),
            "banner": {"fill": ("horizontal", hx("#E6EEF7"), hx("#CFDEEE")),
                       "ornaments": [("waves", hx("#A9C2DD"), 5),
                                     ("stripe", [hx("#12355E"), hx("#1D5C99"), hx("#5AA0D8")], 4)]},
            "button": {"normal": ("vertical", hx("#275A8E"), hx("#173E68")),
                       "pushed": ("vertical", hx("#1D6FA8"), hx("#155787")),
                       "radius": 3, "accent": hx("#9CCBF0"), "mark": hx("#5AA0D8"),
                       "glyph": hx("#BFD6EE")},
            "global": {"fill": ("vertical", hx("#FFFFFF"), hx("#DCE6F2")), "border": hx("#9DB3CC")},
            "bullets": [("circle", hx("#1D5C99")), ("ring", hx("#1D5C99")),
                        ("square", hx("#5AA0D8"))],
            "rule": ("fade", hx("#7F9AB8"), hx("#1D5C99")),
        },
    },
    {
        "folder": "Broadsheet",
        "about": "editorial: black ink and a deep red on newsprint, Georgia and Times, line art",
        "fonts": {"text": TIMES, "display": GEORGIA},
        "sizes": {"text": "11pt", "h1": "26pt", "h2": "18pt", "h3": "14pt", "banner": "26pt"},
        "colors": {
            "page": hx("#FBF8F1"), "body": hx("#222222"), "topbar": hx("#1A1A1A"),
            "headings": [hx("#111111"), hx("#8A1C1C"), hx("#333333"), hx("#8A1C1C"),
                         hx("#111111"), hx("#5A5550")],
            "link": hx("#1D4E89"), "visited": hx("#5B3A7A"), "active": hx("#A3201B"),
            "nav_text": hx("#1A1A1A"), "nav_back": hx("#FBF8F1"),
            "banner_text": hx("#111111"),
        },
        "art": {
            "background": ("grain", 240, 240, 0.05, 41),
            "banner": {"fill": ("flat", hx("#FBF8F1")),
                       "ornaments": [("rules", hx("#1A1A1A")), ("columns", hx("#8C8579"), 6)]},
            "button": {"normal": ("flat", hx("#FBF8F1")), "pushed": ("flat", hx("#EFE8D8")),
                       "border": hx("#1A1A1A"), "pushed_border": hx("#1A1A1A"), "radius": 0,
                       "accent": hx("#8A1C1C"), "mark": hx("#1A1A1A"), "glyph": hx("#8A1C1C")},
            "global": {"fill": ("flat", hx("#FBF8F1")), "border": hx("#1A1A1A"), "radius": 0},
            "bullets": [("square", hx("#1A1A1A")), ("diamond", hx("#8A1C1C")),
                        ("dash", hx("#1A1A1A"))],
            "rule": ("double", hx("#1A1A1A")),
        },
    },
    {
        "folder": "Midnight",
        "about": "a dark page: pale text on ink blue, cyan and lavender accents, Verdana, glows",
        "fonts": {"text": VERDANA, "display": TREBUCHET},
        "colors": {
            "page": hx("#12151F"), "body": hx("#D5D9E3"), "topbar": hx("#E8ECF5"),
            "headings": [hx("#FFFFFF"), hx("#7FD1E8"), hx("#B9A6F5"), hx("#E8C27F"),
                         hx("#D5D9E3"), hx("#9AA3B5")],
            "link": hx("#7DB8FF"), "visited": hx("#C49BFF"), "active": hx("#FF8A7A"),
            "nav_text": hx("#EEF2FF"), "nav_back": hx("#1E2433"),
            "banner_text": (255, 255, 255),
        },
        "art": {
            "background": ("stars", 240, 320, hx("#161A27"), hx("#10131B"), hx("#8A93B0"), 60, 7),
            "banner": {"fill": ("vertical", hx("#1D2238"), hx("#121522")),
                       "ornaments": [("glow", 520, 70, 240, 90, hx("#3FB5D9"), 0.35),
                                     ("glow", 60, -10, 200, 70, hx("#7C5CE0"), 0.30),
                                     ("stars", hx("#E8ECF5"), 70, 3),
                                     ("stripe", [hx("#3FB5D9"), hx("#7C5CE0")], 2)]},
            "button": {"normal": ("vertical", hx("#2A3144"), hx("#1E2433")),
                       "pushed": ("vertical", hx("#3A3F8C"), hx("#2C2F6E")),
                       "border": hx("#394258"), "pushed_border": hx("#5A60B8"), "radius": 5,
                       "accent": hx("#7FD1E8"), "mark": hx("#7C5CE0"), "glyph": hx("#9AA3B5")},
            "global": {"fill": ("vertical", hx("#333B52"), hx("#252B3D")), "border": hx("#4A5470")},
            "bullets": [("circle", hx("#7FD1E8")), ("ring", hx("#B9A6F5")),
                        ("diamond", hx("#E8C27F"))],
            "rule": ("fade", hx("#5A6480"), hx("#7FD1E8")),
        },
    },
    {
        "folder": "Beacon",
        "about": "high contrast: black on white, a signal yellow, large Verdana, flat shapes",
        "fonts": {"text": VERDANA, "display": VERDANA},
        "sizes": {"text": "12pt", "h1": "26pt", "h2": "22pt", "h3": "18pt", "h4": "16pt",
                  "h5": "3", "h6": "2", "nav": "10pt", "topbar": "10pt", "banner": "26pt"},
        "colors": {
            "page": (255, 255, 255), "body": (0, 0, 0), "topbar": (0, 0, 0),
            "headings": [(0, 0, 0), hx("#0033A0"), (0, 0, 0), hx("#0033A0"), (0, 0, 0),
                         hx("#222222")],
            "link": hx("#0033CC"), "visited": hx("#5A1A8C"), "active": hx("#B00000"),
            "nav_text": hx("#FFE033"), "nav_back": (0, 0, 0),
            "banner_text": (0, 0, 0),
        },
        "art": {
            "background": ("plain",),
            "banner": {"fill": ("flat", hx("#FFD400")),
                       "ornaments": [("chevrons", (0, 0, 0), 3), ("stripe", [(0, 0, 0)], 5)]},
            "button": {"normal": ("flat", (0, 0, 0)), "pushed": ("flat", hx("#0033A0")),
                       "radius": 0, "accent": hx("#FFE033"), "mark": hx("#FFE033"),
                       "glyph": hx("#FFE033")},
            "global": {"fill": ("flat", hx("#FFD400")), "border": (0, 0, 0), "radius": 0},
            "bullets": [("square", (0, 0, 0)), ("square", hx("#0033A0")), ("square", (0, 0, 0))],
            "rule": ("bar", (0, 0, 0), hx("#FFD400")),
        },
    },
    {
        "folder": "Terracotta",
        "about": "warm: burnt clay, ochre and olive on cream plaster, Georgia over Trebuchet, grain",
        "fonts": {"text": TREBUCHET, "display": GEORGIA},
        "colors": {
            "page": hx("#FAF1E4"), "body": hx("#3D2B22"), "topbar": hx("#5A2A14"),
            "headings": [hx("#8C3B1E"), hx("#9A4A1A"), hx("#7A4A12"), hx("#56652A"),
                         hx("#8C3B1E"), hx("#6E5A4E")],
            "link": hx("#9E3A12"), "visited": hx("#6D3F6B"), "active": hx("#B3261E"),
            "nav_text": hx("#FFF8EE"), "nav_back": hx("#9C4424"),
            "banner_text": hx("#5A2A14"),
        },
        "art": {
            "background": ("grain", 240, 240, 0.10, 23),
            "banner": {"fill": ("horizontal", hx("#F3DFC4"), hx("#EACBA6"), 0.06),
                       "ornaments": [("circles", [(30, 70, 52, hx("#D98E5F")), (30, 70, 36, hx("#C4693D")),
                                                  (30, 70, 20, hx("#A84E2A")),
                                                  (570, 70, 52, hx("#D98E5F")), (570, 70, 36, hx("#C4693D")),
                                                  (570, 70, 20, hx("#A84E2A"))]),
                                     ("stripe", [hx("#A84E2A"), hx("#C98A2E"), hx("#56652A")], 4)]},
            "button": {"normal": ("vertical", hx("#A84E2A"), hx("#8E3E1F"), 0.08),
                       "pushed": ("vertical", hx("#5E6B2E"), hx("#4A5623"), 0.08),
                       "radius": 6, "accent": hx("#F2C27A"), "mark": hx("#F2C27A"),
                       "glyph": hx("#F6D7B8")},
            "global": {"fill": ("vertical", hx("#F7E3C3"), hx("#E9C79A"), 0.05), "border": hx("#B57A4A")},
            "bullets": [("circle", hx("#A84E2A")), ("circle", hx("#C98A2E")),
                        ("diamond", hx("#56652A"))],
            "rule": ("dots", [hx("#A84E2A"), hx("#C98A2E"), hx("#56652A")], 12),
        },
    },
    {
        "folder": "Sorbet",
        "about": "pastel: blush, mint, lemon and lilac with plum text, Trebuchet, rounded flat shapes",
        "fonts": {"text": TREBUCHET, "display": TREBUCHET},
        "colors": {
            "page": hx("#FFF9FB"), "body": hx("#3F3A4A"), "topbar": hx("#4A2F5A"),
            "headings": [hx("#A03A6A"), hx("#2D7A72"), hx("#6A4FB0"), hx("#B0502A"),
                         hx("#3F3A4A"), hx("#6B6577")],
            "link": hx("#3A62B8"), "visited": hx("#8A4AAE"), "active": hx("#C23B6E"),
            "nav_text": hx("#3A2F5A"), "nav_back": hx("#E6DCF8"),
            "banner_text": hx("#6A2C55"),
        },
        "art": {
            "background": ("confetti", 320, 320, [hx("#F9D9E4"), hx("#D4F1E8"), hx("#FBF0C4"),
                                                  hx("#E6DCF8")], 46, 13),
            "banner": {"fill": ("horizontal", hx("#FCE4EE"), hx("#E8E2FA")),
                       "ornaments": [("circles", [(34, 20, 24, hx("#F8C6D8")), (76, 50, 18, hx("#BFEBDD")),
                                                  (112, 14, 12, hx("#FBEBA8")),
                                                  (560, 44, 26, hx("#D6CBF5")), (518, 12, 16, hx("#BFEBDD")),
                                                  (488, 52, 11, hx("#F8C6D8"))])]},
            "button": {"normal": ("flat", hx("#E6DCF8")), "pushed": ("flat", hx("#C9EEE2")),
                       "radius": 11, "accent": hx("#2D7A72"), "mark": hx("#C6B2F0"),
                       "glyph": hx("#8A74C4")},
            "global": {"fill": ("flat", hx("#FBEBA8")), "radius": 10},
            "bullets": [("circle", hx("#EE8FB2")), ("circle", hx("#6CCBB3")),
                        ("circle", hx("#A68EE6"))],
            "rule": ("dots", [hx("#F4A7C3"), hx("#8FDCC7"), hx("#F5D66B"), hx("#BBA6F0")], 14),
        },
    },
    {
        "folder": "Graphite",
        "about": "monochrome: greys from pencil to charcoal, Georgia over Verdana, hatching",
        "fonts": {"text": VERDANA, "display": GEORGIA},
        "colors": {
            "page": hx("#F3F3F3"), "body": hx("#262626"), "topbar": hx("#1C1C1C"),
            "headings": [hx("#111111"), hx("#3A3A3A"), hx("#4D4D4D"), hx("#2E2E2E"),
                         hx("#111111"), hx("#595959")],
            "link": hx("#000000"), "visited": hx("#5E5E5E"), "active": hx("#3C3C3C"),
            "nav_text": (255, 255, 255), "nav_back": hx("#3A3A3A"),
            "banner_text": hx("#1C1C1C"),
        },
        "art": {
            "background": ("grain", 240, 240, 0.07, 59),
            "banner": {"fill": ("vertical", hx("#E4E4E4"), hx("#D6D6D6"), 0.04),
                       "ornaments": [("hatch", hx("#8A8A8A"), 5), ("stripe", [hx("#2E2E2E")], 3)]},
            "button": {"normal": ("vertical", hx("#4A4A4A"), hx("#333333")),
                       "pushed": ("vertical", hx("#1E1E1E"), hx("#111111")),
                       "radius": 2, "accent": hx("#BDBDBD"), "mark": hx("#9A9A9A"),
                       "glyph": hx("#C8C8C8")},
            "global": {"fill": ("vertical", hx("#FAFAFA"), hx("#DEDEDE")), "border": hx("#8A8A8A"), "radius": 2},
            "bullets": [("circle", hx("#262626")), ("ring", hx("#595959")), ("square", hx("#7A7A7A"))],
            "rule": ("hatch", hx("#6A6A6A")),
        },
    },
    {
        "folder": "Carnival",
        "about": "bold and colourful: red, blue, green and sunflower, Verdana headings, flat blocks",
        "fonts": {"text": TREBUCHET, "display": VERDANA},
        "colors": {
            "page": hx("#FFFDF6"), "body": hx("#24212B"), "topbar": hx("#24212B"),
            "headings": [hx("#D11F3A"), hx("#1B62A6"), hx("#0B7A5A"), hx("#8A3FB0"),
                         hx("#B8400C"), hx("#4B4657")],
            "link": hx("#1B62A6"), "visited": hx("#8A3FB0"), "active": hx("#C21D36"),
            "nav_text": (255, 255, 255), "nav_back": hx("#1B62A6"),
            "banner_text": hx("#24212B"),
        },
        "art": {
            "background": ("confetti", 320, 320, [hx("#FFE9A8"), hx("#CFE6FA"), hx("#FFD3DA"),
                                                  hx("#CDEFE0")], 30, 29),
            "banner": {"fill": ("flat", hx("#FFC83D")),
                       "ornaments": [("blocks", [(-40, 10, hx("#D11F3A")), (18, 52, hx("#1B62A6")),
                                                 (60, 80, hx("#0B9A6E")), (88, 98, hx("#8A3FB0")),
                                                 (470, 480, hx("#8A3FB0")), (488, 508, hx("#0B9A6E")),
                                                 (516, 550, hx("#1B62A6")), (558, 640, hx("#D11F3A"))])]},
            "button": {"normal": ("flat", hx("#1B62A6")), "pushed": ("flat", hx("#C21D36")),
                       "radius": 11, "accent": hx("#FFC83D"), "mark": hx("#FFC83D"),
                       "glyph": hx("#FFC83D")},
            "global": {"fill": ("flat", hx("#FFC83D")), "radius": 10},
            "bullets": [("circle", hx("#D11F3A")), ("square", hx("#1B62A6")),
                        ("diamond", hx("#0B9A6E"))],
            "rule": ("segments", [hx("#D11F3A"), hx("#FFC83D"), hx("#1B62A6"), hx("#0B9A6E"),
                                  hx("#8A3FB0")]),
        },
    },
    {
        "folder": "Terminal",
        "about": "technical: Courier New on graph paper, deep green and amber, line art",
        "fonts": {"text": COURIER, "display": COURIER},
        "sizes": {"text": "10pt", "h1": "20pt", "h2": "16pt", "h3": "14pt", "h4": "12pt",
                  "banner": "22pt"},
        "colors": {
            "page": hx("#FAFBF7"), "body": hx("#1F2933"), "topbar": hx("#0B3D2E"),
            "headings": [hx("#0B6E4F"), hx("#1F2933"), hx("#8A5300"), hx("#0B6E4F"),
                         hx("#1F2933"), hx("#52606D")],
            "link": hx("#005FCC"), "visited": hx("#6B4FA8"), "active": hx("#C2410C"),
            "nav_text": hx("#E6F4EA"), "nav_back": hx("#1F2933"),
            "banner_text": hx("#0B3D2E"),
        },
        "art": {
            "background": ("grid", 336, 336, 12, hx("#EEF2EA"), hx("#E1E8DE")),
            "banner": {"fill": ("flat", hx("#E9F0EA")),
                       "ornaments": [("grid", hx("#CFDCD2"), 8),
                                     ("window", hx("#1F2933"), hx("#1F2933"),
                                      [hx("#E5534B"), hx("#E3B341"), hx("#3FB950")], hx("#0B6E4F")),
                                     ("stripe", [hx("#0B6E4F")], 2)]},
            "button": {"normal": ("flat", hx("#1F2933")), "pushed": ("flat", hx("#0B6E4F")),
                       "radius": 2, "accent": hx("#E3B341"), "mark": hx("#3FB950"),
                       "glyph": hx("#8FD6A4")},
            "global": {"fill": ("flat", hx("#FAFBF7")), "border": hx("#1F2933"), "radius": 2},
            "bullets": [("chevron", hx("#0B6E4F")), ("dash", hx("#8A5300")), ("plus", hx("#52606D"))],
            "rule": ("dashes", hx("#52606D"), 8, 5),
        },
    },
    {
        "folder": "Fern",
        "about": "nature: forest and moss on pale sage, bark brown, Georgia over Tahoma, grain and leaves",
        "fonts": {"text": TAHOMA, "display": GEORGIA},
        "colors": {
            "page": hx("#F3F6EC"), "body": hx("#263322"), "topbar": hx("#1F3D22"),
            "headings": [hx("#2F5D34"), hx("#4A6A1F"), hx("#7A4E1D"), hx("#2F5D34"),
                         hx("#263322"), hx("#566150")],
            "link": hx("#2B6A8A"), "visited": hx("#6A4E8A"), "active": hx("#A8431E"),
            "nav_text": hx("#F3F6EC"), "nav_back": hx("#2F5D34"),
            "banner_text": hx("#1F3D22"),
        },
        "art": {
            "background": ("grain", 240, 240, 0.08, 71),
            "banner": {"fill": ("vertical", hx("#E3EDD3"), hx("#CFE0B8"), 0.05),
                       "ornaments": [("fronds", hx("#6E9B4E")), ("stripe", [hx("#2F5D34"), hx("#6B4423")], 3)]},
            "button": {"normal": ("vertical", hx("#3A6B3E"), hx("#2A5230"), 0.07),
                       "pushed": ("vertical", hx("#6B4423"), hx("#553419"), 0.07),
                       "radius": 8, "accent": hx("#C9E29A"), "mark": hx("#A9CC7A"),
                       "glyph": hx("#C9E29A")},
            "global": {"fill": ("vertical", hx("#F3F6EC"), hx("#DCE8C8")), "border": hx("#6E9B4E"), "radius": 8},
            "bullets": [("leaf", hx("#3F7A3A")), ("leaf", hx("#7A9B3A")), ("circle", hx("#6B4423"))],
            "rule": ("vine", hx("#6E9B4E"), hx("#3F7A3A")),
        },
    },
    {
        "folder": "Coastline",
        "about": "a photographic background: a misty sea and sky, Georgia over Arial, deep sea blue",
        "fonts": {"text": ARIAL, "display": GEORGIA},
        "colors": {
            "page": hx("#EAF1F5"), "body": hx("#1B2B3A"), "topbar": hx("#0E3B5C"),
            "headings": [hx("#0E3B5C"), hx("#1A5670"), hx("#6E4420"), hx("#0E3B5C"),
                         hx("#1B2B3A"), hx("#44525E")],
            "link": hx("#0B5CAD"), "visited": hx("#5E4A9C"), "active": hx("#9E3226"),
            "nav_text": (255, 255, 255), "nav_back": hx("#1D4F6E"),
            "banner_text": hx("#0E3B5C"),
        },
        "art": {
            "background": ("photo", 400, 300, hx("#DCE8F1"), hx("#F3F1EA"), hx("#FFFFFF"),
                           hx("#CBDCE4"), 0.58),
            "banner": {"fill": ("photo", hx("#C9DDEC"), hx("#EEF0EC"), hx("#FFFFFF"), hx("#B6CFDC"), 0.7),
                       "ornaments": [("stripe", [hx("#1D4F6E"), hx("#C9A97A")], 3)]},
            "button": {"normal": ("vertical", hx("#24597A"), hx("#1A4662"), 0.05),
                       "pushed": ("vertical", hx("#7A5634"), hx("#63452A"), 0.05),
                       "radius": 4, "accent": hx("#E9D3A8"), "mark": hx("#8FC1DA"),
                       "glyph": hx("#B9D6E6")},
            "global": {"fill": ("vertical", hx("#FFFFFF"), hx("#E2ECF2")), "border": hx("#8FB1C6")},
            "bullets": [("circle", hx("#1D4F6E")), ("ring", hx("#7A5634")), ("circle", hx("#5F97B5"))],
            "rule": ("fade", hx("#6F95AC"), hx("#C9A97A")),
        },
    },
]

THEMES = [STUDIO] + GALLERY


def pictures_of(theme):
    return theme.get("pictures") or gallery_pictures(theme)


# ---------------------------------------------------------------------------
# Writing and checking
# ---------------------------------------------------------------------------

def outputs(root, only=None):
    """Every file this script owns: path -> function giving its bytes."""
    files = {}
    for theme in THEMES:
        if only and theme["folder"] not in only:
            continue
        folder = os.path.join(root, "data", "Themes", theme["folder"])
        for name, rules in theme_sheets(theme).items():
            files[os.path.join(folder, name)] = lambda rules=rules: style_sheet_text(rules)
        for name, draw in pictures_of(theme).items():
            files[os.path.join(folder, name)] = lambda draw=draw: encode_gif(draw())
    if not only:
        placeholders = os.path.join(root, "ui", "resources", "placeholders")
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
    placeholders = os.path.join(root, "ui", "resources", "placeholders")
    folders = [(placeholders, PLACEHOLDERS)]
    themes = os.path.join(root, "data", "Themes")
    for theme in THEMES:
        folder = os.path.join(themes, theme["folder"])
        folders.append((folder, pictures_of(theme)))
        for name, rules in theme_sheets(theme).items():
            path = os.path.join(folder, name)
            try:
                with open(path, "rb") as f:
                    if f.read() != style_sheet_text(rules):
                        problems.append("%s: differs from the sheet" % path)
            except OSError as e:
                problems.append("%s: %s" % (path, e))
    for folder, pictures in folders:
        for name, draw in pictures.items():
            path = os.path.join(folder, name)
            try:
                with open(path, "rb") as f:
                    if not same_picture(f.read(), draw()):
                        problems.append("%s: differs from the drawing" % path)
            except (OSError, ValueError, IndexError) as e:
                problems.append("%s: %s" % (path, e))
    # A folder in data/Themes that no description makes would go unchecked.
    described = {theme["folder"] for theme in THEMES}
    for name in sorted(os.listdir(themes)):
        if name not in described:
            problems.append("%s: no description in this script makes it" % os.path.join(themes, name))
    for problem in problems:
        print(problem, file=sys.stderr)
    return not problems


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--root", default=os.path.dirname(os.path.dirname(os.path.abspath(__file__))),
                        help="the source tree (default: the one holding this script)")
    parser.add_argument("--check", action="store_true",
                        help="decode and compare the committed files instead of writing them")
    parser.add_argument("--list", action="store_true",
                        help="print each theme's folder and description")
    parser.add_argument("themes", nargs="*",
                        help="write only these themes' folders (default: everything)")
    args = parser.parse_args()
    if args.list:
        for theme in THEMES:
            print("%-12s %s" % (theme["folder"], theme["about"]))
        return 0
    if args.check:
        return 0 if check(args.root) else 1
    unknown = set(args.themes) - {theme["folder"] for theme in THEMES}
    if unknown:
        parser.error("no such theme: %s" % ", ".join(sorted(unknown)))
    for path, make in outputs(args.root, set(args.themes)).items():
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(make())
    return 0


if __name__ == "__main__":
    sys.exit(main())
