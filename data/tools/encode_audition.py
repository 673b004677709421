#!/usr/bin/env python3
"""Turns the UTF-8 sources of the dictation lessons into the shipped text files.

Usage: encode_audition.py [SOURCE_DIR [PROGRAM_DATA_DIR]]

SOURCE_DIR (default: data/audition next to this folder) holds English.txt and Chinese.txt in
UTF-8, one lesson a line, in lesson order. Lesson n of a language becomes
PROGRAM_DATA_DIR/<language>/Audition/t<n>.txt (default PROGRAM_DATA_DIR: data/quillon): the
lesson as one line, code page 936, CR LF and a final line break. A dictation text is a single
line because a listener cannot hear where a line would break. Texts numbered past the last
lesson are removed, so the lessons stay numbered without gaps.
"""
import pathlib
import re
import sys

CODE_PAGE = "gbk"
LANGUAGES = ("English", "Chinese")
TEXT_NAME = re.compile(r"^t([1-9][0-9]*)\.txt$")


def lessons(source_file):
    """The lessons of a source file: its non-empty lines, white space at either end dropped."""
    return [line.strip() for line in source_file.read_text(encoding="utf-8").splitlines()
            if line.strip()]


def main():
    here = pathlib.Path(__file__).resolve().parent.parent
    source = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else here / "audition"
    target = pathlib.Path(sys.argv[2]) if len(sys.argv) > 2 else here / "quillon"
    for language in LANGUAGES:
        texts = lessons(source / f"{language}.txt")
        folder = target / language / "Audition"
        folder.mkdir(parents=True, exist_ok=True)
        for number, text in enumerate(texts, 1):
            # strict: a character outside code page 936 fails here
            (folder / f"t{number}.txt").write_bytes((text + "\r\n").encode(CODE_PAGE))
        for old in folder.iterdir():
            match = TEXT_NAME.match(old.name)
            if match and int(match.group(1)) > len(texts):
                old.unlink()
    return 0


if __name__ == "__main__":
    sys.exit(main())
