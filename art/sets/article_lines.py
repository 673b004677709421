"""The line-by-line article page "wz3" (Picture_Article_BG_2): the line to copy and the typing
box, a keyboard whose keys lie where the page's key images lie, the speed groove and the places
of the accuracy, progress, course and time labels.

Each key that types a character is drawn exactly as big as its highlight "mychar" + slot (drawn
for the keys page, sets/keyboard.py) at its image's top-left corner, so a lit key covers the
drawn one whole; the keys without a character (Caps, Shift, Ctrl, Alt) are drawn to fill the
row."""

from PIL import ImageDraw

from artkit import ACCENT, GREY, TEAL, TEAL_DARK, TEAL_LIGHT, card, control_well, label, page_ground
from registry import bitmap
from sets.keyboard import key, main_keys

PAGE_W, PAGE_H = 631, 369          # Picture_Article_BG_2: 9465 x 5535 twips


def px(*twips):
    return tuple(int(round(t / 15)) for t in twips)


# Where each slot's key image lies (twips): (slot, left, top). Rows 1 to 5 of the page.
KEY_PLACES = (
    [(40, 540, 1410)] + [(41 + i, 1140 + 570 * i, 1440) for i in range(10)]
    + [(51, 6840, 1440), (52, 7410, 1440), (53, 7980, 1440)]
    + [(32, 540, 2040), (16, 1440, 2040), (22, 2010, 2040), (4, 2580, 2040), (17, 3150, 2040),
       (19, 3720, 2040), (24, 4290, 2040), (20, 4860, 2040), (8, 5430, 2040), (14, 6015, 2040),
       (15, 6600, 2040), (56, 7170, 2040), (57, 7740, 2040), (54, 8310, 2040)]
    + [(0, 1590, 2640), (18, 2160, 2640), (3, 2730, 2640), (5, 3300, 2640), (6, 3885, 2640),
       (7, 4470, 2640), (9, 5040, 2640), (10, 5610, 2640), (11, 6180, 2640), (27, 6750, 2640),
       (55, 7320, 2640), (31, 7890, 2640)]
    + [(25, 1860, 3240), (23, 2430, 3240), (2, 3000, 3240), (21, 3585, 3240), (1, 4170, 3240),
       (13, 4740, 3240), (12, 5310, 3240), (28, 5880, 3240), (29, 6450, 3240), (30, 7020, 3240)]
    + [(26, 3180, 3840)]
)
# The keys without a character: (text, x, y, w, h) in pixels.
PLAIN_KEYS = [("Caps", 38, 176, 64, 28), ("Shift", 38, 216, 82, 28), ("Shift", 506, 216, 85, 28),
              ("Ctrl", 40, 256, 56, 28), ("Alt", 154, 255, 54, 28), ("Alt", 492, 256, 38, 28),
              ("Ctrl", 534, 256, 56, 28)]

SOURCE_BOX = px(540, 255, 8445, 345)
USER_BOX = px(540, 585, 8460, 345)
SPEED_BAR = px(2760, 4710, 3630, 45)
LABELS = [("正确率", px(1185, 4815, 1245, 240)), ("进度", px(7755, 4815, 1110, 240)),
          ("用时", px(7755, 5175, 1110, 240))]
KEYBOARD_CARD = (24, 84, 606, 294)


def key_looks():
    """Every key that types a character: slot -> (label, shifted, zone, (w, h))."""
    return {slot: (text, shifted, zone, (box[2], box[3]))
            for text, shifted, slot, box, zone in main_keys() if slot is not None}


def key_boxes():
    """slot -> (x, y, w, h) on this page."""
    looks = key_looks()
    boxes = {}
    for slot, left, top in KEY_PLACES:
        x, y = px(left, top)
        w, h = looks[slot][3]
        boxes[slot] = (x, y, w, h)
    return boxes


@bitmap("wz3", PAGE_W, PAGE_H)
def line_page(img):
    img = page_ground(PAGE_W, PAGE_H, seed=11)
    card(img, (6, 6, 624, 79))
    for caption, box, color in (("原文", SOURCE_BOX, TEAL_DARK), ("输入", USER_BOX, ACCENT)):
        x, y, w, h = box
        label(img, (20, y + h / 2), caption, size=11, fill=color)
        control_well(img, box)
    label(img, (316, 71), "照着上面一行打，行末按回车键换到下一行", size=10, fill=TEAL, anchor="mm")
    card(img, KEYBOARD_CARD, fill=(234, 244, 242), edge=TEAL, radius=10)
    looks = key_looks()
    for slot, box in key_boxes().items():
        text, shifted, zone, _ = looks[slot]
        key(img, box, text, shifted, zone)
    for text, x, y, w, h in PLAIN_KEYS:
        key(img, (x, y, w, h), text, None, "l5" if x < 300 else "r5")
    # Status: accuracy and speed on the left, progress and time on the right.
    card(img, (6, 304, 624, 364), fill=(250, 253, 250), radius=8, shadow=False)
    d = ImageDraw.Draw(img)
    for caption, (x, y, w, h) in LABELS:
        label(img, (x - 6, y + h / 2), caption, size=11, fill=GREY, anchor="rm")
    label(img, (SPEED_BAR[0] - 8, SPEED_BAR[1] + 1), "速度", size=11, fill=GREY, anchor="rm")
    x, y, w, h = SPEED_BAR
    d.rounded_rectangle((x - 2, y - 2, x + w + 1, y + h + 1), radius=3, fill=(255, 255, 255),
                        outline=TEAL_LIGHT)
    d.ellipse((62, 345, 72, 355), fill=TEAL)
    return img
