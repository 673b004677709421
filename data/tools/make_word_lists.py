#!/usr/bin/env python3
"""Derives the eight English word lists (English\\Word\\0.txt to 7.txt) from the exam
vocabularies of KyleBing/english-vocabulary (BSD 3-Clause licence, kept beside the lists as
English\\Word\\License.txt).

Usage: make_word_lists.py SOURCE [PROGRAM_DATA_DIR]

SOURCE is the folder json_original/json-simple of that repository, or the repository itself
(a work tree, or a git directory: its files are then read with `git show <commit>:<path>`).
The lists were made from commit 8899d7e228134213a823ab52cce702d636f906e2 of
https://github.com/KyleBing/english-vocabulary, fetched as a snapshot of the public repository
(`git clone https://github.com/KyleBing/english-vocabulary` gives the same files); the build does
not run this script, the derived lists are committed. PROGRAM_DATA_DIR defaults to data/quillon
next to this script.

Each word goes to one list only, the first list whose books hold it (a word is taught once):

  0 新版小学英语           the primary-school textbooks (PEP, grades 3 to 6), in textbook order
  1 新版初中英语           the junior-high books
  2 新版高中英语           the senior-high books
  3 大学英语1~4级常用词汇  the CET-4 book, then the postgraduate-entrance, TEM-4 and IELTS books
  4 大学英语5~6级常用词汇  the CET-6 book, then the TEM-8, IELTS, postgraduate and TOEFL books
  5 GRE词汇进阶            the GRE and SAT books
  6 新编GMAT词汇           the GMAT and BEC books
  7 托福600分单词          the TOEFL books

Lists 2 to 4 stop at a number of words (LISTS) so that the higher lists keep words of their
own. Lists 5 to 7 share their books' words: a word of several of their books goes to the one
with the fewest words so far, and the GMAT and TOEFL lists are made up to SHARED_LEAST with GRE
words that no other book holds. List 0 keeps the textbooks' order, lists 1 to 7 are in
alphabetical order.

Every line is the word (lower case; letters, and a hyphen or apostrophe inside), "#" and the
explanation: the parts of speech with their senses, in code page 936, lower-cased, at most
MAX_EXPLANATION_BYTES bytes so that the practice's explanation box shows it whole. Characters
outside the GB2312 rows of code page 936 are replaced by their plain form where there is one;
a sense that still holds one is left out, and an entry left with no sense is left out.
"""
import json
import pathlib
import re
import subprocess
import sys
import unicodedata

SOURCE_COMMIT = "8899d7e228134213a823ab52cce702d636f906e2"
SIMPLE_DIR = "json_original/json-simple"
CODE_PAGE = "gbk"
MAX_EXPLANATION_BYTES = 44
WORD_FORM = re.compile(r"^[a-z][a-z'-]*$")

# The books of each list, in the order they fill it (a name is a file of json-simple), and the
# most words the list takes (None: all its books give).
LISTS = [
    (["PEPXiaoXue%d_%d" % (grade, term) for grade in range(3, 7) for term in (1, 2)], None),
    (["PEPChuZhong7_1", "PEPChuZhong7_2", "PEPChuZhong8_1", "PEPChuZhong8_2", "PEPChuZhong9_1",
      "ChuZhong_2", "ChuZhong_3"] + ["WaiYanSheChuZhong_%d" % n for n in range(1, 7)], None),
    (["GaoZhong_2", "GaoZhong_3"] + ["PEPGaoZhong_%d" % n for n in range(1, 12)] +
     ["BeiShiGaoZhong_%d" % n for n in range(1, 12)], 3050),
    (["CET4_1", "CET4_2", "CET4_3", "KaoYan_1", "KaoYan_2", "KaoYan_3", "Level4_1", "Level4_2",
      "IELTS_2", "IELTS_3"], 4050),
    (["CET6_1", "CET6_2", "CET6_3", "Level8_1", "IELTS_2", "IELTS_3", "KaoYan_1", "KaoYan_2",
      "KaoYan_3", "Level4_1", "Level4_2", "TOEFL_2", "TOEFL_3"], 2050),
    (["GRE_2", "GRE_3", "SAT_2", "SAT_3"], None),
    (["GMAT_2", "GMAT_3", "BEC_2", "BEC_3"], None),
    (["TOEFL_2", "TOEFL_3"], None),
]
# Lists 5 to 7 share the words of their books out among themselves; the GMAT and TOEFL lists
# make up what their own books leave them short of SHARED_LEAST with words of the GRE list's
# books that no other book holds, taken evenly across the alphabet.
SHARED_LISTS = (5, 6, 7)
SHARED_LEAST = 3100
GRE_LIST = 5
# Where an entry of the primary list has no parts of speech, its explanation is taken from
# the first of these books that gives them.
TYPED_BOOKS_FOR_PRIMARY = LISTS[1][0] + LISTS[2][0] + LISTS[3][0][:3]

