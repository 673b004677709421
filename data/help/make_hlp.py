#!/usr/bin/env python3
"""Writes a WinHelp file (.hlp, the Windows 95 help format) from a help text.

    make_hlp.py <help text> <output .hlp>

The help text is code page 936 with CR LF line ends:

    ; a comment line
    @title 青岚键坊帮助              the file's title (the viewer's window caption)
    @copyright 版权所有 ...           shown by the viewer's About box
    @map 131200 contents             a context number the programs pass, and its topic
    == contents 青岚键坊帮助         a topic: its context name and title (shown as its heading);
                                     the first topic is the contents topic
    # 标题                           a heading (large, bold)
    ## 小标题                        a subheading (bold)
    -> keys 按键一览                 a jump to the topic of that context name
    Ctrl+F1<TAB>打字教程             a line with a tab: the part before it in a column of its own
    any other line                   a paragraph; blank lines separate nothing and are skipped

What is written: the internal file system (header, B+ tree directory), |SYSTEM (title,
copyright, contents topic, the main window and the GB2312 character set), |TOPIC in
uncompressed 4 KB blocks (no phrase compression), |CONTEXT (context-name hashes to topics),
|CTXOMAP (context numbers to topics), |TTLBTREE (topic titles) and |FONT.
"""
import struct
import sys

ENCODING = 'gbk'

# Topic blocks: 4096 bytes, the first 12 a block header; references into |TOPIC count
# 0x4000 per block, offsets in the text 0x8000 per block.
BLOCK_SIZE = 0x1000
BLOCK_HEADER = 12
BLOCK_DATA = BLOCK_SIZE - BLOCK_HEADER

RECORD_TOPIC_HEADER = 0x02
RECORD_DISPLAY = 0x20

# Fonts: index, then the descriptor (attributes, size in half points, family, face, colour).
FONT_TEXT, FONT_HEADING, FONT_SUBHEADING = 0, 1, 2
FACE_NAMES = ['宋体']
FONTS = [
    # bold, half points, family (3 swiss), face, red, green, blue
    (0, 20, 3, 0, (0, 0, 0)),
    (1, 30, 3, 0, (0x1F, 0x4E, 0x79)),
    (1, 22, 3, 0, (0x2E, 0x6B, 0x3F)),
]
GB2312_CHARSET = 134
TAB_STOP = 150          # the viewer's units (about 1.5 cm)
WINDOW_NAME = 'main'


class HelpError(Exception):
    pass


def context_hash(name):
    """The hash WinHelp gives a context name (the key of |CONTEXT)."""
    value = 0
    for c in name:
        if 'A' <= c <= 'Z':
            x = ord(c) - ord('A') + 17
        elif 'a' <= c <= 'z':
            x = ord(c) - ord('a') + 17
        elif '1' <= c <= '9':
            x = ord(c) - ord('0')
        elif c == '0':
            x = 10
        elif c == '.':
            x = 12
        elif c == '_':
            x = 13
        else:
            continue
        value = (value * 43 + x) & 0xFFFFFFFF
    return value - (1 << 32) if value & 0x80000000 else value


# ---------------------------------------------------------------------------------------------
# The help text

class Topic:
    def __init__(self, name, title):
        self.name, self.title = name, title
        self.paragraphs = []    # (kind, text, target)


class Help:
    def __init__(self):
        self.title = ''
        self.copyright = ''
        self.maps = []          # (number, context name)
        self.topics = []


