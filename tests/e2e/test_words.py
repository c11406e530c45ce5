"""Looking up, switching direction, adding, changing and deleting words in
the real program, with real key events."""

import os
import unittest

from tavtest import ENCODING, TavTestCase, probe, xdotool

# Rows that read alike (case pairs, a repeated head word) and a line without
# translations, as real word lists have them.
EN = ["house:casă|locuinţă", "bank:bancă|mal", "bank:ţărm", "apple:măr", "Apple:companie", "",
      "may:a putea", "May:mai", "book:carte", "cliff:"]
RO = ["casă:house|home", "bancă:bank", "ţară:country"]
WORD_BOX, WORD_LIST, TRANSLATION_LIST = 1000, 0xE900, 0xE901


class Words(TavTestCase):
    def setUp(self):
        super().setUp()
        self.tav = self.launch(en=EN, ro=RO)

    def test_ctrl_r_and_ctrl_e_switch_and_keep_the_word(self):
        self.keys.type("ca")
        self.keys.key("ctrl+r")
        self.wait_for(lambda: self.tav.title() == "Romanian - English", message="title")
        self.assertEqual("ca", probe("wordbox")[0])
        self.assertEqual("casă", self.tav.selection())
        self.wait_for(lambda: self.tav.rows("translations") == ["home", "house"], message="translations")
        self.keys.key("ctrl+e")
        self.wait_for(lambda: self.tav.title() == "English - Romanian", message="title back")
        self.assertEqual(sorted(line.split(":")[0] for line in EN if line), sorted(self.tav.rows()))

    def test_tab_and_f6_move_the_focus(self):
        # Tab goes between the word box and the word list; F6 goes word box ->
        # word list -> translation list -> word box, Shift+F6 the other way.
        for key, expected in (("Tab", WORD_LIST), ("Tab", WORD_BOX), ("F6", WORD_LIST), ("F6", TRANSLATION_LIST),
                              ("F6", WORD_BOX), ("shift+F6", TRANSLATION_LIST), ("shift+F6", WORD_LIST),
                              ("shift+F6", WORD_BOX)):
            self.keys.key(key)
            self.wait_for(lambda: int(probe("focus")[0].split()[0]) == expected, message=f"{key} to {expected}")

    def selected_index(self):
        return int(probe("selection")[0])

    def click_row(self, index, double=False):
        x, y = probe("row-point", "words", index)[0].split()
        xdotool("mousemove", x, y)
        if double:
            xdotool("click", "--repeat", 2, "--delay", 60, 1)
        else:
            xdotool("click", 1)

    def test_keys_and_clicks_walk_every_row_of_words_that_read_alike(self):
        rows = self.tav.rows()
        self.keys.key("Tab", "Home")
        self.wait_for(lambda: self.selected_index() == 0, message="first row")
        for index in range(1, len(rows)):
            self.keys.key("Down")
            self.wait_for(lambda: self.selected_index() == index, message=f"row {index} after Down")
            self.assertEqual(rows[index], probe("wordbox")[0])
        self.keys.key("Up")
        self.wait_for(lambda: self.selected_index() == len(rows) - 2, message="one row up")
        self.keys.key("Page_Up")
        self.wait_for(lambda: self.selected_index() == 0, message="Page Up to the top")
        self.keys.key("End")
        self.wait_for(lambda: self.selected_index() == len(rows) - 1, message="End")
        self.keys.key("Home", "Page_Down")
        self.wait_for(lambda: self.selected_index() == len(rows) - 1, message="Page Down to the end")
        # The second of each pair, by a click.
        for word in ("Apple", "bank", "May"):
            index = max(i for i, row in enumerate(rows) if row.lower() == word.lower())
            self.click_row(index)
            self.wait_for(lambda: self.selected_index() == index, message=f"click on row {index}")
            self.assertEqual(rows[index], probe("wordbox")[0])
        # Typing still goes to the first row that begins with the text.
        self.keys.key("Tab", "ctrl+a")
        self.keys.type("ma")
        self.wait_for(lambda: self.tav.selection().lower() == "may", message="typed word")
        self.assertEqual(min(i for i, row in enumerate(rows) if row.lower() == "may"), self.selected_index())

    def test_a_quick_double_click_changes_the_clicked_word(self):
        self.keys.type("house")
        self.wait_for(lambda: self.tav.rows("translations") == ["casă", "locuinţă"], message="house shown")
        rows = self.tav.rows()
        self.click_row(rows.index("book"), double=True)
        dialog = self.dialog("Change word translation")
        texts = probe("dialog-text", "Change word translation")
        self.assertIn("1001 book", texts)
        self.assertIn("1004 carte", texts)
        self.accept(dialog, "carte,volum", "The modification has been successfully completed")
        data = self.tav.read("en.tmp")
        self.assertIn(b"\nbook:carte|volum\n", data)
        self.assertIn("house:casă|locuinţă\n".encode(ENCODING), data)

    def test_a_word_without_translations_is_changed_not_added(self):
        self.keys.type("cliff")
        self.keys.key("Tab", "Return")
        dialog = self.dialog("Change word translation")
        self.assertIn("1001 cliff", probe("dialog-text", "Change word translation"))
        self.accept(dialog, "stâncă", "The modification has been successfully completed")
        data = self.tav.read("en.tmp")
        self.assertTrue(data.endswith("cliff:stâncă\n".encode(ENCODING)), data[-30:])
        self.assertEqual(1, data.count(b"cliff"))

    def test_modify_rewrites_the_file_with_lf_ends(self):
        original = self.tav.read("en.tmp")
        self.keys.type("bank")
        self.wait_for(lambda: self.tav.rows("translations") == ["bancă", "mal", "ţărm"], message="translations")
        self.keys.key("Tab", "Return")
        dialog = self.dialog("Change word translation")
        self.accept(dialog, "bancă,mal", "The modification has been successfully completed")  # replaces the selection
        expected = original.replace("bank:bancă|mal\r\n".encode(ENCODING), "bank:bancă|mal\n".encode(ENCODING))
        expected = expected.replace("bank:ţărm\r\n".encode(ENCODING), b"").replace(b"\r\n", b"\n")
        self.assertEqual(expected, self.tav.read("en.tmp"))
        self.assertFalse(os.path.exists(self.tav.path("temp.tmp")))


if __name__ == "__main__":
    unittest.main(verbosity=2)
