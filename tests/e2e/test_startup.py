"""The program starts as a user starts it: one window titled by its
direction, the dictionary in the word list, one instance only, and its
settings kept when it closes."""

import subprocess
import unittest

from tavtest import TavTestCase, probe

EN = ["house:casă|locuinţă", "bank:bancă|mal", "apple:măr", "Apple:companie", "zebra:zebră", "ţară:x"]


class Startup(TavTestCase):
    def test_window_shows_the_stored_direction_sorted(self):
        tav = self.launch(en=EN, ro=["casă:house", "ţară:country"])
        self.assertEqual("English - Romanian", tav.title())
        rows = tav.rows()
        self.assertEqual(len(EN), len(rows))
        self.assertEqual(["apple", "Apple"], sorted(rows[:2], key=str.swapcase))
        self.assertEqual("zebra", rows[-1] if rows[-1] != "ţară" else rows[-2])
        self.assertEqual("Ready", tav.status())
        self.assertEqual([], tav.rows("translations"))
        tav.screenshot("main-window.png")

    def test_romanian_direction_from_the_settings(self):
        tav = self.launch(en=EN, ro=["casă:house", "ţară:country"], settings={"EnRo": 1})
        self.assertEqual("Romanian - English", tav.title())
        self.assertEqual(["casă", "ţară"], tav.rows())

    def test_second_start_brings_the_first_forward(self):
        tav = self.launch(en=EN)
        probe("show", 6)  # SW_MINIMIZE
        self.wait_for(lambda: tav.state()["iconic"] == 1, message="minimised")
        second = subprocess.run([tav.process.args[0], "tav.exe"], cwd=tav.folder, stdin=subprocess.DEVNULL,
                                capture_output=True, timeout=60)
        self.assertEqual(0, second.returncode)
        self.assertEqual(["1"], probe("count"))
        self.wait_for(lambda: tav.state()["iconic"] == 0, message="restored")
        self.assertEqual(1, tav.state()["visible"])

    def test_closing_saves_the_settings(self):
        tav = self.launch(en=EN)
        tav.stop()
        self.assertEqual(["0"], probe("reg-get", "EnRo"))
        self.assertEqual(["0"], probe("reg-get", "AlwaysOnTop"))
        placement = probe("reg-get", "WindowPlacement")[0]
        self.assertEqual(44 * 2, len(placement))

    def test_started_with_windows_and_hiding_starts_hidden(self):
        tav = self.launch(en=EN, settings={"AutoStart": 1, "HideWhenMinimized": 1})
        self.wait_for(lambda: tav.state()["visible"] == 0, message="hidden")


if __name__ == "__main__":
    unittest.main(verbosity=2)
