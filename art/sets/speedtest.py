"""The speed tests' button looks on their pages ("nwcs1" start hover, "nwcs2" start pressed,
"nwcs3" end hover, "nwcs4" end pressed) and the result window ("csjg", its buttons' hover and
pressed looks "freef1" to "freef6")."""

from PIL import Image, ImageDraw

from artkit import (GREY, MIST_TOP, PAPER, TEAL, TEAL_DARK, TEAL_LIGHT, WHITE, button,
                    cached, icon, label, look_picture, mix, vgradient, well)
from registry import bitmap
from sets.mainwindow import emblem
from sets.panels import TEST_BUTTON, test_page


@cached
def test_ground():
    return test_page("", [], [])


def _test_button(name, look, glyph, text):
    x, y, w, h = TEST_BUTTON

    @bitmap(name, w, h)
    def draw(img):
        return look_picture(test_ground(), TEST_BUTTON,
                            lambda part, b: button(part, b, look, glyph=glyph, text=text, radius=8,
                                                   size=11))


_test_button("nwcs1", "hover", "play", "开始")
_test_button("nwcs2", "pressed", "play", "开始")
_test_button("nwcs3", "hover", "stop", "结束")
_test_button("nwcs4", "pressed", "stop", "结束")


# The result window: 4710 x 3090 twips.
RESULT_W, RESULT_H = 314, 206
BAND = 30
RESULT_BUTTONS = [((227, 3, 22, 22), "check"), ((257, 3, 22, 22), "chart"), ((287, 3, 22, 22), "close")]
# Field captions: text and the control's box (x, y, w, h) in pixels.
NAME_BOX = (98, 42, 118, 22)
FIELDS = [("打字速度", (104, 79, 201, 20)), ("录入字数", (101, 112, 204, 20)),
          ("正确率", (91, 142, 213, 20)), ("测试时间", (91, 172, 220, 20))]


@cached
def result_ground():
    img = Image.new("RGB", (RESULT_W, RESULT_H), PAPER)
    vgradient(img, (0, BAND, RESULT_W, RESULT_H), MIST_TOP, (204, 230, 228))
    vgradient(img, (0, 0, RESULT_W, BAND), TEAL, TEAL_DARK)
    emblem(img, (6, 7, 22, 23))
    label(img, (28, BAND / 2), "速度测试结果", size=13, fill=WHITE, anchor="lm")
    d = ImageDraw.Draw(img)
    d.rounded_rectangle((8, BAND + 6, RESULT_W - 9, RESULT_H - 9), radius=8, fill=(250, 253, 250),
                        outline=TEAL_LIGHT)
    label(img, (NAME_BOX[0] - 8, NAME_BOX[1] + NAME_BOX[3] / 2), "用户姓名", size=12, fill=TEAL_DARK,
          anchor="rm")
    well(img, (NAME_BOX[0] - 2, NAME_BOX[1] - 2, NAME_BOX[0] + NAME_BOX[2] + 1,
               NAME_BOX[1] + NAME_BOX[3] + 1))
    label(img, (NAME_BOX[0] + NAME_BOX[2] + 8, NAME_BOX[1] + NAME_BOX[3] / 2), "回车保存",
          size=9, fill=GREY, anchor="lm")
    for text, (x, y, w, h) in FIELDS:
        label(img, (84, y + h / 2), text, size=12, fill=TEAL_DARK, anchor="rm")
        d.line((x - 2, y + h + 1, RESULT_W - 16, y + h + 1), fill=mix(TEAL_LIGHT, PAPER, 0.4))
    return img


@cached
def result_face():
    img = result_ground().copy()
    for box, glyph in RESULT_BUTTONS:
        x, y, w, h = box
        button(img, (x, y, x + w - 1, y + h - 1), "normal", glyph=glyph, radius=5)
    return img


@bitmap("csjg", RESULT_W, RESULT_H)
def result_window(img):
    return result_face()


def _result_button(i):
    box, glyph = RESULT_BUTTONS[i]
    for n, look in ((2 * i + 1, "hover"), (2 * i + 2, "pressed")):
        def make(look=look):
            @bitmap(f"freef{n}", box[2], box[3])
            def draw(img):
                return look_picture(result_ground(), box,
                                    lambda part, b: button(part, b, look, glyph=glyph, radius=5))
        make()


for _i in range(3):
    _result_button(_i)
