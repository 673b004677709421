"""Backgrounds of the practice pages the shell slides in: articles ("wz", "wz2"), free typing
("zylr", its send panel "fs"), the two speed tests ("sd1", "sd2") and the records ("bgrecord"
and its selected tabs). Buttons at rest are part of the backgrounds."""

from PIL import ImageDraw

from artkit import (ACCENT, GREY, TEAL, TEAL_DARK, TEAL_LIGHT, WHITE, button, cached, card, crop_of,
                    icon, label, mist, page_ground, status_strip, well)
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
    """The status strip under an article: the course, accuracy, progress and time labels lie
    on it (the course label writes its own word, the time label lies at the right end)."""
    status_strip(img, (6, h - 32, w - 7, h - 5))
    cy = h - 18
    icon(img, "book", (13, cy - 7, 29, cy + 7), color=TEAL)
    label(img, (92, cy), "正确率", size=11, fill=GREY, anchor="lm")
    label(img, (288, cy), "进度", size=11, fill=GREY, anchor="lm")
    bar_groove(img, px(4800, 5250, 3135, 150))
    icon(img, "clock", (w - 20, cy - 7, w - 8, cy + 6), color=TEAL)


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
    label(img, (8, 10), "发送到", size=11, fill=TEAL_DARK, anchor="lm")
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
