"""The input-method notice ("bgwubi", "bgpinyin", the OK button's pressed look
"bgwubi_pinyin_yes") and the ready prompt ("zbcs", its inactive look "begin2")."""

from PIL import ImageDraw

from artkit import (ACCENT_LIGHT, GREY, INK, PAPER, TEAL, TEAL_DARK, button, cached, crop_of,
                    font, greyed, key_cap, label, mist, mix)
from registry import bitmap
from sets.msgbox import box_ground, message

NOTICE_W, NOTICE_H = 279, 113            # Form_WubiPin: 4185 x 1695 twips
OK = (98, 76, 81, 20)                    # Image_Yes: 1470, 1140, 1215, 300
NOTICE_BAND = 68


@cached
def notice_ground():
    return box_ground(NOTICE_W, NOTICE_H, NOTICE_BAND, title="五笔拼音")


def _ok(img, look, dx=0, dy=0):
    x, y, w, h = OK
    button(img, (x - dx, y - dy, x - dx + w - 1, y - dy + h - 1), look, text="确  定", size=12, radius=5)


def _notice(what, ime):
    img = notice_ground()
    message(img, "warn", f"没有找到{what}输入法", None, y=31)
    label(img, (48, 50), f"请先在系统中安装{ime}，再开始练习。", size=11, fill=TEAL, anchor="lm",
          max_w=NOTICE_W - 56)
    _ok(img, "normal")
    label(img, (OK[0] + OK[2] + 8, OK[1] + OK[3] / 2), "回车", size=9, fill=GREY, anchor="lm")
    return img


@bitmap("bgwubi", NOTICE_W, NOTICE_H)
def wubi_missing(img):
    return _notice("五笔", "五笔字型输入法")


@bitmap("bgpinyin", NOTICE_W, NOTICE_H)
def pinyin_missing(img):
    return _notice("拼音", "拼音输入法")


@bitmap("bgwubi_pinyin_yes", OK[2], OK[3])
def notice_ok_pressed(img):
    part = crop_of(notice_ground(), OK)
    _ok(part, "pressed", OK[0], OK[1])
    return part


READY_W, READY_H = 282, 43               # Form_Begin_Type: 4230 x 645 twips


@cached
def ready_face():
    from PIL import Image
    img = Image.new("RGB", (READY_W, READY_H))
    mist(img, top=(232, 246, 244), bottom=(196, 226, 224))
    d = ImageDraw.Draw(img)
    d.rectangle((0, 0, READY_W - 1, READY_H - 1), outline=TEAL_DARK)
    d.rectangle((1, 1, READY_W - 2, READY_H - 2), outline=mix(PAPER, TEAL, 0.2))
    label(img, (14, 21), "准备好了吗？", size=15, fill=TEAL_DARK, anchor="lm")
    label(img, (118, 21), "按", size=13, fill=INK, anchor="lm")
    key_cap(img, (138, 9, 198, 34), "Enter", face=ACCENT_LIGHT, fnt=font("latin-bold", 11))
    label(img, (204, 21), "开始打字", size=13, fill=INK, anchor="lm")
    return img


@bitmap("zbcs", READY_W, READY_H)
def ready(img):
    return ready_face()


@bitmap("begin2", READY_W, READY_H)
def ready_inactive(img):
    return greyed(ready_face())
