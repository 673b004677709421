"""The main window's face "myjm": title strip, function bar and the empty practice area, with the
inactive title cover "jmhui" and the four looks of the web-site link "LarkmoorNet1" to "4"."""

import math

from PIL import ImageDraw

from artkit import (ACCENT, ACCENT_LIGHT, INK, MIST_BOTTOM, PAPER, TEAL, TEAL_DARK, TEAL_LIGHT,
                    WHITE, button, cached, card, crop_of, dimmed, font, icon, key_cap, label, mist,
                    mix, shadowed_text, vgradient)
from registry import bitmap

W, H = 640, 477          # Picture_Background: 9600 x 7155 twips
TITLE_H = 40             # the title strip
BAR_BOTTOM = 101         # the function bar ends where the panels begin (top 1590 twips = 106)
COVER = (80, 0, 350, 39)         # Image_Main_Form_Up: 1200, 0, 5250, 585
LINK = (144, 11, 150, 25)        # Picture_LarkmoorNet: 2160, 165, 2250, 375
BAZARO = (19, 8, 54, 27)         # Image_Bazaro: 285, 120, 810, 405

# Function-bar buttons (Image_Function_Module 0-10), x, y, w, h in pixels, with their glyph and
# the caption written beside them on the background.
BAR_BUTTONS = [
    ((105, 42, 27, 36), "en", "英文练习", True),
    ((196, 42, 27, 36), "zh", "中文练习", True),
    ((282, 42, 27, 36), "pen", "自由录入", False),
    ((369, 42, 27, 36), "game", "打字游戏", True),
    ((463, 42, 27, 36), "clock", "速度测试", True),
    ((554, 42, 27, 36), "more", "其他功能", True),
    ((12, 47, 40, 41), "gear", "功能设置", False),
    ((435, 4, 28, 35), "help", None, False),
    ((478, 6, 34, 32), "info", None, False),
    ((525, 5, 34, 32), "min", None, False),
    ((565, 5, 34, 32), "close", None, False),
]


def bar_button(img, box, index, look):
    """Function-bar button `index` in a look, drawn into box (x0, y0, x1, y1)."""
    _, glyph, _, _ = BAR_BUTTONS[index]
    x0, y0, x1, y1 = box
    if index >= 7:  # the window's own buttons: small round tiles on the title strip
        s = min(x1 - x0, y1 - y0) - 4
        cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
        b = (int(cx - s / 2), int(cy - s / 2), int(cx + s / 2), int(cy + s / 2))
        if glyph == "close" and look in ("hover", "selected"):
            button(img, b, look, round_=True)
            icon(img, "close", (b[0] + 5, b[1] + 5, b[2] - 4, b[3] - 4),
                 color=(176, 40, 34) if look == "hover" else (112, 30, 20))
        else:
            button(img, b, look, glyph=glyph, round_=True)
    else:
        button(img, box, look, glyph=glyph, radius=6)


@cached
def title_strip():
    """Title strip and bar band, without any button: the ground of every look picture."""
    from PIL import Image
    img = Image.new("RGB", (W, H))
    mist(img, (0, BAR_BOTTOM, W, H), top=(214, 236, 234), bottom=MIST_BOTTOM, ridges=H - 70,
         seed=5, sun=(560, 150, 26))
    vgradient(img, (0, 0, W, TITLE_H), (176, 218, 216), (214, 236, 234))
    vgradient(img, (0, TITLE_H, W, BAR_BOTTOM), (246, 250, 248), (226, 240, 238))
    d = ImageDraw.Draw(img)
    d.line((0, TITLE_H, W, TITLE_H), fill=TEAL_LIGHT)
    d.line((0, BAR_BOTTOM, W, BAR_BOTTOM), fill=TEAL_LIGHT)
    d.line((0, BAR_BOTTOM + 1, W, BAR_BOTTOM + 1), fill=WHITE)
    # A faint ridge line along the title strip.
    ridge = [(0, TITLE_H - 1)] + [(x, 30 - 5 * math.sin(x / 37.0) - 3 * math.sin(x / 13.0))
                                  for x in range(0, W + 4, 4)] + [(W, TITLE_H - 1)]
    d.polygon(ridge, fill=mix((176, 218, 216), (150, 200, 200), 0.6))
    # Programme title and emblem at the right of the link.
    emblem(img, (304, 7, 330, 33))
    shadowed_text(img, (336, 20), "青岚键坊", font("cjk", 19), fill=TEAL_DARK, shadow=WHITE,
                  offset=1, blur=1, anchor="lm")
    # The captions of the function bar.
    for i, ((x, y, w, h), glyph, text, menu) in enumerate(BAR_BUTTONS[:6]):
        label(img, (x + w + 5, y + h / 2 - 1), text, size=12, fill=INK, anchor="lm")
        if menu:
            tx = x + w + 5 + 24
            d.polygon([(tx - 4, y + h / 2 + 9), (tx + 4, y + h / 2 + 9), (tx, y + h / 2 + 13)],
                      fill=ACCENT)
    x, y, w, h = BAR_BUTTONS[6][0]
    label(img, (x + w / 2, y + h + 6), "设置", size=10, fill=INK)
    # Separator between the settings button and the bar.
    d.line((62, 48, 62, 94), fill=TEAL_LIGHT)
    # Bazaro, the maker's web store: a small shop sign over the window's corner.
    bx, by, bw, bh = BAZARO
    button(img, (bx, by, bx + bw - 1, by + bh - 1), "normal", radius=5)
    icon(img, "bag", (bx + 3, by + 6, bx + 16, by + 19), color=ACCENT)
    label(img, (bx + 36, by + 13), "Bazaro", size=9, fill=TEAL_DARK, kind="latin-bold", max_w=bw - 21)
    # Welcome in the empty practice area, shown before the first screen is chosen and while
    # panels slide.
    card(img, (150, 170, 490, 330), fill=(250, 253, 250), radius=12)
    shadowed_text(img, (320, 212), "欢迎来到青岚键坊", font("cjk", 26), fill=TEAL_DARK,
                  shadow=TEAL_LIGHT, offset=1, blur=1, anchor="mm")
    label(img, (320, 245), "请在上方功能栏中选择一项练习", size=13, fill=INK)
    kx = 320 - (8 * 30 + 14) // 2
    for i, k in enumerate("ASDFJKL;"):
        xx = kx + i * 30 + (14 if i >= 4 else 0)
        key_cap(img, (xx, 266, xx + 26, 292), k,
                face=ACCENT_LIGHT if k in "FJ" else PAPER, fnt=font("latin-bold", 12))
    label(img, (320, 312), "手指放在基准键上，眼睛看屏幕", size=11, fill=TEAL)
    d.rectangle((0, 0, W - 1, H - 1), outline=TEAL_DARK)
    return img