def parse(data, source='help text'):
    try:
        text = data.decode(ENCODING)
    except UnicodeDecodeError as e:
        raise HelpError(f'{source}: not code page 936 text at byte {e.start}')
    help = Help()
    for number, line in enumerate(text.split('\r\n'), 1):
        where = f'{source}, line {number}'
        if '\n' in line or '\r' in line:
            raise HelpError(f'{where}: lines must end with CR LF')
        line = line.rstrip(' ')
        if not line or line.startswith(';'):
            continue
        if line.startswith('@'):
            key, _, value = line[1:].partition(' ')
            if key == 'title':
                help.title = value
            elif key == 'copyright':
                help.copyright = value
            elif key == 'map':
                number_text, _, name = value.partition(' ')
                if not number_text.isdigit() or not name:
                    raise HelpError(f'{where}: "@map <number> <context name>" expected')
                help.maps.append((int(number_text), name))
            else:
                raise HelpError(f'{where}: unknown setting "@{key}"')
        elif line.startswith('== '):
            name, _, title = line[3:].partition(' ')
            if not name or not title:
                raise HelpError(f'{where}: "== <context name> <title>" expected')
            if any(t.name == name for t in help.topics):
                raise HelpError(f'{where}: context name "{name}" used twice')
            help.topics.append(Topic(name, title))
            help.topics[-1].paragraphs.append(('heading', title, None))
        elif not help.topics:
            raise HelpError(f'{where}: text before the first topic')
        elif line.startswith('## '):
            help.topics[-1].paragraphs.append(('subheading', line[3:], None))
        elif line.startswith('# '):
            help.topics[-1].paragraphs.append(('heading', line[2:], None))
        elif line.startswith('-> '):
            target, _, label = line[3:].partition(' ')
            if not label:
                raise HelpError(f'{where}: "-> <context name> <text>" expected')
            help.topics[-1].paragraphs.append(('link', label, target))
        else:
            help.topics[-1].paragraphs.append(('text', line, None))
    if not help.title:
        raise HelpError(f'{source}: no "@title"')
    if not help.topics:
        raise HelpError(f'{source}: no topic')
    names = {t.name for t in help.topics}
    hashes = {}
    for t in help.topics:
        other = hashes.setdefault(context_hash(t.name), t.name)
        if other != t.name:
            raise HelpError(f'{source}: context names "{other}" and "{t.name}" share a hash')
        for kind, _, target in t.paragraphs:
            if kind == 'link' and target not in names:
                raise HelpError(f'{source}: topic "{t.name}" jumps to unknown "{target}"')
    for number, name in help.maps:
        if name not in names:
            raise HelpError(f'{source}: "@map {number}" names unknown topic "{name}"')
    return help


# ---------------------------------------------------------------------------------------------
# Encodings of the format

def u8(v): return struct.pack('<B', v)
def u16(v): return struct.pack('<H', v & 0xFFFF)
def u32(v): return struct.pack('<I', v & 0xFFFFFFFF)


def compressed_long(v):
    """Signed value in two bytes (even) or four (odd), biased."""
    if -0x4000 <= v < 0x4000:
        return u16(v * 2 + 0x8000)
    return u32(v * 2 + 0x80000001)


def compressed_ushort(v):
    """Unsigned value in one byte (even) or two (odd)."""
    if 0 <= v < 0x80:
        return u8(v * 2)
    return u16(v * 2 + 1)


def compressed_short(v):
    """Signed value in one byte (even, biased by 0x80) or two (odd, biased by 0x8000; the
    reader halves towards zero)."""
    if 0 <= v < 0x40:
        return u8(v * 2 + 0x80)
    return u16(v * 2 + 0x8001 if v >= 0 else v * 2 + 0x7FFF)


def encode(text):
    data = text.encode(ENCODING)
    if b'\0' in data:
        raise HelpError('text holds a NUL character')
    return data


# ---------------------------------------------------------------------------------------------
# |TOPIC

def paragraph_record(kind, text, target):
    """The format (LinkData1 after its header) and text (LinkData2) of one paragraph.

    Each text string is followed by one format command: 0x80 font, 0x83 tab, 0xE3 jump,
    0x89 end of jump, 0x82 end of paragraph, 0xFF end of the record."""
    font = {'heading': FONT_HEADING, 'subheading': FONT_SUBHEADING}.get(kind, FONT_TEXT)
    bits = 0x0004                      # space after
    fields = b''
    if kind == 'subheading':
        bits |= 0x0002                 # space before
        fields += compressed_short(8)
    fields += compressed_short(12 if kind == 'heading' else 6)
    pieces = text.split('\t') if kind == 'text' else [text]
    if len(pieces) > 1:
        # A column at the tab stop; lines that wrap go on under it.
        bits |= 0x0010 | 0x0040 | 0x0200   # left indent, first-line indent, tab stops
        fields += (compressed_short(TAB_STOP) + compressed_short(-TAB_STOP) +
                   compressed_short(1) + compressed_ushort(TAB_STOP))
    # (text, command that follows it) pairs
    pairs = [(b'', b'\x80' + u16(font))]
    if kind == 'link':
        pairs += [(b'', b'\xE3' + u32(context_hash(target))), (encode(text), b'\x89'),
                  (b'', b'\x82')]
    else:
        pairs += [(encode(piece), b'\x83') for piece in pieces[:-1]]
        pairs.append((encode(pieces[-1]), b'\x82'))
    pairs.append((b'', b'\xFF'))
    strings = [text for text, _ in pairs]
    commands = b''.join(command for _, command in pairs)
    text_data = b''.join(s + b'\0' for s in strings)
    characters = sum(len(s) for s in strings) + len(pieces)  # text, tabs and the paragraph end
    format_data = (compressed_long(len(text_data)) + compressed_ushort(characters) +
                   b'\x00\x80' + u16(0) + u16(bits) + fields + commands)
    return format_data, text_data, characters


