"""The English words page "dc": the word, its explanation and the typing box above the same
keyboard as the keys page, so that the key highlights "mychar" + slot fit its keys too."""

from artkit import ACCENT, INK, TEAL, TEAL_DARK, card, control_well, label, well
from registry import bitmap
from sets.keyboard import (PAD_H, PAD_POS, PAD_W, PAGE_H, PAGE_W, bar_groove, finger_legend, key,
                           keyboard_ground, main_keys, title)

WORD_CAPTION = (12, 97, 310, 22)       # Label_Word_Course_Name
WORD_SPEED = (372, 106, 242, 3)        # Label_Word_Speed (design width 3630 twips)
WORD_BOX = (50, 10, 190, 26)           # RichText_Source_Word
INPUT_BOX = (50, 46, 190, 26)          # RichText_Input_Word
EXPLAIN_BOX = (290, 10, 200, 62)       # RichText_Source_Word_Explain
WORD_TIME = (503, 160, 110, 20)        # Label_Word_Time_Info
WORD_NUM = (503, 212, 110, 20)         # Label_Word_Num


@bitmap("dc", PAGE_W, PAGE_H)          # Picture_BG(9): 9465 x 5535 twips
def words_page(img):
    img = keyboard_ground(WORD_CAPTION)
    card(img, (6, 5, 624, 81))
    for cap, box, color in (("单词", WORD_BOX, TEAL_DARK), ("输入", INPUT_BOX, ACCENT)):
        label(img, (14, box[1] + box[3] / 2), cap, size=12, fill=color, anchor="lm")
        control_well(img, box)
    label(img, (254, EXPLAIN_BOX[1] + 12), "释义", size=12, fill=TEAL_DARK, anchor="lm")
    control_well(img, EXPLAIN_BOX)
    title(img, 500, 12, "单词练习", "看词·打词·记词")
    label(img, (333, 108), "速度", size=12, fill=TEAL_DARK, anchor="lm")
    bar_groove(img, WORD_SPEED)
    px, py = PAD_POS
    card(img, (px, py, px + PAD_W - 1, py + PAD_H - 1), fill=(250, 253, 250), radius=10)
    for cap, box in (("用时", WORD_TIME), ("已学单词", WORD_NUM)):
        x, y, w, h = box
        label(img, (x, y - 12), cap, size=12, fill=TEAL_DARK, anchor="lm")
        well(img, (x - 2, y - 1, x + w + 1, y + h))
    label(img, (px + PAD_W / 2, py + 128), "打完一个单词", size=11, fill=INK)
    label(img, (px + PAD_W / 2, py + 146), "按回车键继续", size=11, fill=TEAL)
    for text, shifted, slot, box, zone in main_keys():
        key(img, box, text, shifted, zone)
    finger_legend(img)
    return img
