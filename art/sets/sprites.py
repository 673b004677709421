"""The games' figures: the sprite frames of the main window's image list (built into the tutor,
see make_frames.py) and the named bitmaps of the same figures in the resource library: the police
and the thief, the halt sign, the piglet and the wolves of the balloon game, the lettered
balloons and the stone, and the frogs.

Figures that move over a picture stand on MASK, the colour left out where they are shown."""

import math

from PIL import Image, ImageDraw

from artkit import ACCENT, ACCENT_LIGHT, INK, RED, TEAL_DARK, WHITE, font, mix
from registry import MASK, bitmap, frame, render

SS = 4  # figures are drawn this many times larger and reduced, for smooth edges

SKIN = (250, 218, 184)
NAVY = (40, 72, 140)
NAVY_DARK = (26, 46, 96)
GOLD = (244, 196, 70)
SHOE = (40, 40, 48)
STRIPE_DARK = (58, 62, 74)
STRIPE_LIGHT = (236, 238, 240)
SACK = (176, 142, 96)
SACK_DARK = (128, 98, 62)
PIG = (248, 178, 188)
PIG_DARK = (222, 128, 146)
WOLF = (118, 124, 138)
WOLF_DARK = (78, 82, 96)
WOLF_LIGHT = (196, 200, 208)
FROG = (110, 184, 86)
FROG_DARK = (64, 132, 58)
FROG_LIGHT = (188, 226, 150)


class Pen:
    """Draws in a figure's own pixel coordinates on the enlarged layer."""

    def __init__(self, layer):
        self.d = ImageDraw.Draw(layer)

    @staticmethod
    def _p(pts):
        return [(x * SS, y * SS) for x, y in pts]

    def ellipse(self, cx, cy, rx, ry, fill, outline=None, width=1):
        self.d.ellipse(((cx - rx) * SS, (cy - ry) * SS, (cx + rx) * SS, (cy + ry) * SS), fill=fill,
                       outline=outline, width=int(width * SS) if outline else 0)

    def circle(self, cx, cy, r, fill, outline=None, width=1):
        self.ellipse(cx, cy, r, r, fill, outline, width)

    def poly(self, pts, fill, outline=None, width=1):
        self.d.polygon(self._p(pts), fill=fill)
        if outline:
            self.line(list(pts) + [pts[0]], outline, width)

    def rect(self, x0, y0, x1, y1, fill, radius=0, outline=None, width=1):
        self.d.rounded_rectangle((x0 * SS, y0 * SS, x1 * SS, y1 * SS), radius=radius * SS, fill=fill,
                                 outline=outline, width=int(width * SS) if outline else 0)

    def line(self, pts, fill, width=1.0):
        """A line with round joints and ends."""
        w = width * SS
        self.d.line(self._p(pts), fill=fill, width=max(1, int(round(w))), joint="curve")
        for x, y in (pts[0], pts[-1]):
            r = w / 2
            self.d.ellipse((x * SS - r, y * SS - r, x * SS + r, y * SS + r), fill=fill)

    def limb(self, pts, fill, width, edge=INK):
        """An arm or a leg: a thick stroke with a thin dark rim."""
        self.line(pts, edge, width + 1.2)
        self.line(pts, fill, width)

    def arc(self, cx, cy, r, start, end, fill, width=1.0):
        self.d.arc(((cx - r) * SS, (cy - r) * SS, (cx + r) * SS, (cy + r) * SS), start, end,
                   fill=fill, width=max(1, int(round(width * SS))))

    def text(self, x, y, s, size, fill, kind="latin-bold", stroke=0, stroke_fill=INK):
        self.d.text((x * SS, y * SS), s, font=font(kind, int(size * SS)), fill=fill, anchor="mm",
                    stroke_width=int(stroke * SS), stroke_fill=stroke_fill)


def figure(img, draw, hard=True):
    """Draws a figure over img: draw(pen) on a transparent enlarged layer, reduced and laid on.
    hard: every pixel is either the figure's or img's own (for pictures on MASK, so no edge
    pixel takes a tint of the mask colour); otherwise the edges blend into img."""
    w, h = img.size
    layer = Image.new("RGBA", (w * SS, h * SS), (0, 0, 0, 0))
    draw(Pen(layer))
    small = layer.resize((w, h), Image.LANCZOS if not hard else Image.BOX)
    if hard:
        alpha = small.getchannel("A").point(lambda a: 255 if a >= 110 else 0)
        img.paste(small.convert("RGB"), (0, 0), alpha)
    else:
        base = img.convert("RGBA")
        base.alpha_composite(small)
        img.paste(base.convert("RGB"))
    return img


# ---------------------------------------------------------------------------------------------
# Police and thief, 52 x 41, running to the right along the street.

