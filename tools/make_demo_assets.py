#!/usr/bin/env python3
"""Draws the demo game's pictures and writes them into games/demo/.

Everything is drawn here from gradients and shapes; only the standard library is
used (struct and zlib). The output is the same on every run.

    python3 tools/make_demo_assets.py [GAME_DIR]
"""
import math
import os
import struct
import sys
import zlib

MAGENTA = (255, 0, 255)


class Canvas:
    """An RGB (or RGBA) picture, top row first, drawn pixel by pixel."""

    def __init__(self, width, height, color, alpha=None, soft=True):
        self.width = width
        self.height = height
        self.soft = soft  # blend the rims of round shapes
        self.pixels = [list(color) for _ in range(width * height)]
        self.alpha = None if alpha is None else [alpha] * (width * height)

    def put(self, x, y, color, opacity=1.0):
        if not (0 <= x < self.width and 0 <= y < self.height):
            return
        i = y * self.width + x
        old = self.pixels[i]
        if self.alpha is None:
            self.pixels[i] = [round(c * opacity + o * (1 - opacity)) for c, o in zip(color, old)]
            return
        # Paint over what is there: the old color counts by its own opacity.
        below = self.alpha[i] / 255 * (1 - opacity)
        total = opacity + below
        if total > 0:
            self.pixels[i] = [round((c * opacity + o * below) / total) for c, o in zip(color, old)]
        self.alpha[i] = round(255 * total)

    def fill_rows(self, top, bottom, color_at):
        """Fills whole rows with color_at(y)."""
        for y in range(max(0, top), min(self.height, bottom)):
            color = color_at(y)
            for x in range(self.width):
                self.put(x, y, color)

    def rect(self, left, top, right, bottom, color):
        for y in range(max(0, top), min(self.height, bottom)):
            for x in range(max(0, left), min(self.width, right)):
                self.put(x, y, color)

    def ellipse(self, cx, cy, rx, ry, color):
        """A filled ellipse; on a soft canvas its rim is blended over about one pixel."""
        for y in range(int(cy - ry) - 1, int(cy + ry) + 2):
            for x in range(int(cx - rx) - 1, int(cx + rx) + 2):
                d = math.hypot((x + 0.5 - cx) / rx, (y + 0.5 - cy) / ry)
                edge = (1.0 - d) * min(rx, ry)  # roughly pixels inside the rim
                if edge <= -0.5:
                    continue
                opacity = 1.0 if not self.soft or edge >= 0.5 else edge + 0.5
                self.put(x, y, color, opacity)

    def polygon(self, points, color):
        """A filled polygon by the even-odd rule at pixel centres."""
        top = int(min(p[1] for p in points))
        bottom = int(max(p[1] for p in points)) + 1
        for y in range(top, bottom):
            cy = y + 0.5
            crossings = []
            for (x1, y1), (x2, y2) in zip(points, points[1:] + points[:1]):
                if (y1 <= cy < y2) or (y2 <= cy < y1):
                    crossings.append(x1 + (cy - y1) * (x2 - x1) / (y2 - y1))
            crossings.sort()
            for a, b in zip(crossings[::2], crossings[1::2]):
                for x in range(int(math.ceil(a - 0.5)), int(math.floor(b - 0.5)) + 1):
                    self.put(x, y, color)


def mix(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def bmp_bytes(canvas):
    """A 24-bit uncompressed BMP, bottom row first, rows padded to 4 bytes."""
    row_bytes = (canvas.width * 3 + 3) // 4 * 4
    rows = []
    for y in range(canvas.height - 1, -1, -1):
        row = bytearray()
        for x in range(canvas.width):
            r, g, b = canvas.pixels[y * canvas.width + x]
            row += bytes((b, g, r))
        row += bytes(row_bytes - len(row))
        rows.append(bytes(row))
    pixels = b"".join(rows)
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, canvas.width, canvas.height, 1, 24, 0, len(pixels), 0, 0, 0, 0)
    return header + info + pixels


def png_bytes(canvas):
    """An 8-bit RGB or RGBA PNG (RGBA when the canvas keeps an alpha channel)."""
    def chunk(tag, data):
        return struct.pack(">I", len(data)) + tag + data + struct.pack(">I", zlib.crc32(tag + data) & 0xFFFFFFFF)

    with_alpha = canvas.alpha is not None
    raw = bytearray()
    for y in range(canvas.height):
        raw.append(0)  # no filter
        for x in range(canvas.width):
            i = y * canvas.width + x
            raw += bytes(canvas.pixels[i])
            if with_alpha:
                raw.append(canvas.alpha[i])
    header = struct.pack(">IIBBBBB", canvas.width, canvas.height, 8, 6 if with_alpha else 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + chunk(b"IEND", b""))


