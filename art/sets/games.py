"""The four games' pages: backgrounds "jc" (police and thief), "pg" (balloons and wolves), "ds"
(mouse catching), "qw" (frog crossing), the balloon sky "pg3", the frog river "qw3", and the
covers "jc2", "pg2", "ds2", "qw2" shown over the play area until a game starts."""

import random

from PIL import ImageDraw

from artkit import (ACCENT, ACCENT_LIGHT, INK, TEAL, TEAL_DARK, TEAL_LIGHT, WHITE,
                    button, card, font, icon, key_cap, label, mist, mix, page_ground, shadowed_text,
                    smooth, vgradient)
from registry import bitmap
from sets.msgbox import creature
from sets.panels import field, px


# Games: the three game buttons lie in the left column of every game page.
GAME_BUTTONS = [(px(90, t, 735, 375), g, s) for t, g, s in
                ((405, "play", "开始"), (1005, "pause", "暂停"), (1605, "stop", "结束"))]


def game_column(img, title, h):
    card(img, (3, 4, 58, h - 5), fill=(250, 253, 250))
    label(img, (30, 15), title, size=11, fill=TEAL_DARK)
    for (x, y, w, hh), glyph, text in GAME_BUTTONS:
        button(img, (x, y, x + w - 1, y + hh - 1), "normal", glyph=glyph, text=text, row=True,
               radius=6, size=11)


@bitmap("jc", 631, 372)            # Picture_BG(3): 9465 x 5580
def police_page(img):
    img = page_ground(631, 372, seed=14)
    d = ImageDraw.Draw(img)
    for i, (fig_top, line_top) in enumerate(zip((210, 1500, 2820, 4140), (1110, 2400, 3720, 5040))):
        fy = fig_top // 15
        # A street: houses behind, the road the figures run on, the typing line below.
        for k in range(8):
            hx = 80 + k * 62 + (i * 17) % 30
            hh = 14 + (k * 7 + i * 5) % 12
            d.rectangle((hx, fy + 40 - hh, hx + 34, fy + 40), fill=mix((214, 232, 230), TEAL_LIGHT, 0.3))
            d.polygon([(hx - 3, fy + 40 - hh), (hx + 17, fy + 30 - hh), (hx + 37, fy + 40 - hh)],
                      fill=mix((196, 222, 220), TEAL, 0.25))
        d.rectangle((64, fy + 40, 618, fy + 56), fill=(168, 180, 184))
        for x in range(70, 612, 24):
            d.line((x, fy + 48, x + 12, fy + 48), fill=WHITE, width=2)
        field(img, px(990, line_top, 8235, 285))
        # The finish flag at the end of each street.
        icon(img, "flag", (598, fy + 18, 618, fy + 40), color=TEAL_DARK)
    game_column(img, "警察", 372)
    return img


@bitmap("pg", 629, 371)            # Picture_BG(4): 9435 x 5565
def balloon_page(img):
    img = page_ground(629, 371, seed=15)
    d = ImageDraw.Draw(img)
    # The wolves' ridge along the top, the meadow along the bottom, the sky box between.
    d.rectangle((64, 8, 622, 52), fill=(196, 214, 190))
    for x in range(64, 622, 18):
        d.polygon([(x, 52), (x + 9, 40 + (x * 7) % 8), (x + 18, 52)], fill=(150, 180, 140))
    d.rectangle((64, 360, 622, 370), fill=(150, 190, 120))
    x, y, w, h = px(990, 855, 7350, 4545)
    d.rounded_rectangle((x - 3, y - 3, x + w + 2, y + h + 2), radius=6, outline=TEAL_LIGHT, width=2)
    label(img, (596, 70), "分钟", size=11, fill=TEAL_DARK)
    game_column(img, "气球", 371)
    return img


@bitmap("pg3", 490, 303)           # Picture_Game_Apple_BG: 7350 x 4545
def balloon_sky(img):
    vgradient(img, (0, 0, 490, 303), (190, 226, 240), (236, 246, 244))
    d = ImageDraw.Draw(img)
    for cx, cy, s in ((80, 60, 1.0), (300, 40, 1.3), (420, 130, 0.8), (180, 170, 0.9)):
        for dx, dy, r in ((0, 0, 16), (18, -6, 20), (38, 0, 15)):
            d.ellipse((cx + dx * s - r * s, cy + dy * s - r * s, cx + dx * s + r * s, cy + dy * s + r * s),
                      fill=WHITE)
    d.rectangle((0, 280, 490, 303), fill=(170, 206, 140))