def _run_legs(p, hip, pose, trousers, shoe):
    hx, hy = hip
    if pose == 0:   # stride: front leg reaching, back leg kicked up
        legs = [[(hx, hy), (hx + 5, hy + 6), (hx + 8, hy + 11)],
                [(hx - 1, hy), (hx - 5, hy + 5), (hx - 10, hy + 8)]]
    else:           # passing: both legs under the body
        legs = [[(hx, hy), (hx + 3, hy + 6), (hx + 1, hy + 11)],
                [(hx - 1, hy), (hx - 1, hy + 6), (hx - 5, hy + 10)]]
    for leg in reversed(legs):
        p.limb(leg, trousers, 3.6)
        fx, fy = leg[-1]
        p.ellipse(fx + 1.5, fy + 0.6, 2.8, 1.7, shoe)


def police(p, pose, x=0):
    """The policeman; pose 0 and 1 run, 2 stands puzzled (the thief got away)."""
    hip = (27 + x, 27)
    if pose == 2:
        for dx in (-2.5, 2.5):
            leg = [(hip[0] + dx * 0.4, hip[1]), (hip[0] + dx, hip[1] + 11)]
            p.limb(leg, NAVY_DARK, 3.8)
            p.ellipse(hip[0] + dx * 1.2, hip[1] + 11.6, 2.8, 1.7, SHOE)
    else:
        _run_legs(p, hip, pose, NAVY_DARK, SHOE)
    sx, sy = 27 + x, 17   # shoulders
    if pose == 2:
        arms_back = [[(sx - 3, sy), (sx - 7, sy + 5), (sx - 3, sy + 9)]]
        arms_front = [[(sx + 3, sy), (sx + 7, sy + 5), (sx + 3, sy + 9)]]
    elif pose == 0:
        arms_back = [[(sx - 1, sy), (sx - 6, sy + 5), (sx - 9, sy + 3)]]
        arms_front = [[(sx + 1, sy), (sx + 5, sy + 5), (sx + 10, sy + 3)]]
    else:
        arms_back = [[(sx, sy), (sx + 2, sy + 6), (sx + 6, sy + 8)]]
        arms_front = [[(sx, sy), (sx - 3, sy + 6), (sx - 1, sy + 10)]]
    for arm in arms_back:
        p.limb(arm, NAVY, 3.2)
    # Body: jacket with belt and badge.
    p.rect(sx - 5, sy - 3, sx + 5, hip[1] + 1, NAVY, radius=3, outline=INK, width=0.6)
    p.rect(sx - 5, hip[1] - 3, sx + 5, hip[1] - 1, NAVY_DARK)
    p.rect(sx - 1, hip[1] - 3, sx + 1, hip[1] - 1, GOLD)
    p.circle(sx + 2.5, sy + 2.5, 1.3, GOLD)
    for arm in arms_front:
        p.limb(arm, NAVY, 3.2)
        p.circle(arm[-1][0], arm[-1][1], 1.7, SKIN, INK, 0.5)
    # Head with the peaked cap.
    hx, hy = sx + 1, sy - 8
    p.circle(hx, hy, 5.2, SKIN, INK, 0.6)
    p.poly([(hx - 5.8, hy - 1.5), (hx - 5, hy - 6), (hx, hy - 8.2), (hx + 5, hy - 6), (hx + 5.8, hy - 1.5)],
           NAVY, INK, 0.5)
    p.rect(hx - 5.8, hy - 2.6, hx + 5.8, hy - 1, NAVY_DARK)
    p.poly([(hx + 3, hy - 2), (hx + 9, hy - 1), (hx + 3, hy - 0.6)], INK)   # peak
    p.circle(hx, hy - 5, 1.3, GOLD)
    if pose == 2:   # eyes looking about, a small mouth, a question mark above
        p.circle(hx - 1.8, hy + 1, 0.8, INK)
        p.circle(hx + 2.2, hy + 1, 0.8, INK)
        p.arc(hx + 0.2, hy + 4.6, 1.6, 200, 340, INK, 0.7)
        p.text(hx + 12, hy - 1, "?", 11, ACCENT, stroke=0.7, stroke_fill=WHITE)
    else:
        p.circle(hx + 2.6, hy + 0.5, 0.8, INK)
        p.line([(hx + 1.5, hy + 3.2), (hx + 3.5, hy + 3)], INK, 0.7)
        # Whistle cord and a puff of speed behind.
        p.line([(hx - 11, hy + 10), (hx - 15, hy + 10)], mix(NAVY, WHITE, 0.6), 0.9)
        p.line([(hx - 12, hy + 14), (hx - 17, hy + 14)], mix(NAVY, WHITE, 0.6), 0.9)


