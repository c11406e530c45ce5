"""Romanian text in the real program, run once on a Romanian system (ANSI
code page 1250) and once on a Western one (1252): what the windows show and
take, comma-below and cedilla letters, words typed without diacritics, the
bytes written to the dictionary, the clipboard, and a folder whose name
holds a letter of neither code page."""

import os
import shutil
import unittest

from tavtest import ENCODING, ID_ENGLISH_ROMANIAN, ID_ROMANIAN_ENGLISH, TavTestCase, probe

ROOT = os.path.join(os.path.dirname(__file__), "..", "..")
RO = ["ştiinţă:science", "şarpe:snake", "ţară:country", "pasăre:bird", "tânăr:young", "Îndoială:doubt",
      "Ţărm:shore", "sat:village"]
ID_WORD_MODIFY = 32775
IDC_WORD = 1001
IDC_TRANSLATIONS = 1004


class Text(TavTestCase):
    def start(self, **kwargs):
        self.tav = self.launch(ro=RO, **kwargs)
        probe("command", ID_ROMANIAN_ENGLISH)
        self.wait_for(lambda: self.tav.title() == "Romanian - English", message="Romanian - English")
        # The first key that xdotool has to map to a letter of its own after
        # the program starts never reaches Wine: spend it (and make sure).
        for _ in range(6):
            self.keys.type("ășț")
            if probe("wordbox") and probe("wordbox")[0].endswith("ășț"):
                break
        probe("set-wordbox", "")

    def type_in_dialog(self, keys, title, control, text):
        """Types into the focused box of a dialog with real key events, and
        again should a freshly mapped letter not reach Wine (see type_word)."""
        for _ in range(6):
            keys.type(text)
            shown = [line.split(" ", 1)[1] for line in probe("dialog-text", title)
                     if line.split(" ", 1)[0] == str(control) and " " in line]
            if shown == [text]:
                return
            keys.key("ctrl+Home", "shift+ctrl+End", "BackSpace")
        self.fail(f"could not type {text}")

    def add_word(self, word, translations):
        """Adds a word through Insert's dialog, typed with real keys; the dialog's keyboard."""
        self.keys.key("Tab", "Insert")
        dialog = self.dialog("Add new word")
        self.type_in_dialog(dialog, "Add new word", IDC_WORD, word)
        dialog.key("Return")  # moves on to the translations
        self.type_in_dialog(dialog, "Add new word", IDC_TRANSLATIONS, translations)
        dialog.key("Return")  # accepts
        return dialog

    def test_the_code_page_under_test(self):
        expected = "1252" if os.environ.get("TAV_WINE_LANG") else "1250"
        self.assertEqual(expected, probe("acp")[0])

    def test_starter_dictionaries_show_their_letters(self):
        starters = {}
        for name in ("en.tmp", "ro.tmp"):
            with open(os.path.join(ROOT, "data", name), "rb") as f:
                starters[name] = f.read()
        self.tav = self.launch()
        for name, data in starters.items():
            self.tav.write(name, data)
        for command, name in ((ID_ROMANIAN_ENGLISH, "ro.tmp"), (ID_ENGLISH_ROMANIAN, "en.tmp")):
            probe("command", command)
            heads = [line.split(":")[0] for line in starters[name].decode(ENCODING).split("\r\n") if line]
            self.assertEqual(sorted(heads), sorted(self.tav.rows()), name)
        self.tav.screenshot("text-starter-" + probe("acp")[0] + ".png")

    def test_typing_finds_words_with_either_form_of_s_and_t_and_without_diacritics(self):
        self.start()
        for typed, expected in (("știi", "ştiinţă"), ("ştii", "ştiinţă"), ("Șarp", "şarpe"),
                                ("țară", "ţară"), ("ţăr", "Ţărm"), ("ă", None), ("pasare", "pasăre"),
                                ("tanar", "tânăr"), ("indo", "Îndoială"), ("INDO", "Îndoială"),
                                ("sat", "sat")):
            self.type_word(self.keys, typed)
            self.assertEqual(typed, probe("wordbox")[0])
            if expected:
                self.wait_for(lambda: self.tav.selection() == expected, message=f"{typed} -> {expected}")
        # A letter no dictionary can hold matches nothing: the selection stays.
        self.keys.type("ж")
        self.wait_for(lambda: probe("wordbox") == ["satж"], message="satж typed")
        self.assertEqual("sat", self.tav.selection())

    def test_a_word_typed_with_comma_below_is_written_with_cedilla(self):
        self.start()
        original = self.tav.read("ro.tmp")
        self.add_word("știință nouă", "new science, Ștefan")
        self.wait_status("The addition has been successfully completed")
        self.assertEqual(original + "ştiinţă nouă:new science| Ştefan\r\n".encode(ENCODING),
                         self.tav.read("ro.tmp"))
        self.assertEqual("ştiinţă nouă", self.tav.selection())
        self.assertEqual("ştiinţă nouă", probe("wordbox")[0])

    def test_a_letter_the_dictionary_cannot_hold_keeps_the_dialog_open(self):
        self.start()
        original = self.tav.read("ro.tmp")
        dialog = self.add_word("жук", "beetle")
        message = self.dialog("Tav")
        texts = " ".join(probe("dialog-text", "Tav"))
        self.assertIn("ж (U+0436)", texts)
        message.key("Return")
        self.wait_for(lambda: not message.exists(), message="the message closes")
        self.assertTrue(dialog.exists(), "the dialog stays open")
        probe("click", "Add new word", 2)  # Cancel
        self.wait_for(lambda: not dialog.exists(), message="the dialog closes")
        self.assertEqual(original, self.tav.read("ro.tmp"))

    def test_copy_gives_unicode_and_paste_takes_it(self):
        self.start()
        self.type_word(self.keys, "ţar")
        self.wait_for(lambda: self.tav.selection() == "ţară", message="ţară")
        self.keys.key("Tab", "ctrl+c")
        self.wait_for(lambda: probe("clipboard")[0] == "ţară", message="Unicode text on the clipboard")
        if probe("acp")[0] == "1250":
            self.assertEqual("fe6172e3", probe("clipboard")[1])  # ANSI text for old programs
        # A word with comma below, copied from the word box and pasted back.
        self.keys.key("Tab")
        self.type_word(self.keys, "Știință")
        self.keys.key("ctrl+a", "ctrl+c")
        self.wait_for(lambda: probe("clipboard")[0] == "Știință", message="the word box's text copied")
        probe("set-wordbox", "")
        self.keys.key("ctrl+v")
        self.wait_for(lambda: probe("wordbox") == ["Știință"], message="pasted text")
        self.wait_for(lambda: self.tav.selection() == "ştiinţă", message="the pasted word is found")

    def test_a_folder_named_with_t_comma(self):
        self.start(subfolder="Ștefan țară")
        self.assertEqual(sorted(line.split(":")[0] for line in RO), sorted(self.tav.rows()))
        self.add_word("țel", "aim")
        self.wait_status("The addition has been successfully completed")
        self.assertTrue(self.tav.read("ro.tmp").endswith("ţel:aim\r\n".encode(ENCODING)))
        # A change goes through temp.tmp in that folder.
        probe("post-command", ID_WORD_MODIFY)
        self.accept(self.dialog("Change word translation"), "goal", "The modification has been successfully completed")
        self.assertTrue(self.tav.read("ro.tmp").endswith("ţel:goal\n".encode(ENCODING)))
        self.assertFalse(os.path.exists(self.tav.path("temp.tmp")))
        # The help file beside the program opens too.
        shutil.copy(os.environ["TAV_CHM"], self.tav.path("tav.chm"))
        self.keys.key("F1")
        self.wait_for(lambda: "Tav Help" in " ".join(probe("windows", "HH Parent")), seconds=20,
                      message="the help viewer")


if __name__ == "__main__":
    unittest.main(verbosity=2)
