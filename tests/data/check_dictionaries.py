#!/usr/bin/env python3
"""Checks the starter dictionaries data/en.tmp and data/ro.tmp: the bytes
the program will read (Windows-1250, CR LF), the line format of every
entry, their size, and that they are what tools/build_dictionaries.py makes of
data/src. Standard library only:

    python3 tests/data/check_dictionaries.py
"""
import os
import sys
import unittest

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..'))
DATA_DIR = os.path.join(ROOT, 'data')
TOOLS_DIR = os.path.join(ROOT, 'tools')

ENCODING = 'cp1250'
MIN_ENTRIES = 2000
COMMA_BELOW = set('\u0218\u0219\u021a\u021b')          # Ș ș Ț ț
COMMA_BELOW_UTF8 = (b'\xc8\x98', b'\xc8\x99', b'\xc8\x9a', b'\xc8\x9b')

DICTIONARIES = ('en.tmp', 'ro.tmp')


def read_bytes(name):
    with open(os.path.join(DATA_DIR, name), 'rb') as f:
        return f.read()


def read_lines(name):
    """The file's lines as text, without their line ends."""
    lines = read_bytes(name).decode(ENCODING).split('\n')
    if lines and lines[-1] == '':
        lines.pop()
    return [line[:-1] if line.endswith('\r') else line for line in lines]


def split_entry(line):
    head, translations = line.split(':', 1)
    return head, translations.split('|')


class EncodingTest(unittest.TestCase):
    """The files hold 8-bit Windows-1250 text the program can show as is."""

    def test_decode_and_encode_back_to_the_same_bytes(self):
        for name in DICTIONARIES:
            with self.subTest(name):
                data = read_bytes(name)
                text = data.decode(ENCODING)          # strict: no undefined bytes
                self.assertEqual(data, text.encode(ENCODING))

    def test_no_comma_below_letters(self):
        for name in DICTIONARIES:
            with self.subTest(name):
                data = read_bytes(name)
                for sequence in COMMA_BELOW_UTF8:
                    self.assertNotIn(sequence, data, 'UTF-8 comma-below letter')
                found = COMMA_BELOW & set(data.decode(ENCODING))
                self.assertFalse(found, f'comma-below letters {sorted(found)}')

    def test_no_control_characters(self):
        # A 0x1A ends a file read in text mode; a NUL or stray CR breaks a line.
        for name in DICTIONARIES:
            with self.subTest(name):
                bad = [(number, line) for number, line in enumerate(read_lines(name), 1)
                       if any(ord(c) < 0x20 or ord(c) == 0x7f for c in line)]
                self.assertEqual([], bad[:10])


class LineFormatTest(unittest.TestCase):
    """Every line is one well-formed entry ending in CR LF."""

    def test_every_line_ends_with_cr_lf(self):
        for name in DICTIONARIES:
            with self.subTest(name):
                data = read_bytes(name)
                self.assertTrue(data.endswith(b'\r\n'), 'the last line has no CR LF')
                pairs = data.count(b'\r\n')
                self.assertEqual(pairs, data.count(b'\n'), 'LF without CR')
                self.assertEqual(pairs, data.count(b'\r'), 'CR without LF')

    def test_every_line_is_a_head_word_and_translation_items(self):
        for name in DICTIONARIES:
            with self.subTest(name):
                problems = []
                for number, line in enumerate(read_lines(name), 1):
                    if ':' not in line:
                        problems.append((number, line, 'no ":"'))
                        continue
                    head, items = split_entry(line)
                    if not head.strip():
                        problems.append((number, line, 'empty head word'))
                    elif head != head.strip():
                        problems.append((number, line, 'blank around the head word'))
                    for item in items:
                        if not item.strip():
                            problems.append((number, line, 'empty translation item'))
                        elif item != item.strip():
                            problems.append((number, line, f'blank around "{item}"'))
                        elif ':' in item:
                            problems.append((number, line, f'":" in "{item}"'))
                self.assertEqual([], problems[:10])

    def test_no_duplicate_lines_and_enough_entries(self):
        for name in DICTIONARIES:
            with self.subTest(name):
                lines = read_lines(name)
                seen = {}
                duplicates = []
                for number, line in enumerate(lines, 1):
                    if line in seen:
                        duplicates.append((seen[line], number, line))
                    seen.setdefault(line, number)
                self.assertEqual([], duplicates[:10])
                self.assertGreaterEqual(len(lines), MIN_ENTRIES)


class SourceTest(unittest.TestCase):
    """The committed files are the build of data/src, so an edit made in only
    one of the two places does not go unnoticed."""

    def test_files_are_built_from_the_sources(self):
        sys.dont_write_bytecode = True
        sys.path.insert(0, TOOLS_DIR)
        import build_dictionaries as build
        for name in DICTIONARIES:
            with self.subTest(name):
                expected = build.build_file(os.path.splitext(name)[0])
                self.assertTrue(read_bytes(name) == expected,
                                f'data/{name} differs from its source; run python3 tools/build_dictionaries.py')


if __name__ == '__main__':
    unittest.main()
