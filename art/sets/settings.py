"""The settings dialogs: the function-settings face "gnsz" at five scales with its pressed
buttons, the twelve picture tabs "Control<i>0" / "Control<i>1", the restart question
"bgcontrol_set" and the system-settings face "xtsz" with its pressed buttons."""

from PIL import Image, ImageDraw

from artkit import (ACCENT, GREY, INK, MIST_TOP, PAPER, TEAL, TEAL_DARK, TEAL_LIGHT, WHITE,
                    button, cached, crop_of, icon, label, mix, vgradient)
from registry import bitmap
from sets.msgbox import box_ground

# Function settings: 6810 x 4680 twips; buttons 1215 x 300 at 1860 / 3510 / 5160, top 255;
# tab control at 165, 690, 6420 x 3810.
GNSZ_W, GNSZ_H = 454, 312
GNSZ_BUTTONS = [(124, 17, "确定", "check"), (234, 17, "取消", "cross"), (344, 17, "默认", "retry")]
BUTTON_W, BUTTON_H = 81, 20
TAB_BOX = (11, 46, 428, 254)
SCALES = {"_": 1.0, "_075": 0.75, "_125": 1.25, "_150": 1.5, "_200": 2.0}


def _dialog_button(img, x, y, text, glyph, look):
    button(img, (x, y, x + BUTTON_W - 1, y + BUTTON_H - 1), look, text=text, radius=5, size=11,
           row=True)


@cached
def gnsz_ground():
    img = Image.new("RGB", (GNSZ_W, GNSZ_H), PAPER)
    vgradient(img, (0, 0, GNSZ_W, 44), (214, 236, 234), MIST_TOP)
    vgradient(img, (0, 0, GNSZ_W, 14), TEAL, TEAL_DARK)
    label(img, (8, 7), "青岚键坊", size=10, fill=WHITE, anchor="lm")
    icon(img, "gear", (10, 17, 30, 37), color=TEAL_DARK)
    label(img, (36, 27), "功能设置", size=15, fill=INK, anchor="lm")
    d = ImageDraw.Draw(img)
    x, y, w, h = TAB_BOX
    d.rounded_rectangle((x - 3, y - 3, x + w + 2, y + h + 2), radius=4, outline=TEAL_LIGHT,
                        fill=mix(PAPER, MIST_TOP, 0.5))
    label(img, (GNSZ_W / 2, GNSZ_H - 6), "选择练习的选项卡，按回车确定，Esc 取消，Ctrl+D 默认",
          size=9, fill=GREY)
    d.rectangle((0, 0, GNSZ_W - 1, GNSZ_H - 1), outline=TEAL_DARK)
    return img


@cached
def gnsz_face():
    img = gnsz_ground().copy()
    for x, y, text, glyph in GNSZ_BUTTONS:
        _dialog_button(img, x, y, text, glyph, "normal")
    return img


def _scaled(img, factor):
    if factor == 1.0:
        return img
    w, h = img.size
    return img.resize((round(w * factor), round(h * factor)), Image.LANCZOS)


def _pressed_gnsz(i):
    x, y, text, glyph = GNSZ_BUTTONS[i]
    part = crop_of(gnsz_ground(), (x, y, BUTTON_W, BUTTON_H))
    _dialog_button(part, 0, 0, text, glyph, "pressed")
    return part


for _suffix, _factor in SCALES.items():
    def _register(suffix, factor):
        @bitmap("gnsz" + suffix, round(GNSZ_W * factor), round(GNSZ_H * factor))
        def face(img):
            return _scaled(gnsz_face(), factor)

        for _i in range(3):
            def _register_button(i):
                @bitmap("gnsz" + str(i) + suffix, round(BUTTON_W * factor), round(BUTTON_H * factor))
                def pressed(img):
                    return _scaled(_pressed_gnsz(i), factor)
            _register_button(_i)
    _register(_suffix, _factor)


# The tabs, three to a row across the tab control, 20 pixels high.
TAB_W, TAB_H = 142, 20
TAB_NAMES = ["键位练习", "单词练习", "文章练习", "听打练习", "五笔练习", "拼音练习",
             "警察抓小偷", "吃苹果", "打地鼠", "青蛙过河", "速度测试", "自由录入"]


def _tab(img, text, selected):
    d = ImageDraw.Draw(img)
    if selected:
        vgradient(img, (0, 0, TAB_W, TAB_H), (255, 246, 230), (250, 214, 168))
        d.rounded_rectangle((0, 0, TAB_W - 1, TAB_H + 4), radius=5, outline=ACCENT)
        label(img, (TAB_W / 2, TAB_H / 2), text, size=12, fill=INK)
    else:
        vgradient(img, (0, 0, TAB_W, TAB_H), (236, 246, 244), (206, 230, 228))
        d.rounded_rectangle((1, 1, TAB_W - 2, TAB_H + 4), radius=5, outline=TEAL_LIGHT)
        label(img, (TAB_W / 2, TAB_H / 2 + 1), text, size=11, fill=TEAL_DARK)
    d.line((0, TAB_H - 1, TAB_W, TAB_H - 1), fill=TEAL_LIGHT if not selected else ACCENT)


