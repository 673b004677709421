"""The About box: its face "gy" and the credits strip "jch" that scrolls in its viewport."""

from PIL import Image, ImageDraw

from artkit import (ACCENT, ACCENT_LIGHT, GREY, INK, MIST_BOTTOM, MIST_TOP, PAPER, TEAL,
                    TEAL_DARK, TEAL_LIGHT, WHITE, font, key_cap, label, mist, mix, shadowed_text)
from registry import bitmap
from sets.mainwindow import emblem

GY_W, GY_H = 539, 188          # Form_About: 8085 x 2820 twips
VIEW = (419, 3, 110, 160)      # Picture_BG: 6285, 45, 1650, 2400
OK = (457, 165, 38, 19)        # Command_Close: 6855, 2475, 570, 285
JCH_W, JCH_H = 110, 601        # Picture_BG_Move: 1650 x 9015


@bitmap("gy", GY_W, GY_H)
def about_face(img):
    mist(img, top=MIST_TOP, bottom=MIST_BOTTOM, ridges=150, seed=11, sun=(330, 52, 20))
    d = ImageDraw.Draw(img)
    emblem(img, (22, 22, 70, 70))
    shadowed_text(img, (84, 46), "青岚键坊", font("cjk", 36), fill=WHITE, shadow=TEAL_DARK,
                  anchor="lm")
    label(img, (86, 80), "Quillon  打字教室", size=13, fill=TEAL_DARK, anchor="lm")
    d.line((86, 94, 300, 94), fill=ACCENT, width=2)
    label(img, (86, 108), "版本 1.0", size=12, fill=INK, anchor="lm")
    label(img, (86, 126), "指法 · 单词 · 文章 · 五笔 · 游戏，一键一键练出好手艺", size=11, fill=INK,
          anchor="lm")
    label(img, (22, 172), "© 2026 青岚工作室  保留所有权利", size=11, fill=WHITE, anchor="lm")
    # A few keys along the ridge.
    for i, k in enumerate("QUILLON"):
        x = 262 + i * 21
        key_cap(img, (x, 142, x + 19, 161), k, face=ACCENT_LIGHT if i == 0 else PAPER,
                fnt=font("latin-bold", 10), radius=4)
    # The viewport's frame; the white box itself is laid over it.
    x, y, w, h = VIEW
    d.rounded_rectangle((x - 4, y - 1, x + w + 3, y + h + 2), radius=4, fill=WHITE, outline=TEAL)
    d.rectangle((x, y, x + w - 1, y + h - 1), fill=WHITE)
    # A plinth under the OK push button.
    x, y, w, h = OK
    d.rounded_rectangle((x - 5, y - 2, x + w + 4, y + h + 1), radius=5, fill=mix(PAPER, TEAL, 0.15))
    d.rectangle((0, 0, GY_W - 1, GY_H - 1), outline=TEAL_DARK)


CREDITS = [
    ("青岚键坊", None),
    ("本软件授权给：", None),
    (None, None), (None, None),     # the registered user's name and organisation (labels)
    ("", None),
    ("出品", "青岚工作室"),
    ("总体设计", "青岚键坊开发组"),
    ("程序设计", "键坊程序组"),
    ("美术设计", "青岚美术组"),
    ("音乐音效", "青岚声音工坊"),
    ("课程编写", "青岚课程组"),
    ("测试", "键坊测试组"),
    ("", None),
    ("特别感谢", "每一位用户"),
    ("", None),
    ("勤学苦练", None),
    ("熟能生巧", None),
]


@bitmap("jch", JCH_W, JCH_H)
def credits(img):
    d = ImageDraw.Draw(img)
    img.paste(WHITE, (0, 0, JCH_W, JCH_H))
    cx = JCH_W // 2
    # Heading: emblem and title, then the registration lines at 59 and 72 (labels lie there).
    emblem(img, (cx - 11, 4, cx + 11, 26))
    label(img, (cx, 36), "青岚键坊", size=14, fill=TEAL_DARK)
    label(img, (cx, 50), "本软件授权给：", size=10, fill=GREY)
    d.line((10, 88, JCH_W - 10, 88), fill=TEAL_LIGHT)
    y = 104
    for title, who in CREDITS[5:]:
        if title == "":
            y += 10
            continue
        if who:
            label(img, (cx, y), title, size=10, fill=TEAL)
            label(img, (cx, y + 15), who, size=11, fill=INK)
            y += 42
        else:
            label(img, (cx, y), title, size=13, fill=ACCENT)
            y += 22
    # Closing vignette: a small mountain scene at the bottom of the strip.
    scene = Image.new("RGB", (JCH_W, 70))
    mist(scene, top=WHITE, bottom=(200, 230, 228), ridges=40, seed=2, sun=(80, 26, 10))
    img.paste(scene, (0, JCH_H - 90))
    label(img, (cx, JCH_H - 10), "青岚工作室 2026", size=9, fill=GREY)
