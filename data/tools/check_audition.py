#!/usr/bin/env python3
"""Checks the shipped texts of the dictation course.

Usage: check_audition.py [PROGRAM_DATA_DIR [SOURCE_DIR]]
       (defaults: data/quillon and data/audition next to this folder)

English\\Audition and Chinese\\Audition must each hold t1.txt, t2.txt ... without gaps (at least
MIN_LESSONS) and no other text. Every text is code page 936, one line ended by CR LF, no byte
order mark, no white space at either end. English texts are printable ASCII on the main
keyboard's key table without double spaces, MIN_ENGLISH to MAX_ENGLISH characters; Chinese texts
have no single-byte character (full-width punctuation), no full-width space, only characters of
the GB2312 area, MIN_CHINESE to MAX_CHINESE characters. Easier first: no text is shorter than
the one before it. When SOURCE_DIR holds <language>.txt, the texts must be its lessons as
encode_audition.py writes them. Recordings (s<n>.wav) are build output and not looked at here.
Prints each fault; exit code 1 when there is any.
"""
import pathlib
import re
import sys

from check_articles import KEY_TABLE_CHARS, in_gb2312_area, read_text
from encode_audition import LANGUAGES, lessons

MIN_LESSONS = 8
MIN_ENGLISH, MAX_ENGLISH = 150, 400
MIN_CHINESE, MAX_CHINESE = 50, 150
TEXT_NAME = re.compile(r"^t([1-9][0-9]*)\.txt$")


def check_text(path, language, faults):
    """Checks one text file; returns its text (without the line end) or None when unreadable."""
    def fault(text):
        faults.append(f"{path}: {text}")

    text = read_text(path, fault)
    if text is None:
        return None
    line = text[:-2] if text.endswith("\r\n") else text
    if "\r" in line or "\n" in line:
        fault("more than one line (a dictation text is one line)")
    if not line or line != line.strip(" \t\u3000"):
        fault("empty, or white space at either end")
    for char in sorted(set(line) - {"\r", "\n"}):
        if language == "English":
            if char not in KEY_TABLE_CHARS:
                fault(f"{char!r} is not on the key table")
        elif ord(char) < 0x80:
            fault(f"single-byte character {char!r}")
        elif char == "\u3000":
            fault("full-width space")
        elif not in_gb2312_area(char):
            fault(f"{char!r} is outside the GB2312 area of the code page")
    if language == "English" and "  " in line:
        fault("double space")
    low, high = (MIN_ENGLISH, MAX_ENGLISH) if language == "English" else (MIN_CHINESE, MAX_CHINESE)
    if not low <= len(line) <= high:
        fault(f"{len(line)} characters, wanted {low} to {high}")
    return line


def check_language(root, source, language, faults):
    folder = root / language / "Audition"
    if not folder.is_dir():
        faults.append(f"{folder}: missing")
        return 0
    numbers = sorted(int(m.group(1)) for m in (TEXT_NAME.match(p.name) for p in folder.iterdir())
                     if m)
    others = [p.name for p in folder.iterdir()
              if p.suffix.lower() == ".txt" and not TEXT_NAME.match(p.name)]
    for name in others:
        faults.append(f"{folder / name}: not a lesson text (t<n>.txt)")
    if numbers != list(range(1, len(numbers) + 1)):
        faults.append(f"{folder}: lessons {numbers} are not 1 to n without gaps")
    if len(numbers) < MIN_LESSONS:
        faults.append(f"{folder}: {len(numbers)} lessons, at least {MIN_LESSONS} wanted")
    texts = [check_text(folder / f"t{n}.txt", language, faults) for n in numbers]
    for n in range(1, len(texts)):
        if texts[n - 1] is not None and texts[n] is not None and len(texts[n]) < len(texts[n - 1]):
            faults.append(f"{folder / f't{n + 1}.txt'}: shorter than the lesson before it "
                          f"(easier lessons come first)")
    source_file = source / f"{language}.txt"
    if source_file.is_file() and texts != lessons(source_file):
        faults.append(f"{folder}: the texts differ from {source_file} "
                      f"(run data/tools/encode_audition.py)")
    return len(numbers)


def main():
    here = pathlib.Path(__file__).resolve().parent.parent
    root = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else here / "quillon"
    source = pathlib.Path(sys.argv[2]) if len(sys.argv) > 2 else here / "audition"
    faults = []
    checked = sum(check_language(root, source, language, faults) for language in LANGUAGES)
    for text in faults:
        print(text)
    print(f"{checked} dictation texts checked, {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