def draw_room():
    """A room: a papered wall with a window on the evening sky, a wooden floor."""
    room = Canvas(640, 480, (0, 0, 0))
    room.fill_rows(0, 340, lambda y: mix((236, 222, 196), (204, 184, 150), y / 340))
    room.fill_rows(340, 480, lambda y: mix((150, 100, 60), (96, 60, 34), (y - 340) / 140))
    for x in range(0, 640, 64):  # floor boards
        room.rect(x, 340, x + 2, 480, (80, 50, 28))
    for x in range(20, 640, 40):  # wallpaper stripes
        room.rect(x, 0, x + 6, 340, (226, 210, 182))
    room.rect(0, 334, 640, 344, (120, 80, 46))  # skirting board
    room.rect(380, 60, 580, 250, (110, 74, 44))  # window frame
    for y in range(72, 238):
        color = mix((250, 170, 90), (120, 120, 200), (y - 72) / 166)
        for x in range(392, 568):
            room.put(x, y, color)
    room.rect(476, 72, 484, 238, (110, 74, 44))
    room.rect(392, 151, 568, 159, (110, 74, 44))
    room.ellipse(430, 200, 22, 22, (255, 226, 150))  # setting sun
    room.rect(60, 250, 260, 270, (140, 90, 50))  # desk top
    room.rect(70, 270, 90, 360, (120, 76, 40))
    room.rect(230, 270, 250, 360, (120, 76, 40))
    room.ellipse(120, 238, 18, 12, (90, 140, 90))  # a plant pot and leaves
    room.rect(108, 236, 132, 252, (170, 90, 60))
    return room


def draw_sky():
    """An open sky: a vertical gradient, a sun with a halo, soft clouds and hills."""
    sky = Canvas(640, 480, (0, 0, 0))
    sky.fill_rows(0, 480, lambda y: mix((60, 120, 210), (190, 220, 245), y / 480))
    for radius, opacity in ((90, 0.15), (70, 0.25), (52, 0.4)):
        for y in range(110 - radius, 110 + radius):
            for x in range(500 - radius, 500 + radius):
                if math.hypot(x - 500, y - 110) < radius:
                    sky.put(x, y, (255, 250, 220), opacity)
    sky.ellipse(500, 110, 40, 40, (255, 246, 200))
    for cx, cy, scale in ((140, 120, 1.0), (330, 70, 0.7), (250, 220, 1.2)):
        for dx, dy, r in ((-40, 6, 30), (0, -8, 38), (42, 4, 28), (10, 12, 34)):
            sky.ellipse(cx + dx * scale, cy + dy * scale, r * scale * 1.3, r * scale, (250, 252, 255))
    for x in range(640):
        ridge = 400 + 30 * math.sin(x / 70.0) + 12 * math.sin(x / 23.0)
        for y in range(int(ridge), 480):
            sky.put(x, y, mix((80, 150, 80), (40, 100, 50), (y - ridge) / 80))
    return sky


def draw_figure(canvas, hair, dress, skin=(250, 220, 196)):
    """A standing figure centred in the canvas: hair, head, body, arms, legs."""
    w = canvas.width
    cx = w / 2
    canvas.ellipse(cx, 96, 66, 74, hair)  # hair behind the head
    canvas.polygon([(cx - 66, 96), (cx + 66, 96), (cx + 72, 210), (cx - 72, 210)], hair)
    canvas.ellipse(cx, 104, 52, 60, skin)  # face
    canvas.ellipse(cx - 20, 108, 6, 8, (60, 40, 40))  # eyes
    canvas.ellipse(cx + 20, 108, 6, 8, (60, 40, 40))
    canvas.ellipse(cx, 140, 10, 4, (220, 120, 120))  # mouth
    canvas.ellipse(cx, 62, 56, 26, hair)  # fringe
    canvas.rect(int(cx - 12), 160, int(cx + 12), 182, skin)  # neck
    canvas.polygon([(cx - 46, 178), (cx + 46, 178), (cx + 84, 360), (cx - 84, 360)], dress)
    canvas.polygon([(cx - 46, 184), (cx - 64, 184), (cx - 92, 300), (cx - 74, 304)], dress)  # sleeves
    canvas.polygon([(cx + 46, 184), (cx + 64, 184), (cx + 92, 300), (cx + 74, 304)], dress)
    canvas.ellipse(cx - 84, 308, 11, 12, skin)  # hands
    canvas.ellipse(cx + 84, 308, 11, 12, skin)
    canvas.rect(int(cx - 34), 360, int(cx - 14), 396, skin)  # legs
    canvas.rect(int(cx + 14), 360, int(cx + 34), 396, skin)
    canvas.rect(int(cx - 38), 390, int(cx - 10), 400, (70, 50, 50))  # shoes
    canvas.rect(int(cx + 10), 390, int(cx + 38), 400, (70, 50, 50))


def draw_girl():
    """A character with a real alpha channel: transparent around, soft rims."""
    girl = Canvas(240, 400, (0, 0, 0), alpha=0)
    draw_figure(girl, hair=(120, 70, 50), dress=(220, 120, 160))
    return girl


