#!/usr/bin/env python3
"""Build the starter dictionaries data/en.tmp and data/ro.tmp from their
UTF-8 sources data/src/en.txt and data/src/ro.txt:

    python3 tools/build_dictionaries.py           # write the two files
    python3 tools/build_dictionaries.py --check   # only say whether they are up to date

A source holds one entry a line, "head word:translation|translation|...";
blank lines and lines starting with "#" are comments and are left out.
The built files keep the entries in source order, end every line with
CR LF and hold 8-bit Windows-1250 text without a byte-order mark.

Nothing is written unless both sources are clean. The build stops with a
list of every problem it finds: a malformed entry, a blank or padded
item, a repeated head word or item, or a character Windows-1250 cannot
hold. Romanian s and t with a comma below (U+0218..U+021B) are among the
latter: the code page has only the cedilla forms, and this script
deliberately does NOT substitute them; the sources must spell the
cedilla letters themselves, so that what is reviewed is what ships.
"""
import argparse
import os
import sys
import unicodedata

ENCODING = 'cp1250'
ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), '..'))
DATA_DIR = os.path.join(ROOT, 'data')
SOURCE_DIR = os.path.join(DATA_DIR, 'src')
DICTIONARIES = ('en', 'ro')

COMMA_BELOW = {'\u0218': '\u015e', '\u0219': '\u015f', '\u021a': '\u0162', '\u021b': '\u0163'}


class DictionaryError(Exception):
    """A source that cannot be built; the message lists every problem."""


def source_path(name):
    return os.path.join(SOURCE_DIR, name + '.txt')


def output_path(name):
    return os.path.join(DATA_DIR, name + '.tmp')


def entry_problems(line):
    """What is wrong with one entry line, as a list of messages."""
    if ':' not in line:
        return ['no ":" after the head word']
    head, translations = line.split(':', 1)
    problems = []
    if not head:
        problems.append('empty head word')
    elif head != head.strip():
        problems.append('blank at the start or end of the head word')
    items = translations.split('|')
    seen = set()
    for item in items:
        if not item:
            problems.append('empty translation item')
        elif item != item.strip():
            problems.append(f'blank at the start or end of the item "{item}"')
        elif '  ' in item:
            problems.append(f'double blank in the item "{item}"')
        if ':' in item:
            problems.append(f'":" in the item "{item}"')
        if item in seen:
            problems.append(f'the item "{item}" is repeated')
        seen.add(item)
    return problems


def character_problems(line):
    """Characters of the line that Windows-1250 cannot hold."""
    problems = []
    for column, char in enumerate(line, 1):
        try:
            char.encode(ENCODING)
        except UnicodeEncodeError:
            name = unicodedata.name(char, f'U+{ord(char):04X}')
            message = f'column {column}: {name} is not in Windows-1250'
            if char in COMMA_BELOW:
                message += f'; write the cedilla form {COMMA_BELOW[char]} instead'
            problems.append(message)
    return problems


def build(text, label='<source>'):
    """The bytes of the dictionary file built from the source text."""
    problems = []
    heads = {}
    lines = []
    for number, raw in enumerate(text.split('\n'), 1):
        line = raw[:-1] if raw.endswith('\r') else raw
        if not line.strip() or line.startswith('#'):
            continue
        found = entry_problems(line) + character_problems(line)
        head = line.split(':', 1)[0]
        if head in heads:
            found.append(f'the head word "{head}" is already on line {heads[head]}')
        else:
            heads[head] = number
        problems.extend(f'{label}:{number}: {message}' for message in found)
        lines.append(line)
    if problems:
        raise DictionaryError('\n'.join(problems))
    return b''.join(line.encode(ENCODING) + b'\r\n' for line in lines)


def build_file(name):
    with open(source_path(name), encoding='utf-8') as f:
        text = f.read()
    if text.startswith('\ufeff'):
        raise DictionaryError(f'{source_path(name)}: remove the byte-order mark')
    return build(text, os.path.relpath(source_path(name), ROOT))


def main():
    parser = argparse.ArgumentParser(description=__doc__.split('\n\n')[0])
    parser.add_argument('--check', action='store_true',
                        help='write nothing; fail if a built file is missing or out of date')
    args = parser.parse_args()

    built = {}
    errors = []
    for name in DICTIONARIES:
        try:
            built[name] = build_file(name)
        except DictionaryError as e:
            errors.append(str(e))
    if errors:
        print('\n'.join(errors), file=sys.stderr)
        print('nothing written', file=sys.stderr)
        return 1

    stale = []
    for name, data in built.items():
        path = output_path(name)
        entries = data.count(b'\r\n')
        if args.check:
            try:
                with open(path, 'rb') as f:
                    current = f.read()
            except FileNotFoundError:
                current = None
            if current != data:
                stale.append(path)
            print(f'{os.path.relpath(path, ROOT)}: {entries} entries, '
                  + ('out of date' if current != data else 'up to date'))
        else:
            with open(path, 'wb') as f:
                f.write(data)
            print(f'{os.path.relpath(path, ROOT)}: {entries} entries')
    return 1 if stale else 0


if __name__ == '__main__':
    sys.exit(main())
