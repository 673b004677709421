"""Free typing's looks: the toolbar's hover and pressed pictures "free1" to "free34" (drawn over
the page "zylr" and the send panel "fs" where the buttons lie, so they match the rest looks),
the curve buttons' pictures "switch20" to "switch25", the mail window's button faces and the
curve panel's background "Lib/zylr2.jpg"."""

from PIL import ImageDraw

from artkit import (ACCENT, GREY, TEAL, TEAL_DARK, TEAL_LIGHT, WHITE, button, crop_of, icon,
                    label, mist)
from registry import bitmap, picture_file, render
from sets.panels import FREE_SIDE, FREE_TOP, FS_BUTTONS, px

# The toolbar in pixels: (base bitmap, box, glyph, caption) for buttons 0 to 16.
TOOLBAR = ([("zylr", box, glyph, None) for box, glyph in FREE_TOP] +
           [("zylr", box, glyph, text) for box, glyph, text in FREE_SIDE] +
           [("fs", px(1680, 90, 240, 255), "close", None)] +
           [("fs", box, glyph, text) for box, glyph, text in FS_BUTTONS])


def _register_toolbar(index):
    base, box, glyph, text = TOOLBAR[index]
    x, y, w, h = box
    for number, look in ((2 * index + 1, "hover"), (2 * index + 2, "pressed")):
        _register_look(f"free{number}", base, box, glyph, text, look)


def _register_look(name, base, box, glyph, text, look):
    x, y, w, h = box

    @bitmap(name, w, h)
    def draw(img):
        part = crop_of(render(base), box)
        radius = 4 if glyph == "close" else 6
        if text:
            button(part, (0, 0, w - 1, h - 1), look, glyph=glyph, text=text, row=True,
                   radius=radius, size=12 if base == "zylr" else 11)
        else:
            button(part, (0, 0, w - 1, h - 1), look, glyph=glyph, radius=radius)
        return part


for _i in range(len(TOOLBAR)):
    _register_toolbar(_i)


# The curve panel: save, print and back buttons (330 x 330 twips) lying on "Lib/zylr2.jpg".
CURVE_SIZE = (770, 373)            # Picture_Draw: 7695 x 5595 twips
CURVE_BUTTONS = [(px(6105 + 450 * i, 180, 330, 330), glyph) for i, glyph in
                 enumerate(("check", "chart", "close"))]


def curve_ground(img):
    """Light, quiet paper with a faint grid: the chart reads well on it."""
    w, h = img.size
    mist(img, top=(252, 254, 253), bottom=(236, 246, 244))
    d = ImageDraw.Draw(img)
    for x in range(0, w, 35):
        d.line((x, 0, x, h), fill=(236, 244, 243))
    for y in range(0, h, 35):
        d.line((0, y, w, y), fill=(236, 244, 243))
    d.rounded_rectangle((1, 1, w - 2, h - 2), radius=8, outline=TEAL_LIGHT)
    return img


@picture_file("Lib/zylr2.jpg", *CURVE_SIZE)
def curve_background(img):
    """The ground with the three curve buttons at rest."""
    curve_ground(img)
    for (x, y, w, h), glyph in CURVE_BUTTONS:
        button(img, (x, y, x + w - 1, y + h - 1), "normal", glyph=glyph, radius=5)
    return img


def _register_curve(index):
    box, glyph = CURVE_BUTTONS[index]
    x, y, w, h = box
    for number, look in ((2 * index + 20, "hover"), (2 * index + 21, "pressed")):
        @bitmap(f"switch{number}", w, h)
        def draw(img, look=look):
            from PIL import Image
            ground = curve_ground(Image.new("RGB", CURVE_SIZE))
            part = crop_of(ground, box)
            button(part, (0, 0, w - 1, h - 1), look, glyph=glyph, radius=5)
            return part


for _i in range(3):
    _register_curve(_i)


# The mail window's button faces (the button's size less its frame).
MAIL_FACES = [("mailto", 90, 30, "book", "收件人:"), ("mailcc", 90, 30, "book", "抄送:"),
              ("mailbcc", 90, 30, "book", "密送:"), ("mailclip", 90, 30, "clip", "附件:"),
              ("mailsend", 107, 35, "mail", "立即发送"), ("mailcancel", 107, 35, None, "取消")]


def _register_mail(name, w, h, glyph, text):
    @bitmap(name, w, h)
    def draw(img):
        mist(img, top=(250, 253, 250), bottom=(226, 240, 238))
        if glyph == "clip":
            d = ImageDraw.Draw(img)
            cx, cy = 16, h // 2
            d.rounded_rectangle((cx - 5, cy - 10, cx + 5, cy + 10), radius=5, outline=TEAL_DARK, width=2)
            d.rounded_rectangle((cx - 2, cy - 6, cx + 2, cy + 6), radius=2, outline=TEAL, width=1)
            label(img, (30, h // 2), text, size=13, fill=TEAL_DARK, anchor="lm")
        elif glyph:
            icon(img, glyph, (6, h // 2 - 9, 24, h // 2 + 9), color=ACCENT if glyph == "mail" else TEAL)
            label(img, (30, h // 2), text, size=13, fill=TEAL_DARK, anchor="lm")
        else:
            label(img, (w // 2, h // 2), text, size=14, fill=TEAL_DARK)
        return img


for _face in MAIL_FACES:
    _register_mail(*_face)


@bitmap("mailsubject", 32, 19)
def mail_subject(img):
    mist(img, top=(250, 253, 250), bottom=(236, 244, 243))
    label(img, (16, 9), "主题:", size=12, fill=TEAL_DARK)
    return img
