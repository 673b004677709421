#!/usr/bin/env python3
"""Checks the shipped article files of the article course.

Usage: check_articles.py [PROGRAM_DATA_DIR]   (default: data/quillon next to this script)

Every category folder 0 to 5 of English\\Article and Chinese\\Article must hold 1.txt, 2.txt ...
without gaps (at least MIN_ARTICLES) and nothing else. Every file is code page 936 with CR LF
line ends. English articles use only characters of the main keyboard's key table, lines of at
most MAX_LINE_CHARS characters and MIN_ENGLISH to MAX_ENGLISH characters; Chinese articles use
full-width punctuation only (no single-byte character at all), characters the GB2312 input
methods can type, and MIN_CHINESE to MAX_CHINESE characters. Prints each fault; exit code 1
when there is any.
"""
import pathlib
import re
import string
import sys

CATEGORIES = range(6)
MIN_ARTICLES = 4
MAX_LINE_CHARS = 399
MIN_ENGLISH, MAX_ENGLISH = 600, 2500
MIN_CHINESE, MAX_CHINESE = 200, 800
MAX_TEXT_LENGTH = 32767
CODE_PAGE = "gbk"
ARTICLE_NAME = re.compile(r"^([1-9][0-9]*)\.txt$")

# Characters of the key table's main-keyboard slots (letters, digits and the signs with and
# without Shift, the space); Enter is the line break and Tab is kept out of articles.
KEY_TABLE_CHARS = set(string.ascii_letters + string.digits + " ;:,<.>/?`~!@#$%^&*()-_=+\\|'\"[{]}")


def in_gb2312_area(char):
    """True when the character's double-byte code lies in the GB2312 rows of code page 936
    (lead and trail byte 0xA1 to 0xFE), the characters every Chinese input method types."""
    code = char.encode(CODE_PAGE)
    return len(code) == 2 and 0xA1 <= code[0] <= 0xF7 and 0xA1 <= code[1] <= 0xFE


def reader_length(lines):
    """Number of expected characters the article reader gives: every character, each inner
    line break as CR and LF, the final line break not counted."""
    return sum(len(line) for line in lines) + 2 * (len(lines) - 1)


def read_text(path, fault):
    """The file's text in code page 936, or None when it cannot be decoded; reports a text that
    does not round-trip, a byte order mark and a missing final CR LF through fault."""
    raw = path.read_bytes()
    if not raw:
        fault("empty file")
        return None
    try:
        text = raw.decode(CODE_PAGE, errors="strict")
    except UnicodeDecodeError as error:
        fault(f"not code page 936: {error}")
        return None
    if text.encode(CODE_PAGE) != raw:
        fault("does not round-trip through code page 936")
    if text.startswith("\ufeff"):
        fault("byte order mark")
    if not text.endswith("\r\n"):
        fault("does not end with CR LF")
    return text


def check_file(path, language, faults):
    def fault(text):
        faults.append(f"{path}: {text}")

    text = read_text(path, fault)
    if text is None:
        return
    if re.search(r"\r(?!\n)", text) or re.search(r"(?<!\r)\n", text):
        fault("line end other than CR LF")
    body = text[:-2] if text.endswith("\r\n") else text
    lines = body.split("\r\n")
    if not lines[0].strip():
        fault("first line empty")
    if body.endswith("\r\n"):
        fault("ends with an empty line")
    for number, line in enumerate(lines, 1):
        if len(line) > MAX_LINE_CHARS:
            fault(f"line {number} has {len(line)} characters (at most {MAX_LINE_CHARS})")
        if line != line.rstrip() or line != line.lstrip(" \u3000"):
            fault(f"line {number} starts or ends with white space")
        for char in line:
            if language == "English":
                if char not in KEY_TABLE_CHARS:
                    fault(f"line {number}: {char!r} is not on the key table")
            else:
                if ord(char) < 0x80:
                    fault(f"line {number}: single-byte character {char!r}")
                elif char == "\u3000":
                    fault(f"line {number}: full-width space (input methods type it only in full-width mode)")
                elif not in_gb2312_area(char):
                    fault(f"line {number}: {char!r} is outside the GB2312 area of the code page")
        if language == "English" and "  " in line:
            fault(f"line {number} has a double space")
    chars = sum(len(line) for line in lines)
    length = reader_length(lines)
    low, high = (MIN_ENGLISH, MAX_ENGLISH) if language == "English" else (MIN_CHINESE, MAX_CHINESE)
    if chars < low or length > high:
        fault(f"{chars} characters ({length} with line breaks), wanted {low} to {high}")
    if length > MAX_TEXT_LENGTH:
        fault(f"{length} characters exceed the 16-bit positions")


def main():
    root = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else \
        pathlib.Path(__file__).resolve().parent.parent / "quillon"
    faults = []
    checked = 0
    for language in ("English", "Chinese"):
        article_dir = root / language / "Article"
        for category in CATEGORIES:
            folder = article_dir / str(category)
            if not folder.is_dir():
                faults.append(f"{folder}: missing category folder")
                continue
            numbers = []
            for entry in folder.iterdir():
                match = ARTICLE_NAME.match(entry.name)
                if not match or not entry.is_file():
                    faults.append(f"{entry}: not an article file")
                    continue
                numbers.append(int(match.group(1)))
            numbers.sort()
            if numbers != list(range(1, len(numbers) + 1)):
                faults.append(f"{folder}: articles {numbers} are not 1 to n without gaps")
            if len(numbers) < MIN_ARTICLES:
                faults.append(f"{folder}: {len(numbers)} articles, at least {MIN_ARTICLES} wanted")
            for number in numbers:
                check_file(folder / f"{number}.txt", language, faults)
                checked += 1
        extra = sorted(p.name for p in article_dir.iterdir()
                       if p.name not in {str(c) for c in CATEGORIES}) if article_dir.is_dir() else []
        for name in extra:
            faults.append(f"{article_dir / name}: not a category folder")
    for text in faults:
        print(text)
    print(f"{checked} articles checked, {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
