"""Mouse catching: the mouse coming up out of its hole ("mymousemouse1", "mymousemouse2"), the
mouse with its letter ("mymouse0" for A to "mymouse25" for Z), the caught mouse
("mymousemouse3"), all 61 x 73 like the holes' images (Image_Mouse: 915 x 1095 twips), and the
eight flowers along the top of the page ("mymousehua0" to "mymousehua7", Image_Mouse_Miss: 630 x
630 twips).

The mice stand on MASK, so the page's hole shows round them: each picture lies exactly over its
hole, and a mouse is cut off at the near rim of the hole the page draws (games.py, HOLE_RIM), so
it seems to climb out of it."""

import math

from PIL import Image, ImageDraw

from artkit import ACCENT, INK, WHITE, mix
from registry import MASK, bitmap
from sets.games import HOLE_INNER
from sets.sprites import GOLD, SS, Pen, figure

MOUSE_W, MOUSE_H = 61, 73
FLOWER = 42

FUR = (156, 150, 156)
FUR_DARK = (104, 98, 108)
FUR_LIGHT = (214, 208, 212)
EAR_PINK = (244, 174, 186)
NOSE = (226, 110, 128)
# The letter's badge: a ring in turning colours round a white disc.
BADGE_RINGS = [(226, 72, 64), (240, 150, 50), (96, 176, 80), (52, 152, 200), (112, 104, 200),
               (214, 96, 160), (40, 150, 140), (200, 160, 30)]


def _head(p, cx, cy, look):
    """Ears, head, eyes, nose and whiskers; look "up" (peeking), "awake" or "dizzy"."""
    for sx in (-1, 1):
        ex, ey = cx + sx * 10.5, cy - 9
        p.circle(ex, ey, 7.6, FUR, INK, 0.8)
        p.circle(ex, ey + 0.6, 4.8, EAR_PINK)
    p.ellipse(cx, cy, 12.5, 11, FUR, INK, 0.8)
    p.ellipse(cx, cy + 4.5, 7.5, 5.2, FUR_LIGHT)
    for sx in (-1, 1):
        ex, ey = cx + sx * 5, cy - 1.5
        if look == "dizzy":
            p.line([(ex - 2.2, ey - 2.2), (ex + 2.2, ey + 2.2)], INK, 1.1)
            p.line([(ex - 2.2, ey + 2.2), (ex + 2.2, ey - 2.2)], INK, 1.1)
        else:
            p.circle(ex, ey, 2.4, INK)
            p.circle(ex + 0.8, ey - 0.9, 0.8, WHITE)
    p.circle(cx, cy + 3.2, 1.9, NOSE, INK, 0.5)
    if look == "dizzy":
        p.arc(cx, cy + 8.5, 2.6, 200, 340, INK, 0.8)  # a small worried mouth
    else:
        p.arc(cx - 1.6, cy + 4.6, 1.7, 20, 160, INK, 0.7)
        p.arc(cx + 1.6, cy + 4.6, 1.7, 20, 160, INK, 0.7)
    for sx in (-1, 1):
        for dy in (-0.8, 1.4):
            p.line([(cx + sx * 4, cy + 4 + dy * 0.4), (cx + sx * 12.5, cy + 3 + dy * 1.6)],
                   FUR_DARK, 0.45)


def _body(p, cx, top, bottom):
    """The body from `top` down into the hole, with its paler belly."""
    mid, half = (top + bottom) / 2 + 3, (bottom - top) / 2 + 3
    p.ellipse(cx, mid, 14.5, half, FUR, INK, 0.8)
    p.ellipse(cx, mid + 3, 9, half - 4, FUR_LIGHT)


def _badge(p, cx, cy, letter, ring):
    p.circle(cx, cy, 11.2, ring, INK, 0.7)
    p.circle(cx, cy, 8.6, WHITE)
    p.text(cx + 0.2, cy + 0.6, letter, 14.5, INK)
    # Paws holding the badge at its sides.
    for sx in (-1, 1):
        p.circle(cx + sx * 10.5, cy + 2, 2.8, FUR_LIGHT, INK, 0.6)


def _out_of_hole(draw):
    """The mouse drawn by draw(pen), cut off where the hole's near rim lies in front of it."""
    def cut(img):
        w, h = img.size
        layer = Image.new("RGBA", (w * SS, h * SS), (0, 0, 0, 0))
        draw(Pen(layer))
        x0, y0, x1, y1 = HOLE_INNER
        keep = Image.new("L", layer.size, 0)
        kd = ImageDraw.Draw(keep)
        mid = (y0 + y1) / 2
        kd.rectangle((0, 0, w * SS, mid * SS), fill=255)
        kd.ellipse((x0 * SS, y0 * SS, x1 * SS, y1 * SS), fill=255)
        alpha = Image.composite(layer.getchannel("A"), keep, keep)
        layer.putalpha(alpha)
        small = layer.resize((w, h), Image.BOX)
        a = small.getchannel("A").point(lambda v: 255 if v >= 110 else 0)
        img.paste(small.convert("RGB"), (0, 0), a)
        return img
    return cut(Image.new("RGB", (MOUSE_W, MOUSE_H), MASK))


