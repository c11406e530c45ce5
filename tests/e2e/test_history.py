"""The lookup history in the real program, with real keys: words count as
looked up after a second in view or at once with Enter, Alt+Left and
Alt+Right walk them in their own directions, a restart keeps them and
Options > Clear history forgets them."""

import time
import unittest

from tavtest import TavTestCase, probe

EN = ["house:casă|locuinţă", "bank:bancă|mal", "book:carte"]
RO = ["casă:house|home", "mal:shore|bank"]


class History(TavTestCase):
    def look_up(self, word, translations, enter=False):
        self.keys.key("ctrl+a")
        self.keys.type(word)
        self.wait_for(lambda: self.tav.rows("translations") == translations, message=f"{word} shown")
        if enter:
            self.keys.key("Return")
        else:
            time.sleep(1.5)  # a second in view counts

    def assert_shows(self, key, word, title):
        self.keys.key(key)
        self.wait_for(lambda: probe("wordbox") == [word] and self.tav.title() == title,
                      message=f"{key} to {word} in {title}")
        self.assertEqual(word, self.tav.selection())

    def test_back_and_forward_through_the_words_looked_up_across_a_restart(self):
        tav = self.launch(en=EN, ro=RO)
        self.look_up("house", ["casă", "locuinţă"])
        self.look_up("book", ["carte"], enter=True)
        self.keys.key("ctrl+a")
        self.keys.type("ba")  # in view too briefly to count
        self.keys.key("ctrl+r")
        self.wait_for(lambda: tav.title() == "Romanian - English", message="Romanian - English")
        self.look_up("mal", ["bank", "shore"], enter=True)

        self.assert_shows("alt+Left", "book", "English - Romanian")
        self.assert_shows("alt+Left", "house", "English - Romanian")
        self.assert_shows("alt+Left", "house", "English - Romanian")  # nothing before it
        self.assert_shows("alt+Right", "book", "English - Romanian")
        self.assert_shows("alt+Right", "mal", "Romanian - English")
        self.wait_for(lambda: tav.rows("translations") == ["bank", "shore"], message="mal's translations")
        self.keys.type("qq")  # into the word box, not the menu bar; no entry, so never looked up
        self.wait_for(lambda: probe("wordbox") == ["qq"], message="typing after Alt+Right")

        tav.stop()
        self.assertEqual(["0\thouse", "0\tbook", "1\tmal", ""], probe("reg-get", "History"))
        tav.start()
        self.keys.key("ctrl+e")
        self.wait_for(lambda: tav.title() == "English - Romanian", message="English - Romanian")
        self.assert_shows("alt+Left", "book", "English - Romanian")
        self.assert_shows("alt+Right", "mal", "Romanian - English")

        self.keys.key("alt+o", "h")  # Options > Clear history
        self.wait_for(lambda: probe("reg-get", "History") == [""], message="history cleared")
        self.assert_shows("alt+Left", "mal", "Romanian - English")


if __name__ == "__main__":
    unittest.main(verbosity=2)