def thief(p, pose, x=0):
    """The thief: striped jumper, black beanie and eye mask, a sack of loot on his back.
    pose 0 and 1 run; "caught" throws up his hands; "cuffed" stands with his hands chained;
    "free" leaps for joy with the sack held high."""
    hip = (26 + x, 27)
    sx, sy = 26 + x, 17
    if pose in ("caught", "cuffed"):
        for dx in (-2.5, 2.5):
            p.limb([(hip[0] + dx * 0.4, hip[1]), (hip[0] + dx, hip[1] + 11)], STRIPE_DARK, 3.8)
            p.ellipse(hip[0] + dx * 1.2, hip[1] + 11.6, 2.8, 1.7, SHOE)
    elif pose == "free":
        hip = (26 + x, 25)
        sy = 15
        p.limb([(hip[0], hip[1]), (hip[0] + 5, hip[1] + 5), (hip[0] + 3, hip[1] + 10)], STRIPE_DARK, 3.6)
        p.limb([(hip[0] - 1, hip[1]), (hip[0] - 6, hip[1] + 3), (hip[0] - 8, hip[1] + 8)], STRIPE_DARK, 3.6)
        p.ellipse(hip[0] + 4.5, hip[1] + 10.6, 2.8, 1.7, SHOE)
        p.ellipse(hip[0] - 6.5, hip[1] + 8.6, 2.8, 1.7, SHOE)
    else:
        _run_legs(p, hip, pose, STRIPE_DARK, SHOE)
    # The sack behind the shoulders (held up high when free, dropped when caught).
    if pose in (0, 1):
        p.ellipse(sx - 7, sy + 1, 6, 6.5, SACK, INK, 0.6)
        p.poly([(sx - 3, sy - 5), (sx - 1, sy - 7), (sx + 0.5, sy - 4.5)], SACK_DARK, INK, 0.4)
        p.text(sx - 7, sy + 1.5, "$", 7, SACK_DARK)
    elif pose in ("caught", "cuffed"):
        p.ellipse(sx - 14, hip[1] + 7.5, 5.5, 5, SACK, INK, 0.6)
        p.text(sx - 14, hip[1] + 8, "$", 6.5, SACK_DARK)
    # Arms.
    if pose == 0:
        back = [(sx - 1, sy), (sx - 5, sy + 6), (sx - 9, sy + 6)]
        front = [(sx + 1, sy), (sx + 5, sy + 5), (sx + 10, sy + 2)]
    elif pose == 1:
        back = [(sx, sy), (sx + 3, sy + 6), (sx + 7, sy + 7)]
        front = [(sx, sy), (sx - 3, sy + 6), (sx - 1, sy + 10)]
    elif pose == "caught":
        back = [(sx - 2, sy), (sx - 7, sy - 5), (sx - 8, sy - 11)]
        front = [(sx + 2, sy), (sx + 7, sy - 5), (sx + 8, sy - 11)]
    elif pose == "cuffed":
        back = [(sx - 3, sy), (sx - 6.5, sy + 8), (sx - 2.6, sy + 14)]
        front = [(sx + 3, sy), (sx + 6.5, sy + 8), (sx + 2.6, sy + 14)]
    else:   # free
        back = [(sx - 2, sy), (sx - 7, sy - 4), (sx - 9, sy - 9)]
        front = [(sx + 2, sy), (sx + 6, sy - 5), (sx + 7, sy - 10)]
    p.limb(back, STRIPE_LIGHT, 3.2)
    # Body: the striped jumper.
    p.rect(sx - 5, sy - 3, sx + 5, hip[1] + 1, STRIPE_LIGHT, radius=3, outline=INK, width=0.6)
    for k in range(3):
        y = sy - 0.5 + k * 3.4
        p.rect(sx - 4.6, y, sx + 4.6, y + 1.5, STRIPE_DARK)
    p.limb(front, STRIPE_LIGHT, 3.2)
    for hand in (back[-1], front[-1]):
        p.circle(hand[0], hand[1], 1.7, SKIN, INK, 0.5)
    if pose == "cuffed":   # the handcuffs: two silver rings and a short chain
        p.line([(sx - 1, sy + 13), (sx + 1, sy + 13)], (214, 220, 228), 1.0)
        for cx in (sx - 2.8, sx + 2.8):
            p.circle(cx, sy + 12.6, 2.2, None, INK, 1.8)
            p.circle(cx, sy + 12.6, 2.0, None, (226, 230, 236), 1.0)
    if pose == "free":     # the sack swung over his head
        p.ellipse(sx + 10, sy - 14, 5.5, 5, SACK, INK, 0.6)
        p.text(sx + 10, sy - 13.5, "$", 6.5, SACK_DARK)
    # Head: beanie and mask.
    hx, hy = sx + 1, sy - 8
    p.circle(hx, hy, 5.2, SKIN, INK, 0.6)
    p.poly([(hx - 5.6, hy - 1.5), (hx - 4.5, hy - 6.5), (hx + 0.5, hy - 8.4), (hx + 5, hy - 6),
            (hx + 5.6, hy - 1.5)], (50, 52, 62), INK, 0.5)
    p.circle(hx - 3.5, hy - 7.6, 1.6, (210, 70, 60))     # the beanie's bobble
    p.rect(hx - 5.4, hy - 1.2, hx + 5.6, hy + 1.6, (24, 26, 32), radius=1)   # eye mask
    if pose in (0, 1):
        p.circle(hx + 3, hy + 0.2, 0.8, WHITE)
        p.arc(hx + 2, hy + 3.3, 1.4, 20, 160, INK, 0.7)   # a grin
    elif pose == "caught":
        p.circle(hx - 1.8, hy + 0.2, 0.9, WHITE)
        p.circle(hx + 2.2, hy + 0.2, 0.9, WHITE)
        p.ellipse(hx + 0.2, hy + 3.6, 1.2, 1.4, INK)        # open mouth
        p.text(hx + 11, hy - 2, "!", 10, RED, stroke=0.6, stroke_fill=WHITE)
    elif pose == "cuffed":
        p.circle(hx - 1.8, hy + 0.4, 0.8, WHITE)
        p.circle(hx + 2.2, hy + 0.4, 0.8, WHITE)
        p.arc(hx + 0.2, hy + 5.2, 2.2, 205, 335, INK, 0.9)    # a frown
        p.ellipse(hx + 6.5, hy - 3, 0.9, 1.4, (130, 190, 240))   # a sweat drop
    else:
        p.circle(hx - 1.8, hy + 0.2, 0.8, WHITE)
        p.circle(hx + 2.2, hy + 0.2, 0.8, WHITE)
        p.arc(hx + 0.2, hy + 2.4, 2, 20, 160, INK, 0.8)
        for k, (tx, ty) in enumerate(((hx - 13, hy - 4), (hx + 15, hy + 4), (hx - 11, hy + 9))):
            p.text(tx, ty, "*", 7, (GOLD, ACCENT, GOLD)[k])


