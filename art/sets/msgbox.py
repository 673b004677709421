"""Picture message boxes: the faces "yes", "yn", "yrn" with their buttons' pressed looks, and the
game boxes' win and loss faces with the shared game buttons."""

from PIL import Image, ImageDraw

from artkit import (ACCENT, ACCENT_LIGHT, GREY, INK, MIST_TOP, RED, TEAL, TEAL_DARK, TEAL_LIGHT,
                    WHITE, button, cached, crop_of, icon, label, mix, smooth, vgradient)
from registry import bitmap
from sets.mainwindow import emblem

BAND = (246, 250, 248)   # the flat strip that holds the buttons: the same in every box


def box_ground(w, h, band_top, title="青岚键坊"):
    """The ground of a small skinned window: a title band, the message area and a flat strip
    for the buttons from `band_top` down."""
    img = Image.new("RGB", (w, h), BAND)
    vgradient(img, (0, 0, w, band_top), (214, 236, 234), MIST_TOP)
    d = ImageDraw.Draw(img)
    vgradient(img, (0, 0, w, 18), TEAL, TEAL_DARK)
    emblem(img, (4, 2, 18, 16))
    label(img, (23, 9), title, size=11, fill=WHITE, anchor="lm")
    d.line((0, band_top, w, band_top), fill=TEAL_LIGHT)
    d.rectangle((0, 0, w - 1, h - 1), outline=TEAL_DARK)
    return img


def message(img, glyph, text, hint, x=48, y=30, glyph_color=ACCENT):
    icon(img, glyph, (12, 22, 40, 50), color=glyph_color)
    label(img, (x, y), text, size=15, fill=INK, anchor="lm", max_w=img.size[0] - x - 8)
    if hint:
        label(img, (x, y + 15), hint, size=10, fill=TEAL, anchor="lm", max_w=img.size[0] - x - 8)


# Standard boxes: (name, width, message, hint, glyph, buttons [(x, y, w, h, glyph, caption, key)])
BOXES = {
    "yes": (282, "本次练习结束！", "按回车键确定", "star",
            [(129, 55, 32, 44, "check", "确定", "回车")]),
    "yn": (281, "再来一遍吗？", "是：重新开始　否：结束练习", "retry",
           [(49, 56, 31, 41, "check", "是", "回车"), (200, 56, 28, 42, "cross", "否", "Esc")]),
    "yrn": (282, "本段完成！接着练下一段吗？", "继续、重练本段，或结束练习", "star",
            [(46, 57, 38, 37, "next", "继续", "回车"), (130, 57, 31, 37, "retry", "重来", "Ctrl+R"),
             (201, 55, 28, 42, "cross", "结束", "Esc")]),
}
BAND_TOP = 52


@cached
def standard_ground(name):
    w, text, hint, glyph, _ = BOXES[name]
    img = box_ground(w, 114, BAND_TOP)
    message(img, glyph, text, hint)
    return img


def _draw_button(img, b, look, dx=0, dy=0):
    x, y, w, h, glyph, caption, _ = b
    button(img, (x - dx, y - dy, x - dx + w - 1, y - dy + h - 1), look, glyph=glyph, text=caption,
           radius=6, size=10)


@cached
def standard_face(name):
    img = standard_ground(name)
    for b in BOXES[name][4]:
        _draw_button(img, b, "normal")
        x, y, w, h, _, _, key = b
        label(img, (x + w / 2, y + h + 7), key, size=9, fill=GREY)
    return img


def _register_standard(name):
    @bitmap(name, BOXES[name][0], 114)
    def face(img):
        return standard_face(name)

    buttons = BOXES[name][4]
    for i, b in enumerate(buttons):
        pressed = name + "1" if name == "yes" else name + str(i)
        _register_pressed(name, pressed, b)


def _register_pressed(name, pressed, b):
    x, y, w, h = b[:4]

    @bitmap(pressed, w, h)
    def look(img):
        part = crop_of(standard_ground(name), (x, y, w, h))
        _draw_button(part, b, "pressed", x, y)
        return part


for _name in BOXES:
    _register_standard(_name)


