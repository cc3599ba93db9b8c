#!/usr/bin/env python3
"""Writes the demo game's animated logo, a Flash file, byte by byte.

The logo has shapes with solid and gradient fills and curved edges, a bitmap
fill, a sprite with its own looping timeline and a stop action that ends the
main timeline early. Only the standard library is used; the output is the same
on every run.

    python3 tools/make_flash_logo.py [OUTPUT]   (default games/demo/logo.swf)
"""
import math
import os
import struct
import sys
import zlib

TWIPS = 20
WIDTH, HEIGHT = 320, 240
RATE = 24


class Bits:
    """Bit fields, most significant bit first; byte fields start on a byte boundary."""

    def __init__(self):
        self.out = bytearray()
        self.acc = 0
        self.count = 0

    def ub(self, value, bits):
        for i in range(bits - 1, -1, -1):
            self.acc = (self.acc << 1) | ((value >> i) & 1)
            self.count += 1
            if self.count == 8:
                self.out.append(self.acc)
                self.acc = self.count = 0

    def sb(self, value, bits):
        self.ub(value & ((1 << bits) - 1), bits)

    def align(self):
        if self.count:
            self.ub(0, 8 - self.count)

    def raw(self, data):
        self.align()
        self.out += data

    def u8(self, v):
        self.raw(struct.pack("<B", v))

    def u16(self, v):
        self.raw(struct.pack("<H", v))

    def bytes(self):
        self.align()
        return bytes(self.out)


def signed_bits(*values):
    bits = 1
    for v in values:
        n = 1
        while (~v if v < 0 else v) >> (n - 1):
            n += 1
        bits = max(bits, n)
    return bits


def rect(b, x0, x1, y0, y1):
    n = signed_bits(x0, x1, y0, y1)
    b.align()
    b.ub(n, 5)
    for v in (x0, x1, y0, y1):
        b.sb(v, n)
    b.align()


def matrix(b, scale=1.0, rotate=0.0, tx=0, ty=0):
    """Uniform scale and rotation (radians) about the origin, then a move in twips."""
    b.align()
    a = d = int(round(scale * math.cos(rotate) * 65536))
    r0 = int(round(scale * math.sin(rotate) * 65536))
    r1 = -r0
    if a != 65536:
        n = signed_bits(a, d)
        b.ub(1, 1)
        b.ub(n, 5)
        b.sb(a, n)
        b.sb(d, n)
    else:
        b.ub(0, 1)
    if r0:
        n = signed_bits(r0, r1)
        b.ub(1, 1)
        b.ub(n, 5)
        b.sb(r0, n)
        b.sb(r1, n)
    else:
        b.ub(0, 1)
    n = signed_bits(tx, ty) if (tx or ty) else 0
    b.ub(n, 5)
    b.sb(tx, n)
    b.sb(ty, n)
    b.align()


def tag(code, body):
    if len(body) < 0x3F:
        return struct.pack("<H", code << 6 | len(body)) + body
    return struct.pack("<HI", code << 6 | 0x3F, len(body)) + body


