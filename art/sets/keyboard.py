"""The keys practice page: the keyboard page "jw", the numeric keypad "jp2", the line-typing
panel "wd", the key highlights "mychar" + slot, the page buttons' looks "mycharchar1" to "6" and
the miss marks "mycharku0" to "9" and the wrong-key marks "mycharwrong" + slot (a wrongly pressed
key flashed red).

Key slots follow the tutor's key table: 0-25 the letters a-z, 26 space, 27 ;, 28 ,, 29 ., 30 /,
31 Enter, 32 Tab, 40 `, 41-50 the digits 1-9 and 0, 51 -, 52 =, 53 Backspace, 54 \\, 55 ',
56 [, 57 ], 58-67 keypad 0-9, 68 keypad /, 69 *, 70 -, 71 +, 72 keypad Enter, 73 keypad .
The geometry below is where the page's key images lie (pixels; 15 twips each)."""

from PIL import Image, ImageDraw

from artkit import (ACCENT, FINGER_TINTS, INK, MIST_TOP, RED, TEAL, TEAL_DARK, TEAL_LIGHT, WHITE,
                    button, cached, card, control_well, crop_of, icon, label, mist, mix, smooth, SS, vgradient,
                    well)
from registry import bitmap
from sets.mainwindow import emblem

PAGE_W, PAGE_H = 631, 369          # Picture_BG(0): 9465 x 5535 twips
INPUT_W, INPUT_H = 633, 87         # Picture_Input: 9495 x 1305 twips
U = 31                              # one key unit
KEY_H = U - 3

# Main keyboard rows: (label, shifted label, slot or None, width in units, finger zone)
_ = None
ROWS = [
    [("`", "~", 40, 1, "l5")] + [(str((i + 1) % 10), "!@#$%^&*()"[i], 41 + i, 1,
                                  ("l5", "l4", "l3", "l2", "l2", "r2", "r2", "r3", "r4", "r5")[i])
                                 for i in range(10)]
    + [("-", "_", 51, 1, "r5"), ("=", "+", 52, 1, "r5"), ("←", "Backspace", 53, 2, "r5")],
    [("Tab", _, 32, 1.5, "l5")] + [(c.upper(), _, ord(c) - 97, 1, z) for c, z in
                                   zip("qwertyuiop", ("l5", "l4", "l3", "l2", "l2", "r2", "r2", "r3",
                                                      "r4", "r5"))]
    + [("[", "{", 56, 1, "r5"), ("]", "}", 57, 1, "r5"), ("\\", "|", 54, 1.5, "r5")],
    [("Caps", _, _, 1.75, "l5")] + [(c.upper(), _, ord(c) - 97, 1, z) for c, z in
                                    zip("asdfghjkl", ("l5", "l4", "l3", "l2", "l2", "r2", "r2", "r3",
                                                      "r4"))]
    + [(";", ":", 27, 1, "r5"), ("'", "\"", 55, 1, "r5"), ("Enter", _, 31, 2.25, "r5")],
    [("Shift", _, _, 2.25, "l5")] + [(c.upper(), _, ord(c) - 97, 1, z) for c, z in
                                     zip("zxcvbnm", ("l5", "l4", "l3", "l2", "l2", "r2", "r2"))]
    + [(",", "<", 28, 1, "r3"), (".", ">", 29, 1, "r4"), ("/", "?", 30, 1, "r5"),
       ("Shift", _, _, 2.75, "r5")],
    [("Ctrl", _, _, 1.5, "l5"), ("Alt", _, _, 1.5, "th"), ("空格", _, 26, 9, "th"),
     ("Alt", _, _, 1.5, "th"), ("Ctrl", _, _, 1.5, "r5")],
]
MAIN_X, MAIN_Y = 12, 133            # the top-left key of the main keyboard on the page
MAIN_CARD = (5, 126, 484, 295)