# Plain forms for characters outside GB2312.
REPLACEMENTS = {
    "\u2019": "'", "\u2018": "'", "\u2013": "-", "\u2014": "－", "\u00a0": " ", "\u3000": " ",
    "\u2026": "…", "\u201c": "“", "\u201d": "”", "\u00b7": "·", "\u2022": "·", "\u30fb": "·",
    "\uff5e": "～", "\u2027": "·", "\u2002": " ", "\u2003": " ", "\u200b": "",
}
# Sense separators as the books write them; inside brackets they separate nothing.
SEPARATORS = "；;，,、"
OPENING, CLOSING = "（(", "）)"
TAG = re.compile(r"\[[^\]]*\]\s*|【[^】]*】\s*")
NAME_SENSE = re.compile(r"人名|男子名|女子名|男名|女名|姓氏|地名")


class Source:
    """The json-simple books, from a folder or from a git repository."""

    def __init__(self, path):
        self.path = pathlib.Path(path)
        self.git = None
        self.books = {}
        if (self.path / SIMPLE_DIR).is_dir():
            self.path = self.path / SIMPLE_DIR
        elif not any(self.path.glob("*.json")):
            self.git = self.path

    def book(self, name):
        if name not in self.books:
            self.books[name] = self.read(name)
        return self.books[name]

    def read(self, name):
        if self.git is None:
            text = (self.path / f"{name}.json").read_text(encoding="utf-8")
        else:
            text = subprocess.run(
                ["git", f"--git-dir={self.git}", "show", f"{SOURCE_COMMIT}:{SIMPLE_DIR}/{name}.json"],
                check=True, capture_output=True).stdout.decode("utf-8")
        return json.loads(text)


def in_gb2312(char):
    if ord(char) < 0x80:
        return 0x20 <= ord(char) < 0x7F
    try:
        code = char.encode(CODE_PAGE)
    except UnicodeEncodeError:
        return False
    return len(code) == 2 and 0xA1 <= code[0] <= 0xF7 and 0xA1 <= code[1] <= 0xFE


def plain(text):
    """The text with characters outside GB2312 replaced, or None when one has no plain form."""
    out = []
    for char in text:
        if not in_gb2312(char):
            char = REPLACEMENTS.get(char, char)
        if not all(in_gb2312(c) for c in char):
            folded = unicodedata.normalize("NFKD", char)
            folded = "".join(c for c in folded if not unicodedata.combining(c))
            if not folded or not all(in_gb2312(c) for c in folded):
                return None
            char = folded
        out.append(char)
    return "".join(out)


def split_senses(text):
    senses, current, depth = [], "", 0
    for char in text:
        if char in SEPARATORS and depth == 0:
            senses.append(current)
            current = ""
            continue
        depth += (char in OPENING) - (char in CLOSING and depth > 0)
        current += char
    return senses + [current]


def senses_of(translation):
    """The senses of one translation, cleaned: no field tags, no name senses, no "#"."""
    text = TAG.sub("", translation).replace("#", "")
    text = re.sub(r"\s+", " ", text)
    senses = []
    for sense in split_senses(text):
        sense = sense.strip(" .。")
        if not sense or NAME_SENSE.search(sense):
            continue
        sense = plain(sense)
        if sense:
            senses.append(sense.lower())
    return senses


KIND_NAMES = {"a": "adj", "ad": "adv", "int": "interj", "inter": "interj", "intery": "interj",
              "interjection": "interj"}
KINDS = {"n", "v", "vt", "vi", "adj", "adv", "pron", "prep", "conj", "num", "interj", "abbr",
         "art", "aux", "modal", "det", "npl"}


