#!/usr/bin/env python3
"""Draw Tav's toolbar bitmaps, icons and hand cursor into res/art/.

Everything is plain pixel art drawn here and written with struct, so the
script needs nothing beyond the standard library and its output is the same
byte for byte on every run:

    python3 tools/make_art.py
"""
import math
import os
import struct

OUT_DIR = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'res', 'art')

# Toolbar transparency key: never used by any image colour.
KEY = (254, 255, 1)

BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
INK = (48, 48, 48)
GREY = (128, 128, 128)
SILVER = (192, 192, 192)
PALE = (228, 228, 228)
CREAM = (250, 244, 222)
NAVY = (0, 28, 96)
BLUE = (32, 88, 200)
SKY = (96, 150, 232)
RED = (206, 30, 38)
DARK_RED = (120, 0, 0)
GREEN = (40, 168, 40)
LIGHT_GREEN = (132, 222, 120)
DARK_GREEN = (0, 92, 0)
GOLD = (252, 209, 22)
ORANGE = (222, 150, 20)
BUTTER = (255, 236, 140)
WOOD = (240, 208, 160)
PINK = (236, 140, 156)
FLAG_BLUE = (0, 43, 127)
SPINE_BLUE = (16, 52, 140)


# ---------------------------------------------------------------- drawing