# The numeric keypad picture (Picture_Char_Num_Keyboard) and its keys, relative to it.
PAD_POS = (491, 126)
PAD_W, PAD_H = 133, 169
PAD_KEYS = [  # (label, slot or None, column, row, width units, height units, zone)
    ("Num", _, 0, 0, 1, 1, "l5"), ("/", 68, 1, 0, 1, 1, "r3"), ("*", 69, 2, 0, 1, 1, "r4"),
    ("-", 70, 3, 0, 1, 1, "r5"),
    ("7", 65, 0, 1, 1, 1, "r2"), ("8", 66, 1, 1, 1, 1, "r3"), ("9", 67, 2, 1, 1, 1, "r4"),
    ("+", 71, 3, 1, 1, 2, "r5"),
    ("4", 62, 0, 2, 1, 1, "r2"), ("5", 63, 1, 2, 1, 1, "r3"), ("6", 64, 2, 2, 1, 1, "r4"),
    ("1", 59, 0, 3, 1, 1, "r2"), ("2", 60, 1, 3, 1, 1, "r3"), ("3", 61, 2, 3, 1, 1, "r4"),
    ("Enter", 72, 3, 3, 1, 2, "r5"),
    ("0", 58, 0, 4, 2, 1, "th"), (".", 73, 2, 4, 1, 1, "r4"),
]
PAD_X, PAD_Y = 5, 14

# Page buttons Image_Key_Char 0-2 (start, pause/continue, stop) and the ten miss pictures.
BUTTONS = [((444, 12, 56, 56), "play", "开始"), ((506, 12, 56, 56), "pause", "暂停"),
           ((568, 12, 56, 56), "stop", "结束")]
MISS = [(46 + 25 * i, 11, 22, 22) for i in range(10)]
TIME_WELL = (46, 40, 100, 20)       # Label_Key_Char_Time_Info
SCORE_WELL = (196, 40, 100, 20)     # Label_Key_Char_Count
SPEED_BAR = (46, 69, 239, 3)        # Label_Key_Speed (design width 3585 twips)
CAPTION = (120, 97, 391, 22)        # Label_Key_Char_Show_Msg


def main_keys():
    """Every key of the main keyboard: (label, shifted, slot, (x, y, w, h), zone)."""
    keys = []
    for r, row in enumerate(ROWS):
        x = 0.0
        for text, shifted, slot, units, zone in row:
            box = (MAIN_X + int(round(x * U)), MAIN_Y + r * U, int(round(units * U)) - 3, KEY_H)
            keys.append((text, shifted, slot, box, zone))
            x += units
    return keys


def pad_keys():
    keys = []
    for text, slot, c, r, wu, hu, zone in PAD_KEYS:
        keys.append((text, None, slot, (PAD_X + c * U, PAD_Y + r * U, wu * U - 3, hu * U - 3), zone))
    return keys


def key(img, box, text, shifted, zone, lit=False, tint=None, wrong=False):
    """One key cap at box (x, y, w, h): finger-zone tint at rest, warm and glowing when lit, red
    with a cross in its corner when flashed as a wrong key."""
    x, y, w, h = box
    d = ImageDraw.Draw(img)
    tint = tint or FINGER_TINTS[zone]
    if wrong:
        top, bottom, edge, ink = (255, 196, 190), (214, 58, 52), (140, 24, 20), WHITE
    elif lit:
        top, bottom, edge, ink = (255, 214, 150), (238, 140, 52), (180, 84, 20), (90, 36, 8)
    else:
        top, bottom, edge, ink = mix(tint, WHITE, 0.55), tint, mix(tint, TEAL_DARK, 0.55), INK
    d.rounded_rectangle((x, y, x + w - 1, y + h - 1), radius=5, fill=mix(bottom, edge, 0.45), outline=edge)
    face = Image.new("RGB", (w - 4, h - 6))
    vgradient(face, (0, 0) + face.size, top, bottom)
    mask = Image.new("L", face.size, 0)
    ImageDraw.Draw(mask).rounded_rectangle((0, 0, face.size[0] - 1, face.size[1] - 1), radius=4, fill=255)
    img.paste(face, (x + 2, y + 1), mask)
    if lit:
        d.rounded_rectangle((x + 1, y, x + w - 2, y + h - 2), radius=5, outline=(255, 236, 200))
    cx = x + w / 2
    if shifted and len(shifted) == 1:
        label(img, (x + 8, y + 8), shifted, size=9, fill=mix(ink, WHITE, 0.35), kind="mono")
        label(img, (cx + 3, y + h - 12), text, size=12, fill=ink, kind="mono")
    elif text:
        size = 13 if len(text) == 1 else 10
        kind = "cjk" if text == "空格" else "latin" if len(text) > 1 else "mono"
        if text == "←":
            label(img, (cx, y + h / 2 - 2), "← Back", size=10, fill=ink, kind="latin")
        else:
            label(img, (cx, y + h / 2 - 2), text, size=size, fill=ink, kind=kind, max_w=w - 4)
    if text in ("F", "J") or (text == "5" and not shifted):  # the home-position bumps
        d.line((cx - 4, y + h - 6, cx + 4, y + h - 6), fill=ink, width=1)
    if wrong:
        d.line((x + w - 9, y + 3, x + w - 4, y + 8), fill=WHITE, width=2)
        d.line((x + w - 9, y + 8, x + w - 4, y + 3), fill=WHITE, width=2)


