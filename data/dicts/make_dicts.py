"""Builds Lingvane's professional dictionaries into a "lib" folder and lists them, none in use,
in its wbseclib.lst.

usage: make_dicts.py LIBDIR [WINEDIR]

The pairing tool: English texts paired with their Simplified-Chinese translations, cleaned
(access keys, shortcuts, trailing ellipses and colons go), then written in the dictionary file
layout of outside/include/dct_format.h. `pairs_from_gettext` reads any gettext catalogue pair;
`pairs_from_resources` pairs the texts of two languages of a program's resources (menus,
dialogs, string tables: see peres.py); `write_dct` writes any list of pairs as a dictionary and
`write_lvd` as a translation package (outside/include/lvd_format.h), so other dictionaries and
packages are made the same way.

"国家与语言": country, language and currency names from the iso-codes catalogues.
"计算机界面": the interface texts of Wine's own programs and libraries, paired by resource from
the English and Simplified-Chinese resources of every installed one that has Chinese ones.
"""

import collections
import gettext
import os
import re
import struct
import sys
import xml.etree.ElementTree as ET

import peres

ISO_XML = "/usr/share/xml/iso-codes"
ISO_MO = "/usr/share/locale/zh_CN/LC_MESSAGES"
WINE_DIRS = ["/usr/lib/x86_64-linux-gnu/wine/x86_64-windows",
             "/usr/lib/i386-linux-gnu/wine/i386-windows",
             "/usr/lib/wine/x86_64-windows", "/usr/lib/wine/i386-windows"]
ENGLISH, CHINESE = 0x409, 0x804
WINE_COPYRIGHT = "/usr/share/doc/libwine/copyright"

DCT_MAGIC = 0x04935343
HEADER_SIZE = 148
TEXT_SIZE = 128


def clean(text):
    """A menu or label text without its access key, shortcut, ellipsis or final colon."""
    text = text.split("\t")[0]
    text = re.sub(r"\(&\w\)", "", text)      # Chinese style: 文件(&F)
    text = text.replace("&&", "\0").replace("&", "").replace("\0", "&")
    text = re.sub(r"(\.\.\.|…)$", "", text.strip())
    text = re.sub(r"[:：]$", "", text)
    return text.strip()


def encodable(text):
    try:
        text.encode("gbk")
        return True
    except UnicodeEncodeError:
        return False


def pairs_from_gettext(english_texts, catalogue):
    """(English, Chinese) for each English text the catalogue translates."""
    out = []
    for en in english_texts:
        zh = catalogue.gettext(en)
        if zh and zh != en:
            out.append((en, zh))
    return out


def pairs_from_resources(english, chinese):
    """(English, Chinese) for each text of the English resources whose Chinese counterpart (same
    resource, same place) differs, texts exactly as shown (access keys and shortcuts kept), in
    resource order; English texts without a counterpart come back in the second list."""
    pairs, missing = [], []
    for key, en in english.items():
        zh = chinese.get(key)
        if not en.strip() or not any(c.isalpha() for c in en):
            continue
        if zh and zh != en:
            pairs.append((en, zh))
        else:
            missing.append(en)
    return pairs, missing


def tidy(pairs):
    """Cleaned, GBK-encodable pairs, one per English text (the first wins), in file order."""
    seen = {}
    for en, zh in pairs:
        en, zh = clean(en), clean(zh)
        if not en or not zh or en == zh or not encodable(zh) or not en.isascii():
            continue
        seen.setdefault(en.lower(), (en, zh))
    return [seen[k] for k in sorted(seen, key=lambda k: k.encode("ascii"))]


def write_dct(path, name, description, pairs):
    """Writes a dictionary file: header, pair table, texts."""
    text = (name + ";" + description).encode("gbk")
    assert len(name.encode("gbk")) <= 15 and len(text) < TEXT_SIZE
    table_size = 8 * len(pairs)
    blob = bytearray()
    table = bytearray()
    base = HEADER_SIZE + table_size
    for en, zh in pairs:
        e = en.encode("gbk") + b"\0"
        c = zh.encode("gbk") + b"\0"
        table += struct.pack("<ii", base + len(blob), base + len(blob) + len(e))
        blob += e + c
    header = struct.pack("<iiiii", DCT_MAGIC, len(pairs), HEADER_SIZE, table_size + len(blob),
                         1) + text.ljust(TEXT_SIZE, b"\0")
    data = header + bytes(table) + bytes(blob)
    write_if_changed(path, data)


LVD_HEADER_SIZE = 52