FIGURE_W, FIGURE_H = 52, 41     # Image_Police, Image_Chief: 780 x 615


@frame(5, FIGURE_W, FIGURE_H)
def police_run_a(img):
    figure(img, lambda p: police(p, 0))


@frame(6, FIGURE_W, FIGURE_H)
def police_run_b(img):
    figure(img, lambda p: police(p, 1))


@frame(7, FIGURE_W, FIGURE_H)
def thief_run_a(img):
    figure(img, lambda p: thief(p, 0))


@frame(8, FIGURE_W, FIGURE_H)
def thief_run_b(img):
    figure(img, lambda p: thief(p, 1))


@frame(9, FIGURE_W, FIGURE_H)
def police_after_win(img):
    figure(img, lambda p: police(p, 2, x=-2))


def _on_mask(w, h, draw):
    img = Image.new("RGB", (w, h), MASK)
    figure(img, draw)
    return img


def jail_bars(p, x0, x1):
    """The bars of a cell in front of the caught thief."""
    steel, light = (96, 104, 118), (176, 184, 196)
    for x in range(int(x0), int(x1) + 1, 6):
        p.line([(x, 3), (x, 39)], INK, 2.0)
        p.line([(x, 3), (x, 39)], steel, 1.2)
        p.line([(x - 0.3, 4), (x - 0.3, 38)], light, 0.4)
    for y in (3, 39):
        p.rect(x0 - 1.5, y - 1.2, x1 + 1.5, y + 1.2, steel, radius=0.6, outline=INK, width=0.5)


@bitmap("pt1", FIGURE_W, FIGURE_H)     # the thief after the catch: behind bars
def thief_cuffed(img):
    def draw(p):
        thief(p, "cuffed", x=0)
        jail_bars(p, 12, 42)
    return _on_mask(FIGURE_W, FIGURE_H, draw)


@bitmap("pt2", FIGURE_W, FIGURE_H)     # the thief after a won game: away with the loot
def thief_free(img):
    return _on_mask(FIGURE_W, FIGURE_H, lambda p: thief(p, "free", x=-1))


@bitmap("pt3", FIGURE_W, FIGURE_H)     # the thief as he is caught
def thief_caught(img):
    return _on_mask(FIGURE_W, FIGURE_H, lambda p: thief(p, "caught", x=-1))


