"""Backgrounds of the practice pages the shell slides in: articles ("wz", "wz2"), free typing
("zylr", its send panel "fs"), the two speed tests ("sd1", "sd2"), the records ("bgrecord" and
its selected tabs) and the four games ("jc", "pg", "ds", "qw", the balloon sky "pg3" and the
frog river "qw3"). Buttons at rest are part of the backgrounds."""

import math

from PIL import Image, ImageDraw

from artkit import (ACCENT, ACCENT_LIGHT, GREY, INK, PAPER, RED, TEAL, TEAL_DARK, TEAL_LIGHT,
                    WHITE, button, cached, card, crop_of, icon, label, mist, mix, page_ground,
                    status_strip, vgradient, well)
from registry import bitmap


def px(*twips):
    return tuple(int(round(t / 15)) for t in twips)


def field(img, box):
    """A well around a control given as (x, y, w, h)."""
    x, y, w, h = box
    well(img, (x - 3, y - 3, x + w + 2, y + h + 2))


def bar_groove(img, box):
    x, y, w, h = box
    ImageDraw.Draw(img).rounded_rectangle((x - 2, y - 2, x + w + 1, y + h + 1), radius=3, fill=WHITE,
                                          outline=TEAL_LIGHT)


def side_caption(img, x, y, text, color=TEAL_DARK):
    """A vertical caption beside a text box (two characters one above the other)."""
    for i, ch in enumerate(text):
        label(img, (x, y + i * 16), ch, size=13, fill=color)


# Articles: status strip shared by both layouts.
ARTICLE_STATUS = [("正确率", px(1980, 5235, 1065, 240)), ("进度", px(4800, 5250, 3135, 150)),
                  ("用时", px(8055, 5205, 1110, 240))]


def article_status(img, w, h):
    status_strip(img, (6, h - 32, w - 7, h - 5))
    cy = h - 18
    label(img, (20, cy), "课程", size=11, fill=GREY, anchor="lm")
    label(img, (112, cy), "正确率", size=11, fill=GREY, anchor="lm")
    label(img, (286, cy), "进度", size=11, fill=GREY, anchor="lm")
    bar_groove(img, px(4800, 5250, 3135, 150))
    label(img, (508, cy), "用时", size=11, fill=GREY, anchor="lm")


@bitmap("wz", 629, 373)            # Picture_BG(1): 9435 x 5595
def article_page(img):
    img = page_ground(629, 373, seed=8)
    card(img, (10, 6, 618, 168))
    field(img, px(765, 225, 7845, 1980))
    side_caption(img, 28, 60, "原稿")
    card(img, (10, 172, 618, 338))
    field(img, px(780, 2700, 7845, 2265))
    side_caption(img, 28, 230, "输入", color=ACCENT)
    article_status(img, 629, 373)
    return img


@bitmap("wz2", 633, 371)           # Picture_Article_BG_1: 9495 x 5565
def overwrite_page(img):
    img = page_ground(633, 371, seed=9)
    card(img, (10, 6, 622, 338))
    field(img, px(795, 300, 7830, 4665))
    side_caption(img, 28, 140, "照打", color=ACCENT)
    article_status(img, 633, 371)
    return img


# Free typing.
FREE_TOP = [(px(135, 135, 450, 465), "play"), (px(570, 135, 450, 465), "pause"),
            (px(1020, 135, 450, 465), "stop")]
FREE_SIDE = [(px(150, t, 1275, 405), g, s) for t, g, s in
             ((2880, "book", "打开"), (3330, "check", "保存"), (4230 - 450, "mail", "发送"),
              (4230, "en", "字体"), (4680, "star", "颜色"), (5130, "more", "底色"))]


@bitmap("zylr", 630, 376)          # Picture_BG(2): 9450 x 5640
def free_page(img):
    img = page_ground(630, 376, seed=10)
    card(img, (4, 4, 100, 371))
    for box, glyph in FREE_TOP:
        x, y, w, h = box
        button(img, (x, y, x + w - 1, y + h - 1), "normal", glyph=glyph, radius=6)
    for (cap, y), box in zip((("用时", 52), ("字数", 100), ("速度 字/分", 148)),
                             (px(240, 900, 1140, 240), px(240, 1620, 1140, 240),
                              px(240, 2340, 1140, 240))):
        label(img, (52, y), cap, size=11, fill=TEAL_DARK)
        field(img, box)
    for box, glyph, text in FREE_SIDE:
        x, y, w, h = box
        button(img, (x, y, x + w - 1, y + h - 1), "normal", glyph=glyph, text=text, row=True,
               radius=6, size=12)
    field(img, (106, 2, 522, 370))   # the editor lies over this, right to the panel's edge
    return img


FS_BUTTONS = [(px(360, t, 1290, 405), g, s) for t, g, s in
              ((225, "pen", "记事本"), (645, "book", "写字板"), (1065, "pen", "Scribora"),
               (1485, "book", "Word"), (1905, "mail", "发邮件"), (2325, "chart", "打印"),
               (2760, "more", "其他程序"))]


