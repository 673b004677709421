"""The Wubi line practice page "wbkeyboard": the line to copy and the typing box above a
keyboard that shows the five Wubi zones and each letter key's key-name character."""

from PIL import ImageDraw

from artkit import ACCENT, INK, TEAL, TEAL_DARK, card, control_well, label, mix, well
from registry import bitmap
from sets.keyboard import (PAD_H, PAD_POS, PAD_W, PAGE_H, PAGE_W, bar_groove, key,
                           keyboard_ground, main_keys, title)

WUBI_CAPTION = (12, 97, 310, 22)       # Label_Wubi_Course_Name
WUBI_SPEED = (372, 106, 242, 3)        # Label_Wubi_Process_Speed(1) (design width 3630 twips)
SOURCE_BOX = (50, 10, 430, 26)         # RichText_Wubi_Source
USER_BOX = (50, 46, 430, 26)           # RichText_Wubi_User
CODE_INFO = (503, 152, 110, 40)        # Label_Wubi_Code_Info
TIME_INFO = (503, 216, 110, 20)        # Label_Wubi_Time_Info
PROGRESS = (503, 262, 110, 20)         # Label_Wubi_Process_Speed(0)

# The five zones: first stroke, tint, keys, key-name characters in key order.
ZONES = [
    ("横", (250, 222, 196), "GFDSA", "王土大木工"),
    ("竖", (204, 228, 246), "HJKLM", "目日口田山"),
    ("撇", (212, 238, 204), "TREWQ", "禾白月人金"),
    ("捺", (250, 240, 190), "YUIOP", "言立水火之"),
    ("折", (236, 212, 228), "NBVCX", "已子女又纟"),
]
KEY_NAME = {k: (z, t, n) for z, t, keys, names in ZONES for k, n in zip(keys, names)}


def wubi_key(img, text, shifted, box, zone):
    if text in KEY_NAME:
        stroke, tint, name = KEY_NAME[text]
        key(img, box, "", None, zone, tint=tint)
        x, y, w, h = box
        label(img, (x + 7, y + 7), text, size=9, fill=mix(INK, (255, 255, 255), 0.3), kind="mono")
        label(img, (x + w / 2 + 2, y + h / 2 + 1), name, size=14, fill=INK, kind="cjk")
    else:
        key(img, box, text, shifted, zone, tint=(232, 236, 236))
        if text == "Z":
            label(img, (box[0] + box[2] - 7, box[1] + 7), "学", size=8, fill=ACCENT, kind="cjk")


@bitmap("wbkeyboard", PAGE_W, PAGE_H)  # Picture_BG(10): 9465 x 5535 twips
def wubi_page(img):
    img = keyboard_ground(WUBI_CAPTION)
    card(img, (6, 5, 624, 81))
    for cap, box, color in (("范文", SOURCE_BOX, TEAL_DARK), ("输入", USER_BOX, ACCENT)):
        label(img, (14, box[1] + box[3] / 2), cap, size=12, fill=color, anchor="lm")
        control_well(img, box)
    title(img, 500, 12, "五笔练习", "一字一码，行末回车")
    label(img, (333, 108), "速度", size=12, fill=TEAL_DARK, anchor="lm")
    bar_groove(img, WUBI_SPEED)
    px, py = PAD_POS
    card(img, (px, py, px + PAD_W - 1, py + PAD_H - 1), fill=(250, 253, 250), radius=10)
    for cap, box in (("编码提示", CODE_INFO), ("用时", TIME_INFO), ("进度", PROGRESS)):
        x, y, w, h = box
        label(img, (x, y - 12), cap, size=12, fill=TEAL_DARK, anchor="lm")
        well(img, (x - 2, y - 1, x + w + 1, y + h))
    for text, shifted, slot, box, zone in main_keys():
        wubi_key(img, text, shifted, box, zone)
    # The zone legend.
    card(img, (5, 303, 625, 361), fill=(250, 253, 250), radius=10)
    d = ImageDraw.Draw(img)
    for i, (stroke, tint, keys, names) in enumerate(ZONES):
        x = 16 + i * 122
        d.rounded_rectangle((x, 312, x + 22, 334), radius=4, fill=tint, outline=mix(tint, TEAL_DARK, 0.5))
        label(img, (x + 11, 323), stroke, size=13, fill=INK)
        label(img, (x + 28, 318), f"{i + 1}区 {stroke}起笔", size=11, fill=TEAL_DARK, anchor="lm")
        label(img, (x + 28, 333), " ".join(keys), size=10, fill=INK, anchor="lm", kind="mono")
    label(img, (315, 351), "键上的字是该键的键名，连打四下即是它的编码", size=11, fill=TEAL)
    return img