@bitmap("pt4", 8, 42)                  # Image_Game_Police_Stop: 120 x 630, the halt sign
def halt_sign(img):
    def draw(p):
        # A red and white striped post under a round red sign with a white bar.
        p.rect(2.6, 7, 5.4, 40, WHITE, outline=INK, width=0.5)
        for k in range(5):
            y = 10 + k * 6
            p.rect(2.9, y, 5.1, y + 3, RED)
        p.rect(1, 39.5, 7, 41.6, (90, 96, 104), radius=0.8)
        p.circle(4, 4.2, 3.9, RED, WHITE, 0.7)
        p.rect(1.8, 3.5, 6.2, 4.9, WHITE)
    return _on_mask(8, 42, draw)


# ---------------------------------------------------------------------------------------------
# Balloons and wolves: the piglet at the lower right (34 x 37), the wolves on the ridge (38 x 38).

ANIMAL_W, ANIMAL_H = 34, 37     # Image_Right_Down_Apple: 510 x 555


def piglet(p, pose):
    """The piglet, facing left towards the wolves. pose 0 and 1 wag the tail and flick an ear;
    "hit" is dizzy under a bump, "down" lies flat seeing stars."""
    if pose == "down":
        p.ellipse(17, 30, 14, 6, PIG, INK, 0.7)
        for lx in (8, 13, 21, 26):
            p.limb([(lx, 33), (lx + 1.5, 35.5)], PIG_DARK, 2.4)
        p.circle(7, 27, 6.2, PIG, INK, 0.7)
        p.ellipse(3.2, 28.5, 2.4, 1.9, PIG_DARK, INK, 0.5)
        for ex, ey in ((6, 25.2), (9.5, 25.6)):
            p.line([(ex - 1, ey - 1), (ex + 1, ey + 1)], INK, 0.7)
            p.line([(ex - 1, ey + 1), (ex + 1, ey - 1)], INK, 0.7)
        for k, (tx, ty) in enumerate(((9, 16), (16, 13), (23, 18))):
            p.text(tx, ty, "*", 8, (GOLD, ACCENT, GOLD)[k], stroke=0.3, stroke_fill=INK)
        return
    by = 23 if pose != "hit" else 24
    # Legs, body, the curly tail.
    legs = (8, 13, 21, 26)
    for k, lx in enumerate(legs):
        dy = 0.8 if (pose == 1 and k % 2 == 0) else 0
        p.limb([(lx, by + 5), (lx, by + 11 - dy)], PIG_DARK, 2.6)
    p.ellipse(18, by, 13, 9, PIG, INK, 0.7)
    tail = [(31, by - 2), (33, by - 4), (32.6, by - 6.5)] if pose != 1 else \
           [(31, by - 2), (33.3, by - 2.6), (33.2, by - 5.5)]
    p.line(tail, PIG_DARK, 1.1)
    # Head at the left with snout and ears.
    hx, hy = 9, by - 6
    p.circle(hx, hy, 7.2, PIG, INK, 0.7)
    ear_back = [(hx + 2, hy - 6), (hx + 6.5, hy - 10.5), (hx + 6, hy - 4.5)]
    ear_front = [(hx - 3, hy - 6), (hx - 5 if pose != 1 else hx - 6.5, hy - 11.5),
                 (hx + 1, hy - 6.5)]
    p.poly(ear_back, PIG_DARK, INK, 0.5)
    p.poly(ear_front, PIG, INK, 0.5)
    p.ellipse(hx - 5, hy + 2, 3, 2.4, PIG_DARK, INK, 0.5)
    p.circle(hx - 5.9, hy + 2, 0.6, INK)
    p.circle(hx - 4.1, hy + 2, 0.6, INK)
    p.circle(hx + 4, hy + 3.2, 1.4, (250, 150, 160))   # blush
    if pose == "hit":
        for ex in (hx - 2.2, hx + 1.8):   # dizzy spiral eyes
            p.arc(ex, hy - 1.4, 1.3, 0, 300, INK, 0.6)
        p.arc(hx - 1, hy + 5.8, 1.5, 200, 340, INK, 0.7)
        p.ellipse(hx + 1, hy - 8, 2.4, 1.6, mix(PIG_DARK, RED, 0.4), INK, 0.5)   # the bump
        for k, (tx, ty) in enumerate(((hx - 6, hy - 11), (hx + 8, hy - 12), (hx + 13, hy - 7))):
            p.text(tx, ty, "*", 7, (GOLD, ACCENT, GOLD)[k], stroke=0.3, stroke_fill=INK)
    else:
        blink = pose == 1
        for ex in (hx - 2.2, hx + 1.8):
            if blink and ex > hx:
                p.line([(ex - 0.9, hy - 1.2), (ex + 0.9, hy - 1.2)], INK, 0.6)
            else:
                p.circle(ex, hy - 1.4, 0.9, INK)
        p.arc(hx - 1, hy + 3.6, 1.6, 20, 160, INK, 0.7)


