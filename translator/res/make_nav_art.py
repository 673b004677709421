"""The outlook bars' icons (make_editor_art.py lays them before the letter cards in bitmaps 132
and 133); run alone, it draws the navigation bar's strips by themselves:

outbar132.bmp  seven 32 x 32 icons on grey (128, 128, 128), the see-through colour
outbar133.bmp  twelve 16 x 16 icons on teal (0, 128, 128), the see-through colour

The icons, in order: globe (a web link), open book, dictionary, star, folder, speech bubbles,
graduation cap; the small strip adds a pencil, a magnifier, a house, a note and a bookmark.
Each is drawn four times larger, scaled down and laid on the see-through colour with hard
edges, so that no pixel blends with it."""

import math
import os
import sys

from PIL import Image, ImageDraw

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "art"))
from make_res_art import bmp_bytes, write_if_changed  # noqa: E402
from artkit import ACCENT, ACCENT_LIGHT, INK, PAPER, TEAL, TEAL_DARK, TEAL_LIGHT, RED, WHITE  # noqa: E402

SCALE = 4
BLUE = (52, 104, 188)
BLUE_LIGHT = (150, 190, 238)
GOLD = (236, 178, 40)
FOLDER = (226, 176, 72)
FOLDER_DARK = (170, 118, 30)


def globe(d, s):
    r = s * 0.42
    c = s / 2
    d.ellipse((c - r, c - r, c + r, c + r), fill=BLUE_LIGHT, outline=BLUE, width=int(s * 0.06))
    w = int(s * 0.045)
    d.ellipse((c - r * 0.45, c - r, c + r * 0.45, c + r), outline=BLUE, width=w)
    d.line((c, c - r, c, c + r), fill=BLUE, width=w)
    d.line((c - r, c, c + r, c), fill=BLUE, width=w)
    for dy in (-0.5, 0.5):
        y = c + dy * r
        half = math.sqrt(max(0.0, r * r - (dy * r) ** 2))
        d.line((c - half, y, c + half, y), fill=BLUE, width=w)
    # Green land.
    d.polygon([(c - r * 0.7, c - r * 0.3), (c - r * 0.2, c - r * 0.55), (c - r * 0.05, c - r * 0.1),
               (c - r * 0.45, c + r * 0.35)], fill=(70, 160, 90))
    d.polygon([(c + r * 0.2, c + r * 0.1), (c + r * 0.7, c + r * 0.2), (c + r * 0.35, c + r * 0.7)],
              fill=(70, 160, 90))


def open_book(d, s, ink=TEAL):
    y0, y1 = s * 0.22, s * 0.82
    lw = int(s * 0.05)
    d.polygon([(s * 0.06, y0), (s * 0.48, y0 + s * 0.06), (s * 0.48, y1), (s * 0.06, y1 - s * 0.06)],
              fill=PAPER, outline=INK, width=lw)
    d.polygon([(s * 0.52, y0 + s * 0.06), (s * 0.94, y0), (s * 0.94, y1 - s * 0.06), (s * 0.52, y1)],
              fill=PAPER, outline=INK, width=lw)
    for k in range(3):
        y = y0 + s * (0.16 + 0.13 * k)
        d.line((s * 0.14, y, s * 0.4, y + s * 0.04), fill=ink, width=lw)
        d.line((s * 0.6, y + s * 0.04, s * 0.86, y), fill=ink, width=lw)


def dictionary(d, s):
    d.rounded_rectangle((s * 0.18, s * 0.08, s * 0.84, s * 0.92), radius=s * 0.06, fill=TEAL_DARK,
                        outline=INK, width=int(s * 0.04))
    d.rectangle((s * 0.18, s * 0.08, s * 0.3, s * 0.92), fill=INK)
    d.rectangle((s * 0.3, s * 0.84, s * 0.8, s * 0.9), fill=PAPER)
    # A label with the character 字 drawn as strokes.
    d.rectangle((s * 0.38, s * 0.22, s * 0.76, s * 0.62), fill=ACCENT_LIGHT)
    w = int(s * 0.05)
    cx = s * 0.57
    d.line((cx, s * 0.26, cx, s * 0.31), fill=INK, width=w)
    d.line((s * 0.43, s * 0.33, s * 0.71, s * 0.33), fill=INK, width=w)
    d.line((s * 0.47, s * 0.42, s * 0.66, s * 0.42), fill=INK, width=w)
    d.line((s * 0.62, s * 0.42, cx, s * 0.48), fill=INK, width=w)
    d.line((cx, s * 0.48, cx, s * 0.58), fill=INK, width=w)
    d.line((s * 0.43, s * 0.5, s * 0.71, s * 0.5), fill=INK, width=w)


def star(d, s):
    c = s / 2
    pts = []
    for k in range(10):
        a = -math.pi / 2 + k * math.pi / 5
        r = s * 0.46 if k % 2 == 0 else s * 0.19
        pts.append((c + r * math.cos(a), c + s * 0.04 + r * math.sin(a)))
    d.polygon(pts, fill=GOLD, outline=FOLDER_DARK)


def folder(d, s):
    d.polygon([(s * 0.06, s * 0.2), (s * 0.38, s * 0.2), (s * 0.46, s * 0.3), (s * 0.94, s * 0.3),
               (s * 0.94, s * 0.84), (s * 0.06, s * 0.84)], fill=FOLDER_DARK)
    d.polygon([(s * 0.06, s * 0.38), (s * 0.94, s * 0.38), (s * 0.94, s * 0.84), (s * 0.06, s * 0.84)],
              fill=FOLDER)


