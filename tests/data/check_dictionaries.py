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
ENCODING = 'cp1250'
MIN_ENTRIES = 2000
DICTIONARIES = ('en.tmp', 'ro.tmp')


def read_bytes(name):
    with open(os.path.join(DATA_DIR, name), 'rb') as f:
        return f.read()


def problems_of(line):
    """What is wrong with one entry ('' when nothing is)."""
    if any(ord(c) < 0x20 or ord(c) == 0x7f for c in line):
        return 'a control character'  # a 0x1A ends a text-mode read, a NUL or CR breaks a line
    if any(c in line for c in '\u0218\u0219\u021a\u021b'):
        return 'a comma-below letter'
    if ':' not in line:
        return 'no ":"'
    head, translations = line.split(':', 1)
    if not head.strip() or head != head.strip():
        return 'an empty head word or blanks around it'
    for item in translations.split('|'):
        if not item.strip() or item != item.strip() or ':' in item:
            return f'the translation item "{item}"'
    return ''


class StarterDictionaryTest(unittest.TestCase):
    def test_each_file_is_cp1250_entries_ending_in_cr_lf_without_duplicates(self):
        for name in DICTIONARIES:
            with self.subTest(name):
                data = read_bytes(name)
                text = data.decode(ENCODING)  # strict: no undefined bytes
                self.assertEqual(data, text.encode(ENCODING))
                self.assertTrue(data.endswith(b'\r\n'), 'the last line has no CR LF')
                self.assertEqual(data.count(b'\r\n'), data.count(b'\n'), 'LF without CR')
                self.assertEqual(data.count(b'\r\n'), data.count(b'\r'), 'CR without LF')
                lines = text[:-2].split('\r\n')
                bad = [(n, line, why) for n, line in enumerate(lines, 1) if (why := problems_of(line))]
                self.assertEqual([], bad[:10])
                self.assertEqual(len(lines), len(set(lines)), 'duplicate lines')
                self.assertGreaterEqual(len(lines), MIN_ENTRIES)

    def test_files_are_built_from_the_sources(self):
        # An edit made in only one of the two places does not go unnoticed.
        sys.dont_write_bytecode = True
        sys.path.insert(0, os.path.join(ROOT, 'tools'))
        import build_dictionaries as build
        for name in DICTIONARIES:
            with self.subTest(name):
                self.assertTrue(read_bytes(name) == build.build_file(os.path.splitext(name)[0]),
                                f'data/{name} differs from its source; run python3 tools/build_dictionaries.py')


if __name__ == '__main__':
    unittest.main()