@frame(1, ANIMAL_W, ANIMAL_H)
def piglet_a(img):
    figure(img, lambda p: piglet(p, 0))


@frame(2, ANIMAL_W, ANIMAL_H)
def piglet_b(img):
    figure(img, lambda p: piglet(p, 1))


@bitmap("applea3", ANIMAL_W, ANIMAL_H)   # struck by the stone
def piglet_hit(img):
    return _on_mask(ANIMAL_W, ANIMAL_H, lambda p: piglet(p, "hit"))


@bitmap("applea4", ANIMAL_W, ANIMAL_H)   # knocked flat
def piglet_down(img):
    return _on_mask(ANIMAL_W, ANIMAL_H, lambda p: piglet(p, "down"))


def wolf(p, pose):
    """A grey wolf prowling to the right along the ridge; pose 0 and 1 step and swish the tail."""
    by = 19
    # Legs as (hip x, knee, paw) offsets: back legs bend backwards at the hock, front legs are
    # straight; the two poses swap which leg of each pair reaches forward.
    reach = 2.2 if pose == 0 else -2.2
    back = [(10, reach), (12, -reach)]
    front = [(22, -reach), (24, reach)]

    def back_leg(x, r, colour):
        p.limb([(x, by + 3), (x - 2 + r * 0.4, by + 9), (x + r, by + 14.5)], colour, 2.4)
        p.ellipse(x + r + 0.8, by + 15, 1.8, 1, INK)

    def front_leg(x, r, colour):
        p.limb([(x, by + 3), (x + r * 0.5, by + 9), (x + r, by + 14.5)], colour, 2.3)
        p.ellipse(x + r + 0.8, by + 15, 1.8, 1, INK)

    back_leg(back[0][0], back[0][1], WOLF_DARK)
    front_leg(front[0][0], front[0][1], WOLF_DARK)
    # A bushy tail, swishing.
    tip = (1.2, by - 7) if pose == 0 else (1.5, by + 1)
    tail = [(6, by - 2), (2.6, (by - 2 + tip[1]) / 2 - 0.5), tip]
    p.line(tail, INK, 5.2)
    p.line(tail, WOLF, 4.2)
    p.circle(tip[0], tip[1], 1.4, WOLF_LIGHT)
    # Body with a pale belly and a darker back.
    p.ellipse(16, by, 11, 6, WOLF, INK, 0.7)
    p.ellipse(16.5, by - 3.2, 8, 2.2, WOLF_DARK)
    p.ellipse(17, by + 2.8, 7.5, 2.4, WOLF_LIGHT)
    back_leg(back[1][0], back[1][1], WOLF)
    front_leg(front[1][0], front[1][1], WOLF)
    # Head with pointed ears, a long snout and a yellow eye.
    hx, hy = 28, by - 7
    p.poly([(hx - 4, hy - 3), (hx - 3, hy - 10), (hx + 0.5, hy - 4)], WOLF_DARK, INK, 0.5)
    p.circle(hx, hy, 5.2, WOLF, INK, 0.7)
    p.poly([(hx - 1, hy - 4), (hx + 1.5, hy - 10.5), (hx + 4, hy - 3)], WOLF, INK, 0.5)
    p.poly([(hx + 0.6, hy - 8), (hx + 1.6, hy - 9.5), (hx + 2.6, hy - 4.6)], mix(WOLF, PIG, 0.5))
    p.poly([(hx + 2, hy - 2.5), (hx + 9.5, hy + 1), (hx + 9, hy + 3.5), (hx + 2.5, hy + 4.5)],
           WOLF, INK, 0.6)
    p.poly([(hx + 1.5, hy + 1.2), (hx + 8.5, hy + 2.6), (hx + 2.5, hy + 4.5)], WOLF_LIGHT)
    p.circle(hx + 9, hy + 1.4, 1.1, INK)
    p.ellipse(hx + 1.4, hy - 1.5, 1.5, 1.1, (250, 214, 70), INK, 0.4)
    p.circle(hx + 1.8, hy - 1.5, 0.5, INK)
    p.line([(hx - 0.4, hy - 3.4), (hx + 3, hy - 2.6)], INK, 0.6)   # a sly brow
    if pose == 1:   # a flash of teeth
        p.poly([(hx + 5, hy + 3.4), (hx + 5.8, hy + 4.8), (hx + 6.6, hy + 3.2)], WHITE)


