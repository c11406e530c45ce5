"""Reading comfort in the real program: the text size from the keys, the
wheel and the View menu, shown in the status bar and kept across a
restart."""

import unittest

from tavtest import Keyboard, TavTestCase, probe, xdotool

MAIN = "^(English - Romanian|Romanian - English)$"
EN = ["house:casă|locuinţă", "bank:bancă|mal", "apple:măr", "book:carte", "water:apă"]
ID_TEXT_LARGER = 32840


def row_height():
    return int(probe("row-height", "words")[0])


class TextSize(TavTestCase):
    def test_keys_and_wheel_change_the_size_which_is_kept(self):
        tav = self.launch(en=EN, ro=["casă:house"])
        keys = Keyboard(MAIN)
        normal = row_height()
        heights = [normal]
        # Each key is one step, from 100 % up to 125 % and back.
        for key, size in (("ctrl+equal", 110), ("ctrl+KP_Add", 125), ("ctrl+minus", 110), ("ctrl+KP_Subtract", 100),
                          ("ctrl+plus", 110)):
            keys.key(key)
            self.wait_for(lambda: tav.status() == f"Text size {size} %", message=f"{key}: {size} %")
            heights.append(row_height())
        self.assertLess(heights[0], heights[1])
        self.assertLess(heights[1], heights[2])
        self.assertEqual(heights[1], heights[3])
        self.assertEqual(heights[0], heights[4])
        # Ctrl with the wheel over the word list: a notch, a step.
        x, y = probe("row-point", "words", 0)[0].split()
        xdotool("mousemove", x, y)
        xdotool("keydown", "ctrl", "click", 4, "keyup", "ctrl")
        self.wait_for(lambda: tav.status() == "Text size 125 %", message="the wheel: 125 %")
        self.assertEqual(heights[2], row_height())
        tav.stop()
        self.assertEqual(["125"], probe("reg-get", "TextSize"))
        tav.start()
        self.assertEqual(heights[2], row_height())
        Keyboard(MAIN).key("ctrl+0")
        self.wait_for(lambda: row_height() == normal, message="Ctrl+0: the normal size")
        # The menu's item stops at the largest size.
        for _ in range(12):
            probe("command", ID_TEXT_LARGER)
        self.assertEqual("Text size 300 %", tav.status())


if __name__ == "__main__":
    unittest.main(verbosity=2)
