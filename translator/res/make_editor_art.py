"""Draws the package editor's pictures in the suite's art style.

usage: make_editor_art.py OUTDIR

editor150.bmp  the editor's and the entry dialog's background, 600 x 420: a teal title band
               behind the search label, field and buttons (rows 0-44), light paper below with
               faint ridges at the foot.
editor132.bmp  the outlook bars' large pictures, 32 x 32 on grey (128,128,128, see-through):
               the navigation bar's twelve icons (make_nav_art.py; links use image 0), then the
               letter index's cards at 12 and 13: a teal one (even letters), an amber one (odd
               letters and "其它"). One program carries one bitmap 132 for both bars.
editor133.bmp  the same fourteen pictures at 16 x 16, on the see-through teal (0,128,128).
editor134.bmp  the entry list's row pictures, 16 x 16 on magenta (see-through): a pen (not
               used by the list), an opened envelope (an edited row), a flag (a row as loaded).
editor135.bmp  the list header's pictures, 11 x 11 on magenta: a small sort arrow (image 0),
               a flag (image 1, the picture column).
crank102.bmp   the wait window's animation: eight 32 x 32 frames of a turning crank on magenta.
"""

import math
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "art"))
sys.path.insert(0, HERE)

from PIL import Image, ImageDraw  # noqa: E402

from artkit import (ACCENT, ACCENT_LIGHT, INK, MIST_TOP, PAPER, RED, TEAL, TEAL_DARK,  # noqa: E402
                    TEAL_LIGHT, WHITE, mix, mountains, vgradient)
from make_res_art import bmp_bytes, write_if_changed  # noqa: E402
import make_nav_art  # noqa: E402

MAGENTA = (255, 0, 255)
GREY_KEY = (128, 128, 128)
TEAL_KEY = (0, 128, 128)
SS = 4


def hard_edges(img, key):
    """Pixels are either fully the key colour or fully drawn: no soft seams with the key."""
    px = img.load()
    for y in range(img.height):
        for x in range(img.width):
            r, g, b = px[x, y]
            if abs(r - key[0]) + abs(g - key[1]) + abs(b - key[2]) < 60:
                px[x, y] = key
    return img


def small(draw_fn, w, h, key):
    """A picture drawn at four times its size on the key colour and shrunk without blending
    into the key colour."""
    big = Image.new("RGBA", (w * SS, h * SS), (0, 0, 0, 0))
    draw_fn(ImageDraw.Draw(big), SS)
    big = big.resize((w, h), Image.LANCZOS)
    out = Image.new("RGB", (w, h), key)
    alpha = big.split()[3].point(lambda a: 255 if a >= 110 else 0)
    out.paste(big.convert("RGB"), (0, 0), alpha)
    return out


def background():
    w, h = 600, 420
    img = Image.new("RGB", (w, h), PAPER)
    vgradient(img, (0, 0, w, 45), TEAL, TEAL_DARK)
    vgradient(img, (0, 45, w, h), mix(PAPER, MIST_TOP, 0.5), MIST_TOP)
    mountains(img, h - 18, layers=((214, 234, 232), (190, 222, 220), (168, 208, 206)), seed=5)
    d = ImageDraw.Draw(img)
    d.line((0, 44, w, 44), fill=ACCENT, width=2)
    # A fine light rule under the band's search label, left of the search field.
    d.line((8, 33, 122, 33), fill=mix(TEAL_LIGHT, TEAL, 0.5), width=1)
    # A soft frame round the list's and index's place.
    d.rectangle((0, 45, w - 1, h - 1), outline=mix(TEAL_LIGHT, PAPER, 0.4))
    return img


def letter_card(fill, edge, letter_ink):
    def draw(d, s):
        d.rounded_rectangle((2 * s, 3 * s, 29 * s, 29 * s), radius=int(5 * s), fill=edge + (255,))
        d.rounded_rectangle((3 * s, 2 * s, 28 * s, 27 * s), radius=int(5 * s), fill=fill + (255,))
        # Lines of text on the card and a capital A-like mark.
        for i, y in enumerate((16, 20, 24)):
            d.line((8 * s, y * s, (24 - 4 * i) * s, y * s), fill=letter_ink + (255,), width=max(1, int(2 * s)))
        d.polygon([(8 * s, 13 * s), (12 * s, 4 * s), (16 * s, 13 * s), (14 * s, 13 * s),
                   (12 * s, 8 * s), (10 * s, 13 * s)], fill=letter_ink + (255,))
    return draw


