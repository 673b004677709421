#!/usr/bin/env python3
"""Writes and checks the frog game's eight word lists, QLGame\\Frog\\0.txt to 7.txt.

usage: check_frog_words.py [FOLDER]          checks the lists in FOLDER
       check_frog_words.py --write [FOLDER]  arranges the source words into games and writes them

FOLDER defaults to data/quillon/QLGame/Frog beside this script's folder. The words themselves
are written in frog_word_source.py.

A game takes 35 words: five frogs of seven words each; a frog's first word stands on the far
bank, its words 2 to 7 on boats 1 to 6, and boats (1, 2), (3, 4), (5, 6) form the three rows of
the river. The player chooses a boat by the first letter of its word, so the two words of a row
start with different letters. The writer keeps each list's own order of games but shuffles the
words (the same way every time) so that a game mixes the list's themes, and places them so that
this rule holds. One frog's seven words make one line: fields separated by commas, CR LF line
ends.

Checked in every list: the file exists and is plain ASCII (code page 936), CR LF line ends with
a final one, no empty field or line, no white space; every word lower case letters only, MIN_LEN
to MAX_LEN long, once in its list; a whole number of games and at least MIN_WORDS words; the row
rule in every game; under MAX_BYTES bytes (the game keeps file positions as 16-bit values).
Without --write the lists must also be exactly what the source gives, so that an edit of the
source is not forgotten. Prints each fault; exit status 1 when there is any.
"""

import os
import random
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from frog_word_source import LISTS  # noqa: E402

LESSONS = range(8)
FROGS = 5
WORDS_PER_FROG = 7               # the far-bank word, then boats 1 to 6
GAME = FROGS * WORDS_PER_FROG    # 35
ROWS = ((1, 2), (3, 4), (5, 6))  # positions of the two boat words of each row within a frog
MIN_WORDS = 20
MIN_LEN, MAX_LEN = 2, 10
MAX_BYTES = 32767
LINE_END = b"\r\n"
DEFAULT_FOLDER = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))),
                              "quillon", "QLGame", "Frog")


def row_faults(frog_words):
    """The rows of one frog's seven words whose two boat words start with the same letter."""
    return [(a, b) for a, b in ROWS if frog_words[a][:1] == frog_words[b][:1]]


def arrange(words, seed):
    """The words in game order: shuffled with a fixed seed, then laid into the slots one by one,
    each second boat word of a row taking the first word left whose first letter differs from its
    partner's. Returns None when no such word is left (another seed is tried then)."""
    pool = list(words)
    random.Random(seed).shuffle(pool)
    placed = []
    while pool:
        slot = len(placed) % WORDS_PER_FROG
        partner = next((a for a, b in ROWS if b == slot), None)
        pick = 0
        if partner is not None:
            letter = placed[len(placed) - slot + partner][0]
            pick = next((i for i, w in enumerate(pool) if w[0] != letter), None)
            if pick is None:
                return None
        placed.append(pool.pop(pick))
    return placed


def game_words(lesson):
    name, text = LISTS[lesson]
    words = text.split()
    for attempt in range(100):
        placed = arrange(words, lesson * 1000 + attempt)
        if placed is not None and all(not row_faults(placed[i:i + WORDS_PER_FROG])
                                      for i in range(0, len(placed), WORDS_PER_FROG)):
            return placed
    raise SystemExit(f"list {lesson} ({name}): no arrangement keeps the row rule")


def file_bytes(words):
    lines = [",".join(words[i:i + WORDS_PER_FROG]) for i in range(0, len(words), WORDS_PER_FROG)]
    return "".join(line + "\r\n" for line in lines).encode("ascii")


def problems(data):
    """Every rule the game relies on, for the bytes of one list."""
    found = []
    if len(data) >= MAX_BYTES:
        found.append(f"{len(data)} bytes, the game reads at most {MAX_BYTES - 1}")
    if any(b > 127 for b in data):
        found.append("a byte outside plain ASCII")
    if not data.endswith(LINE_END):
        found.append("the last line has no CR LF")
    lines = data.split(LINE_END)
    if lines and lines[-1] == b"":
        lines.pop()
    words = []
    for number, line in enumerate(lines, 1):
        if b"\r" in line or b"\n" in line:
            found.append(f"line {number}: a lone CR or LF")
        fields = line.split(b",")
        for field in fields:
            word = field.decode("ascii", "replace")
            if not word:
                found.append(f"line {number}: an empty field")
            elif not (word.isascii() and word.isalpha() and word.islower()):
                found.append(f"line {number}: {word!r} is not a lower-case word")
            elif not MIN_LEN <= len(word) <= MAX_LEN:
                found.append(f"line {number}: {word!r} has {len(word)} letters, "
                             f"wanted {MIN_LEN} to {MAX_LEN}")
            words.append(word)
    if len(words) < MIN_WORDS or len(words) % GAME:
        found.append(f"{len(words)} words: not a whole number of games of {GAME} "
                     f"(at least {MIN_WORDS} words)")
    seen = set()
    for word in words:
        if word in seen:
            found.append(f"{word!r} twice")
        seen.add(word)
    for start in range(0, len(words) - WORDS_PER_FROG + 1, WORDS_PER_FROG):
        frog = words[start:start + WORDS_PER_FROG]
        for a, b in row_faults(frog):
            found.append(f"game {start // GAME + 1}, frog {start % GAME // WORDS_PER_FROG + 1}: "
                         f"boats {a} and {b} both start with {frog[a][:1]!r} "
                         f"({frog[a]}, {frog[b]})")
    return found


def main(argv):
    write = "--write" in argv
    args = [a for a in argv if a != "--write"]
    folder = args[0] if args else DEFAULT_FOLDER
    faults = 0
    for lesson in LESSONS:
        path = os.path.join(folder, f"{lesson}.txt")
        wanted = file_bytes(game_words(lesson))
        for p in problems(wanted):
            print(f"source list {lesson}: {p}")
            faults += 1
        if write:
            os.makedirs(folder, exist_ok=True)
            with open(path, "wb") as f:
                f.write(wanted)
            continue
        if not os.path.isfile(path):
            print(f"{path}: missing")
            faults += 1
            continue
        with open(path, "rb") as f:
            data = f.read()
        for p in problems(data):
            print(f"{path}: {p}")
            faults += 1
        if data != wanted:
            print(f"{path}: differs from frog_word_source.py (run check_frog_words.py --write)")
            faults += 1
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
