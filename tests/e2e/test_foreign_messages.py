"""What other programs can do to the window: the lookup key pressed while a
word is being added, changed or deleted, and messages posted or sent to the
window from another process. Neither may move an edit to another word or
dictionary, change the direction, or stop the window answering."""

import unittest

from tavtest import ENCODING, TavTestCase, probe

# "mare" is a head word of both dictionaries: the lookup key would choose English.
EN = ["mare:iapă", "house:casă"]
RO = ["mare:sea|big", "casă:house"]
WM_NOTIFY, WM_DPICHANGED, WM_APP = 0x004E, 0x02E0, 0x8000


class LookupKeyBesideAnEdit(TavTestCase):
    def setUp(self):
        super().setUp()
        self.tav = self.launch(en=EN, ro=RO, settings={"EnRo": 1})
        self.wait_for(lambda: self.tav.title() == "Romanian - English", message="Romanian first")
        self.en = self.tav.read("en.tmp")
        probe("clipboard-set", "mare")

    def press_lookup_key_in(self, dialog):
        dialog.key("ctrl+shift+F11")
        # Give a lookup the time it would take, then see that none happened.
        probe("answers")
        self.assertEqual("Romanian - English", self.tav.title())
        self.assertTrue(dialog.exists())

    def test_change_and_add_go_to_the_dictionary_they_were_opened_for(self):
        self.keys.type("mare")
        self.wait_for(lambda: self.tav.rows("translations") == ["big", "sea"], message="mare shown")
        self.keys.key("Tab", "Return")
        change = self.dialog("Change word translation")
        self.press_lookup_key_in(change)
        self.accept(change, "ocean,sea", "The modification has been successfully completed")
        self.assertIn(b"mare:ocean|sea\n", self.tav.read("ro.tmp"))

        self.keys.key("Insert")
        add = self.dialog("Add new word")
        self.press_lookup_key_in(add)
        add.type("lună")
        add.key("Tab")
        self.accept(add, "moon", "The addition has been successfully completed")
        self.assertTrue(self.tav.read("ro.tmp").endswith("lună:moon\r\n".encode(ENCODING)))
        self.assertEqual(self.en, self.tav.read("en.tmp"))

    def test_delete_confirmation_deletes_the_word_it_asked_about(self):
        self.keys.type("mare")
        self.keys.key("ctrl+shift+k")
        self.wait_status("Now you can delete words")
        self.keys.key("Tab", "Delete")
        confirm = self.dialog("Confirm Word Delete")
        self.press_lookup_key_in(confirm)
        confirm.key("Return")
        self.wait_status("The deletion has been successfully completed")
        self.assertEqual("casă:house\n".encode(ENCODING), self.tav.read("ro.tmp"))
        self.assertEqual(self.en, self.tav.read("en.tmp"))


class MessagesFromAnotherProgram(TavTestCase):
    def test_window_keeps_answering_and_changes_nothing(self):
        tav = self.launch(en=EN, ro=RO)
        files = (tav.read("en.tmp"), tav.read("ro.tmp"))
        for verb, message, wparam, lparam in (
                ("post", WM_APP + 1, 1, 0),            # load the other direction
                ("send", WM_APP + 1, 1, 0),
                ("post", WM_APP + 2, 2, 0x12345678),   # an update report pointing nowhere
                ("send", WM_APP + 2, 3, 1),
                ("post", WM_APP + 5, 1000, 0),         # import progress and end, no import running
                ("post", WM_APP + 6, 0, 0),
                ("post", WM_NOTIFY, 0, 1),             # notifications pointing nowhere
                ("send", WM_NOTIFY, 0, 1),
                ("post", WM_DPICHANGED, 0x7FFF7FFF, 1),  # absurd resolutions
                ("send", WM_DPICHANGED, 0x7FFF7FFF, 0)):
            with self.subTest(verb=verb, message=hex(message)):
                probe(verb, message, wparam, lparam, check=False)
                self.assertEqual(["1"], probe("answers"))
                self.assertEqual("English - Romanian", tav.title())
        self.assertIsNone(tav.process.poll())
        self.assertEqual(files, (tav.read("en.tmp"), tav.read("ro.tmp")))
        # Still itself: the toolbar at its size, typing still looks words up.
        self.keys.type("hou")
        self.wait_for(lambda: tav.selection() == "house", message="typing after the messages")


if __name__ == "__main__":
    unittest.main(verbosity=2)
