"""Builds the translation packages Lingvane ships into a "DIC" folder.

usage: make_packages.py DICDIR [WINEDIR]

notepad.lvd: the whole English interface of the notepad every Wine install has, with the
common dialogs it opens (open and save, font, find and replace, print, print and page set-up,
colours), paired at build time with the Simplified-Chinese texts of the same resources in the
installed notepad.exe and comdlg32.dll (the pairing tool of make_dicts.py), texts exactly as
shown, access keys and shortcuts kept. Where Wine's own Chinese reads poorly, CORRECTIONS
holds the better text; texts without a counterpart and texts the program makes at run time
(its title) are translated by hand in BY_HAND.
"""

import os
import sys

import make_dicts
import peres

WINE_DIRS = make_dicts.WINE_DIRS
ENGLISH, CHINESE = make_dicts.ENGLISH, make_dicts.CHINESE

# English text -> better Chinese than the installed resources give.
CORRECTIONS = {
    "Untitled": "无标题",
    "Unicode (UTF-16 big-endian)": "Unicode (UTF-16 大端序)",
    "Look &in:": "查找范围(&I):",
    "Up One Level": "向上一级",
    "Details": "详细信息",
    "Browse to Desktop": "转到桌面",
    "Ready": "就绪",
    "Navy": "深蓝色",
    "Teal": "蓝绿色",
    "Lime": "酸橙绿",
    "Fuchsia": "紫红色",
    "Aqua": "浅绿色",
    "Condensed": "紧缩",
    "Unreadable Entry": "无法识别的输入",
    "Paper problem; ": "纸张故障；",
    "Warming up; ": "正在预热；",
    "Page punt; ": "页面溢出；",
    "Out of memory; ": "内存不足；",
    "&Color:": "颜色(&C):",
    "Type:": "类型:",
    "Setup Page": "页面设置",
    # Access keys as in the English dialogs.
    "&Pages": "页数(&P)",
    "L&andscape": "横向(&A)",
    "Please verify that the correct file name was given": "请检查给出的文件名是否正确",
}

# Texts with no counterpart in the resources, or made by the program as it runs.
BY_HAND = [
    ("Untitled - Notepad", "无标题 - 记事本"),
    ("Notepad", "记事本"),
    ("&Save", "保存(&S)"),
    ("Save &in:", "保存在(&I):"),
    ("Save As", "另存为"),
    ("&Yes", "是(&Y)"),
    ("&No", "否(&N)"),
    ("Yes", "是"),
    ("No", "否"),
    ("OK", "确定"),
    ("Cancel", "取消"),
    ("Help", "帮助"),
    ("Text Documents (*.txt)", "文本文档 (*.txt)"),
    ("All Files (*.*)", "所有文件 (*.*)"),
    ("Encoding:", "编码:"),
]


def find_file(name, dirs):
    for d in dirs:
        path = os.path.join(d, name)
        if os.path.exists(path):
            return path
    raise SystemExit("make_packages.py: Wine's %s is not installed (run scripts/setup)" % name)


def notepad_pairs(dirs):
    pairs, missing = [], []
    for name in ("notepad.exe", "comdlg32.dll"):
        path = find_file(name, dirs)
        p, m = make_dicts.pairs_from_resources(peres.interface_texts(path, ENGLISH),
                                               peres.interface_texts(path, CHINESE))
        pairs += p
        missing += m
    out, seen = [], set()
    for en, zh in pairs + BY_HAND:
        zh = CORRECTIONS.get(en, zh)
        if en in seen or en == zh or not make_dicts.encodable(en + zh):
            continue
        seen.add(en)
        out.append((en, zh))
    return out, [m for m in missing if m not in seen]


def main(dic, wine_dir=None):
    os.makedirs(dic, exist_ok=True)
    pairs, _ = notepad_pairs([wine_dir] if wine_dir else WINE_DIRS)
    make_dicts.write_lvd(os.path.join(dic, "notepad.lvd"), pairs)


if __name__ == "__main__":
    if len(sys.argv) > 2 and sys.argv[2] == "--list":
        pairs, missing = notepad_pairs(WINE_DIRS)
        for en, zh in pairs:
            print("%r\t%r" % (en, zh))
        print("without a counterpart:", missing)
    else:
        main(*sys.argv[1:])