def bubbles(d, s):
    d.rounded_rectangle((s * 0.04, s * 0.1, s * 0.66, s * 0.56), radius=s * 0.12, fill=TEAL)
    d.polygon([(s * 0.16, s * 0.54), (s * 0.3, s * 0.54), (s * 0.12, s * 0.7)], fill=TEAL)
    d.rounded_rectangle((s * 0.36, s * 0.38, s * 0.96, s * 0.82), radius=s * 0.12, fill=ACCENT)
    d.polygon([(s * 0.74, s * 0.8), (s * 0.86, s * 0.8), (s * 0.9, s * 0.95)], fill=ACCENT)
    w = int(s * 0.06)
    # "A" in the first bubble, a stroke of 文 in the second.
    d.line((s * 0.2, s * 0.46, s * 0.34, s * 0.18, s * 0.48, s * 0.46), fill=WHITE, width=w)
    d.line((s * 0.26, s * 0.36, s * 0.42, s * 0.36), fill=WHITE, width=w)
    d.line((s * 0.5, s * 0.52, s * 0.82, s * 0.52), fill=WHITE, width=w)
    d.line((s * 0.56, s * 0.56, s * 0.78, s * 0.76), fill=WHITE, width=w)
    d.line((s * 0.76, s * 0.56, s * 0.54, s * 0.76), fill=WHITE, width=w)


def cap(d, s):
    d.polygon([(s * 0.5, s * 0.16), (s * 0.96, s * 0.38), (s * 0.5, s * 0.6), (s * 0.04, s * 0.38)],
              fill=INK)
    d.polygon([(s * 0.24, s * 0.5), (s * 0.76, s * 0.5), (s * 0.76, s * 0.74), (s * 0.5, s * 0.84),
               (s * 0.24, s * 0.74)], fill=TEAL_DARK)
    d.line((s * 0.86, s * 0.42, s * 0.86, s * 0.7), fill=GOLD, width=int(s * 0.05))
    d.ellipse((s * 0.81, s * 0.68, s * 0.91, s * 0.78), fill=GOLD)


def pencil(d, s):
    d.polygon([(s * 0.1, s * 0.9), (s * 0.16, s * 0.68), (s * 0.7, s * 0.14), (s * 0.86, s * 0.3),
               (s * 0.32, s * 0.84)], fill=ACCENT)
    d.polygon([(s * 0.1, s * 0.9), (s * 0.16, s * 0.68), (s * 0.32, s * 0.84)], fill=PAPER)
    d.polygon([(s * 0.7, s * 0.14), (s * 0.78, s * 0.06), (s * 0.94, s * 0.22), (s * 0.86, s * 0.3)],
              fill=RED)


def magnifier(d, s):
    r = s * 0.28
    c = s * 0.4
    d.line((c + r * 0.7, c + r * 0.7, s * 0.92, s * 0.92), fill=INK, width=int(s * 0.14))
    d.ellipse((c - r, c - r, c + r, c + r), fill=BLUE_LIGHT, outline=TEAL_DARK, width=int(s * 0.1))


def house(d, s):
    d.polygon([(s * 0.5, s * 0.08), (s * 0.94, s * 0.48), (s * 0.06, s * 0.48)], fill=RED)
    d.rectangle((s * 0.18, s * 0.46, s * 0.82, s * 0.9), fill=PAPER, outline=INK, width=int(s * 0.05))
    d.rectangle((s * 0.42, s * 0.6, s * 0.58, s * 0.9), fill=TEAL)


def note(d, s):
    d.rectangle((s * 0.16, s * 0.06, s * 0.84, s * 0.94), fill=PAPER, outline=INK, width=int(s * 0.05))
    for k in range(4):
        y = s * (0.26 + 0.16 * k)
        d.line((s * 0.28, y, s * 0.72, y), fill=TEAL_LIGHT if k % 2 else TEAL, width=int(s * 0.06))


def bookmark(d, s):
    d.polygon([(s * 0.24, s * 0.06), (s * 0.76, s * 0.06), (s * 0.76, s * 0.94), (s * 0.5, s * 0.7),
               (s * 0.24, s * 0.94)], fill=RED)
    d.line((s * 0.34, s * 0.2, s * 0.66, s * 0.2), fill=ACCENT_LIGHT, width=int(s * 0.06))


LARGE = [globe, open_book, dictionary, star, folder, bubbles, cap]
SMALL = LARGE + [pencil, magnifier, house, note, bookmark]


def draw(fn, size, mask):
    """One icon: drawn big on a clear ground, scaled down, laid hard-edged on the mask."""
    big = Image.new("RGBA", (size * SCALE, size * SCALE), (0, 0, 0, 0))
    fn(ImageDraw.Draw(big), size * SCALE)
    small = big.resize((size, size), Image.LANCZOS)
    out = Image.new("RGB", (size, size), mask)
    px, opx = small.load(), out.load()
    for y in range(size):
        for x in range(size):
            r, g, b, a = px[x, y]
            if a >= 110:
                colour = (r, g, b)
                if colour == mask:  # never the see-through colour itself
                    colour = (r, g, min(255, b + 1))
                opx[x, y] = colour
    return out


def strip(fns, size, mask):
    img = Image.new("RGB", (size * len(fns), size), mask)
    for i, fn in enumerate(fns):
        img.paste(draw(fn, size, mask), (i * size, 0))
    return img


def main(outdir):
    os.makedirs(outdir, exist_ok=True)
    write_if_changed(os.path.join(outdir, "outbar132.bmp"),
                     bmp_bytes(strip(LARGE, 32, (128, 128, 128))))
    write_if_changed(os.path.join(outdir, "outbar133.bmp"),
                     bmp_bytes(strip(SMALL, 16, (0, 128, 128))))


if __name__ == "__main__":
    main(sys.argv[1])