# Game boxes: the games draw a face on the box; the buttons lie at fixed places on the flat strip,
# so one pressed picture of each game button serves every face.
GAME_BUTTONS = {
    "gamecontinue": (46, 58, 39, 40, "play", "继续"),
    "gamenext": (46, 57, 39, 40, "next", "下一关"),
    "gamerepeat": (126, 57, 39, 40, "retry", "重玩"),
    "gamecancel": (196, 58, 39, 40, "cross", "退出"),
}
YESNO_BUTTONS = ("gamecontinue", "gamecancel")
RETRY_BUTTONS = ("gamenext", "gamerepeat", "gamecancel")


def creature(img, kind, box, happy):
    """The games' heroes in a small round portrait."""
    d = ImageDraw.Draw(img)
    x0, y0, x1, y1 = box
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    r = (x1 - x0) / 2
    d.ellipse(box, fill=(255, 244, 220) if happy else (226, 232, 234), outline=TEAL_LIGHT)
    if kind == "police":
        d.ellipse((cx - r * 0.55, cy - r * 0.35, cx + r * 0.55, cy + r * 0.7), fill=(250, 220, 186))
        d.pieslice((cx - r * 0.7, cy - r * 0.85, cx + r * 0.7, cy + r * 0.2), 180, 360, fill=(40, 70, 130))
        d.rectangle((cx - r * 0.72, cy - r * 0.35, cx + r * 0.72, cy - r * 0.22), fill=(30, 50, 100))
        icon(img, "star", (cx - r * 0.2, cy - r * 0.8, cx + r * 0.2, cy - r * 0.4))
    elif kind == "thief":  # as on the street: black beanie and eye mask
        d.ellipse((cx - r * 0.55, cy - r * 0.35, cx + r * 0.55, cy + r * 0.7), fill=(250, 220, 186))
        d.pieslice((cx - r * 0.62, cy - r * 0.8, cx + r * 0.62, cy + r * 0.1), 180, 360,
                   fill=(34, 34, 40))
        d.rectangle((cx - r * 0.64, cy - r * 0.4, cx + r * 0.64, cy - r * 0.26), fill=(60, 60, 70))
        d.rounded_rectangle((cx - r * 0.56, cy - r * 0.04, cx + r * 0.56, cy + r * 0.24),
                            radius=r * 0.1, fill=(28, 28, 32))
    elif kind == "mouse":
        for sx in (-1, 1):
            d.ellipse((cx + sx * r * 0.55 - r * 0.28, cy - r * 0.7, cx + sx * r * 0.55 + r * 0.28,
                       cy - r * 0.14), fill=(150, 150, 156))
        d.ellipse((cx - r * 0.55, cy - r * 0.45, cx + r * 0.55, cy + r * 0.6), fill=(168, 168, 174))
        d.ellipse((cx - r * 0.08, cy + r * 0.2, cx + r * 0.08, cy + r * 0.36), fill=(220, 120, 130))
    elif kind == "balloon":
        for dx, col in ((-0.3, RED), (0.28, ACCENT), (0, (90, 170, 220))):
            bx = cx + dx * r
            d.ellipse((bx - r * 0.3, cy - r * 0.75, bx + r * 0.3, cy - r * 0.05), fill=col)
            d.line((bx, cy - r * 0.05, cx, cy + r * 0.7), fill=GREY)
    elif kind == "frog":
        d.ellipse((cx - r * 0.7, cy - r * 0.3, cx + r * 0.7, cy + r * 0.6), fill=(110, 180, 90))
        for sx in (-1, 1):
            ex = cx + sx * r * 0.36
            d.ellipse((ex - r * 0.24, cy - r * 0.6, ex + r * 0.24, cy - r * 0.12), fill=(110, 180, 90))
            d.ellipse((ex - r * 0.11, cy - r * 0.47, ex + r * 0.11, cy - r * 0.25), fill=WHITE)
            d.ellipse((ex - r * 0.05, cy - r * 0.4, ex + r * 0.05, cy - r * 0.3), fill=INK)
    eye_y = cy + r * 0.1
    e = max(2.0, r * 0.07)
    line_w = max(2, int(r * 0.07))
    if kind in ("police", "mouse"):
        for sx in (-1, 1):
            d.ellipse((cx + sx * r * 0.22 - e, eye_y - e, cx + sx * r * 0.22 + e, eye_y + e), fill=INK)
    elif kind == "thief":  # eyes showing through the mask
        for sx in (-1, 1):
            d.ellipse((cx + sx * r * 0.24 - e * 1.3, eye_y - e * 1.3, cx + sx * r * 0.24 + e * 1.3,
                       eye_y + e * 1.3), fill=WHITE)
            d.ellipse((cx + sx * r * 0.24 - e * 0.6, eye_y - e * 0.6, cx + sx * r * 0.24 + e * 0.6,
                       eye_y + e * 0.6), fill=INK)
    # The mouth: a smile for a win, a small frown for a loss.
    my = cy + r * (0.42 if kind != "frog" else 0.3)
    if kind != "balloon":
        if happy:
            d.arc((cx - r * 0.22, my - r * 0.2, cx + r * 0.22, my + r * 0.08), 20, 160, fill=INK,
                  width=line_w)
        else:
            d.arc((cx - r * 0.2, my, cx + r * 0.2, my + r * 0.25), 200, 340, fill=INK, width=line_w)


