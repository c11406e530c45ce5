"""Options, the notification area and the About sheet in the real program.
(F1 and the help viewer: test_text, in a folder with a t-comma.)"""

import time
import unittest

from tavtest import RUN_KEYS, TavTestCase, probe, reg, registry_value, tray_icon, windows_path, xdotool

ID_ALWAYS_ON_TOP = 32778
ID_HIDE_WHEN_CLOSE = 32780
ID_ESCAPE_MINIMIZE = 32782
ID_START_WITH_WINDOWS = 32784
ID_ABOUT_APPLICATION = 32786
ID_ABOUT_SYSTEM = 32787
EN = ["house:casă|locuinţă", "bank:bancă|mal", "apple:măr", "book:carte", "water:apă"]


class Options(TavTestCase):
    def test_options_survive_a_restart(self):
        tav = self.launch(en=EN, ro=["casă:house"])
        probe("command", ID_ALWAYS_ON_TOP)
        probe("command", ID_ESCAPE_MINIMIZE)
        self.assertEqual(1, tav.state()["topmost"])
        tav.stop()
        self.assertEqual(["1"], probe("reg-get", "AlwaysOnTop"))
        self.assertEqual(["1"], probe("reg-get", "EscapeFunction"))
        tav.start()
        self.assertEqual(1, tav.state()["topmost"])
        self.keys.key("Escape")  # now minimises
        self.wait_for(lambda: tav.state()["iconic"] == 1, message="minimised by Escape")

    def test_start_with_windows_is_the_users_own_and_takes_over_an_older_machine_wide_entry(self):
        def run_values():
            return [registry_value(RUN_KEYS[root], "Tav") for root in ("HKCU", "HKLM")]

        for root in RUN_KEYS:
            self.addCleanup(reg, "delete", RUN_KEYS[root], "/v", "Tav", "/f")
        self.addCleanup(probe, "reg-lock-run", 0)
        old = r"C:\Old Tav\tav.exe"
        reg("add", RUN_KEYS["HKLM"], "/v", "Tav", "/d", old, "/f")  # as an older version left it
        tav = self.launch(en=EN, ro=["casă:house"], subfolder="My Tav")
        probe("reg-lock-run", 1)
        probe("command", ID_START_WITH_WINDOWS)
        self.assertTrue(tav.status().startswith("Start with Windows could not be changed: "), tav.status())
        self.assertEqual([None, old], run_values())
        probe("reg-lock-run", 0)
        probe("command", ID_START_WITH_WINDOWS)  # the old entry counted and still does: now off
        self.assertEqual([None, None], run_values())
        probe("command", ID_START_WITH_WINDOWS)
        # Quoted: unquoted, the blank would make it "C:\...\My" with arguments.
        self.assertEqual([f'"{windows_path(tav.path("tav.exe"))}"', None], run_values())
        tav.stop()
        self.assertEqual(["1"], probe("reg-get", "AutoStart"))

    def test_hide_when_closed_then_restore_and_exit_from_the_icon(self):
        tav = self.launch(en=EN, ro=["casă:house"])
        probe("command", ID_HIDE_WHEN_CLOSE)
        probe("close")
        self.wait_for(lambda: tav.state()["visible"] == 0, message="hidden into the notification area")
        self.assertIsNone(tav.process.poll())
        self.wait_for(tray_icon, message="the notification area")
        # A double-click on the icon restores the window.
        xdotool("mousemove", "--window", tray_icon(), 12, 32)
        xdotool("click", "--repeat", 2, "--delay", 80, 1)
        self.wait_for(lambda: tav.state()["visible"] == 1, message="restored")
        self.assertEqual(0, tav.state()["iconic"])
        # Hidden again, the icon's menu ends the program with E&xit.
        probe("close")
        self.wait_for(lambda: tav.state()["visible"] == 0, message="hidden again")
        self.wait_for(tray_icon, message="the notification area again")
        xdotool("mousemove", "--window", tray_icon(), 12, 32)
        xdotool("click", 3)
        time.sleep(0.5)
        tav.screenshot("tray-menu.png")
        # The menu opens at the mouse: About, Restore, then Exit below them.
        xdotool("mousemove_relative", "--", 25, 64)
        xdotool("click", 1)
        tav.process.wait(timeout=20)
        self.assertEqual(["1"], probe("reg-get", "HideWhenClose"))

    def test_about_sheet_opens_on_either_page_and_closes(self):
        self.launch(en=EN, ro=["casă:house"])
        for command, text, shot in ((ID_ABOUT_APPLICATION, "2, 8, 0, 1", "about-application.png"),
                                    (ID_ABOUT_SYSTEM, "&Advanced", "about-system.png")):
            probe("post-command", command)
            self.wait_for(lambda: probe("dialog-text", "About", check=False), message="the About sheet")
            texts = "\n".join(probe("dialog-text", "About"))
            self.assertIn(text, texts)
            self.assertIn("&Close", texts)
            self.tav.screenshot(shot)
            probe("click", "About", 2)
            self.wait_for(lambda: not probe("dialog-text", "About", check=False), message="the sheet closed")


if __name__ == "__main__":
    unittest.main(verbosity=2)