class Shape:
    """A DefineShape3 body: fill and line styles, then edges in twips."""

    def __init__(self):
        self.fills = []
        self.lines = []
        self.records = []
        self.pen = (0, 0)

    def solid(self, r, g, b, a=255):
        self.fills.append(bytes([0x00, r, g, b, a]))
        return len(self.fills)

    def gradient(self, radial, scale, tx, ty, stops):
        b = Bits()
        b.u8(0x12 if radial else 0x10)
        matrix(b, scale, 0.0, tx, ty)
        b.ub(0, 2)
        b.ub(0, 2)
        b.ub(len(stops), 4)
        for ratio, color in stops:
            b.u8(ratio)
            b.raw(bytes(color))
        self.fills.append(b.bytes())
        return len(self.fills)

    def bitmap(self, bitmap_id, scale):
        b = Bits()
        b.u8(0x40)
        b.u16(bitmap_id)
        matrix(b, scale)
        self.fills.append(b.bytes())
        return len(self.fills)

    def line(self, width, r, g, b, a=255):
        self.lines.append(struct.pack("<H", width) + bytes([r, g, b, a]))
        return len(self.lines)

    def style(self, fill0=0, fill1=0, line=0):
        self.records.append(("style", fill0, fill1, line))

    def move(self, x, y):
        self.records.append(("move", x, y))
        self.pen = (x, y)

    def line_to(self, x, y):
        self.records.append(("line", x - self.pen[0], y - self.pen[1]))
        self.pen = (x, y)

    def curve_to(self, cx, cy, x, y):
        self.records.append(("curve", cx - self.pen[0], cy - self.pen[1], x - cx, y - cy))
        self.pen = (x, y)

    def rectangle(self, x, y, w, h, fill):
        self.style(0, fill, 0)
        self.move(x, y)
        for px, py in ((x + w, y), (x + w, y + h), (x, y + h), (x, y)):
            self.line_to(px, py)

    def circle(self, cx, cy, radius, fill, line=0):
        """Eight quadratic arcs, fill on the right going clockwise on screen."""
        self.style(0, fill, line)
        control = radius / math.cos(math.pi / 8)
        self.move(cx + radius, cy)
        for i in range(8):
            mid = (i + 0.5) * math.pi / 4
            end = (i + 1) * math.pi / 4
            self.curve_to(int(round(cx + control * math.cos(mid))), int(round(cy + control * math.sin(mid))),
                          int(round(cx + radius * math.cos(end))), int(round(cy + radius * math.sin(end))))

    def body(self, shape_id):
        b = Bits()
        b.u16(shape_id)
        rect(b, -WIDTH * TWIPS, WIDTH * TWIPS, -HEIGHT * TWIPS, HEIGHT * TWIPS)
        b.u8(len(self.fills))
        for f in self.fills:
            b.raw(f)
        b.u8(len(self.lines))
        for line in self.lines:
            b.raw(line)
        fill_bits = max(len(self.fills), 1).bit_length()
        line_bits = max(len(self.lines), 1).bit_length()
        b.ub(fill_bits, 4)
        b.ub(line_bits, 4)
        for record in self.records:
            kind = record[0]
            if kind == "style":
                b.ub(0, 1)
                b.ub(0x0E, 5)
                b.ub(record[1], fill_bits)
                b.ub(record[2], fill_bits)
                b.ub(record[3], line_bits)
            elif kind == "move":
                n = signed_bits(record[1], record[2])
                b.ub(0, 1)
                b.ub(0x01, 5)
                b.ub(n, 5)
                b.sb(record[1], n)
                b.sb(record[2], n)
            elif kind == "line":
                n = max(2, signed_bits(record[1], record[2]))
                b.ub(0b11, 2)
                b.ub(n - 2, 4)
                b.ub(1, 1)
                b.sb(record[1], n)
                b.sb(record[2], n)
            else:
                n = max(2, signed_bits(*record[1:]))
                b.ub(0b10, 2)
                b.ub(n - 2, 4)
                for v in record[1:]:
                    b.sb(v, n)
        b.ub(0, 6)
        return tag(32, b.bytes())


def place(depth, character=None, scale=1.0, rotate=0.0, x=0, y=0, alpha=None):
    """PlaceObject2: a new character at the depth, or a move of the one there."""
    b = Bits()
    flags = 0x04 | (0x02 if character else 0x01) | (0x08 if alpha is not None else 0)
    b.u8(flags)
    b.u16(depth)
    if character:
        b.u16(character)
    matrix(b, scale, rotate, x, y)
    if alpha is not None:
        b.ub(0, 1)  # no add terms
        b.ub(1, 1)
        b.ub(10, 4)
        for v in (256, 256, 256, alpha):
            b.sb(v, 10)
        b.align()
    return tag(26, b.bytes())


SHOW_FRAME = tag(1, b"")
STOP = tag(12, b"\x07\x00")


