"""Looking up, switching direction, adding, changing and deleting words in
the real program, with real key events."""

import time
import unittest

from tavtest import ENCODING, Keyboard, TavTestCase, probe

EN = ["house:casă|locuinţă", "bank:bancă|mal", "bank:ţărm", "apple:măr", "", "book:carte"]
RO = ["casă:house|home", "bancă:bank", "ţară:country"]
MAIN = "^(English - Romanian|Romanian - English)$"


class Words(TavTestCase):
    def setUp(self):
        super().setUp()
        self.tav = self.launch(en=EN, ro=RO)
        self.keys = Keyboard(MAIN)

    def dialog(self, title):
        """Waits for a dialog of the program and returns its keyboard."""
        pattern = f"^{title}$"
        keys = Keyboard(pattern)
        self.wait_for(lambda: self._exists(keys), message=f"window {title}")
        return keys

    @staticmethod
    def _exists(keys):
        try:
            keys.window()
            return True
        except AssertionError:
            return False

    def test_typing_selects_and_shows_translations_later(self):
        self.keys.type("BA")
        self.assertEqual("bank", self.tav.selection())
        self.wait_for(lambda: self.tav.rows("translations") == ["bancă", "mal", "ţărm"],
                      message="translations of bank")
        self.assertEqual("BA", probe("wordbox")[0])

    def test_ctrl_r_and_ctrl_e_switch_and_keep_the_word(self):
        self.keys.type("ca")
        self.keys.key("ctrl+r")
        self.wait_for(lambda: self.tav.title() == "Romanian - English", message="title")
        self.assertEqual("ca", probe("wordbox")[0])
        self.assertEqual("casă", self.tav.selection())
        self.wait_for(lambda: self.tav.rows("translations") == ["home", "house"], message="translations")
        self.keys.key("ctrl+e")
        self.wait_for(lambda: self.tav.title() == "English - Romanian", message="title back")
        self.assertEqual(sorted(["house", "bank", "bank", "apple", "book"]), sorted(self.tav.rows()))

    def test_tab_moves_between_word_box_and_list(self):
        self.keys.key("Tab")
        self.wait_for(lambda: probe("focus")[0].split()[1].lower() == "listbox", message="focus in list")
        self.keys.key("Tab")
        self.wait_for(lambda: probe("focus")[0].split()[0] == "1000", message="focus in word box")

    def test_add_appends_a_crlf_line_and_shows_the_word(self):
        self.keys.key("Tab", "Insert")
        dialog = self.dialog("Add new word")
        dialog.type("zebră")
        dialog.key("Return")           # moves on to the translations
        dialog.type("zebră, dungat")
        dialog.key("Return")           # accepts
        self.wait_for(lambda: self.tav.status() == "The addition has been successfully completed",
                      message="addition message")
        data = self.tav.read("en.tmp")
        self.assertTrue(data.endswith("zebră:zebră| dungat\r\n".encode(ENCODING)), data[-40:])
        self.assertEqual("zebră", self.tav.selection())
        self.assertEqual("zebră", probe("wordbox")[0])

    def test_modify_rewrites_the_file_with_lf_ends(self):
        original = self.tav.read("en.tmp")
        self.keys.type("bank")
        self.wait_for(lambda: self.tav.rows("translations") == ["bancă", "mal", "ţărm"], message="translations")
        self.keys.key("Tab", "Return")
        dialog = self.dialog("Change word translation")
        dialog.type("bancă,mal")       # replaces the selected text
        dialog.key("Return")
        self.wait_for(lambda: self.tav.status() == "The modification has been successfully completed",
                      message="modification message")
        expected = original.replace("bank:bancă|mal\r\n".encode(ENCODING), "bank:bancă|mal\n".encode(ENCODING))
        expected = expected.replace("bank:ţărm\r\n".encode(ENCODING), b"").replace(b"\r\n", b"\n")
        self.assertEqual(expected, self.tav.read("en.tmp"))
        self.assertFalse(self._file_exists("temp.tmp"))

    def test_delete_once_after_the_unlock(self):
        original = self.tav.read("en.tmp")
        self.keys.type("apple")
        self.keys.key("ctrl+shift+k")
        self.wait_for(lambda: self.tav.status() == "Now you can delete words", message="unlock")
        self.keys.key("Tab", "Delete")
        confirm = self.dialog("Confirm Word Delete")
        confirm.key("Return")          # Yes is the default button
        self.wait_for(lambda: self.tav.status() == "The deletion has been successfully completed",
                      message="deletion message")
        expected = original.replace("apple:măr\r\n".encode(ENCODING), b"").replace(b"\r\n", b"\n")
        self.assertEqual(expected, self.tav.read("en.tmp"))
        self.assertEqual("", probe("wordbox")[0] if probe("wordbox") else "")

        # A second delete is refused again (the focus is still in the list).
        self.assertEqual("listbox", probe("focus")[0].split()[1].lower())
        self.keys.key("Delete")
        self.dialog("Confirm Word Delete").key("Return")
        self.wait_for(lambda: self.tav.status().startswith("You can not delete words."), message="refusal")
        self.assertEqual(expected, self.tav.read("en.tmp"))

    def _file_exists(self, name):
        import os
        return os.path.exists(self.tav.path(name))


if __name__ == "__main__":
    unittest.main(verbosity=2)
