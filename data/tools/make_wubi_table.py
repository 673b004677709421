#!/usr/bin/env python3
"""Writes the Wubi practice's code table, Chinese\\Wubi\\Wbx.dic, from Debian's rime-data-wubi.

Usage: make_wubi_table.py OUTPUT_DIC [WUBI86_DICT_YAML]

One line for every single character of the Wubi 86 table that code page 936 can write: the
character followed directly by its full code, each line ended by CR LF, code page 936. The full
code is the longest code the table gives the character alone (at most four lower-case letters,
codes starting with "z" left out); among codes of that length the highest weight wins, then
the first in the table. The lines follow the code page's byte order, so each character's own
line is the first place it occurs. The package's copyright note is copied beside the table as
Wbx-copyright.txt (LGPL-3.0).
"""
import os
import re
import sys

WUBI86 = "/usr/share/rime-data/wubi86.dict.yaml"
COPYRIGHT = "/usr/share/doc/rime-data-wubi/copyright"
CODE_PAGE = "gbk"
CODE = re.compile(r"^[a-y][a-z]{0,3}$")


def die(text):
    sys.exit("make_wubi_table.py: " + text)


def entries(path):
    """(character, code, weight, order) for every single-character entry after the header."""
    with open(path, encoding="utf-8") as f:
        in_body = False
        for order, line in enumerate(f):
            line = line.rstrip("\n")
            if not in_body:
                in_body = line == "..."
                continue
            if not line or line.startswith("#"):
                continue
            columns = line.split("\t")
            if len(columns) < 2 or len(columns[0]) != 1:
                continue
            weight = 0
            if len(columns) > 2 and columns[2].strip():
                try:
                    weight = int(columns[2])
                except ValueError:
                    weight = 0
            yield columns[0], columns[1], weight, order


def full_codes(path):
    """{character: full code} over the characters code page 936 can write."""
    best = {}
    for char, code, weight, order in entries(path):
        if not CODE.match(code):
            continue
        try:
            char.encode(CODE_PAGE)
        except UnicodeEncodeError:
            continue
        if not (0x80 <= ord(char) and len(char.encode(CODE_PAGE)) == 2):
            continue
        key = (len(code), weight, -order)
        if char not in best or key > best[char][0]:
            best[char] = (key, code)
    return {char: code for char, (key, code) in best.items()}


def table_bytes(codes):
    lines = sorted((char.encode(CODE_PAGE), code) for char, code in codes.items())
    return b"".join(char + code.encode("ascii") + b"\r\n" for char, code in lines)


def write(path, data):
    with open(path, "wb") as f:
        f.write(data)


def main(output, source=WUBI86):
    if not os.path.exists(source):
        die(f"{source} is missing: install Debian's rime-data-wubi (scripts/setup does); "
            "the Wubi practice's code table is made from it")
    codes = full_codes(source)
    if len(codes) < 6763:
        die(f"{source} gives only {len(codes)} characters a full code")
    os.makedirs(os.path.dirname(output) or ".", exist_ok=True)
    write(output, table_bytes(codes))
    note = os.path.join(os.path.dirname(output) or ".", "Wbx-copyright.txt")
    if os.path.exists(COPYRIGHT):
        text = open(COPYRIGHT, encoding="utf-8").read()
        write(note, text.replace("\r\n", "\n").replace("\n", "\r\n")
                         .encode(CODE_PAGE, errors="replace"))
    else:
        die(f"{COPYRIGHT} is missing: reinstall Debian's rime-data-wubi")


if __name__ == "__main__":
    if len(sys.argv) not in (2, 3):
        die("usage: make_wubi_table.py OUTPUT_DIC [WUBI86_DICT_YAML]")
    main(*sys.argv[1:])
