"""File > Import dictionary in the real program: StarDict dictionaries (plain
and compressed, 32- and 64-bit offsets) and tab-separated text chosen in the
open-file dialog with real keys, the dictionary file's bytes afterwards, what
the status bar says, a broken dictionary, and closing during an import."""

import gzip
import os
import struct
import time
import zlib

from tavtest import ENCODING, ID_ROMANIAN_ENGLISH, TavTestCase, dictionary_bytes, probe

EN = ["apple:măr", "bank:bancă|mal"]


def gzip_member(data):
    """A dictzip-style member: gzip with an "RA" extra field."""
    deflate = zlib.compressobj(9, zlib.DEFLATED, -15)
    body = deflate.compress(data) + deflate.flush()
    extra = b"RA" + struct.pack("<HHHH", 6, 1, 65535, 1) + struct.pack("<H", len(body))
    header = b"\x1f\x8b\x08\x04" + b"\0\0\0\0" + b"\x02\x03" + struct.pack("<H", len(extra)) + extra
    return header + body + struct.pack("<II", zlib.crc32(data), len(data) & 0xFFFFFFFF)


def stardict(folder, name, entries, types="h", bits=32, compressed=True, wordcount=None, idxsize=None):
    """Writes name.ifo, name.idx and name.dict(.dz); entries: (word, data)."""
    idx, dict_ = b"", b""
    for word, data in sorted(entries, key=lambda e: e[0].lower()):
        body = data.encode("utf-8")
        offset = struct.pack(">Q" if bits == 64 else ">I", len(dict_))
        idx += word.encode("utf-8") + b"\0" + offset + struct.pack(">I", len(body))
        dict_ += body
    ifo = ["StarDict's dict ifo file", "version=" + ("3.0.0" if bits == 64 else "2.4.2"),
           f"bookname={name}", f"wordcount={wordcount if wordcount is not None else len(entries)}",
           f"idxfilesize={idxsize if idxsize is not None else len(idx)}", f"sametypesequence={types}"]
    if bits == 64:
        ifo.append("idxoffsetbits=64")
    with open(os.path.join(folder, name + ".ifo"), "wb") as f:
        f.write(("\n".join(ifo) + "\n").encode("utf-8"))
    with open(os.path.join(folder, name + ".idx"), "wb") as f:
        f.write(idx)
    with open(os.path.join(folder, name + (".dict.dz" if compressed else ".dict")), "wb") as f:
        f.write(gzip_member(dict_) if compressed else dict_)
    return os.path.join(folder, name + ".ifo")


class Import(TavTestCase):
    def test_stardict_entries_are_appended_and_the_users_own_stay(self):
        self.tav = self.launch(en=EN)
        original = self.tav.read("en.tmp")
        entries = [("Bank", "<b>bank</b><br>malul râului"),          # already there, by case
                   ("cat", "<ol><li>pisică</li><li>motan &amp; co</li></ol>"),
                   ("dog", "câine; <i>fam.</i> javră"),
                   ("house", "casă<br/>locuință"),
                   ("дом", "casă"),                                   # head word Tav cannot hold
                   ("time: tense", "timp")]                           # a ":" cannot stand in a head word
        cases = ((32, True, "plain32"), (64, False, "wide64"))
        for bits, compressed, name in cases:
            with self.subTest(bits=bits, compressed=compressed):
                self.tav.write("en.tmp", original)
                path = stardict(self.tav.folder, name, entries, bits=bits, compressed=compressed)
                self.import_file(path)
                self.assertEqual("Imported 3 words; 1 was already there; 2 skipped",
                                 self.wait_status("Imported", 20, prefix=True))
                expected = original + "".join(
                    line + "\r\n" for line in ("cat:pisică|motan & co", "dog:câine|fam. javră",
                                               "house:casă|locuinţă")).encode(ENCODING)
                self.assertEqual(expected, self.tav.read("en.tmp"))
                self.wait_for(lambda: len(self.tav.rows()) == 5, message="the list reloaded")
        self.tav.screenshot("import-stardict.png")

    def test_tab_text_in_either_encoding_goes_to_the_current_direction(self):
        self.tav = self.launch(en=EN, ro=["pisică:cat"])
        probe("command", ID_ROMANIAN_ENGLISH)
        self.wait_for(lambda: self.tav.title() == "Romanian - English", message="Romanian - English")
        original = self.tav.read("ro.tmp")
        self.tav.write("words.tsv", "\ufeffștiință\tscience; knowledge\nPISICĂ\tcat\nfără tab\n".encode("utf-8"))
        self.tav.write("cuvinte.txt", "şarpe\tsnake|serpent\r\n".encode(ENCODING))
        self.import_file(self.tav.path("words.tsv"), "Import into the Romanian - English dictionary")
        self.assertEqual("Imported 1 word; 1 was already there; 1 skipped",
                         self.wait_status("Imported", 20, prefix=True))
        self.import_file(self.tav.path("cuvinte.txt"), "Import into the Romanian - English dictionary")
        self.wait_status("Imported 1 word", 20, prefix=True)
        self.assertEqual(original + "ştiinţă:science|knowledge\r\nşarpe:snake|serpent\r\n".encode(ENCODING),
                         self.tav.read("ro.tmp"))
        self.assertEqual(dictionary_bytes(EN), self.tav.read("en.tmp"))

    def test_a_broken_dictionary_is_named_and_changes_nothing(self):
        # One of each reader; the unit tests go through every kind of damage.
        self.tav = self.launch(en=EN)
        original = self.tav.read("en.tmp")
        folder = self.tav.folder
        cases = (
            ("wrong-size", lambda: stardict(folder, "wrong-size", [("cat", "pisică")], idxsize=99)),
            ("page", lambda: self.tav.write("page.tmp", b"<html><body>Log in</body></html>\r\n") or
             self.tav.path("page.tmp")),
        )
        for name, make in cases:
            with self.subTest(name):
                self.import_file(make())
                status = self.wait_status(name, 20, prefix=True)
                self.assertNotIn("Imported", status)
                self.assertEqual(original, self.tav.read("en.tmp"))

    def test_closing_during_any_import_ends_within_two_seconds_and_merges_nothing(self):
        self.tav = self.launch(en=EN)
        original = self.tav.read("en.tmp")
        folder = self.tav.folder

        def tav_text():
            self.tav.write("big.tmp", b"".join(b"w%07d:t%d\r\n" % (i, i) for i in range(2500000)))
            return self.tav.path("big.tmp")

        def long_decompression():
            # A small file that inflates to 600 MB.
            path = stardict(folder, "deep", [("cat", "pisică")], compressed=False)
            with open(os.path.join(folder, "deep.dict"), "rb") as f:
                body = f.read()
            os.remove(os.path.join(folder, "deep.dict"))
            with open(os.path.join(folder, "deep.dict.dz"), "wb") as f:
                f.write(gzip.compress(body + b"\0" * (600 << 20), 1))
            return path

        def huge_entry():
            return stardict(folder, "huge", [("cat", "<b" * (20 << 20))], compressed=False)

        for name, make in (("tmp", tav_text), ("decompression", long_decompression), ("entry", huge_entry)):
            with self.subTest(name):
                if self.tav.process is None:
                    self.tav.start()
                self.import_file(make())
                self.wait_status("Importing", prefix=True)
                started = time.monotonic()
                probe("close")
                self.tav.process.wait(timeout=15)
                self.assertLess(time.monotonic() - started, 2.0)
                self.tav.process = None
                self.assertEqual(original, self.tav.read("en.tmp"))
                self.assertFalse(os.path.exists(self.tav.path("temp.tmp")))