def _meadow(img, box, seed, flowers=True):
    """Grass tufts and a few small flowers scattered over a meadow."""
    rnd = random.Random(seed)
    d = ImageDraw.Draw(img)
    x0, y0, x1, y1 = box
    for _ in range((x1 - x0) * (y1 - y0) // 900):
        x, y = rnd.uniform(x0 + 4, x1 - 4), rnd.uniform(y0 + 6, y1 - 2)
        g = mix((120, 170, 100), (90, 150, 90), rnd.random())
        for dx in (-3, 0, 3):
            d.line((x, y, x + dx, y - 5 - abs(dx)), fill=g)
        if flowers and rnd.random() < 0.15:
            c = rnd.choice(((250, 250, 240), ACCENT_LIGHT, (240, 190, 210)))
            d.ellipse((x + 3, y - 8, x + 7, y - 4), fill=c)


HOLES = [(1335, 2010), (2955, 1875), (4590, 1905), (6285, 2055), (8145, 2355), (1350, 3135),
         (2880, 3075), (4380, 3150), (6030, 3180), (7200, 3570), (1305, 4275), (2835, 4305),
         (4365, 4290), (5910, 4275), (8145, 4245)]


# A hole within its mouse image (61 x 73 at the hole's place): the earth rim and the dark opening
# (the mice of mouse.py are cut off at the opening's near edge).
HOLE_RIM = (4, 57, 57, 75)
HOLE_INNER = (9, 60, 52, 72)
# The flower bed along the top, where a flower comes out for each mouse that gets away.
FLOWER_BED = (62, 6, 626, 66)


@bitmap("ds", 631, 371)            # Picture_BG(5): 9465 x 5565
def mouse_page(img):
    img = page_ground(631, 371, seed=16)
    d = ImageDraw.Draw(img)
    x0, y0, x1, y1 = FLOWER_BED
    vgradient(img, (x0, y1, x1, 368), (200, 228, 176), (160, 204, 140))
    vgradient(img, (x0, y0, x1, y1 - 8), (236, 246, 238), (214, 236, 222))
    vgradient(img, (x0, y1 - 8, x1, y1), (150, 118, 84), (118, 90, 62))   # the bed's earth
    for x in range(x0 + 6, x1 - 4, 13):
        d.ellipse((x, y1 - 6, x + 4, y1 - 4), fill=(170, 138, 100))
    _meadow(img, (x0, y1, x1, 368), seed=3)
    for hx, hy in HOLES:
        x, y = hx // 15, hy // 15
        rx0, ry0, rx1, ry1 = HOLE_RIM
        ix0, iy0, ix1, iy1 = HOLE_INNER
        d.ellipse((x + rx0, y + ry0, x + rx1, y + ry1), fill=(110, 84, 60))
        d.ellipse((x + ix0, y + iy0, x + ix1, y + iy1), fill=(60, 44, 32))
    game_column(img, "捉鼠", 371)
    return img


@bitmap("qw", 629, 373)            # Picture_BG(6): 9435 x 5595
def frog_page(img):
    img = page_ground(629, 373, seed=17)
    d = ImageDraw.Draw(img)
    vgradient(img, (64, 11, 616, 56), (196, 226, 180), (170, 210, 150))   # far bank
    vgradient(img, (64, 320, 616, 364), (170, 210, 150), (150, 196, 130))  # near bank
    x, y, w, h = px(960, 840, 8265, 3975)
    d.rectangle((x - 2, y - 2, x + w + 1, y + h + 1), outline=TEAL_LIGHT)
    _meadow(img, (64, 11, 616, 56), seed=5, flowers=False)
    _meadow(img, (64, 322, 616, 364), seed=6, flowers=False)
    x, y, w, h = px(2865, 4785, 2385, 675)
    d.rounded_rectangle((x, y, x + w - 1, y + h - 1), radius=8, fill=(214, 196, 160), outline=(160, 130, 90))
    game_column(img, "青蛙", 373)
    return img


@bitmap("qw3", 551, 265)           # Picture_Game_Frog_BG(0): 8265 x 3975
def frog_river(img):
    vgradient(img, (0, 0, 551, 265), (120, 186, 200), (80, 150, 170))
    d = ImageDraw.Draw(img)
    for row in range(12):
        y = 12 + row * 21
        for k in range(8):
            x = (k * 73 + row * 29) % 551
            d.arc((x, y, x + 26, y + 8), 200, 340, fill=(170, 214, 222), width=1)


# Covers: the play area's title page until the first start (the frog cover's place, 960, 165,
# 8280 x 5295 twips; the other games' covers lie over the same play area).
COVER_W, COVER_H = 552, 353
COVERS = {
    "jc2": ("police", "警察抓小偷", ["照着每一行文字打字，打得又准又快，", "警察就能追上前面的小偷。",
                                     "打错了字，警察会被路障拦住一会儿。"]),
    "pg2": ("balloon", "气球与灰狼", ["气球带着字母慢慢飘起，", "按下气球上的字母就能射下它，",
                                     "别让山坡上的灰狼把气球抢走！"]),
    "ds2": ("mouse", "鼠洞捉鼠", ["老鼠从洞里探出头来时，", "按下它身上的字母就能捉住它。",
                                  "漏掉的老鼠会在上方开出一朵小花。"]),
    "qw2": ("frog", "青蛙过河", ["输入船上的单词，青蛙就跳上那条船，", "一行一行跳过河去，",
                                 "把所有的青蛙都送到对岸吧！"]),
}


def _register_cover(name):
    kind, title, rules = COVERS[name]

    @bitmap(name, COVER_W, COVER_H)
    def cover(img):
        mist(img, top=(236, 248, 246), bottom=(176, 214, 212), ridges=COVER_H - 60, seed=21,
             sun=(470, 70, 24))
        d = ImageDraw.Draw(img)
        d.rectangle((0, 0, COVER_W - 1, COVER_H - 1), outline=TEAL)
        smooth(img, (36, 60, 176, 200), lambda big, b: creature(big, kind, b, True))
        shadowed_text(img, (206, 92), title, font("cjk", 34), fill=TEAL_DARK, shadow=WHITE,
                      offset=1, blur=2, anchor="lm")
        d.line((208, 122, 420, 122), fill=ACCENT, width=2)
        for i, line in enumerate(rules):
            label(img, (208, 146 + i * 22), line, size=14, fill=INK, anchor="lm")
        card(img, (150, 256, 402, 300), radius=10)
        label(img, (172, 278), "按", size=15, fill=INK, anchor="lm")
        key_cap(img, (196, 264, 262, 292), "Enter", face=ACCENT_LIGHT, fnt=font("latin-bold", 12))
        label(img, (270, 278), "开始游戏", size=15, fill=TEAL_DARK, anchor="lm")
        label(img, (COVER_W / 2, 322), "也可以点左边的“开始”按钮；速度在“功能设置”中调整", size=11,
              fill=TEAL_DARK)
        return img


for _name in COVERS:
    _register_cover(_name)
