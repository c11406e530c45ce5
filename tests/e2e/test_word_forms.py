"""Finding the word behind what people read, in the real program: a
StarDict dictionary with word forms imported through the window (the files'
bytes afterwards), then forms, English endings, no entry with the closest
words, and the lookup key, as the user meets them."""

import os
import struct

from tavtest import ENCODING, ID_ROMANIAN_ENGLISH, TavTestCase, probe
from test_import import stardict
EN = ["go:a merge", "child:copil", "study:a studia|studiu", "knife:cuţit", "good:bun", "bet:pariu"]
RO = ["mare:sea|big"]
ENTRIES = [("casă", "<i>noun</i><br><ol><li>house</li><li>home</li></ol>"),
           ("Casele Micești", "<i>name</i><br>A village in Cluj"),
           ("merge", "<i>verb</i><br><ol><li>to go</li><li>to walk</li></ol>"),
           ("mergător", "<i>adj</i><br><ol><li>walking</li></ol>"),
           ("carte", "<i>noun</i><br>book")]
FORMS = [("casele", "casă"), ("Casei", "casă"), ("merg", "merge"), ("cărți", "carte"), ("casă", "casă"),
         ("mergi", "merge"), ("merg", "mergător")]


def write_syn(folder, name, forms):
    """name.syn beside name.ifo: form, NUL, the head word's number in the
    .idx (sorted as stardict() writes it), big-endian."""
    order = [word for word, _ in sorted(ENTRIES, key=lambda e: e[0].lower())]
    with open(os.path.join(folder, name + ".syn"), "wb") as f:
        for form, head in forms:
            f.write(form.encode("utf-8") + b"\0" + struct.pack(">I", order.index(head)))
    with open(os.path.join(folder, name + ".ifo"), "ab") as f:
        f.write(f"synwordcount={len(forms)}\n".encode("utf-8"))


class WordForms(TavTestCase):
    def setUp(self):
        super().setUp()
        self.tav = self.launch(en=EN, ro=RO)

    def shows(self, selected, translations, status=None):
        self.wait_for(lambda: self.tav.selection() == selected and self.tav.rows("translations") == translations
                      and (status is None or self.tav.status() == status),
                      message=f"{selected} with {translations} ({self.tav.selection()}, "
                              f"{self.tav.rows('translations')}, {self.tav.status()!r})")

    def test_imported_forms_lead_to_their_head_words_and_no_entry_is_said(self):
        probe("command", ID_ROMANIAN_ENGLISH)
        path = stardict(self.tav.folder, "ro-en", ENTRIES)
        write_syn(self.tav.folder, "ro-en", FORMS)
        self.import_file(path, "Import into the Romanian - English dictionary")
        self.assertIn("6 new forms", self.wait_status("Imported", 20, prefix=True))
        # Labels go with their translations; forms stay out of the dictionary.
        self.assertEqual("".join(line + "\r\n" for line in RO + [
            "carte:book (n.)", "Casele Miceşti:A village in Cluj (name)", "casă:house (n.)|home (n.)",
            "merge:to go (v.)|to walk (v.)", "mergător:walking (adj.)"]).encode(ENCODING),
            self.tav.read("ro.tmp"))
        forms = self.tav.read("ro.forms")
        self.assertTrue(forms.endswith(b"\r\n"))
        self.assertEqual(sorted(["casele:casă", "Casei:casă", "merg:merge", "cărţi:carte", "mergi:merge",
                                 "merg:mergător"]), sorted(forms.decode(ENCODING).split("\r\n")[:-1]))

        # A whole form beats a longer head word that begins with the text.
        self.type_word(self.keys, "casele")
        self.shows("casă", ["home (n.)", "house (n.)"], "casele: a form of casă")
        self.type_word(self.keys, "merg")
        self.shows("merge", ["to go (v.)", "to walk (v.)"], "merg: a form of merge, mergător")
        self.type_word(self.keys, "cărți")                    # comma below, as keyboards type it
        self.shows("carte", ["book (n.)"], "cărţi: a form of carte")
        self.type_word(self.keys, "Casele M")                 # no form: the beginning, as before
        self.shows("Casele Miceşti", ["A village in Cluj (name)"], "Ready")

        # Nothing matches: the list keeps its place, the translations say so.
        self.type_word(self.keys, "merx")
        self.shows("mergător", ['No entry for "merx"', "mare", "merge"])
        self.keys.key("F6", "F6", "Down", "Return")   # the second closest
        self.shows("merge", ["to go (v.)", "to walk (v.)"])
        self.assertEqual(["merge"], probe("wordbox"))

    def test_english_forms_need_no_data_and_the_lookup_key_counts_forms(self):
        for text, head in (("went", "go"), ("children", "child"), ("studies", "study"), ("knives", "knife")):
            with self.subTest(text):
                self.type_word(self.keys, text)
                line = next(line for line in EN if line.startswith(head + ":"))
                self.shows(head, sorted(line.split(":")[1].split("|")), f"{text}: a form of {head}")
        # A form of each dictionary: the lookup key goes to the one that has it.
        # (The clipboard's text as the tests set it is ASCII.)
        self.tav.write("ro.forms", "marea:mare\r\n".encode(ENCODING))
        probe("clipboard-set", "marea")
        self.keys.key("ctrl+shift+F11")
        self.wait_for(lambda: self.tav.title() == "Romanian - English", message="Romanian for a Romanian form")
        self.shows("mare", ["big", "sea"], "marea: a form of mare")
        probe("clipboard-set", "children")
        self.keys.key("ctrl+shift+F11")
        self.wait_for(lambda: self.tav.title() == "English - Romanian", message="English for an English form")
        self.shows("child", ["copil"], "children: a form of child")