for _i, _name in enumerate(TAB_NAMES):
    for _sel in (0, 1):
        def _register_tab(i, name, sel):
            @bitmap("Control" + str(i) + str(sel), TAB_W, TAB_H)
            def tab(img):
                _tab(img, name, sel == 1)
        _register_tab(_i, _name, _sel)


# The restart question: 4200 x 1695 twips; yes at 780, no at 2580, top 1155, 915 x 300.
SET_W, SET_H = 280, 113
SET_BUTTONS = [(52, 77, "是", "check"), (172, 77, "否", "cross")]
SMALL_W = 61


@cached
def set_ground():
    img = box_ground(SET_W, SET_H, 70)
    icon(img, "retry", (12, 24, 40, 52), color=ACCENT)
    label(img, (48, 32), "练习的设置已经改变。", size=13, fill=INK, anchor="lm")
    label(img, (48, 52), "要按新的设置重新开始吗？", size=12, fill=TEAL, anchor="lm")
    return img


def _set_button(img, x, y, text, glyph, look):
    button(img, (x, y, x + SMALL_W - 1, y + BUTTON_H - 1), look, text=text, radius=5, size=11,
           row=True)


@bitmap("bgcontrol_set", SET_W, SET_H)
def set_face(img):
    out = set_ground().copy()
    for x, y, text, glyph in SET_BUTTONS:
        _set_button(out, x, y, text, glyph, "normal")
    return out


for _i, (_x, _y, _t, _g) in enumerate(SET_BUTTONS):
    def _register_set(i, x, y, text, glyph):
        @bitmap("bgcontrol_set" + str(i), SMALL_W, BUTTON_H)
        def pressed(img):
            part = crop_of(set_ground(), (x, y, SMALL_W, BUTTON_H))
            _set_button(part, 0, 0, text, glyph, "pressed")
            return part
    _register_set(_i, _x, _y, _t, _g)


# System settings: 5565 x 2715 twips; every label is part of the face.
XTSZ_W, XTSZ_H = 371, 181
XTSZ_BUTTONS = [(272, 38, "确定", "check"), (272, 66, "取消", "cross"), (272, 94, "默认", "retry")]


@cached
def xtsz_ground():
    img = Image.new("RGB", (XTSZ_W, XTSZ_H), PAPER)
    vgradient(img, (0, 0, XTSZ_W, 30), TEAL, TEAL_DARK)
    icon(img, "gear", (8, 6, 26, 24), color=WHITE)
    label(img, (32, 15), "系统设置", size=14, fill=WHITE, anchor="lm")
    d = ImageDraw.Draw(img)
    # The fonts frame.
    d.rounded_rectangle((8, 36, 250, 92), radius=5, outline=TEAL_LIGHT)
    label(img, (14, 36), " 显示字体 ", size=10, fill=TEAL, anchor="lm")
    label(img, (92, 50), "中文字体：", size=12, fill=INK, anchor="rm")
    label(img, (92, 76), "英文字体：", size=12, fill=INK, anchor="rm")
    # The hot keys and sound frame.
    d.rounded_rectangle((8, 116, 362, 176), radius=5, outline=TEAL_LIGHT)
    label(img, (14, 116), " 热键与声音 ", size=10, fill=TEAL, anchor="lm")
    label(img, (90, 129), "激活热键：", size=12, fill=INK, anchor="rm")
    label(img, (90, 156), "关闭热键：", size=12, fill=INK, anchor="rm")
    label(img, (253, 129), "背景音乐", size=12, fill=INK, anchor="lm")
    label(img, (252, 156), "音效", size=10, fill=INK, anchor="lm")
    label(img, (289, 157), "琴键音", size=12, fill=INK, anchor="lm")
    label(img, (180, 129), "按下组合键", size=9, fill=GREY, anchor="lm")
    d.rectangle((0, 0, XTSZ_W - 1, XTSZ_H - 1), outline=TEAL_DARK)
    return img


@bitmap("xtsz", XTSZ_W, XTSZ_H)
def xtsz_face(img):
    out = xtsz_ground().copy()
    for x, y, text, glyph in XTSZ_BUTTONS:
        _dialog_button(out, x, y, text, glyph, "normal")
    return out


for _i, (_x, _y, _t, _g) in enumerate(XTSZ_BUTTONS):
    def _register_xtsz(i, x, y, text, glyph):
        @bitmap("xtsz" + str(i), BUTTON_W, BUTTON_H)
        def pressed(img):
            part = crop_of(xtsz_ground(), (x, y, BUTTON_W, BUTTON_H))
            _dialog_button(part, 0, 0, text, glyph, "pressed")
            return part
    _register_xtsz(_i, _x, _y, _t, _g)