def checker_bitmap(bitmap_id):
    """A 16 x 16 DefineBitsLossless2 of warm squares."""
    pixels = bytearray()
    for y in range(16):
        for x in range(16):
            warm = ((x // 4) + (y // 4)) % 2
            pixels += bytes([255, 250, 200 if warm else 120, 60 if warm else 40])
    body = struct.pack("<HBHH", bitmap_id, 5, 16, 16) + zlib.compress(bytes(pixels), 9)
    return tag(36, body)


def logo():
    t = TWIPS
    tags = [tag(9, bytes([16, 20, 48]))]
    # 1: the sky, a radial gradient filling the stage.
    sky = Shape()
    sky.rectangle(0, 0, WIDTH * t, HEIGHT * t,
                  sky.gradient(True, WIDTH * t / 16384.0, WIDTH * t // 2, HEIGHT * t // 2,
                               [(0, (70, 90, 170, 255)), (255, (16, 20, 48, 255))]))
    tags.append(sky.body(1))
    # 2 and 3: a checkered bitmap and the banner it fills.
    tags.append(checker_bitmap(2))
    banner = Shape()
    banner.rectangle(-120 * t, -24 * t, 240 * t, 48 * t, banner.bitmap(2, 3 * t))
    outline = banner.line(2 * t, 255, 255, 255)
    banner.style(0, 0, outline)
    banner.move(-120 * t, -24 * t)
    for px, py in ((120 * t, -24 * t), (120 * t, 24 * t), (-120 * t, 24 * t), (-120 * t, -24 * t)):
        banner.line_to(px, py)
    tags.append(banner.body(3))
    # 4: a golden disc with a linear gradient and a dark rim.
    disc = Shape()
    disc.circle(0, 0, 30 * t, disc.gradient(False, 60 * t / 32768.0, 0, 0,
                                            [(0, (255, 240, 150, 255)), (255, (230, 140, 20, 255))]),
                disc.line(t, 90, 50, 10))
    tags.append(disc.body(4))
    # 5: a sprite of eight frames that spins and pulses the disc, looping.
    spin = [place(1, 4)]
    for frame in range(8):
        if frame:
            spin.append(place(1, None, 1.0 + 0.1 * math.sin(frame * math.pi / 4), frame * math.pi / 16))
        spin.append(SHOW_FRAME)
    tags.append(tag(39, struct.pack("<HH", 5, 8) + b"".join(spin) + tag(0, b"")))

    # The main timeline: the sky, then the banner rises into place and fades in
    # while two spinning discs orbit; it stops on frame 36 of 48.
    frames = 36
    tags.append(place(1, 1))
    for frame in range(frames + 1):
        progress = frame / frames
        ease = 1 - (1 - progress) ** 3
        banner_y = int((HEIGHT + 40 - (HEIGHT // 2 + 40) * ease) * t)
        angle = progress * math.pi * 2
        disc_x = [int((WIDTH // 2 + 110 * math.cos(angle + k * math.pi)) * t) for k in range(2)]
        disc_y = [int((HEIGHT // 2 + 60 * math.sin(angle + k * math.pi)) * t) for k in range(2)]
        first = frame == 0
        tags.append(place(2, 3 if first else None, 1.0, 0.0, WIDTH // 2 * t, banner_y,
                          alpha=int(64 + 192 * ease)))
        for k in range(2):
            tags.append(place(3 + k, 5 if first else None, 0.6 + 0.4 * k, 0.0, disc_x[k], disc_y[k]))
        if frame == frames:
            tags.append(STOP)
        tags.append(SHOW_FRAME)
    for _ in range(11):
        tags.append(SHOW_FRAME)  # never reached: the stop ends the movie first
    tags.append(tag(0, b""))

    head = Bits()
    rect(head, 0, WIDTH * t, 0, HEIGHT * t)
    head.u16(RATE << 8)
    head.u16(48)
    body = head.bytes() + b"".join(tags)
    return b"CWS" + bytes([10]) + struct.pack("<I", len(body) + 8) + zlib.compress(body, 9)


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    output = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "games", "demo", "logo.swf")
    with open(output, "wb") as f:
        f.write(logo())


if __name__ == "__main__":
    main()