def draw_friend():
    """A character on a magenta key: hard edges, the top-left pixel is the key."""
    # Blended rims would leave pink fringes against the key.
    friend = Canvas(240, 400, MAGENTA, soft=False)
    draw_figure(friend, hair=(40, 40, 60), dress=(70, 110, 180))
    return friend


def draw_caret():
    """A small downward triangle on a magenta key."""
    caret = Canvas(16, 16, MAGENTA, soft=False)
    caret.polygon([(2, 4), (14, 4), (8, 13)], (255, 255, 255))
    caret.polygon([(4, 5), (12, 5), (8, 11)], (250, 200, 60))
    return caret


def draw_title():
    """The title screen: a dusk sky over the school roof's railing, a large moon."""
    title = Canvas(640, 480, (0, 0, 0))
    title.fill_rows(0, 480, lambda y: mix((24, 28, 80), (230, 140, 120), y / 480))
    for x, y in ((60, 40), (150, 90), (260, 30), (420, 70), (560, 50), (600, 140), (90, 170), (330, 120)):
        title.ellipse(x, y, 2, 2, (255, 255, 230))
    title.ellipse(500, 120, 56, 56, (255, 244, 210))
    title.ellipse(522, 106, 50, 50, mix((24, 28, 80), (230, 140, 120), 106 / 480))  # the crescent's shadow
    title.rect(0, 400, 640, 480, (60, 56, 70))  # the roof
    title.rect(0, 360, 640, 366, (150, 150, 160))  # railing
    for x in range(10, 640, 40):
        title.rect(x, 366, x + 4, 400, (150, 150, 160))
    return title


def draw_night():
    """The roof at night, seen only on the branch where the player stays behind."""
    night = Canvas(640, 480, (0, 0, 0))
    night.fill_rows(0, 480, lambda y: mix((8, 10, 40), (40, 50, 110), y / 480))
    for i in range(60):
        x = (i * 137) % 640
        y = (i * 71) % 330
        night.ellipse(x, y, 1.5, 1.5, (255, 255, 240))
    night.ellipse(120, 90, 30, 30, (250, 250, 230))
    night.rect(0, 400, 640, 480, (30, 30, 44))
    night.rect(0, 360, 640, 366, (90, 90, 110))
    for x in range(10, 640, 40):
        night.rect(x, 366, x + 4, 400, (90, 90, 110))
    return night


def draw_locked():
    """The gallery's placeholder for a picture not seen yet: grey with a padlock."""
    locked = Canvas(260, 195, (70, 70, 80))
    locked.rect(4, 4, 256, 191, (96, 96, 108))
    locked.ellipse(130, 80, 26, 30, (200, 200, 210))
    locked.ellipse(130, 80, 16, 20, (96, 96, 108))
    locked.rect(96, 90, 164, 150, (200, 200, 210))
    locked.ellipse(130, 114, 7, 8, (70, 70, 80))
    return locked


def draw_button(look, icon):
    """A pill-shaped button on a magenta key; look 0 normal, 1 hovered, 2 pressed."""
    button = Canvas(160, 40, MAGENTA, soft=False)
    face = ((70, 90, 170), (110, 140, 230), (40, 50, 110))[look]
    rim = ((200, 210, 250), (255, 255, 255), (150, 160, 210))[look]
    button.ellipse(20, 20, 19, 19, rim)
    button.ellipse(140, 20, 19, 19, rim)
    button.rect(20, 1, 140, 39, rim)
    button.ellipse(20, 20, 16, 16, face)
    button.ellipse(140, 20, 16, 16, face)
    button.rect(20, 4, 140, 36, face)
    if icon == "start":  # a play triangle
        button.polygon([(68, 9), (68, 31), (96, 20)], rim)
    else:  # a cross: clear everything
        for d in range(-10, 11):
            button.rect(80 + d - 2, 20 + d - 2, 80 + d + 2, 20 + d + 2, rim)
            button.rect(80 + d - 2, 20 - d - 2, 80 + d + 2, 20 - d + 2, rim)
    return button


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    game = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "games", "demo")
    outputs = {
        "cg/bg_room.bmp": bmp_bytes(draw_room()),
        "cg/bg_sky.png": png_bytes(draw_sky()),
        "chr/girl.png": png_bytes(draw_girl()),
        "chr/friend.bmp": bmp_bytes(draw_friend()),
        "caret.bmp": bmp_bytes(draw_caret()),
        "cg/title.bmp": bmp_bytes(draw_title()),
        "cg/bg_night.bmp": bmp_bytes(draw_night()),
        "cg/locked.bmp": bmp_bytes(draw_locked()),
    }
    for icon in ("start", "clear"):
        for look in range(3):
            outputs[f"menu/{icon}{look}.bmp"] = bmp_bytes(draw_button(look, icon))
    for name, data in outputs.items():
        path = os.path.join(game, name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as out:
            out.write(data)
        print(f"{path}: {len(data)} bytes")


if __name__ == "__main__":
    main()