def emblem(img, box):
    """The programme's emblem: a round seal with two mountain peaks and a key."""
    d = ImageDraw.Draw(img)
    x0, y0, x1, y1 = box
    d.ellipse(box, fill=TEAL, outline=TEAL_DARK)
    w = x1 - x0
    d.polygon([(x0 + w * 0.14, y0 + w * 0.7), (x0 + w * 0.4, y0 + w * 0.3), (x0 + w * 0.58, y0 + w * 0.55),
               (x0 + w * 0.7, y0 + w * 0.42), (x0 + w * 0.88, y0 + w * 0.7)], fill=(214, 240, 236))
    d.ellipse((x0 + w * 0.62, y0 + w * 0.16, x0 + w * 0.8, y0 + w * 0.34), fill=ACCENT_LIGHT)


@cached
def face():
    img = title_strip()
    for i, (b, _, _, _) in enumerate(BAR_BUTTONS):
        x, y, w, h = b
        bar_button(img, (x, y, x + w - 1, y + h - 1), i, "normal")
    link(img, LINK, "rest")
    return img


def link(img, box, state):
    """The maker's web-site link, drawn in place at box (x, y, w, h)."""
    x, y, w, h = box
    d = ImageDraw.Draw(img)
    col = TEAL_DARK if state == "rest" else (176, 86, 20)
    if state == "hover":
        d.rounded_rectangle((x, y, x + w - 1, y + h - 1), radius=6, fill=(255, 246, 232), outline=ACCENT)
    icon(img, "globe", (x + 5, y + 4, x + 22, y + 21), color=col)
    label(img, (x + 28, y + h / 2), "青岚网站 · 惊喜多多", size=12, fill=col, anchor="lm")
    if state == "hover":
        d.line((x + 28, y + h - 5, x + w - 10, y + h - 5), fill=col)


@bitmap("myjm", W, H)
def main_face(img):
    return face()


@bitmap("jmhui", COVER[2], COVER[3])
def inactive_title(img):
    return dimmed(crop_of(face(), COVER))


def _link_look(state, inactive):
    part = crop_of(title_strip(), LINK)
    link(part, (0, 0, LINK[2], LINK[3]), state)
    return dimmed(part) if inactive else part


@bitmap("LarkmoorNet1", LINK[2], LINK[3])
def link_hover(img):
    return _link_look("hover", False)


@bitmap("LarkmoorNet2", LINK[2], LINK[3])
def link_rest(img):
    return _link_look("rest", False)


@bitmap("LarkmoorNet3", LINK[2], LINK[3])
def link_rest_inactive(img):
    # Inactive: the link lies on the cover, so it takes the cover's look.
    return dimmed(crop_of(face(), LINK))


@bitmap("LarkmoorNet4", LINK[2], LINK[3])
def link_hover_inactive(img):
    part = dimmed(crop_of(title_strip(), LINK))
    link(part, (0, 0, LINK[2], LINK[3]), "hover")
    return part
