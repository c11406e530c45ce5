"""The lookup key (Ctrl+Shift+F11) pressed in another program: Wine's
notepad with a word selected, or with nothing selected and a word on the
clipboard."""

import os
import subprocess
import unittest

from tavtest import WINE, Keyboard, TavTestCase, probe

ID_OPTIONS_LOOKUP_KEY = 32800
NOTEPAD = "Notepad$"
EN = ["house:casă|locuinţă", "bank:bancă|mal", "apple:măr", "taxi:taxi"]
RO = ["casă:house|home", "mal:bank|shore", "bancă:bank", "taxi:taxi|cab"]


class LookupKey(TavTestCase):
    def open_notepad(self, tav, text):
        path = tav.path("reading.txt")
        with open(path, "w", encoding="utf-8-sig") as f:
            f.write(text)
        notepad = subprocess.Popen([WINE, "notepad", path], cwd=tav.folder, stdin=subprocess.DEVNULL,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.addCleanup(notepad.wait, 15)
        self.addCleanup(notepad.terminate)
        keyboard = Keyboard(NOTEPAD)

        def focused():
            try:
                keyboard.focus()  # fails until the window is mapped
            except (AssertionError, subprocess.CalledProcessError):
                return False
            return probe("foreground") == ["0"]

        self.wait_for(focused, seconds=20, message="notepad in front")
        return keyboard

    def looked_up(self, tav, title, word, translations):
        self.wait_for(lambda: tav.title() == title and probe("wordbox") == [word]
                      and tav.rows("translations") == translations, message=f"{word} looked up")
        self.assertEqual(["1"], probe("foreground"))

    def test_selected_word_is_looked_up_in_the_dictionary_that_has_it(self):
        tav = self.launch(en=EN, ro=RO)
        probe("clipboard-set", "earlier text")
        notepad = self.open_notepad(tav, "Am văzut casă, mal.\r\n")
        # The second word, with the blank and comma after it.
        notepad.key("ctrl+Home", "ctrl+Right", "ctrl+Right", "ctrl+shift+Right", "ctrl+shift+F11")
        self.looked_up(tav, "Romanian - English", "casă", ["home", "house"])
        tav.screenshot("lookup-key.png")
        self.assertEqual(["earlier text"], probe("clipboard")[:-1])

        # Nothing selected: the clipboard's word; the window comes back from
        # minimised.
        probe("show", 6)  # SW_MINIMIZE
        self.wait_for(lambda: tav.state()["iconic"] == 1, message="minimised")
        probe("clipboard-set", "  bank\r\nsecond line")
        notepad.key("End", "ctrl+shift+F11")
        self.looked_up(tav, "English - Romanian", "bank", ["bancă", "mal"])
        self.assertEqual(0, tav.state()["iconic"])
        restored = probe("clipboard")[:-1]
        self.assertEqual(("  bank", "second line"), (restored[0], restored[-1]))

        # A word both dictionaries have goes to English first, here the
        # dictionary the window shows.
        probe("clipboard-set", "taxi")
        notepad.key("ctrl+shift+F11")
        self.looked_up(tav, "English - Romanian", "taxi", ["taxi"])

    def test_option_turns_the_key_off_across_a_restart(self):
        tav = self.launch(en=EN, ro=RO)
        self.assertEqual(["0"], probe("key-free"))
        probe("command", ID_OPTIONS_LOOKUP_KEY)
        self.assertEqual(["1"], probe("key-free"))
        tav.stop()
        self.assertEqual(["0"], probe("reg-get", "LookupKey"))
        tav.start()
        self.assertEqual(["1"], probe("key-free"))
        probe("command", ID_OPTIONS_LOOKUP_KEY)
        self.assertEqual(["0"], probe("key-free"))
        tav.stop()
        self.assertEqual(["1"], probe("reg-get", "LookupKey"))

    def test_key_held_by_another_program_is_said_once_at_start(self):
        holder = subprocess.Popen([WINE, os.environ["TAV_PROBE"], "hold-key", "15000"], stdin=subprocess.DEVNULL,
                                  stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        self.addCleanup(holder.wait, 30)
        self.addCleanup(holder.kill)
        self.assertEqual(b"1", holder.stdout.readline().strip())
        tav = self.launch(en=EN, ro=RO)
        self.wait_for(lambda: "used by another program" in tav.status(), message="the status bar")
        self.assertIn("Ctrl+Shift+F11", tav.status())


if __name__ == "__main__":
    unittest.main(verbosity=2)
