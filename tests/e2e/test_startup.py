"""The program starts as a user starts it: one window titled by its
direction, the dictionary in the word list, one instance only, and a way
back to a window started hidden."""

import subprocess
import time
import unittest

from tavtest import RUN_KEYS, WINE, Tav, TavTestCase, probe, reg, tray_icon

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

    def test_a_hidden_start_always_leaves_a_way_back(self):
        reg("add", RUN_KEYS["HKCU"], "/v", "Tav", "/d", "tav.exe", "/f")  # started with Windows
        self.addCleanup(reg, "delete", RUN_KEYS["HKCU"], "/v", "Tav", "/f")
        tav = self.launch(en=EN, settings={"HideWhenMinimized": 1})  # no stored placement yet
        self.wait_for(lambda: tav.state()["visible"] == 0, message="hidden")
        self.wait_for(tray_icon, message="the notification icon")
        tav.stop()
        tav.start()  # now with the placement the first run stored
        self.wait_for(lambda: tav.state()["visible"] == 0, message="hidden again")
        self.wait_for(tray_icon, message="the notification icon again")
        # A second start brings the hidden window back and ends.
        second = subprocess.run([tav.process.args[0], "tav.exe"], cwd=tav.folder, stdin=subprocess.DEVNULL,
                                capture_output=True, timeout=60)
        self.assertEqual(0, second.returncode)
        self.wait_for(lambda: tav.state()["visible"] == 1, message="brought back")
        self.assertEqual(0, tav.state()["iconic"])
        self.assertEqual(["1"], probe("count"))

    def test_two_starts_at_once_leave_one_program(self):
        tav = Tav(EN)
        self.tav = tav
        first = subprocess.Popen([WINE, "tav.exe"], cwd=tav.folder, stdin=subprocess.DEVNULL,
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        second = subprocess.Popen([WINE, "tav.exe"], cwd=tav.folder, stdin=subprocess.DEVNULL,
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        probe("wait-window", 20000)
        self.wait_for(lambda: first.poll() is not None or second.poll() is not None, seconds=20,
                      message="one of the two to end")
        survivor = first if first.poll() is None else second
        tav.process = survivor
        time.sleep(1)
        self.assertIsNone(survivor.poll())
        self.assertEqual(["1"], probe("count"))

if __name__ == "__main__":
    unittest.main(verbosity=2)
