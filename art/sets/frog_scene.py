"""The frog crossing scene's named bitmaps: "frog1" the log raft every boat shows, "frog2" the
jetty on the far bank where a frog arrives, "frog3" a frog waiting on the near bank and "frog4"
the empty start point (the image-list frames 18 and 19 draw the ready frog on this same
picture, see sprites.py).

Positions are design twips / 15 on the frog page "qw" (Picture_BG(6)) and the river "qw3"."""

from PIL import Image

from artkit import INK, TEAL_DARK, mix
from registry import MASK, bitmap, render
from sets.sprites import FROG_LIGHT, START_POINT, figure, frog

WOOD = (196, 146, 92)
WOOD_LIGHT = (226, 184, 128)
WOOD_DARK = (136, 94, 56)
ROPE = (232, 214, 160)
PLATE = (255, 250, 236)         # the plate a word is written on: the word boxes lie over it
PLATE_EDGE = (170, 128, 80)
PAD = (92, 168, 84)
PAD_DARK = (60, 126, 64)

# Water around the raft's ends: the river's colour halfway down, where the middle row sails.
RIVER_H = 265
WATER = mix((120, 186, 200), (80, 150, 170), 128 / RIVER_H)

# The word box on a boat: design left 600, top 120, 1150 x 300 twips inside the 2040 x 555 boat.
BOAT_W, BOAT_H = 136, 37
BOAT_WORD = (40, 8, 77, 20)
# The far-bank board at 5070, 180 on the page: its word box 1635, 75, 1245 x 285, its frog
# 930, 0, 555 x 525.
BOARD = (338, 12, 258, 42)
BOARD_WORD = (109, 5, 83, 19)
BOARD_FROG = (62, 0, 37, 35)
# The start point on the page: sprites.START_POINT.
START = START_POINT


def plate(p, box, margin=3):
    """A cream plate with a wooden rim around a word box (x, y, w, h)."""
    x, y, w, h = box
    p.rect(x - margin, y - margin, x + w + margin - 1, y + h + margin - 1, PLATE_EDGE, radius=3)
    p.rect(x - margin + 1.2, y - margin + 1.2, x + w + margin - 2.2, y + h + margin - 2.2, PLATE,
           radius=2.2)


def nail(p, x, y):
    p.circle(x, y, 1.1, WOOD_DARK)
    p.circle(x - 0.3, y - 0.3, 0.45, WOOD_LIGHT)


@bitmap("frog1", BOAT_W, BOAT_H)        # Picture_Boat(1..6): 2040 x 555, a log raft
def raft(img):
    img.paste(WATER, (0, 0, BOAT_W, BOAT_H))

    def draw(p):
        # Four logs side by side along the raft, their cut ends rounded.
        for k in range(4):
            y0 = 1.2 + k * 8.7
            y1 = y0 + 8.2
            p.rect(1, y0, BOAT_W - 2, y1, WOOD_DARK, radius=4)
            p.rect(1.8, y0 + 0.7, BOAT_W - 2.8, y1 - 1.4, WOOD, radius=3.4)
            p.line([(6, y0 + 2.4), (BOAT_W - 8, y0 + 2.4)], WOOD_LIGHT, 1.2)     # shine
            for ex in (4.6, BOAT_W - 5.6):                                         # cut ends
                p.ellipse(ex, (y0 + y1) / 2, 2.6, 3.3, WOOD_LIGHT, WOOD_DARK, 0.6)
                p.circle(ex, (y0 + y1) / 2, 1.0, WOOD_DARK)
            for gx in (24 + 7 * k, 128 - 5 * k):                                  # grain knots
                p.ellipse(gx, y0 + 5.2, 2.2, 0.9, WOOD_DARK)
        # Rope lashings across the logs, on either side of the plate.
        for rx in (12, 30, 126):
            p.line([(rx, 0.6), (rx, BOAT_H - 1)], WOOD_DARK, 3.0)
            p.line([(rx, 0.6), (rx, BOAT_H - 1)], ROPE, 2.0)
            for k in range(1, 4):
                p.line([(rx - 1.2, k * 8.7 + 0.5), (rx + 1.2, k * 8.7 + 2.3)], WOOD_DARK, 0.6)
        plate(p, BOAT_WORD)
        for nx in (BOAT_WORD[0] - 0.6, BOAT_WORD[0] + BOAT_WORD[2] - 0.4):
            nail(p, nx, BOAT_WORD[1] - 1.5)
            nail(p, nx, BOAT_WORD[1] + BOAT_WORD[3] + 0.5)

    return figure(img, draw, hard=False)


