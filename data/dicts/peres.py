"""Reads the interface texts of a Windows program's resources: menus, dialogs and string
tables, by language, straight from the PE file (no outside module needed).

`interface_texts(path, language)` gives {(kind, resource id, place): text} for one language
(kind "menu", "dialog" or "string"; place the item's position in its menu, the control's
position in its dialog with 0 the caption, or the string's number), so that two languages of
the same file pair up by key.
"""

import struct

RT_STRING, RT_MENU, RT_DIALOG = 6, 4, 5


class PeFile:
    def __init__(self, path):
        with open(path, "rb") as f:
            self.data = f.read()
        d = self.data
        pe = struct.unpack_from("<I", d, 0x3C)[0]
        if d[pe:pe + 4] != b"PE\0\0":
            raise ValueError("not a PE file: " + path)
        sections, optional_size = struct.unpack_from("<H", d, pe + 6)[0], struct.unpack_from("<H", d, pe + 20)[0]
        optional = pe + 24
        magic = struct.unpack_from("<H", d, optional)[0]
        directories = optional + (96 if magic == 0x10B else 112)
        self.resource_rva = struct.unpack_from("<I", d, directories + 2 * 8)[0]
        self.sections = []
        table = optional + optional_size
        for i in range(sections):
            _, vsize, rva, raw_size, raw = struct.unpack_from("<8sIIII", d, table + 40 * i)
            self.sections.append((rva, max(vsize, raw_size), raw))

    def offset(self, rva):
        for start, size, raw in self.sections:
            if start <= rva < start + size:
                return raw + rva - start
        raise ValueError("address outside the file")

    def resources(self):
        """[(type, id, language, bytes)] for every resource of a numeric type (ids numbers or names)."""
        if not self.resource_rva:
            return []
        base = self.offset(self.resource_rva)
        d = self.data

        def entries(at):
            named, ids = struct.unpack_from("<HH", d, base + at + 12)
            for i in range(named + ids):
                name, target = struct.unpack_from("<II", d, base + at + 16 + 8 * i)
                yield name, target

        out = []
        for rtype, t in entries(0):
            if rtype & 0x80000000 or not t & 0x80000000:
                continue
            for rid, r in entries(t & 0x7FFFFFFF):
                if not r & 0x80000000:
                    continue
                if rid & 0x80000000:
                    at = base + (rid & 0x7FFFFFFF)
                    n = struct.unpack_from("<H", d, at)[0]
                    rid = d[at + 2:at + 2 + 2 * n].decode("utf-16-le")
                for lang, leaf in entries(r & 0x7FFFFFFF):
                    rva, size = struct.unpack_from("<II", d, base + leaf)
                    at = self.offset(rva)
                    out.append((rtype, rid, lang, d[at:at + size]))
        return out


def _sz(data, at):
    end = at
    while data[end:end + 2] != b"\0\0":
        end += 2
    return data[at:end].decode("utf-16-le"), end + 2


def _sz_or_ord(data, at):
    first = struct.unpack_from("<H", data, at)[0]
    if first == 0xFFFF:
        return struct.unpack_from("<H", data, at + 2)[0], at + 4
    return _sz(data, at)


def menu_texts(data):
    version, header = struct.unpack_from("<HH", data, 0)
    texts = []
    if version == 0:
        at = 4

        def items(at):
            while True:
                flags = struct.unpack_from("<H", data, at)[0]
                at += 2
                if not flags & 0x10:
                    at += 2
                text, at = _sz(data, at)
                texts.append(text)
                if flags & 0x10:
                    at = items(at)
                if flags & 0x80:
                    return at

        items(at)
    else:  # MENUEX
        at = 4 + header

        def items(at):
            while True:
                _, _, _, flags = struct.unpack_from("<IIIH", data, at)
                text, at = _sz(data, at + 14)
                at = (at + 3) & ~3
                texts.append(text)
                if flags & 0x01:
                    at = items(at + 4)
                if flags & 0x80:
                    return at

        items(at)
    return texts


def dialog_texts(data):
    """The caption, then each control's text (numbers for controls without text: None)."""
    ex = struct.unpack_from("<HH", data, 0) == (1, 0xFFFF)
    if ex:
        style = struct.unpack_from("<I", data, 12)[0]
        count = struct.unpack_from("<H", data, 16)[0]
        at = 26
    else:
        style = struct.unpack_from("<I", data, 0)[0]
        count = struct.unpack_from("<H", data, 8)[0]
        at = 18
    _, at = _sz_or_ord(data, at)          # menu
    _, at = _sz_or_ord(data, at)          # class
    caption, at = _sz(data, at)
    if style & 0x40:                      # DS_SETFONT
        at += 6 if ex else 2
        _, at = _sz(data, at)
    texts = [caption]
    for _ in range(count):
        at = (at + 3) & ~3
        at += 24 if ex else 18
        _, at = _sz_or_ord(data, at)      # class
        title, at = _sz_or_ord(data, at)
        extra = struct.unpack_from("<H", data, at)[0]
        at += 2 + extra
        texts.append(title if isinstance(title, str) else None)
    return texts


def string_texts(data, block):
    at, out = 0, {}
    for i in range(16):
        n = struct.unpack_from("<H", data, at)[0]
        at += 2
        if n:
            out[(block - 1) * 16 + i] = data[at:at + 2 * n].decode("utf-16-le").rstrip("\0")
        at += 2 * n
    return out


def interface_texts(path, language):
    """{(kind, id, place): text} of the resources in `language` (a LANGID)."""
    out = {}
    for rtype, rid, lang, data in PeFile(path).resources():
        if lang != language:
            continue
        if rtype == RT_MENU:
            for i, t in enumerate(menu_texts(data)):
                out[("menu", rid, i)] = t
        elif rtype == RT_DIALOG:
            for i, t in enumerate(dialog_texts(data)):
                if t is not None:
                    out[("dialog", rid, i)] = t
        elif rtype == RT_STRING:
            for number, t in string_texts(data, rid).items():
                out[("string", number, 0)] = t
    return out


def languages(path):
    return sorted({lang for _, _, lang, _ in PeFile(path).resources()})