def lvd_bytes(pairs):
    """A translation package's bytes for (source, translation) pairs: header, index and the text
    block in its stored (scrambled) form."""
    index, text = bytearray(), bytearray()
    pairs = [(s.encode("gbk"), t.encode("gbk")) for s, t in pairs]
    assert len(pairs) <= 65535
    for s, t in pairs:
        index += struct.pack("<IHH", len(text), len(s), len(t))
        text += s + t
    half = len(text) // 2
    for i in range(half):
        text[half + i] ^= text[i]
        text[i] ^= 0xFF
    header = struct.pack("<HHHHIIII", LVD_HEADER_SIZE, 255, len(pairs), 0,
                         LVD_HEADER_SIZE + len(index), LVD_HEADER_SIZE, 0xFFFF, len(text))
    return header + bytes(28) + bytes(index) + bytes(text)


def write_lvd(path, pairs):
    write_if_changed(path, lvd_bytes(pairs))


def list_record(file_name, name):
    return (file_name.encode("gbk").ljust(16, b"\0") + name.encode("gbk").ljust(16, b"\0") +
            struct.pack("<i", 0))


def write_if_changed(path, data):
    if os.path.exists(path) and open(path, "rb").read() == data:
        return
    with open(path, "wb") as f:
        f.write(data)


def iso_names(xml_file, tag, attribute="name"):
    root = ET.parse(os.path.join(ISO_XML, xml_file)).getroot()
    return [e.get(attribute) for e in root.iter(tag) if e.get(attribute)]


def catalogue(domain):
    with open(os.path.join(ISO_MO, domain + ".mo"), "rb") as f:
        return gettext.GNUTranslations(f)


def countries_and_languages():
    pairs = []
    for xml_file, tag, domain in (("iso_3166-1.xml", "iso_3166_entry", "iso_3166-1"),
                                  ("iso_639-2.xml", "iso_639_2_entry", "iso_639-2"),
                                  ("iso_4217.xml", "iso_4217_entry", "iso_4217")):
        names = iso_names(xml_file, tag)
        if xml_file.startswith("iso_3166"):
            names += iso_names(xml_file, tag, "official_name")
        pairs += pairs_from_gettext(names, catalogue(domain))
    return tidy(pairs)


def wine_dir(dirs=WINE_DIRS):
    for d in dirs:
        if os.path.isdir(d):
            return d
    raise SystemExit("make_dicts.py: Wine's programs are not installed in any of %s "
                     "(install Debian's wine64, as scripts/setup does)" % ", ".join(dirs))


def interface_pairs(directory):
    """The texts of every program and library of Wine's that carries Simplified-Chinese
    resources, paired with their English ones, cleaned as the dictionary's look-up takes them.
    An English text translated differently in
    different places takes its most frequent translation (the first among equals)."""
    votes = collections.OrderedDict()
    for name in sorted(os.listdir(directory)):
        if not name.endswith((".exe", ".dll")):
            continue
        path = os.path.join(directory, name)
        try:
            if CHINESE not in peres.languages(path):
                continue
            pairs, _ = pairs_from_resources(peres.interface_texts(path, ENGLISH),
                                            peres.interface_texts(path, CHINESE))
        except (ValueError, struct.error, IndexError):
            continue  # not a PE file we can read
        for en, zh in pairs:
            en, zh = clean(en), clean(zh)
            if not en or not zh or en == zh or not en.isascii() or not encodable(zh):
                continue
            votes.setdefault(en.lower(), (en, collections.Counter(), []))
            _, counts, order = votes[en.lower()]
            if zh not in counts:
                order.append(zh)
            counts[zh] += 1
    chosen = []
    for en, counts, order in votes.values():
        best = max(order, key=lambda zh: (counts[zh], -order.index(zh)))
        chosen.append((en, best))
    return tidy(chosen)


def main(lib, wine=None):
    os.makedirs(lib, exist_ok=True)
    dictionaries = [
        ("Nations.dct", "国家与语言", "国家和地区、语言及货币的名称", countries_and_languages()),
        ("Interface.dct", "计算机界面", "菜单、对话框和提示等程序界面用语",
         interface_pairs(wine or wine_dir())),
    ]
    records = b""
    for file_name, name, description, pairs in dictionaries:
        write_dct(os.path.join(lib, file_name), name, description, pairs)
        records += list_record(file_name, name)
    write_if_changed(os.path.join(lib, "wbseclib.lst"), records)
    # Wine's copyright note (LGPL-2.1+) beside the dictionary made from its resources.
    if not os.path.exists(WINE_COPYRIGHT):
        raise SystemExit("make_dicts.py: %s is missing: reinstall Debian's libwine" % WINE_COPYRIGHT)
    note = open(WINE_COPYRIGHT, encoding="utf-8").read().replace("\r\n", "\n")
    write_if_changed(os.path.join(lib, "Interface-copyright.txt"),
                     note.replace("\n", "\r\n").encode("gbk", errors="replace"))


if __name__ == "__main__":
    main(*sys.argv[1:3])