@bitmap("frog2", BOARD[2], BOARD[3])    # Picture_Boat(0): 3870 x 630, the jetty on the far bank
def jetty(img):
    x, y, w, h = BOARD
    img = render("qw").crop((x, y, x + w, y + h))
    fx, fy, fw, fh = BOARD_FROG

    def draw(p):
        # Reeds at the water's edge, behind the jetty.
        for rx, top in ((10, 14), (16, 8), (22, 16), (236, 10), (243, 17), (249, 12)):
            p.line([(rx, h - 2), (rx + 1.5, top)], (84, 140, 70), 1.4)
            p.ellipse(rx + 1.6, top + 2.5, 1.4, 3.8, (140, 98, 60))
        # Posts, then the planked deck from the frog's place to beyond the word.
        for px_ in (50, 104, 206):
            p.rect(px_ - 2.4, 16, px_ + 2.4, h - 1, WOOD_DARK, radius=1.2)
            p.rect(px_ - 1.4, 17, px_ + 1.4, h - 2, WOOD, radius=0.8)
        p.rect(44, 29, 214, 37, WOOD_DARK, radius=2)
        p.rect(45, 30, 213, 35.6, WOOD, radius=1.6)
        for k in range(0, 17):
            gx = 54 + k * 10
            p.line([(gx, 30.4), (gx, 35.2)], WOOD_DARK, 0.7)
        p.line([(47, 31.2), (211, 31.2)], WOOD_LIGHT, 0.8)
        # A lily pad on the deck where the frog lands.
        cx = fx + fw / 2
        p.ellipse(cx, 31.5, 15, 4.2, PAD_DARK)
        p.ellipse(cx, 31, 14, 3.6, PAD)
        p.poly([(cx, 31), (cx + 6, 27.6), (cx + 9, 28.4)], PAD_DARK)
        # The word plate on its post, and the finish flag.
        for lx in (BOARD_WORD[0] + 8, BOARD_WORD[0] + BOARD_WORD[2] - 8):
            p.rect(lx - 1.6, 25, lx + 1.6, 31, WOOD_DARK, radius=0.8)
        plate(p, BOARD_WORD)
        for nx in (BOARD_WORD[0] + 3, BOARD_WORD[0] + BOARD_WORD[2] - 4):
            nail(p, nx, BOARD_WORD[1] - 1.3)
        p.line([(228, 3), (228, 36)], WOOD_DARK, 1.8)
        p.poly([(229, 3.5), (246, 8), (229, 12.5)], (206, 62, 54), INK, 0.5)
        p.ellipse(228, 37, 4, 1.4, WOOD_DARK)

    return figure(img, draw, hard=False)


FROG3_W, FROG3_H = 35, 38               # Image_RightDown_Frog: 525 x 570


@bitmap("frog3", FROG3_W, FROG3_H)      # a frog waiting its turn on the near bank
def waiting_frog(img):
    img = Image.new("RGB", (FROG3_W, FROG3_H), MASK)

    def draw(p):
        p.ellipse(17.5, 35.6, 17, 2.2, (96, 150, 82))      # its shadow on the grass
        frog(p, 17.5, 36, "sit", 1.12)

    return figure(img, draw)


@bitmap("frog4", START[2], START[3])    # Image_Game_Frog_Down: 2385 x 675, the start point
def start_point(img):
    x, y, w, h = START
    img = render("qw").crop((x, y, x + w, y + h))

    def draw(p):
        # A lily pad for the frog to sit on, in the middle of the mat.
        cx, cy = w / 2, h - 7
        p.ellipse(cx, cy + 0.8, 24, 6.4, PAD_DARK)
        p.ellipse(cx, cy, 23, 5.6, PAD)
        p.ellipse(cx - 5, cy - 1.4, 9, 1.8, mix(PAD, FROG_LIGHT, 0.5))
        p.poly([(cx, cy), (cx + 10, cy - 5.2), (cx + 15, cy - 4.6)], (214, 196, 160))
        p.text(w - 22, h - 12, "起点", 10, TEAL_DARK, kind="cjk")

    return figure(img, draw, hard=False)
