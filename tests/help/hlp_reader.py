"""A reader of WinHelp files (.hlp) for the tests: the internal file system, |SYSTEM, |TOPIC
(uncompressed blocks), |CONTEXT, |CTXOMAP, |TTLBTREE and |FONT.

Written from the format's description, apart from the help generator, so that a file the
generator writes is read back by other code than its own."""
import struct


class Bad_File(Exception):
    pass


def _u16(data, at): return struct.unpack_from('<H', data, at)[0]
def _i16(data, at): return struct.unpack_from('<h', data, at)[0]
def _u32(data, at): return struct.unpack_from('<I', data, at)[0]
def _i32(data, at): return struct.unpack_from('<i', data, at)[0]


def context_hash(name):
    value = 0
    for c in name.upper():
        if c.isalpha():
            x = ord(c) - ord('A') + 17
        elif c == '0':
            x = 10
        elif c.isdigit():
            x = ord(c) - ord('0')
        else:
            x = {'.': 12, '_': 13}.get(c, 0)
        if x:
            value = (value * 43 + x) % (1 << 32)
    return value - (1 << 32) if value >= 1 << 31 else value


class Reader:
    def __init__(self, data):
        self.data = data
        if len(data) < 16 or _u32(data, 0) != 0x00035F3F:
            raise Bad_File('not a WinHelp file')
        if _u32(data, 12) != len(data):
            raise Bad_File(f'file size {_u32(data, 12)} in the header, {len(data)} on disk')
        directory = self._btree(_u32(data, 4))
        self.files = {}
        for entry in directory:
            name_end = entry.index(b'\0')
            self.files[entry[:name_end].decode('ascii')] = _u32(entry, name_end + 1)
        self._read_system()
        self._read_topics()

    # The internal file system ----------------------------------------------------------------
    def file(self, name):
        if name not in self.files:
            raise Bad_File(f'no internal file {name}')
        at = self.files[name]
        reserved, used = _u32(self.data, at), _u32(self.data, at + 4)
        if used + 9 > reserved or at + 9 + used > len(self.data):
            raise Bad_File(f'{name} does not fit')
        return self.data[at + 9:at + 9 + used]

    def _btree(self, at, name='directory'):
        """The leaf entries (raw bytes each) of the B+ tree of the internal file at `at`."""
        body = self.data[at + 9:at + 9 + _u32(self.data, at + 4)]
        return self._btree_entries(body, name)

    def _btree_entries(self, body, name):
        if _u16(body, 0) != 0x293B:
            raise Bad_File(f'{name}: not a B+ tree')
        page_size = _u16(body, 4)
        structure = body[6:22].split(b'\0')[0].decode('ascii')
        page, levels = _i16(body, 26), _i16(body, 32)
        pages = body[38:]
        for _ in range(levels - 1):
            page = _i16(pages, page * page_size + 4)
        entries = []
        while page != -1:
            base = page * page_size
            count, at = _i16(pages, base + 2), base + 8
            for _ in range(count):
                size = self._entry_size(pages, at, structure)
                entries.append(pages[at:at + size])
                at += size
            page = _i16(pages, base + 6)
        if len(entries) != _i32(body, 34):
            raise Bad_File(f'{name}: {len(entries)} entries, {_i32(body, 34)} in the header')
        return entries

    @staticmethod
    def _entry_size(pages, at, structure):
        size = 0
        for kind in structure:
            if kind in '4L':
                size += 4
            elif kind == 'z':
                size += pages.index(b'\0', at + size) - (at + size) + 1
            else:
                raise Bad_File(f'B+ tree field "{kind}" not read here')
        return size

    # |SYSTEM ---------------------------------------------------------------------------------
    def _read_system(self):
        system = self.file('|SYSTEM')
        if _u16(system, 0) != 0x036C or _u16(system, 4) != 1 or _u16(system, 2) <= 16:
            raise Bad_File('|SYSTEM: not a Windows 3.1 or later help file')
        self.compressed = _u16(system, 10) != 0
        self.records = {}
        at = 12
        while at + 4 <= len(system):
            kind, size = _u16(system, at), _u16(system, at + 2)
            self.records.setdefault(kind, []).append(system[at + 4:at + 4 + size])
            at += 4 + size
        self.title = self._string(1)
        self.copyright = self._string(2)
        self.contents_offset = _u32(self.records[3][0], 0) if 3 in self.records else 0
        self.charset = self.records.get(11, [b'\0'])[0][0]
        self.windows = []
        for w in self.records.get(6, []):
            self.windows.append({'type': w[2:12].split(b'\0')[0].decode('ascii'),
                                 'name': w[12:21].split(b'\0')[0].decode('ascii'),
                                 'caption': w[21:72].split(b'\0')[0].decode('gbk')})
        self.macros = [m.split(b'\0')[0].decode('ascii') for m in self.records.get(4, [])]

    def _string(self, kind):
        return self.records[kind][0].split(b'\0')[0].decode('gbk') if kind in self.records else ''

    # |TOPIC ----------------------------------------------------------------------------------
    def _read_topics(self):
        if self.compressed:
            raise Bad_File('compressed topic blocks are not read here')
        topic = self.file('|TOPIC')
        block_size = 0x1000
        stream = b''.join(topic[b + 12:b + block_size] for b in range(0, len(topic), block_size))
        self.topics = []
        position, previous, block, characters = 12, -1, -1, 0
        while position != 0xFFFFFFFF:
            block_number, offset = divmod(position - 12, 0x4000)
            at = block_number * (block_size - 12) + offset
            if at + 21 > len(stream):
                raise Bad_File(f'|TOPIC: record at {position:#x} beyond the end')
            size, text_size, prev, following, header_size = struct.unpack_from('<IIiII', stream, at)
            kind = stream[at + 20]
            if prev != previous:
                raise Bad_File(f'|TOPIC: record at {position:#x} names {prev:#x} as previous')
            if size - header_size != text_size:
                raise Bad_File(f'|TOPIC: record at {position:#x} has compressed text')
            link_data1 = stream[at + 21:at + header_size]
            link_data2 = stream[at + header_size:at + size]
            if block_number != block:
                block, characters = block_number, 0
            if kind == 0x02:
                self.topics.append({'title': link_data2.decode('gbk'),
                                    'offset': block * 0x8000 + characters,
                                    'browse': (_i32(link_data1, 4), _i32(link_data1, 8)),
                                    'number': _u32(link_data1, 12),
                                    'paragraphs': [], 'links': []})
            elif kind == 0x20:
                if not self.topics:
                    raise Bad_File('|TOPIC: a paragraph before the first topic')
                text, links, length = self._paragraph(link_data1, link_data2)
                self.topics[-1]['paragraphs'].append(text)
                self.topics[-1]['links'] += links
                characters += length
            else:
                raise Bad_File(f'|TOPIC: record kind {kind:#x} not read here')
            previous, position = position, following

    def _paragraph(self, fmt, text):
        """The paragraph's text (tabs as tab characters) and the context hashes it jumps to."""
        at = 0
        if fmt[at] & 1:
            at += 4
        else:
            at += 2
        if fmt[at] & 1:
            length, at = _u16(fmt, at) // 2, at + 2
        else:
            length, at = fmt[at] // 2, at + 1
        at += 4
        bits = _u16(fmt, at)
        at += 2
        if bits & 0x0001:
            at += 4 if fmt[at] & 1 else 2
        for bit in (0x0002, 0x0004, 0x0008, 0x0010, 0x0020, 0x0040):
            if bits & bit:
                at += 2 if fmt[at] & 1 else 1
        if bits & 0x0100:
            at += 3
        if bits & 0x0200:
            if fmt[at] & 1:
                tabs, at = (_u16(fmt, at) - 0x8000) // 2, at + 2
            else:
                tabs, at = (fmt[at] - 0x80) // 2, at + 1
            for _ in range(tabs):
                stop = _u16(fmt, at) // 2 if fmt[at] & 1 else fmt[at] // 2
                at += 2 if fmt[at] & 1 else 1
                if stop & 0x4000:
                    at += 2 if fmt[at] & 1 else 1
        strings = text.split(b'\0')
        out, links, index = [], [], 0
        while at < len(fmt):
            if index >= len(strings):
                raise Bad_File('|TOPIC: more format commands than texts')
            out.append(strings[index].decode('gbk'))
            index += 1
            command = fmt[at]
            if command == 0xFF:
                break
            if command == 0x80:
                font = _u16(fmt, at + 1)
                if font >= len(self.fonts()):
                    raise Bad_File(f'|TOPIC: font {font} not in |FONT')
                at += 3
            elif command == 0x81:
                out.append('\n')
                at += 1
            elif command == 0x82:
                at += 1
            elif command == 0x83:
                out.append('\t')
                at += 1
            elif command == 0x89:
                at += 1
            elif command in (0xE2, 0xE3, 0xE6, 0xE7):
                links.append(_i32(fmt, at + 1))
                at += 5
            else:
                raise Bad_File(f'|TOPIC: format command {command:#x} not read here')
        return ''.join(out), links, length

    # The look-ups ------------------------------------------------------------------------------
    def fonts(self):
        if not hasattr(self, '_fonts'):
            data = self.file('|FONT')
            faces, count, face_at, at = _u16(data, 0), _u16(data, 2), _u16(data, 4), _u16(data, 6)
            face_size = (at - face_at) // faces
            names = [data[face_at + i * face_size:face_at + (i + 1) * face_size].split(b'\0')[0]
                     .decode('gbk') for i in range(faces)]
            self._fonts = []
            for i in range(count):
                d = data[at + 11 * i:at + 11 * (i + 1)]
                self._fonts.append({'bold': bool(d[0] & 1), 'half_points': d[1],
                                    'face': names[_u16(d, 3)]})
        return self._fonts

    def topic_at(self, offset):
        """The topic an offset falls in."""
        found = None
        for t in self.topics:
            if t['offset'] <= offset and (found is None or t['offset'] > found['offset']):
                found = t
        return found

    def contexts(self):
        """Hash → topic offset, from |CONTEXT."""
        entries = self._btree_entries(self.file('|CONTEXT'), '|CONTEXT')
        return {_i32(e, 0): _u32(e, 4) for e in entries}

    def context_numbers(self):
        data = self.file('|CTXOMAP')
        return {_i32(data, 2 + 8 * i): _u32(data, 6 + 8 * i) for i in range(_u16(data, 0))}

    def titles(self):
        entries = self._btree_entries(self.file('|TTLBTREE'), '|TTLBTREE')
        return {_u32(e, 0): e[4:-1].decode('gbk') for e in entries}