CX = MOUSE_W / 2
HOLE_MID = (HOLE_INNER[1] + HOLE_INNER[3]) / 2


@bitmap("mymousemouse1", MOUSE_W, MOUSE_H)    # coming up: the ears and the top of the head
def mouse_peeking(img):
    return _out_of_hole(lambda p: _head(p, CX, HOLE_MID + 2, "up"))


@bitmap("mymousemouse2", MOUSE_W, MOUSE_H)    # coming up: the head out
def mouse_rising(img):
    def draw(p):
        _body(p, CX, HOLE_MID - 10, HOLE_MID + 8)
        _head(p, CX, HOLE_MID - 12, "awake")
    return _out_of_hole(draw)


def mouse_up(p, letter, ring):
    _body(p, CX, 30, HOLE_MID + 8)
    _head(p, CX, 21, "awake")
    _badge(p, CX, 47, letter, ring)


def _register_mouse(k):
    @bitmap("mymouse%d" % k, MOUSE_W, MOUSE_H)
    def draw(img):
        ring = BADGE_RINGS[k % len(BADGE_RINGS)]
        return _out_of_hole(lambda p: mouse_up(p, chr(65 + k), ring))


for _k in range(26):
    _register_mouse(_k)


def _star(p, cx, cy, r, colour):
    pts = []
    for k in range(10):
        a = -math.pi / 2 + k * math.pi / 5
        rr = r if k % 2 == 0 else r * 0.45
        pts.append((cx + rr * math.cos(a), cy + rr * math.sin(a)))
    p.poly(pts, colour, INK, 0.5)


@bitmap("mymousemouse3", MOUSE_W, MOUSE_H)    # caught: dizzy, stars round its head
def mouse_caught(img):
    def draw(p):
        # A burst behind: the catch.
        pts = []
        for k in range(16):
            a = k * math.pi / 8
            r = 27 if k % 2 == 0 else 19
            pts.append((CX + r * math.cos(a), 34 + r * math.sin(a) * 0.95))
        p.poly(pts, (255, 236, 170), mix(GOLD, INK, 0.2), 0.6)
        _body(p, CX, 32, HOLE_MID + 8)
        _head(p, CX, 24, "dizzy")
        for x, y, r in ((CX - 17, 6, 4.2), (CX + 1, 2.8, 3.4), (CX + 17, 7, 4.2)):
            _star(p, x, y, r, GOLD)
    return _out_of_hole(draw)


# ---------------------------------------------------------------------------------------------
# Flowers: one grows along the top for every mouse that got away, each in its own colour.

PETALS = [(236, 96, 110), (246, 170, 60), (150, 110, 210), (70, 160, 220), (240, 120, 180),
          (226, 80, 64), (250, 206, 60), (120, 190, 210)]
LEAF = (96, 168, 80)
LEAF_DARK = (60, 124, 56)


def flower(p, k):
    cx, cy = FLOWER / 2, 14.5
    colour = PETALS[k % len(PETALS)]
    # Stem and two leaves down to the bed.
    p.line([(cx, cy + 4), (cx - 1, 30), (cx, FLOWER - 1.5)], LEAF_DARK, 1.6)
    p.poly([(cx - 0.5, 31), (cx - 10, 25), (cx - 12.5, 30), (cx - 5, 33.5)], LEAF, LEAF_DARK, 0.6)
    p.poly([(cx + 0.5, 27), (cx + 9.5, 21.5), (cx + 12, 26), (cx + 4.5, 29.5)], LEAF, LEAF_DARK, 0.6)
    petals = 5 + k % 3
    for i in range(petals):
        a = -math.pi / 2 + i * 2 * math.pi / petals + k * 0.3
        px, py = cx + 7.2 * math.cos(a), cy + 7.2 * math.sin(a)
        p.circle(px, py, 5.6, colour, mix(colour, INK, 0.45), 0.6)
    for i in range(petals):
        a = -math.pi / 2 + i * 2 * math.pi / petals + k * 0.3
        p.circle(cx + 5.5 * math.cos(a), cy + 5.5 * math.sin(a), 2.2, mix(colour, WHITE, 0.45))
    p.circle(cx, cy, 4.4, GOLD if k % 2 == 0 else ACCENT, mix(GOLD, INK, 0.4), 0.6)
    p.circle(cx - 1.2, cy - 1.2, 1.2, mix(GOLD, WHITE, 0.6))


def _register_flower(k):
    @bitmap("mymousehua%d" % k, FLOWER, FLOWER)
    def draw(img):
        out = Image.new("RGB", (FLOWER, FLOWER), MASK)
        return figure(out, lambda p: flower(p, k))


for _k in range(8):
    _register_flower(_k)
