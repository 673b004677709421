#!/usr/bin/env python3
"""Checks the texts of the compare-text speed test (the program folder's Samples\\).

Usage: check_samples.py [SAMPLES_DIR]             checks the texts (default: data/quillon/Samples)
       check_samples.py --write DRAFT SAMPLES_DIR  writes one UTF-8 draft (one paragraph a line)
                                                   as a sample text, wrapped to the line limits

There must be at least MIN_TEXTS texts (*.txt), at least MIN_EACH_LANGUAGE English and as many
Chinese. Every text is code page 936 with CR LF line ends, a final line break and no empty line,
and holds at least MIN_CHARACTERS characters (what the test counts: a Chinese character is one)
so that it lasts a five-minute test. A line shows whole in the test's source boxes: at most
MAX_LINE_BYTES bytes of code page 936 (well inside the test's limit of 499 characters). English
texts use only characters of the main keyboard's key table; Chinese texts use full-width
punctuation (no single-byte character) and only characters of GB2312, which every Chinese input
method types. Prints each fault; exit code 1 when there is any.
"""
import pathlib
import sys
import textwrap

from check_articles import CODE_PAGE, KEY_TABLE_CHARS, in_gb2312_area, read_text

MIN_TEXTS = 12
MIN_EACH_LANGUAGE = 4
MIN_CHARACTERS = 1500
MAX_LINE_BYTES = 60
TEST_LINE_LIMIT = 499
# Chinese punctuation that never starts a line.
NO_LINE_START = set("，。、；：？！”’）》」』…—·")


def is_chinese(text):
    return any(ord(char) > 0x7F for char in text)


def check_text(path, faults):
    """Checks one text; returns "English" or "Chinese", or None when it cannot be read."""
    def fault(text):
        faults.append(f"{path}: {text}")

    text = read_text(path, fault)
    if text is None:
        return None
    lines = text.split("\r\n")[:-1] if text.endswith("\r\n") else text.split("\r\n")
    language = "Chinese" if is_chinese(text) else "English"
    characters = 0
    for number, line in enumerate(lines, 1):
        if "\r" in line or "\n" in line:
            fault(f"line {number}: a CR or LF that is not part of CR LF")
        if not line.strip():
            fault(f"line {number}: empty")
        characters += len(line)
        width = len(line.encode(CODE_PAGE, errors="replace"))
        if width > MAX_LINE_BYTES or len(line) > TEST_LINE_LIMIT:
            fault(f"line {number}: {width} bytes, more than {MAX_LINE_BYTES}")
        for char in line:
            if language == "English" and char not in KEY_TABLE_CHARS:
                fault(f"line {number}: {char!r} is not on the main keyboard")
            elif language == "Chinese" and not in_gb2312_area(char):
                fault(f"line {number}: {char!r} is not a double-byte GB2312 character")
    if characters < MIN_CHARACTERS:
        fault(f"{characters} characters, fewer than {MIN_CHARACTERS}")
    return language


def wrap(paragraph):
    """One paragraph as lines of at most MAX_LINE_BYTES bytes."""
    if not is_chinese(paragraph):
        return textwrap.wrap(paragraph, MAX_LINE_BYTES, break_long_words=False,
                             break_on_hyphens=False)
    lines, line = [], ""
    for char in paragraph:
        if len((line + char).encode(CODE_PAGE)) > MAX_LINE_BYTES:
            if char in NO_LINE_START:  # the line's last character goes down with it
                lines.append(line[:-1])
                line = line[-1]
            else:
                lines.append(line)
                line = ""
        line += char
    return lines + [line] if line else lines


def write(draft, folder):
    paragraphs = [p.strip() for p in pathlib.Path(draft).read_text(encoding="utf-8").splitlines()]
    lines = [line for p in paragraphs if p for line in wrap(p)]
    target = pathlib.Path(folder) / pathlib.Path(draft).name
    target.write_bytes("".join(line + "\r\n" for line in lines).encode(CODE_PAGE))
    return target


def main(argv):
    if len(argv) > 1 and argv[1] == "--write":
        if len(argv) != 4:
            print(__doc__)
            return 2
        print(write(argv[2], argv[3]))
        return 0
    folder = pathlib.Path(argv[1]) if len(argv) > 1 else \
        pathlib.Path(__file__).resolve().parent.parent / "quillon" / "Samples"
    faults = []
    texts = sorted(folder.glob("*.txt"))
    languages = [check_text(path, faults) for path in texts]
    if len(texts) < MIN_TEXTS:
        faults.append(f"{folder}: {len(texts)} texts, fewer than {MIN_TEXTS}")
    for language in ("English", "Chinese"):
        if languages.count(language) < MIN_EACH_LANGUAGE:
            faults.append(f"{folder}: {languages.count(language)} {language} texts, "
                          f"fewer than {MIN_EACH_LANGUAGE}")
    for line in faults:
        print(line)
    if not faults:
        print(f"{folder}: {len(texts)} texts hold every rule")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