def letter_cards(size, key):
    cards = [letter_card(TEAL_LIGHT, TEAL_DARK, TEAL_DARK),
             letter_card(ACCENT_LIGHT, mix(ACCENT, INK, 0.3), mix(ACCENT, INK, 0.45))]
    strip = Image.new("RGB", (size * len(cards), size), key)
    for i, c in enumerate(cards):
        strip.paste(small(lambda d, s, c=c: c(d, s * size / 32.0), size, size, key), (i * size, 0))
    return strip


def pen(d, s):
    d.polygon([(3 * s, 13 * s), (11 * s, 3 * s), (14 * s, 6 * s), (6 * s, 15 * s), (2 * s, 15 * s)],
              fill=ACCENT + (255,), outline=INK + (255,))


def envelope_open(d, s):
    d.polygon([(2 * s, 7 * s), (8 * s, 2 * s), (14 * s, 7 * s)], fill=ACCENT_LIGHT + (255,),
              outline=INK + (255,))
    d.rectangle((2 * s, 7 * s, 14 * s, 14 * s), fill=PAPER + (255,), outline=INK + (255,))
    d.line((2 * s, 7 * s, 8 * s, 11 * s, 14 * s, 7 * s), fill=INK + (255,), width=int(s))
    d.rectangle((5 * s, 4 * s, 11 * s, 8 * s), fill=WHITE + (255,))


def flag(d, s, scale=1.0):
    k = s * scale
    d.rectangle((3 * k, 2 * k, 4.5 * k, 15 * k), fill=INK + (255,))
    d.polygon([(4.5 * k, 2 * k), (14 * k, 4.5 * k), (4.5 * k, 8.5 * k)], fill=TEAL + (255,))


def row_images():
    strip = Image.new("RGB", (48, 16), MAGENTA)
    for i, f in enumerate((pen, envelope_open, flag)):
        strip.paste(small(f, 16, 16, MAGENTA), (16 * i, 0))
    return strip


def header_images():
    strip = Image.new("RGB", (22, 11), MAGENTA)

    def arrow(d, s):
        d.polygon([(2 * s, 4 * s), (9 * s, 4 * s), (5.5 * s, 8 * s)], fill=TEAL_DARK + (255,))

    strip.paste(small(arrow, 11, 11, MAGENTA), (0, 0))
    strip.paste(small(lambda d, s: flag(d, s, 11 / 16.0), 11, 11, MAGENTA), (11, 0))
    return strip


def crank_frames():
    strip = Image.new("RGB", (256, 32), MAGENTA)
    for f in range(8):
        angle = f * math.pi / 4

        def draw(d, s, angle=angle):
            cx, cy = 16 * s, 17 * s
            # The drum with its rope.
            d.ellipse((cx - 9 * s, cy - 9 * s, cx + 9 * s, cy + 9 * s), fill=TEAL_LIGHT + (255,),
                      outline=TEAL_DARK + (255,), width=max(1, int(2 * s)))
            for k in range(4):
                a = angle + k * math.pi / 2
                d.line((cx, cy, cx + 8 * s * math.cos(a), cy + 8 * s * math.sin(a)),
                       fill=TEAL_DARK + (255,), width=int(s))
            # The crank arm and its handle, turning.
            hx, hy = cx + 13 * s * math.cos(angle), cy + 13 * s * math.sin(angle)
            d.line((cx, cy, hx, hy), fill=INK + (255,), width=int(3 * s))
            d.ellipse((hx - 3 * s, hy - 3 * s, hx + 3 * s, hy + 3 * s), fill=ACCENT + (255,),
                      outline=INK + (255,))
            d.ellipse((cx - 2 * s, cy - 2 * s, cx + 2 * s, cy + 2 * s), fill=RED + (255,))

        strip.paste(small(draw, 32, 32, MAGENTA), (32 * f, 0))
    return strip


def index_strip(size, key):
    """The navigation bar's icons followed by the two letter cards."""
    icons = make_nav_art.strip(make_nav_art.SMALL, size, key)
    cards = letter_cards(size, key)
    strip = Image.new("RGB", (icons.width + cards.width, size), key)
    strip.paste(icons, (0, 0))
    strip.paste(cards, (icons.width, 0))
    return strip


def main(outdir):
    os.makedirs(outdir, exist_ok=True)
    pictures = {
        "editor150.bmp": background(),
        "editor132.bmp": index_strip(32, GREY_KEY),
        "editor133.bmp": index_strip(16, TEAL_KEY),
        "editor134.bmp": row_images(),
        "editor135.bmp": header_images(),
        "crank102.bmp": crank_frames(),
    }
    for name, img in pictures.items():
        write_if_changed(os.path.join(outdir, name), bmp_bytes(img))


if __name__ == "__main__":
    main(sys.argv[1])