@cached
def keyboard_ground(caption=CAPTION):
    """What every keyboard page shares: the misty ground, the caption ribbon of the lesson line
    at `caption` (x, y, w, h) and the keyboard's case."""
    img = Image.new("RGB", (PAGE_W, PAGE_H))
    mist(img, top=MIST_TOP, bottom=(200, 228, 226), ridges=PAGE_H - 20, seed=7)
    d = ImageDraw.Draw(img)
    x, y, w, h = caption
    d.rounded_rectangle((x, y, x + w - 1, y + h - 1), radius=h // 2, fill=(250, 253, 250), outline=TEAL_LIGHT)
    d.ellipse((x + 6, y + h / 2 - 3, x + 12, y + h / 2 + 3), fill=ACCENT)
    d.ellipse((x + w - 13, y + h / 2 - 3, x + w - 7, y + h / 2 + 3), fill=ACCENT)
    card(img, MAIN_CARD, fill=(234, 244, 242), edge=TEAL, radius=10)
    return img


def caption_well(img, caption, box, caption_x=None):
    """A caption and the sunken field of the value label at box (x, y, w, h) beside it."""
    x, y, w, h = box
    label(img, (caption_x if caption_x is not None else x - 32, y + h / 2), caption, size=12,
          fill=TEAL_DARK, anchor="lm")
    well(img, (x - 2, y - 1, x + w + 1, y + h))


def bar_groove(img, box):
    x, y, w, h = box
    ImageDraw.Draw(img).rounded_rectangle((x - 2, y - 2, x + w + 1, y + h + 1), radius=3, fill=WHITE,
                                          outline=TEAL_LIGHT)


def title(img, x, y, text, hint):
    emblem(img, (x, y, x + 28, y + 28))
    label(img, (x + 34, y + 14), text, size=17, fill=TEAL_DARK, anchor="lm")
    label(img, (x + 2, y + 44), hint, size=11, fill=TEAL, anchor="lm")


def finger_legend(img, box=(5, 303, 625, 361)):
    card(img, box, fill=(250, 253, 250), radius=10)
    x0, y0 = box[0], box[1]
    names = [("l5", "小指"), ("l4", "无名指"), ("l3", "中指"), ("l2", "食指"),
             ("r2", "食指"), ("r3", "中指"), ("r4", "无名指"), ("r5", "小指")]
    label(img, (x0 + 17, y0 + 17), "左手", size=12, fill=TEAL_DARK, anchor="lm")
    label(img, (x0 + 17, y0 + 41), "右手", size=12, fill=TEAL_DARK, anchor="lm")
    for i, (zone, name) in enumerate(names[:4]):
        _chip(img, x0 + 57 + i * 80, y0 + 17, zone, name)
    for i, (zone, name) in enumerate(names[4:]):
        _chip(img, x0 + 57 + i * 80, y0 + 41, zone, name)
    _chip(img, x0 + 385, y0 + 17, "th", "拇指：空格键")
    label(img, (x0 + 385, y0 + 41), "F 和 J 上的小横线是食指的位置", size=11, fill=TEAL, anchor="lm")


@cached
def page_ground():
    """The keys page without its keys and buttons."""
    img = keyboard_ground()
    d = ImageDraw.Draw(img)
    # Info card: misses, time, score, speed.
    card(img, (6, 5, 306, 81))
    label(img, (14, 22), "失误", size=12, fill=TEAL_DARK, anchor="lm")
    for x, y, w, h in MISS:
        d.ellipse((x + 2, y + 2, x + w - 3, y + h - 3), outline=TEAL_LIGHT, fill=(242, 248, 246))
    caption_well(img, "用时", TIME_WELL, 14)
    caption_well(img, "得分", SCORE_WELL, 164)
    label(img, (14, 70), "速度", size=12, fill=TEAL_DARK, anchor="lm")
    bar_groove(img, SPEED_BAR)
    title(img, 318, 14, "键位练习", "看准亮键，手指归位")
    # Where the keypad appears: a card of tips while the keypad is hidden.
    px, py = PAD_POS
    card(img, (px, py, px + PAD_W - 1, py + PAD_H - 1), fill=(250, 253, 250), radius=10)
    label(img, (px + PAD_W / 2, py + 20), "小提示", size=13, fill=ACCENT)
    for i, tip in enumerate(("眼睛看屏幕", "不看键盘", "手指回基准键", "击键轻快", "节奏均匀")):
        label(img, (px + 16, py + 46 + i * 23), tip, size=12, fill=INK, anchor="lm")
        d.ellipse((px + 8, py + 43 + i * 23, px + 12, py + 47 + i * 23), fill=TEAL_LIGHT)
    finger_legend(img)
    return img


def _chip(img, x, y, zone, name):
    d = ImageDraw.Draw(img)
    d.rounded_rectangle((x, y - 7, x + 14, y + 7), radius=3, fill=FINGER_TINTS[zone],
                        outline=mix(FINGER_TINTS[zone], TEAL_DARK, 0.5))
    label(img, (x + 19, y), name, size=11, fill=INK, anchor="lm")


def _page_button(img, index, look, dx=0, dy=0):
    (x, y, w, h), glyph, text = BUTTONS[index]
    button(img, (x - dx, y - dy, x - dx + w - 1, y - dy + h - 1), look, glyph=glyph, text=text,
           radius=10, size=12)


@cached
def page():
    img = page_ground()
    for text, shifted, slot, box, zone in main_keys():
        key(img, box, text, shifted, zone)
    for i in range(3):
        _page_button(img, i, "normal")
    return img


@cached
def pad_ground():
    img = Image.new("RGB", (PAD_W, PAD_H))
    vgradient(img, (0, 0, PAD_W, PAD_H), (240, 248, 246), (222, 238, 236))
    d = ImageDraw.Draw(img)
    d.rounded_rectangle((0, 0, PAD_W - 1, PAD_H - 1), radius=8, outline=TEAL)
    label(img, (PAD_W / 2, 7), "数字键盘", size=9, fill=TEAL_DARK)
    return img


@cached
def pad():
    img = pad_ground()
    for text, shifted, slot, box, zone in pad_keys():
        key(img, box, text, shifted, zone)
    return img


@bitmap("jw", PAGE_W, PAGE_H)
def keys_page(img):
    return page()


@bitmap("jp2", PAD_W, PAD_H)
def keypad(img):
    return pad()


def _register_key(text, shifted, slot, box, zone, ground):
    x, y, w, h = box

    @bitmap(f"mychar{slot}", w, h)
    def lit(img):
        part = crop_of(ground(), box)
        key(part, (0, 0, w, h), text, shifted, zone, lit=True)
        return part

    @bitmap(f"mycharwrong{slot}", w, h)
    def wrong(img):
        part = crop_of(ground(), box)
        key(part, (0, 0, w, h), text, shifted, zone, wrong=True)
        return part


for _k in main_keys():
    if _k[2] is not None:
        _register_key(*_k, page_ground)
for _k in pad_keys():
    if _k[2] is not None:
        _register_key(*_k, pad_ground)


def _register_button(index):
    box = BUTTONS[index][0]
    for number, look in ((2 * index + 1, "hover"), (2 * index + 2, "pressed")):
        _register_button_look(index, number, look, box)


def _register_button_look(index, number, look, box):
    x, y, w, h = box

    @bitmap(f"mycharchar{number}", w, h)
    def draw(img):
        part = crop_of(page_ground(), box)
        _page_button(part, index, look, x, y)
        return part


for _i in range(3):
    _register_button(_i)


def _register_miss(i):
    x, y, w, h = MISS[i]

    @bitmap(f"mycharku{i}", w, h)
    def miss(img):
        part = crop_of(page_ground(), MISS[i])
        col = mix(ACCENT, RED, i / 9)
        smooth(part, (1, 1, w - 1, h - 1),
               lambda big, b: ImageDraw.Draw(big).ellipse(b, fill=col, outline=mix(col, INK, 0.3),
                                                          width=SS))
        icon(part, "cross", (5, 5, w - 5, h - 5), color=WHITE)
        return part


for _i in range(10):
    _register_miss(_i)


SOURCE_BOX = (37, 16, 563, 24)      # RichText_Char_Source: 555, 240, 8445 x 360
USER_BOX = (37, 40, 564, 23)        # RichText_Char_User: 555, 600, 8460 x 345


@bitmap("wd", INPUT_W, INPUT_H)
def line_panel(img):
    mist(img, top=(244, 250, 248), bottom=(220, 238, 236))
    d = ImageDraw.Draw(img)
    d.rectangle((0, 0, INPUT_W - 1, INPUT_H - 1), outline=TEAL_LIGHT)
    label(img, (19, 28), "范文", size=11, fill=TEAL_DARK)
    label(img, (19, 51), "输入", size=11, fill=ACCENT)
    for box in (SOURCE_BOX, USER_BOX):
        control_well(img, box)
    icon(img, "pen", (606, 20, 626, 40), color=TEAL)
    label(img, (40, 76), "照着上面一行再打一遍，行末按回车键换到下一行", size=11, fill=TEAL,
          anchor="lm")


def _check_slots():
    """The drawing must put every key-table slot on the key that types its characters: the
    highlight "mychar" + slot is laid over that key."""
    table = {n: (chr(97 + n), chr(65 + n)) for n in range(26)}
    table.update({27: (";", ":"), 28: (",", "<"), 29: (".", ">"), 30: ("/", "?"), 40: ("`", "~"),
                  51: ("-", "_"), 52: ("=", "+"), 54: ("\\", "|"), 55: ("'", "\""), 56: ("[", "{"),
                  57: ("]", "}")})
    table.update({41 + i: (str((i + 1) % 10), "!@#$%^&*()"[i]) for i in range(10)})
    table.update({58 + i: (str(i), None) for i in range(10)})
    table.update({68: ("/", None), 69: ("*", None), 70: ("-", None), 71: ("+", None), 73: (".", None)})
    named = {26: "空格", 31: "Enter", 32: "Tab", 53: "←", 72: "Enter"}
    slots = set()
    for text, shifted, slot, _, _ in main_keys() + pad_keys():
        if slot is None:
            continue
        slots.add(slot)
        if slot in named:
            ok = text == named[slot]
        elif slot < 26:
            ok = text == table[slot][1]
        else:
            ok = (text, shifted) == table[slot]
        if not ok:
            raise ValueError(f"key slot {slot} drawn as {text!r}")
    if slots != set(range(33)) | set(range(40, 74)):
        raise ValueError("key slots drawn: " + str(sorted(slots)))


_check_slots()