WOLF_W, WOLF_H = 38, 38    # Image_Wolf: 570 x 570


@frame(3, WOLF_W, WOLF_H)
def wolf_a(img):
    figure(img, lambda p: wolf(p, 0))


@frame(4, WOLF_W, WOLF_H)
def wolf_b(img):
    figure(img, lambda p: wolf(p, 1))


# Balloons: one per letter, in turning colours, the letter large and white with a dark rim.
BALLOON_COLOURS = [(226, 72, 64), (240, 150, 50), (218, 168, 24), (96, 176, 80), (52, 152, 200),
                   (112, 104, 200), (214, 96, 160), (40, 150, 140)]
BALLOON = 38     # Image_Char: 570 x 570


def balloon(p, colour, letter):
    cx, cy = 19, 16
    # String and knot.
    p.line([(cx, cy + 16), (cx - 1.5, cy + 18.5), (cx + 1, cy + 20.5), (cx, cy + 21.8)], (110, 110, 120), 0.8)
    p.poly([(cx - 1.6, cy + 16.6), (cx + 1.6, cy + 16.6), (cx, cy + 14)], mix(colour, INK, 0.3))
    p.ellipse(cx, cy, 14.2, 15.4, colour, mix(colour, INK, 0.45), 0.9)
    # Shine.
    p.ellipse(cx - 7.5, cy - 7, 2.6, 4, mix(colour, WHITE, 0.55))
    p.text(cx + 0.5, cy + 0.8, letter, 21, WHITE, stroke=1.4, stroke_fill=mix(colour, INK, 0.6))


def _register_balloon(k):
    @bitmap("apple%d" % k, BALLOON, BALLOON)
    def draw(img):
        colour = BALLOON_COLOURS[k % len(BALLOON_COLOURS)]
        return _on_mask(BALLOON, BALLOON, lambda p: balloon(p, colour, chr(65 + k)))


for _k in range(26):
    _register_balloon(_k)


@bitmap("applel1", BALLOON, BALLOON)     # a hit balloon: the pop
def balloon_pop(img):
    def draw(p):
        cx, cy = 19, 18
        pts = []
        for k in range(18):
            a = -math.pi / 2 + k * math.pi / 9
            r = (17 if k % 4 == 0 else 14.5) if k % 2 == 0 else 7.5
            pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
        p.poly(pts, GOLD, INK, 0.8)
        inner = [(cx + (x - cx) * 0.6, cy + (y - cy) * 0.6) for x, y in pts]
        p.poly(inner, (255, 246, 200))
        # Scraps of the balloon flying off.
        for k, a in enumerate(range(15, 360, 45)):
            r = math.radians(a)
            x, y = cx + 11 * math.cos(r), cy + 11 * math.sin(r)
            colour = BALLOON_COLOURS[k % len(BALLOON_COLOURS)]
            p.poly([(x - 1.6, y - 1), (x + 1.8, y - 1.6), (x + 1, y + 1.8)], colour, INK, 0.4)
        p.circle(cx, cy, 3, WHITE)
    return _on_mask(BALLOON, BALLOON, draw)


@bitmap("applex1", 38, 38)    # Image_Stone: 570 x 570
def stone(img):
    def draw(p):
        pts = [(6, 20), (9, 10), (17, 5), (27, 6), (33, 13), (34, 24), (28, 32), (16, 34), (8, 29)]
        p.poly(pts, (140, 138, 132), INK, 1.0)
        p.poly([(9, 12), (17, 7), (26, 8), (20, 14), (12, 17)], (178, 176, 170))
        p.poly([(14, 30), (27, 29), (31, 22), (28, 31), (17, 33)], (110, 108, 104))
        for x, y, r in ((22, 20, 1.4), (14, 23, 1), (27, 15, 0.9)):
            p.circle(x, y, r, (112, 110, 104))
        # Speed lines above: it is falling.
        for x in (12, 19, 26):
            p.line([(x, 0.6), (x, 3)], (150, 160, 166), 0.9)
    return _on_mask(38, 38, draw)


# ---------------------------------------------------------------------------------------------
# Frogs: on a boat (32 x 35), arrived on the far bank (32 x 35), on the far-bank board (37 x 35)
# and on the start point of the near bank (159 x 45).

