#!/usr/bin/env python3
"""The help generator, checked by reading what it writes with a reader of the format.

    check_hlp.py <make_hlp.py> <help text> <written .hlp> [<help text> <written .hlp> ...]

Each shipped help file must hold its text's title, topics and paragraphs in order, find each
topic by its context name and each context number by its topic, and open on the contents
topic; a help text of many topics (several topic blocks) is written and read back; bad help
texts are refused with a message naming the file and the line."""
import os
import subprocess
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from hlp_reader import Reader, context_hash  # noqa: E402

GENERATOR = None
SHIPPED = []


def read(path):
    with open(path, 'rb') as f:
        return f.read()


def expected(source):
    """What a help text says: title, maps, and per topic its name, title and paragraph texts
    (the title first, as the topic's heading) and the topics it jumps to."""
    text = read(source).decode('gbk')
    title, maps, topics = '', {}, []
    for line in text.split('\r\n'):
        line = line.rstrip(' ')
        if not line or line.startswith(';'):
            continue
        if line.startswith('@title '):
            title = line[7:]
        elif line.startswith('@map '):
            number, name = line[5:].split(' ', 1)
            maps[int(number)] = name
        elif line.startswith('@'):
            continue
        elif line.startswith('== '):
            name, heading = line[3:].split(' ', 1)
            topics.append({'name': name, 'title': heading, 'paragraphs': [heading], 'jumps': []})
        elif line.startswith('-> '):
            target, label = line[3:].split(' ', 1)
            topics[-1]['paragraphs'].append(label)
            topics[-1]['jumps'].append(target)
        else:
            topics[-1]['paragraphs'].append(line.lstrip('#').lstrip(' ') if line.startswith('#') else line)
    return title, maps, topics


def generate(text_bytes, directory):
    source = os.path.join(directory, 'help.txt')
    target = os.path.join(directory, 'help.hlp')
    with open(source, 'wb') as f:
        f.write(text_bytes)
    run = subprocess.run([sys.executable, GENERATOR, source, target], capture_output=True)
    return run, source, target


class Shipped_Help_Files(unittest.TestCase):
    def test_each_file_reads_back_as_its_text_says(self):
        for source, written in SHIPPED:
            with self.subTest(written=os.path.basename(written)):
                reader = Reader(read(written))
                title, maps, topics = expected(source)
                self.assertEqual(reader.title, title)
                self.assertEqual(reader.charset, 134)          # GB2312
                self.assertIn({'type': 'primary', 'name': 'main', 'caption': title},
                              reader.windows)
                self.assertEqual([t['title'] for t in reader.topics],
                                 [t['title'] for t in topics])
                for got, want in zip(reader.topics, topics):
                    self.assertEqual(got['paragraphs'], want['paragraphs'], want['name'])
                # The viewer opens on the contents topic: the first one.
                self.assertIs(reader.topic_at(reader.contents_offset), reader.topics[0])
                # Every topic by its context name, every jump to a topic of the file.
                contexts = reader.contexts()
                by_name = {}
                for got, want in zip(reader.topics, topics):
                    offset = contexts[context_hash(want['name'])]
                    self.assertIs(reader.topic_at(offset), got, want['name'])
                    by_name[want['name']] = got
                for got, want in zip(reader.topics, topics):
                    self.assertEqual(got['links'], [context_hash(n) for n in want['jumps']])
                # The context numbers the programs pass.
                numbers = reader.context_numbers()
                self.assertEqual(set(numbers), set(maps))
                for number, name in maps.items():
                    self.assertIs(reader.topic_at(numbers[number]), by_name[name], number)
                # Titles by offset, and a browse sequence through all topics in order.
                self.assertEqual(reader.titles(), {t['offset']: t['title'] for t in reader.topics})
                offsets = [t['offset'] for t in reader.topics]
                self.assertEqual([t['browse'] for t in reader.topics],
                                 list(zip([-1] + offsets[:-1], offsets[1:] + [-1])))
                self.assertIn('BrowseButtons()', reader.macros)


class Generator(unittest.TestCase):
    def test_many_topics_span_several_blocks_and_read_back(self):
        paragraph = '这是一段用来填满主题块的说明文字，讲的是打字练习的方法与步骤。' * 3
        lines = ['@title 大帮助文件', '@map 8 t0', '@map 131200 t59']
        for i in range(60):
            lines += [f'== t{i} 第{i}个主题', f'## 小节{i}', paragraph, f'键{i}\t说明{i}',
                      f'-> t{(i + 1) % 60} 下一个主题']
        data = '\r\n'.join(lines).encode('gbk') + b'\r\n'
        with tempfile.TemporaryDirectory() as d:
            run, _, target = generate(data, d)
            self.assertEqual(run.returncode, 0, run.stderr)
            written = read(target)
        reader = Reader(written)
        self.assertGreaterEqual(len(reader.file('|TOPIC')), 4 * 0x1000)
        self.assertEqual(len(reader.topics), 60)
        contexts = reader.contexts()
        for i, topic in enumerate(reader.topics):
            self.assertEqual(topic['title'], f'第{i}个主题')
            self.assertEqual(topic['paragraphs'],
                             [f'第{i}个主题', f'小节{i}', paragraph, f'键{i}\t说明{i}', '下一个主题'])
            self.assertIs(reader.topic_at(contexts[context_hash(f't{i}')]), topic)
        numbers = reader.context_numbers()
        self.assertIs(reader.topic_at(numbers[8]), reader.topics[0])
        self.assertIs(reader.topic_at(numbers[131200]), reader.topics[59])
        self.assertEqual(len({t['offset'] for t in reader.topics}), 60)

    def test_bad_help_texts_are_refused_naming_the_file_and_line(self):
        cases = [
            ('lines end with LF alone', '@title 帮助\n== a 主题\n文字\n'.encode('gbk'),
             'line 1'),
            ('text before the first topic', '@title 帮助\r\n文字\r\n'.encode('gbk'), 'line 2'),
            ('a jump to no topic', '@title 帮助\r\n== a 主题\r\n-> b 去别处\r\n'.encode('gbk'),
             '"b"'),
            ('a context number of no topic', '@title 帮助\r\n@map 5 b\r\n== a 主题\r\n'.encode('gbk'),
             '"b"'),
            ('a context name twice', '@title 帮助\r\n== a 主题\r\n== a 又一个\r\n'.encode('gbk'),
             'line 3'),
            ('not code page 936', '@title 帮助\r\n== a 主题\r\n'.encode('gbk') + b'\xff\xff\r\n',
             'code page 936'),
            ('no title', '== a 主题\r\n'.encode('gbk'), '@title'),
            ('an unknown setting', '@titel 帮助\r\n'.encode('gbk'), 'line 1'),
            ('a title longer than the caption', ('@title ' + '很长' * 20 + '\r\n== a 主题\r\n').encode('gbk'),
             'title'),
        ]
        for what, data, detail in cases:
            with self.subTest(what), tempfile.TemporaryDirectory() as d:
                run, source, target = generate(data, d)
                message = run.stderr.decode('utf-8', 'replace')
                self.assertEqual(run.returncode, 1, message)
                self.assertIn(source, message)
                self.assertIn(detail, message)
                self.assertFalse(os.path.exists(target))


if __name__ == '__main__':
    GENERATOR = sys.argv[1]
    rest = sys.argv[2:]
    SHIPPED = list(zip(rest[0::2], rest[1::2]))
    unittest.main(argv=[sys.argv[0]], verbosity=2)