TOPIC_HEADER_SIZE = 28


def topic_records(help):
    """The records of |TOPIC in order: [kind, LinkData1 body, LinkData2, characters, topic]."""
    records = []
    for index, topic in enumerate(help.topics):
        records.append([RECORD_TOPIC_HEADER, None, encode(topic.title), 0, index])
        for kind, text, target in topic.paragraphs:
            fmt, data, characters = paragraph_record(kind, text, target)
            records.append([RECORD_DISPLAY, fmt, data, characters, index])
    return records


def topic_position(stream_offset):
    block, offset = divmod(stream_offset, BLOCK_DATA)
    return block * 0x4000 + offset + BLOCK_HEADER


def build_topic(help):
    """|TOPIC's data and the text offset of each topic."""
    records = topic_records(help)
    # Record sizes do not depend on positions: lay them out first.
    sizes = []
    for kind, body, data, _, _ in records:
        link_data1 = TOPIC_HEADER_SIZE if kind == RECORD_TOPIC_HEADER else len(body)
        sizes.append(21 + link_data1 + len(data))
    starts, at = [], 0
    for size in sizes:
        starts.append(at)
        at += size
    stream_size = at
    positions = [topic_position(s) for s in starts]
    # Text offsets: block * 0x8000 + the characters of the paragraphs before it in its block.
    topic_offsets = {}
    block, count = -1, 0
    for (kind, _, _, characters, topic), start in zip(records, starts):
        if start // BLOCK_DATA != block:
            block, count = start // BLOCK_DATA, 0
        if kind == RECORD_TOPIC_HEADER:
            topic_offsets[topic] = block * 0x8000 + count
        else:
            count += characters
    header_indices = [i for i, r in enumerate(records) if r[0] == RECORD_TOPIC_HEADER]
    stream = bytearray()
    for i, (kind, body, data, _, topic) in enumerate(records):
        if kind == RECORD_TOPIC_HEADER:
            h = header_indices.index(i)
            following = header_indices[h + 1] if h + 1 < len(header_indices) else None
            end = starts[following] if following is not None else stream_size
            has_text = i + 1 < len(records) and records[i + 1][0] != RECORD_TOPIC_HEADER
            first_paragraph = positions[i + 1] if has_text else -1
            body = (u32(end - starts[i]) +
                    u32(topic_offsets[topic - 1] if topic > 0 else -1) +
                    u32(topic_offsets[topic + 1] if topic + 1 < len(help.topics) else -1) +
                    u32(topic) + u32(-1) + u32(first_paragraph) +
                    u32(positions[following] if following is not None else -1))
        link_data1 = 21 + len(body)
        stream += (u32(sizes[i]) + u32(len(data)) +
                   u32(positions[i - 1] if i else -1) +
                   u32(positions[i + 1] if i + 1 < len(records) else -1) +
                   u32(link_data1) + u8(kind) + body + data)
    assert len(stream) == stream_size
    # Blocks: each begins with the last record of the block before, the first record that
    # begins in it and the last topic header of the block before.
    blocks = bytearray()
    block_count = max(1, -(-stream_size // BLOCK_DATA))
    for b in range(block_count):
        lo, hi = b * BLOCK_DATA, (b + 1) * BLOCK_DATA
        before = [i for i, s in enumerate(starts) if s < lo]
        inside = [i for i, s in enumerate(starts) if lo <= s < hi]
        headers_before = [i for i in before if records[i][0] == RECORD_TOPIC_HEADER]
        blocks += (u32(positions[before[-1]] if before else -1) +
                   u32(positions[inside[0]] if inside else -1) +
                   u32(positions[headers_before[-1]] if headers_before else -1))
        blocks += stream[lo:hi].ljust(BLOCK_DATA, b'\0')
    return bytes(blocks), topic_offsets


# ---------------------------------------------------------------------------------------------
# B+ trees, internal files

def btree(entries, structure, page_size=0x800, directory=False):
    """A one-page B+ tree of already encoded, sorted leaf entries."""
    page_body = b''.join(entries)
    if 8 + len(page_body) > page_size:
        raise HelpError(f'B+ tree "{structure}" needs more than one page')
    page = (u16(page_size - 8 - len(page_body)) + u16(len(entries)) + u16(-1) + u16(-1) +
            page_body).ljust(page_size, b'\0')
    header = (u16(0x293B) + u16(0x0402 if directory else 0x0002) + u16(page_size) +
              structure.encode('ascii').ljust(16, b'\0') + u16(0) + u16(0) +
              u16(0) + u16(-1) + u16(1) + u16(1) + u32(len(entries)))
    return header + page


def internal_file(data):
    return u32(len(data) + 9) + u32(len(data)) + u8(4) + data


def build_system(help, contents_offset):
    def record(kind, data):
        return u16(kind) + u16(len(data)) + data
    title = encode(help.title)
    if len(title) > 50:
        raise HelpError('the title is longer than the window caption (50 bytes)')
    caption = title
    # The main window: type, name and caption given, position, size and colours the viewer's.
    window = (u16(0x0001 | 0x0002 | 0x0004) + b'primary'.ljust(10, b'\0') +
              WINDOW_NAME.encode('ascii').ljust(9, b'\0') + caption.ljust(51, b'\0') +
              u16(0) * 5 + u32(0xFFFFFF) + u32(0xFFFFFF))
    assert len(window) == 90
    data = (u16(0x036C) + u16(21) + u16(1) + u32(0) + u16(0) +
            record(1, title + b'\0') +
            record(2, encode(help.copyright) + b'\0') +
            record(3, u32(contents_offset)) +
            record(4, b'BrowseButtons()\0') +
            record(6, window) +
            record(11, u16(GB2312_CHARSET)))
    return data


def build_font():
    faces = b''.join(encode(f).ljust(20, b'\0')[:20] for f in FACE_NAMES)
    descriptors = b''
    for bold, half_points, family, face, (r, g, b) in FONTS:
        descriptors += (u8(bold) + u8(half_points) + u8(family) + u16(face) +
                        bytes((r, g, b)) + bytes((255, 255, 255)))
    return (u16(len(FACE_NAMES)) + u16(len(FONTS)) + u16(8) + u16(8 + len(faces)) +
            faces + descriptors)


def build(help):
    topic_data, offsets = build_topic(help)
    index = {t.name: i for i, t in enumerate(help.topics)}
    context = sorted((context_hash(t.name), offsets[i]) for i, t in enumerate(help.topics))
    titles = sorted((offsets[i], encode(t.title)) for i, t in enumerate(help.topics))
    files = {
        '|CONTEXT': btree([struct.pack('<iI', h, o) for h, o in context], 'L4'),
        '|CTXOMAP': u16(len(help.maps)) + b''.join(
            struct.pack('<iI', n, offsets[index[name]]) for n, name in help.maps),
        '|FONT': build_font(),
        '|SYSTEM': build_system(help, offsets[0]),
        '|TOPIC': topic_data,
        '|TTLBTREE': btree([u32(o) + t + b'\0' for o, t in titles], 'Lz'),
    }
    out = bytearray(16)
    where = {}
    for name in sorted(files, key=lambda n: n.encode('ascii')):
        where[name] = len(out)
        out += internal_file(files[name])
    directory_start = len(out)
    directory = btree([n.encode('ascii') + b'\0' + u32(where[n])
                       for n in sorted(files, key=lambda n: n.encode('ascii'))],
                      'z4', page_size=0x400, directory=True)
    out += internal_file(directory)
    out[0:16] = u32(0x00035F3F) + u32(directory_start) + u32(-1) + u32(len(out))
    return bytes(out)


def main(argv):
    if len(argv) != 3:
        print(__doc__.split('\n\n')[1], file=sys.stderr)
        return 2
    source, target = argv[1], argv[2]
    try:
        with open(source, 'rb') as f:
            help = parse(f.read(), source)
    except (OSError, HelpError) as e:
        print(f'make_hlp: {e}', file=sys.stderr)
        return 1
    try:
        data = build(help)
    except HelpError as e:
        print(f'make_hlp: {source}: {e}', file=sys.stderr)
        return 1
    with open(target, 'wb') as f:
        f.write(data)
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
