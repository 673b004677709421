#!/usr/bin/env python3
"""Checks the Wubi practice's code table in a built program folder.

Usage: check_wubi_table.py PROGRAM_DIR [IBUS_TABLE_DB]

Chinese\\Wubi\\Wbx.dic must be code page 936 with CR LF line ends, one line a character: the
character (double-byte) followed by one to four lower-case code letters, not starting with "z",
each character once. Every one of the 6,763 GB2312 characters has a line, and so has every
Chinese character of the texts the tutor ships (the Chinese articles and dictation texts, the
Wubi lesson, the police game's text). Its copyright note lies beside it.

Then the codes are compared with a second, independent Wubi 86 table, ibus-table-wubi's
Haifeng Wubi 86 (default IBUS_TABLE_DB): of the characters both tables give a full
(four-letter) code, at least MIN_AGREEMENT must have the same code. Prints each fault; exit
code 1 when there is any.
"""
import pathlib
import sqlite3
import sys

CODE_PAGE = "gbk"
LETTERS = set("abcdefghijklmnopqrstuvwxyz")
IBUS_TABLE = "/usr/share/ibus-table/tables/wubi-haifeng86.db"
MIN_AGREEMENT = 0.99
GB2312_CHARACTERS = 6763


def gb2312_characters():
    """The 6,763 characters of GB2312's rows 16 to 87 (rows 16 to 55 level one, 56 to 87 level
    two; row 55 ends at its 89th cell)."""
    out = []
    for lead in range(0xB0, 0xF8):
        for trail in range(0xA1, 0xFF):
            if lead == 0xD7 and trail > 0xF9:
                continue
            out.append(bytes([lead, trail]).decode(CODE_PAGE))
    return out


def is_chinese(char):
    return "\u3400" <= char <= "\u9fff" or "\uf900" <= char <= "\ufaff"


def read_table(path, faults):
    """{character: code}, with a fault for each line out of form."""
    def fault(text):
        faults.append(f"{path}: {text}")

    raw = path.read_bytes()
    codes = {}
    if not raw.endswith(b"\r\n"):
        fault("the last line does not end in CR LF")
    for number, line in enumerate(raw.split(b"\r\n")[:-1], 1):
        if b"\r" in line or b"\n" in line:
            fault(f"line {number}: a line end other than CR LF")
            continue
        try:
            text = line.decode(CODE_PAGE)
        except UnicodeDecodeError:
            fault(f"line {number}: not code page 936")
            continue
        char, code = text[:1], text[1:]
        if len(char.encode(CODE_PAGE)) != 2 or not 1 <= len(code) <= 4 or \
                not set(code) <= LETTERS or code.startswith("z"):
            fault(f"line {number}: {text!r} is not a character and a code of 1 to 4 letters")
            continue
        if char in codes:
            fault(f"line {number}: {char} has a line already")
            continue
        codes[char] = code
    return codes


def shipped_texts(program):
    chinese = program / "Chinese"
    return (sorted((chinese / "Article").glob("*/*.txt")) +
            sorted((chinese / "Audition").glob("t*.txt")) +
            [chinese / "Wubi" / "1.txt", program / "QLGame" / "Police" / "1.txt"])


def other_table_codes(db):
    """{character: set of four-letter codes} of an ibus table."""
    connection = sqlite3.connect(f"file:{db}?mode=ro", uri=True)
    out = {}
    for code, phrase in connection.execute("select tabkeys, phrase from phrases"):
        if len(phrase) == 1 and len(code) == 4 and not code.startswith("z"):
            out.setdefault(phrase, set()).add(code)
    connection.close()
    return out


def main(program, db=IBUS_TABLE):
    program = pathlib.Path(program)
    faults = []
    table = program / "Chinese" / "Wubi" / "Wbx.dic"
    if not table.exists():
        print(f"{table}: missing")
        return 1
    if not (table.parent / "Wbx-copyright.txt").exists():
        faults.append(f"{table.parent / 'Wbx-copyright.txt'}: missing")
    codes = read_table(table, faults)

    missing = [c for c in gb2312_characters() if c not in codes]
    if missing:
        faults.append(f"{table}: {len(missing)} GB2312 characters have no line, "
                      f"such as {''.join(missing[:20])}")

    for text in shipped_texts(program):
        if not text.exists():
            faults.append(f"{text}: missing")
            continue
        chars = {c for c in text.read_bytes().decode(CODE_PAGE) if is_chinese(c)}
        without = sorted(c for c in chars if c not in codes)
        if without:
            faults.append(f"{text}: no code for {''.join(without)}")

    if not pathlib.Path(db).exists():
        faults.append(f"{db} is missing: install Debian's ibus-table-wubi (scripts/setup does)")
    else:
        other = other_table_codes(db)
        both = [c for c in other if len(codes.get(c, "")) == 4]
        same = sum(1 for c in both if codes[c] in other[c])
        share = same / len(both) if both else 0
        if len(both) < GB2312_CHARACTERS or share < MIN_AGREEMENT:
            faults.append(f"{table}: {same} of {len(both)} full codes agree with {db} "
                          f"({share:.2%}, at least {MIN_AGREEMENT:.0%} wanted)")

    for f in faults:
        print(f)
    return 1 if faults else 0


if __name__ == "__main__":
    if len(sys.argv) not in (2, 3):
        sys.exit("usage: check_wubi_table.py PROGRAM_DIR [IBUS_TABLE_DB]")
    sys.exit(main(*sys.argv[1:]))