GAME_FACES = {
    # The player is the thief: a win is the escape, a loss the catch.
    "thiefwin": (281, "thief", True, "成功逃脱！", "警察没追上你，去下一关吗？", RETRY_BUTTONS),
    "thieffailure": (280, "thief", False, "被警察抓住了……", "别灰心，再逃一次吧？", YESNO_BUTTONS),
    "mousewin": (280, "mouse", True, "捉鼠成功！", "手眼真快，继续下一局吗？", YESNO_BUTTONS),
    "mousefailure": (280, "mouse", False, "老鼠溜走了……", "多练几次就能捉住，继续吗？", YESNO_BUTTONS),
    "applewin": (280, "balloon", True, "灰狼被赶跑了！", "气球保住了，继续下一局吗？", YESNO_BUTTONS),
    "applefailure": (280, "balloon", False, "气球被灰狼抢走了……", "再来一局，守住气球吧？", YESNO_BUTTONS),
    "frogwin": (281, "frog", True, "青蛙顺利过河！", "跳得真稳，去下一关吗？", RETRY_BUTTONS),
}


@cached
def game_ground(w):
    return box_ground(w, 114, BAND_TOP, title="青岚键坊 · 打字游戏")


def _draw_game_button(img, name, look, dx=0, dy=0):
    x, y, w, h, glyph, caption = GAME_BUTTONS[name]
    button(img, (x - dx, y - dy, x - dx + w - 1, y - dy + h - 1), look, glyph=glyph, text=caption,
           radius=6, size=10)


def _register_game_face(name):
    w, kind, happy, text, hint, buttons = GAME_FACES[name]

    @bitmap(name, w, 114)
    def face(img):
        img = game_ground(w)
        d = ImageDraw.Draw(img)
        if happy:  # a little confetti for a win
            for i, (px, py) in enumerate(((200, 24), (236, 30), (258, 22), (224, 44), (262, 40))):
                d.rectangle((px, py, px + 3, py + 3), fill=(ACCENT, TEAL, RED, ACCENT_LIGHT, TEAL_LIGHT)[i])
        smooth(img, (8, 20, 40, 52), lambda big, b: creature(big, kind, b, happy))
        label(img, (48, 30), text, size=15, fill=INK if happy else mix(INK, GREY, 0.4), anchor="lm")
        label(img, (48, 45), hint, size=10, fill=TEAL, anchor="lm")
        for b in buttons:
            _draw_game_button(img, b, "normal")
        return img


for _name in GAME_FACES:
    _register_game_face(_name)


def _register_game_button(name):
    x, y, w, h = GAME_BUTTONS[name][:4]

    @bitmap(name, w, h)
    def pressed(img):
        part = crop_of(game_ground(281), (x, y, w, h))
        _draw_game_button(part, name, "pressed", x, y)
        return part


for _name in GAME_BUTTONS:
    _register_game_button(_name)