class Canvas:
    """A grid of RGB tuples; None marks a transparent pixel."""

    def __init__(self, w, h):
        self.w, self.h = w, h
        self.px = [[None] * w for _ in range(h)]

    def put(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c

    def rect(self, x0, y0, x1, y1, c):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.put(x, y, c)

    def line(self, x0, y0, x1, y1, c):
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx, sy = (1 if x1 > x0 else -1), (1 if y1 > y0 else -1)
        err = dx + dy
        while True:
            self.put(x0, y0, c)
            if (x0, y0) == (x1, y1):
                return
            e2 = 2 * err
            if e2 >= dy:
                err, x0 = err + dy, x0 + sx
            if e2 <= dx:
                err, y0 = err + dx, y0 + sy

    def shape(self, pts, fill, edge):
        """Fill a pixel set, giving it a crisp one-pixel outline."""
        for x, y in pts:
            inner = all(n in pts for n in ((x - 1, y), (x + 1, y), (x, y - 1), (x, y + 1)))
            self.put(x, y, fill if inner else edge)

    def sprite(self, x0, y0, rows, colours):
        for dy, row in enumerate(rows):
            for dx, ch in enumerate(row):
                if ch in colours:
                    self.put(x0 + dx, y0 + dy, colours[ch])

    def blit(self, other, x0, y0):
        for y in range(other.h):
            for x in range(other.w):
                if other.px[y][x] is not None:
                    self.put(x0 + x, y0 + y, other.px[y][x])


def rect_pts(x0, y0, x1, y1):
    return {(x, y) for y in range(y0, y1 + 1) for x in range(x0, x1 + 1)}


def disc_pts(cx, cy, r):
    """Pixels whose centres lie within r of (cx, cy), in pixel-edge units."""
    return {(x, y) for y in range(int(cy - r) - 1, int(cy + r) + 2)
            for x in range(int(cx - r) - 1, int(cx + r) + 2)
            if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= r * r}


def arrow_pts(x0, x1, cy, head, shaft, left=False):
    """Horizontal arrow from x0 to its tip at x1, 45-degree head."""
    pts = set()
    for x in range(x0, x1 + 1):
        half = min(x1 - x, head) if x >= x1 - head else shaft
        pts |= {(x, y) for y in range(cy - half, cy + half + 1)}
    if left:
        pts = {(x0 + x1 - x, y) for x, y in pts}
    return pts


def plus_pts(cx, cy, arm, thick):
    return rect_pts(cx - arm, cy - thick, cx + arm, cy + thick) | \
        rect_pts(cx - thick, cy - arm, cx + thick, cy + arm)


def cross_pts(x0, y0, size, thick):
    """An X in a size-by-size box; thick is the half-width of each stroke."""
    n = size - 1
    return {(x0 + x, y0 + y) for y in range(size) for x in range(size)
            if min(abs(x - y), abs(x + y - n)) <= thick}


def page(c, x0, y0, x1, y1, ear):
    """A sheet of paper with its top-right corner folded over."""
    fx, fy = x1 - ear, y0 + ear
    for x, y in rect_pts(x0, y0, x1, y1):
        c.put(x, y, PALE if x >= fx and y <= fy else WHITE)
    for y in range(y0, fy):
        for x in range(fx + (y - y0) + 1, x1 + 1):
            c.put(x, y, None)
    c.line(x0, y0, fx, y0, INK)
    c.line(x0, y0, x0, y1, INK)
    c.line(x0, y1, x1, y1, INK)
    c.line(x1, fy, x1, y1, INK)
    c.line(fx, y0, x1, fy, INK)
    c.line(fx, y0, fx, fy, INK)
    c.line(fx, fy, x1, fy, INK)
    for y in range(fy + 2, y1 - 1, 2):
        c.line(x0 + 2, y, x1 - 2, y, SILVER)


def pencil(c, tx, ty, length, width=2):
    """A pencil lying at 45 degrees, its point at (tx, ty), rising to the right.

    a runs along the pencil (two per diagonal step), b across it.
    """
    cone = width * 2 + 1
    body = {}
    for y in range(ty - length, ty + width + 2):
        for x in range(tx - width - 1, tx + length + 1):
            a, b = (x - tx) - (y - ty), (x - tx) + (y - ty)
            if a < 0 or a > length * 2 or abs(b) > width:
                continue
            if a < cone and abs(b) * 2 > a:
                continue
            if a <= 2:
                colour = INK
            elif a < cone:
                colour = WOOD
            elif a < length * 2 - 5:
                colour = BUTTER if b < 0 else GOLD if b == 0 else ORANGE
            elif a < length * 2 - 3:
                colour = SILVER
            else:
                colour = PINK
            body[(x, y)] = colour
    for (x, y), colour in body.items():
        inner = all(n in body for n in ((x - 1, y), (x + 1, y), (x, y - 1), (x, y + 1)))
        c.put(x, y, colour if inner or colour == INK else INK)


def i_badge(c, cx, cy, r):
    """A blue disc with a white letter i: two pixels wide when there is room."""
    c.shape(disc_pts(cx, cy, r), BLUE, NAVY)
    if r >= 6:
        x, dot = int(cx) - 1, int(cy - r * 0.6)
        top, bottom = int(cy - r * 0.15), int(cy + r * 0.55)
        c.rect(x, dot, x + 1, dot + 1, WHITE)
        c.rect(x - 1, top, x + 1, top, WHITE)
        c.rect(x, top, x + 1, bottom, WHITE)
        c.rect(x - 1, bottom, x + 2, bottom, WHITE)
    else:
        x, y = int(cx), int(cy)
        c.put(x, y - 2, WHITE)
        c.line(x, y, x, y + 2, WHITE)


# ---------------------------------------------------------------- toolbar

def flag_en(c, x0, y0):
    c.shape(rect_pts(x0, y0, x0 + 7, y0 + 6), WHITE, BLACK)
    c.sprite(x0 + 1, y0 + 1, ['BWRRWB', 'WWRRWW', 'RRRRRR', 'WWRRWW', 'BWRRWB'],
             {'B': FLAG_BLUE, 'W': WHITE, 'R': RED})


def flag_ro(c, x0, y0):
    c.shape(rect_pts(x0, y0, x0 + 7, y0 + 6), WHITE, BLACK)
    for i, colour in enumerate((FLAG_BLUE, GOLD, RED)):
        c.rect(x0 + 1 + 2 * i, y0 + 1, x0 + 2 + 2 * i, y0 + 5, colour)


def tb_direction(left):
    c = Canvas(18, 18)
    flag_en(c, 0, 1)
    flag_ro(c, 10, 1)
    c.shape(arrow_pts(1, 16, 13, 4, 2, left), GREEN, DARK_GREEN)
    return c


def tb_history(back):
    """Back and Forward through the words looked up: a plain arrow, as browsers draw it."""
    c = Canvas(18, 18)
    c.shape(arrow_pts(1, 16, 8, 7, 3, back), BLUE, NAVY)
    if back:
        c.line(9, 6, 14, 6, SKY)
    else:
        c.line(3, 6, 8, 6, SKY)
    return c


def tb_word_box():
    c = Canvas(18, 18)
    c.shape(rect_pts(0, 3, 17, 14), WHITE, GREY)
    c.line(1, 4, 16, 4, SILVER)
    c.line(1, 4, 1, 13, SILVER)
    c.sprite(4, 6, ['.##.', '#..#', '#..#', '####', '#..#', '#..#'], {'#': NAVY})
    c.line(12, 6, 12, 11, BLACK)
    c.sprite(11, 5, ['#.#'], {'#': BLACK})
    c.sprite(11, 12, ['#.#'], {'#': BLACK})
    return c


def tb_add():
    c = Canvas(18, 18)
    page(c, 1, 0, 12, 16, 4)
    c.shape(plus_pts(12, 12, 5, 2), GREEN, DARK_GREEN)
    c.line(11, 8, 11, 11, LIGHT_GREEN)
    c.line(8, 11, 10, 11, LIGHT_GREEN)
    return c


def tb_modify():
    c = Canvas(18, 18)
    page(c, 1, 0, 12, 16, 4)
    pencil(c, 5, 16, 11)
    return c


def tb_delete():
    c = Canvas(18, 18)
    page(c, 1, 0, 12, 16, 4)
    c.shape(cross_pts(8, 8, 10, 2), RED, DARK_RED)
    return c


def tb_on_top():
    c = Canvas(18, 18)
    c.shape(rect_pts(0, 1, 11, 10), PALE, GREY)
    c.rect(1, 2, 10, 3, GREY)
    c.shape(rect_pts(5, 6, 17, 16), WHITE, NAVY)
    c.rect(6, 7, 16, 8, BLUE)
    c.line(7, 7, 10, 7, SKY)
    c.sprite(8, 10, ['...#...', '..###..', '.#####.', '...#...', '...#...'], {'#': NAVY})
    return c


def tb_about():
    c = Canvas(18, 18)
    i_badge(c, 9, 9, 8)
    return c


TOOLBAR = [lambda: tb_history(True), lambda: tb_history(False),
           lambda: tb_direction(False), lambda: tb_direction(True), tb_word_box,
           tb_add, tb_modify, tb_delete, tb_on_top, tb_about]


def toolbar_strip():
    strip = Canvas(18 * len(TOOLBAR) + 2, 18)
    for i, draw in enumerate(TOOLBAR):
        strip.blit(draw(), 18 * i, 0)
    return strip


def greyed(c):
    """The disabled look: every colour turns grey, dark ones stay darker."""
    out = Canvas(c.w, c.h)
    for y in range(c.h):
        for x in range(c.w):
            p = c.px[y][x]
            if p is not None:
                lum = 0.299 * p[0] + 0.587 * p[1] + 0.114 * p[2]
                g = int(round((100 + lum * (236 - 100) / 255) / 4)) * 4
                out.px[y][x] = (g, g, g)
    return out


# ---------------------------------------------------------------- icons

FONT = {'E': ['###', '#..', '##.', '#..', '###'],
        'N': ['#..#', '##.#', '#.##', '#..#', '#..#'],
        'R': ['##.', '#.#', '##.', '#.#', '#.#'],
        'O': ['.#.', '#.#', '#.#', '#.#', '.#.']}


def text(c, x, y, s, colour):
    for ch in s:
        c.sprite(x, y, FONT[ch], {'#': colour})
        x += len(FONT[ch][0]) + 1


def book(c, size):
    """Tav's closed dictionary: blue over red cover, cream page edges."""
    big = size == 32
    x0, y0, x1, y1, depth, spine = (4, 2, 24, 26, 3, 3) if big else (1, 1, 12, 12, 2, 1)
    block = set()
    for y in range(y0, y1 + depth + 1):
        left = x0 + max(0, y - y1)
        right = x1 + min(depth, y - y0)
        block |= {(x, y) for x in range(left, right + 1)}
    c.shape(block, CREAM, NAVY)
    if big:
        c.line(x1 + 2, y0 + 3, x1 + 2, y1 + 1, SILVER)
        c.line(x0 + 3, y1 + 2, x1 + 1, y1 + 2, SILVER)
    mid = (y0 + y1) // 2 + (0 if big else 1)
    c.shape(rect_pts(x0, y0, x1, y1), BLUE, NAVY)
    c.rect(x0 + 1, mid, x1 - 1, y1 - 1, RED)
    c.rect(x0 + 1, y0 + 1, x0 + spine, mid - 1, SPINE_BLUE)
    c.rect(x0 + 1, mid, x0 + spine, y1 - 1, DARK_RED)
    c.line(x0 + spine + 1, mid - 1, x1 - 1, mid - 1, GOLD)
    if big:
        c.line(x0 + spine + 1, y0 + 1, x0 + spine + 1, mid - 2, SKY)
        c.line(x0 + spine + 1, mid, x0 + spine + 1, y1 - 1, PINK)
        text(c, 12, 6, 'EN', WHITE)
        text(c, 13, mid + 3, 'RO', WHITE)
    else:
        c.line(x0 + spine + 2, y0 + 2, x1 - 2, y0 + 2, SKY)


def icon_tav(size):
    c = Canvas(size, size)
    book(c, size)
    return c


def icon_about(size):
    c = icon_tav(size)
    if size == 32:
        c.shape(disc_pts(24, 24, 8), WHITE, WHITE)
        i_badge(c, 24, 24, 7)
    else:
        c.shape(disc_pts(11.5, 11.5, 5.5), WHITE, WHITE)
        i_badge(c, 11.5, 11.5, 4.5)
    return c


def icon_word(size):
    c = Canvas(size, size)
    if size == 32:
        page(c, 3, 1, 23, 30, 6)
        pencil(c, 9, 29, 21, 3)
    else:
        page(c, 1, 0, 11, 15, 3)
        pencil(c, 5, 14, 10)
    return c


def icon_anim(size, frame):
    """The book with a round badge whose green wedge sweeps clockwise."""
    c = icon_tav(size)
    cx, cy, r = (24.5, 24.5, 7.5) if size == 32 else (11.5, 11.5, 4.5)
    c.shape(disc_pts(cx, cy, r), WHITE, DARK_GREEN)
    for x, y in disc_pts(cx, cy, r - 1):
        dx, dy = x + 0.5 - cx, y + 0.5 - cy
        if dx == dy == 0:
            continue
        sector = int((math.degrees(math.atan2(dx, -dy)) % 360) // 45)
        behind = (frame - sector) % 8
        if behind < 2:
            c.put(x, y, (GREEN, LIGHT_GREEN)[behind])
    return c


# ---------------------------------------------------------------- cursor

HAND = [
    '.....###............',
    '....#ooo#...........',
    '....#ooo#...........',
    '....#ooo#...........',
    '....#ooo#...........',
    '....#ooo###.........',
    '....#ooo#oo###......',
    '....#ooo#oo#oo##....',
    '....#ooo#oo#oo#o#...',
    '.##.#ooooooooo#oo#..',
    '#oo##oooooooooooo#..',
    '#ooo#oooooooooooo#..',
    '.#oo#oooooooooooo#..',
    '.#ooooooooooooooo#..',
    '..#oooooooooooooo#..',
    '..#oooooooooooooo#..',
    '...#oooooooooooo#...',
    '...#oooooooooooo#...',
    '....#oooooooooo#....',
    '....#oooooooooo#....',
    '....############....',
]
HAND_HOTSPOT = (6, 0)


# ---------------------------------------------------------------- file formats

def bmp8(c):
    """Bottom-up 8-bit palette BMP; transparent pixels become the key colour."""
    colours = sorted({p for row in c.px for p in row if p is not None} - {KEY})
    palette = [KEY] + colours
    assert len(palette) <= 256, 'too many colours'
    # Fill the unused entries with distinct colours nobody draws with.
    filler = ((i, 0, 255 - i) for i in range(256))
    while len(palette) < 256:
        palette.append(next(p for p in filler if p not in palette))
    index = {p: i for i, p in enumerate(palette[:len(colours) + 1])}
    stride = (c.w + 3) & ~3
    rows = b''
    for y in reversed(range(c.h)):
        row = bytes(index[c.px[y][x] or KEY] for x in range(c.w))
        rows += row + b'\0' * (stride - c.w)
    pal = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in palette)
    info = struct.pack('<IiiHHIIiiII', 40, c.w, c.h, 1, 8, 0, len(rows), 2835, 2835, 256, 0)
    offset = 14 + len(info) + len(pal)
    head = struct.pack('<2sIHHI', b'BM', offset + len(rows), 0, 0, offset)
    return head + info + pal + rows


def and_mask(c, opaque):
    stride = (c.w + 31) // 32 * 4
    out = b''
    for y in reversed(range(c.h)):
        bits = bytearray(stride)
        for x in range(c.w):
            if not opaque(c.px[y][x]):
                bits[x // 8] |= 0x80 >> (x % 8)
        out += bytes(bits)
    return out


def dib32(c):
    xor = b''.join(struct.pack('<BBBB', p[2], p[1], p[0], 255) if p else b'\0\0\0\0'
                   for y in reversed(range(c.h)) for p in c.px[y])
    mask = and_mask(c, lambda p: p is not None)
    info = struct.pack('<IiiHHIIiiII', 40, c.w, c.h * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return info + xor + mask


def ico(canvases):
    data = b''
    offset = 6 + 16 * len(canvases)
    entries = b''
    for c in canvases:
        dib = dib32(c)
        entries += struct.pack('<BBBBHHII', c.w % 256, c.h % 256, 0, 0, 1, 32, len(dib), offset + len(data))
        data += dib
    return struct.pack('<HHH', 0, 1, len(canvases)) + entries + data


def cur_mono(rows, hotspot, size=32):
    """Monochrome cursor: '#' black, 'o' white, anything else transparent."""
    c = Canvas(size, size)
    c.sprite(0, 0, rows, {'#': BLACK, 'o': WHITE})
    xor = b''
    for y in reversed(range(size)):
        bits = bytearray(size // 8)
        for x in range(size):
            if c.px[y][x] == WHITE:
                bits[x // 8] |= 0x80 >> (x % 8)
        xor += bytes(bits)
    mask = and_mask(c, lambda p: p is not None)
    info = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 1, 0, len(xor) + len(mask), 0, 0, 2, 0)
    dib = info + struct.pack('<8B', 0, 0, 0, 0, 255, 255, 255, 0) + xor + mask
    entry = struct.pack('<BBBBHHII', size, size, 2, 0, hotspot[0], hotspot[1], len(dib), 22)
    return struct.pack('<HHH', 0, 2, 1) + entry + dib


# ---------------------------------------------------------------- main

def main():
    os.makedirs(OUT_DIR, exist_ok=True)
    strip = toolbar_strip()
    files = {
        'toolbar.bmp': bmp8(strip),
        'toolbar_disabled.bmp': bmp8(greyed(strip)),
        'tav.ico': ico([icon_tav(16), icon_tav(32)]),
        'about.ico': ico([icon_about(16), icon_about(32)]),
        'word.ico': ico([icon_word(16), icon_word(32)]),
        'hand.cur': cur_mono(HAND, HAND_HOTSPOT),
    }
    for frame in range(8):
        files['anim%d.ico' % frame] = ico([icon_anim(16, frame), icon_anim(32, frame)])
    for name, data in sorted(files.items()):
        with open(os.path.join(OUT_DIR, name), 'wb') as f:
            f.write(data)
        print('%-22s %6d bytes' % (name, len(data)))


if __name__ == '__main__':
    main()