def frog(p, cx, base, pose, scale=1.0):
    """A green frog sitting up, seen from the front. pose "sit"/"blink" (on a boat), "cheer"/
    "wave" (arrived), "ready"/"crouch" (about to jump)."""
    s = scale
    crouch = pose == "crouch"
    by = base - (9 if not crouch else 7.5) * s
    # Back legs folded at the sides, front feet.
    for sx in (-1, 1):
        p.ellipse(cx + sx * 9 * s, base - 4 * s, 5.2 * s, 3.6 * s, FROG_DARK, INK, 0.6)
        p.ellipse(cx + sx * 11.5 * s, base - 0.8 * s, 3.6 * s, 1.4 * s, FROG_DARK)
    p.ellipse(cx, by, 10.5 * s, (9 if not crouch else 7.8) * s, FROG, INK, 0.7)
    p.ellipse(cx, by + 3 * s, 6.5 * s, 4.6 * s, FROG_LIGHT)
    # Arms.
    if pose == "cheer":
        arms = [[(cx - 6 * s, by - 1 * s), (cx - 11 * s, by - 8 * s)],
                [(cx + 6 * s, by - 1 * s), (cx + 11 * s, by - 8 * s)]]
    elif pose == "wave":
        arms = [[(cx - 6 * s, by + 1 * s), (cx - 8 * s, by + 7 * s)],
                [(cx + 6 * s, by - 1 * s), (cx + 12 * s, by - 6 * s)]]
    else:
        arms = [[(cx - 5 * s, by + 2 * s), (cx - 6 * s, by + 8.2 * s)],
                [(cx + 5 * s, by + 2 * s), (cx + 6 * s, by + 8.2 * s)]]
    for arm in arms:
        p.limb(arm, FROG, 2.2 * s)
        p.circle(arm[-1][0], arm[-1][1], 1.5 * s, FROG_DARK)
    # Head with the big eyes on top.
    hy = by - 8 * s
    p.ellipse(cx, hy + 1 * s, 9 * s, 6 * s, FROG, INK, 0.7)
    for sx in (-1, 1):
        ex = cx + sx * 5 * s
        p.circle(ex, hy - 3 * s, 3.4 * s, FROG, INK, 0.6)
        if pose == "blink":
            p.line([(ex - 2 * s, hy - 3 * s), (ex + 2 * s, hy - 3 * s)], INK, 0.8)
        else:
            p.circle(ex, hy - 3 * s, 2.3 * s, WHITE)
            p.circle(ex + 0.3 * s, hy - 2.8 * s, 1.2 * s, INK)
    if pose in ("cheer", "wave"):
        p.ellipse(cx, hy + 3 * s, 3.6 * s, 1.8 * s, (200, 70, 80), INK, 0.5)   # a wide happy mouth
    else:
        p.arc(cx, hy + 0.8 * s, 4 * s, 30, 150, INK, 0.8)
    for sx in (-1, 1):
        p.circle(cx + sx * 6.5 * s, hy + 2.6 * s, 1.1 * s, (240, 150, 150))


@frame(12, 32, 35)
def frog_boat_a(img):
    figure(img, lambda p: frog(p, 16, 34, "sit"))


@frame(13, 32, 35)
def frog_boat_b(img):
    figure(img, lambda p: frog(p, 16, 34, "blink"))


@frame(14, 32, 35)
def frog_arrived_a(img):
    figure(img, lambda p: frog(p, 16, 34, "cheer", 0.92))


@frame(15, 32, 35)
def frog_arrived_b(img):
    figure(img, lambda p: frog(p, 16, 34, "wave", 0.92))


@frame(16, 37, 35)
def frog_board_a(img):
    figure(img, lambda p: frog(p, 18.5, 34, "sit"))


@frame(17, 37, 35)
def frog_board_b(img):
    figure(img, lambda p: frog(p, 18.5, 34, "cheer"))


START_POINT = (191, 319, 159, 45)   # Image_Game_Frog_Down: 2865, 4785, 2385 x 675


def start_point(pose):
    """The start point of the near bank with the frog ready on its lily pad: the empty start
    point "frog4" (frog_scene.py) under it, so the frames sit exactly on their place."""
    _, _, w, h = START_POINT
    img = render("frog4").copy()
    figure(img, lambda p: frog(p, w / 2, h - 6, pose, 1.05), hard=False)
    return img


@frame(18, 159, 45)
def frog_start_a(img):
    return start_point("ready")


@frame(19, 159, 45)
def frog_start_b(img):
    return start_point("crouch")


# ---------------------------------------------------------------------------------------------
# The game buttons' hover and pressed looks, the same on the four game pages.

def _register_game_button_look(number):
    from sets.games import GAME_BUTTONS
    from artkit import button, look_picture
    box, glyph, text = GAME_BUTTONS[(number - 1) // 2]
    look = "hover" if number % 2 == 1 else "pressed"

    @bitmap("pps%d" % number, box[2], box[3])
    def draw(img):
        return look_picture(render("jc"), box, lambda part, b: button(
            part, b, look, glyph=glyph, text=text, row=True, radius=6, size=11))


for _n in range(1, 7):
    _register_game_button_look(_n)
