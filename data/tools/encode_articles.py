#!/usr/bin/env python3
"""Turns UTF-8 article drafts into the shipped article files.

Usage: encode_articles.py SOURCE_DIR [PROGRAM_DATA_DIR]

SOURCE_DIR holds English/<c>/<n>.txt and Chinese/<c>/<n>.txt in UTF-8, one paragraph or
verse line per line. English paragraphs longer than WRAP_WIDTH are wrapped at word
boundaries so that each line fits the article boxes, except in the poems category, whose
verse lines stay whole; Chinese lines are kept as written.
The result goes to PROGRAM_DATA_DIR (default: data/quillon next to this script) as
code page 936 text with CR LF line ends and a final line break.
"""
import pathlib
import sys
import textwrap

WRAP_WIDTH = 60
POEMS_CATEGORY = "2"
CODE_PAGE = "gbk"


def english_lines(text, category):
    lines = []
    for line in text.splitlines():
        line = line.rstrip()
        if len(line) <= WRAP_WIDTH or category == POEMS_CATEGORY:
            lines.append(line)
        else:
            lines.extend(textwrap.wrap(line, WRAP_WIDTH, break_long_words=False,
                                       break_on_hyphens=False))
    return lines


def chinese_lines(text, category):
    return [line.rstrip() for line in text.splitlines()]


def main():
    source = pathlib.Path(sys.argv[1])
    target = pathlib.Path(sys.argv[2]) if len(sys.argv) > 2 else \
        pathlib.Path(__file__).resolve().parent.parent / "quillon"
    for language, split in (("English", english_lines), ("Chinese", chinese_lines)):
        for draft in sorted((source / language).glob("*/*.txt")):
            lines = split(draft.read_text(encoding="utf-8"), draft.parent.name)
            while lines and not lines[-1]:
                lines.pop()
            body = "\r\n".join(lines) + "\r\n"
            out = target / language / "Article" / draft.parent.name / draft.name
            out.parent.mkdir(parents=True, exist_ok=True)
            out.write_bytes(body.encode(CODE_PAGE))  # strict: a character outside 936 fails
    return 0


if __name__ == "__main__":
    sys.exit(main())