def kind_of(entry_type):
    """The part-of-speech mark: "n. ", "vt.&n. " ... or "" when the source gives none."""
    kinds = re.sub(r"[^a-z&]", "", (entry_type or "").lower()).split("&")
    kinds = [KIND_NAMES.get(kind, kind) for kind in kinds]
    kinds = [kind for kind in kinds if kind in KINDS]
    return "&".join(f"{kind}." for kind in kinds) + " " if kinds else ""


def explanation(entry):
    """The explanation of a source entry within MAX_EXPLANATION_BYTES, or "" when nothing is
    left. Parts of speech in the source's order, each with as many senses as fit."""
    groups = []
    for translation in entry.get("translations") or []:
        senses = senses_of(translation.get("translation") or "")
        if senses:
            groups.append((kind_of(translation.get("type")), senses))
    text = ""
    for kind, senses in groups:
        part = ""
        for sense in senses:
            candidate = f"{part}；{sense}" if part else kind + sense
            whole = f"{text} {candidate}" if text else candidate
            if len(whole.encode(CODE_PAGE)) > MAX_EXPLANATION_BYTES:
                break
            part = candidate
        if not part:
            break
        text = f"{text} {part}" if text else part
    return text


def has_kind(entry):
    return any((t.get("type") or "").strip() for t in entry.get("translations") or [])


def load_books(source, names):
    """word -> first entry, in the books' order."""
    entries = {}
    for name in names:
        for entry in source.book(name):
            word = (entry.get("word") or "").strip().lower()
            if WORD_FORM.match(word) and word not in entries:
                entries[word] = entry
    return entries


def derive(source):
    taken = set()
    lists = [dict() for _ in LISTS]
    primary_types = load_books(source, TYPED_BOOKS_FOR_PRIMARY)

    def take(number, word, entry):
        if word in taken:
            return False
        if number == 0 and not has_kind(entry) and word in primary_types:
            entry = primary_types[word]
        text = explanation(entry)
        if not text:
            return False
        lists[number][word] = text
        taken.add(word)
        return True

    shared = {}
    for number, (books, most) in enumerate(LISTS):
        if number in SHARED_LISTS:
            for word, entry in load_books(source, books).items():
                shared.setdefault(word, {}).setdefault(number, entry)
            continue
        for word, entry in load_books(source, books).items():
            if most is not None and len(lists[number]) >= most:
                break
            take(number, word, entry)
    # A word of one list's books goes to that list, a word of several to the one of them with
    # the fewest words so far; the GRE list's own words come last.
    gre_only = sorted(w for w in shared if set(shared[w]) == {GRE_LIST} and w not in taken)
    for word in [w for w in shared if len(shared[w]) == 1 and set(shared[w]) != {GRE_LIST}]:
        (number, entry), = shared[word].items()
        take(number, word, entry)
    for word in sorted(w for w in shared if len(shared[w]) > 1):
        for number in sorted(shared[word], key=lambda n: (len(lists[n]), n)):
            if take(number, word, shared[word][number]):
                break
    short = {n: max(0, SHARED_LEAST - len(lists[n])) for n in SHARED_LISTS if n != GRE_LIST}
    wanted = sum(short.values())
    lent = set()
    if wanted:
        step = len(gre_only) / wanted
        lent = {gre_only[int(j * step)] for j in range(min(wanted, len(gre_only)))}
    for word in gre_only:
        number = GRE_LIST
        if word in lent:
            number = max(short, key=lambda n: (short[n], -n))
            short[number] -= 1
        take(number, word, shared[word][GRE_LIST])
    return [list(l.items()) if n == 0 else sorted(l.items()) for n, l in enumerate(lists)]


def list_bytes(entries):
    return "".join(f"{word}#{text}\r\n" for word, text in entries).encode(CODE_PAGE)


def main(argv):
    if len(argv) < 2:
        print(__doc__)
        return 2
    here = pathlib.Path(__file__).resolve().parent
    root = pathlib.Path(argv[2]) if len(argv) > 2 else here.parent / "quillon"
    folder = root / "English" / "Word"
    folder.mkdir(parents=True, exist_ok=True)
    for number, entries in enumerate(derive(Source(argv[1]))):
        (folder / f"{number}.txt").write_bytes(list_bytes(entries))
        print(f"{folder / f'{number}.txt'}: {len(entries)} words")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