@bitmap("fs", 133, 217)            # Picture_BG_Send: 1995 x 3255
def send_panel(img):
    mist(img, top=(250, 253, 250), bottom=(220, 238, 236))
    d = ImageDraw.Draw(img)
    d.rounded_rectangle((0, 0, 132, 216), radius=8, outline=TEAL)
    label(img, (8, 9), "发送到", size=11, fill=TEAL_DARK, anchor="lm")
    x, y, w, h = px(1680, 90, 240, 255)
    button(img, (x, y, x + w - 1, y + h - 1), "normal", glyph="close", radius=4)
    for (x, y, w, h), glyph, text in FS_BUTTONS:
        button(img, (x, y, x + w - 1, y + h - 1), "normal", glyph=glyph, text=text, row=True,
               radius=6, size=11)
    return img


# Speed tests.
TEST_BUTTON = px(465, 1560, 570, 600)


def test_page(title, labels, boxes):
    img = page_ground(629, 373, seed=12)
    card(img, (4, 4, 88, 368))
    label(img, (46, 22), title, size=13, fill=TEAL_DARK)
    icon(img, "clock", (30, 42, 62, 74), color=TEAL)
    x, y, w, h = TEST_BUTTON
    button(img, (x, y, x + w - 1, y + h - 1), "normal", glyph="play", text="开始", radius=8, size=11)
    for text, box in labels:
        x, y, w, h = box
        label(img, (x + w / 2, y - 9), text, size=11, fill=GREY)
        field(img, box)
    card(img, (94, 4, 624, 368))
    for box in boxes:
        field(img, box)
    return img


@bitmap("sd1", 629, 373)           # Picture_BG(7): 9435 x 5595
def paper_test_page(img):
    return test_page("原稿测速", [("用时", px(285, 2685, 840, 225)), ("字数", px(285, 3465, 840, 240))],
                     [px(1500, 330, 7575, 4845)])


@bitmap("sd2", 629, 373)           # Picture_BG(8): 9435 x 5595
def file_test_page(img):
    img = test_page("文档测速", [("用时", px(285, 2670, 840, 225)), ("已打字数", px(285, 3450, 840, 240)),
                                 ("正确率", px(300, 4230, 840, 240)), ("原文字数", px(300, 4980, 840, 240))],
                    [])
    for i, (ts, tu) in enumerate(zip((240, 1140, 2010, 2895, 3795, 4665),
                                     (675, 1575, 2460, 3360, 4230, 5115))):
        src, usr = px(1605, ts, 7380, 270), px(1605, tu, 7380, 270)
        x, y, w, h = src
        ImageDraw.Draw(img).rounded_rectangle((x - 3, y - 3, x + w + 2, y + h + 2), radius=4,
                                              fill=(240, 246, 244), outline=TEAL_LIGHT)
        field(img, usr)
        label(img, (x - 6, y + h / 2), str(i + 1), size=10, fill=TEAL, anchor="rm")
    return img


# Records.
RECORD_TABS = [(px(180, 165, 3015, 420), "对照文档测速"), (px(3240, 165, 2970, 420), "对照原稿测速"),
               (px(6255, 165, 2955, 420), "排行榜")]


def _record_tab(img, box, text, look, dx=0, dy=0):
    x, y, w, h = box
    button(img, (x - dx, y - dy, x - dx + w - 1, y - dy + h - 1), look, text=text, radius=8, size=12)


@cached
def record_ground():
    img = page_ground(631, 369, seed=13)
    card(img, (6, 34, 624, 364))
    field(img, px(225, 600, 9000, 4800))
    return img


@bitmap("bgrecord", 631, 369)      # Picture_BG(11): 9465 x 5535
def records_page(img):
    img = record_ground()
    for box, text in RECORD_TABS:
        _record_tab(img, box, text, "normal")
    return img


def _register_tab(i):
    box, text = RECORD_TABS[i]

    @bitmap(f"bgrecord{i}", box[2], box[3])
    def selected(img):
        part = crop_of(record_ground(), box)
        _record_tab(part, box, text, "selected", box[0], box[1])
        return part


for _i in range(3):
    _register_tab(_i)


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
        ly = line_top // 15
        # A street: houses behind, the road the figures run on, the typing line below.
        for k in range(9):
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


HOLES = [(1335, 2010), (2955, 1875), (4590, 1905), (6285, 2055), (8145, 2355), (1350, 3135),
         (2880, 3075), (4380, 3150), (6030, 3180), (7200, 3570), (1305, 4275), (2835, 4305),
         (4365, 4290), (5910, 4275), (8145, 4245)]


@bitmap("ds", 631, 371)            # Picture_BG(5): 9465 x 5565
def mouse_page(img):
    img = page_ground(631, 371, seed=16)
    d = ImageDraw.Draw(img)
    vgradient(img, (62, 44, 626, 368), (200, 228, 176), (160, 204, 140))
    d.rectangle((62, 8, 626, 42), fill=(236, 246, 238))
    label(img, (70, 25), "", size=10)
    for hx, hy in HOLES:
        x, y = hx // 15, hy // 15
        w, h = 61, 73
        d.ellipse((x + 4, y + h - 16, x + w - 4, y + h + 2), fill=(110, 84, 60))
        d.ellipse((x + 9, y + h - 13, x + w - 9, y + h - 1), fill=(60, 44, 32))
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
