"""Settings that nothing of the program wrote: values of the wrong type,
size or range in the profile. The real program starts with them, behaves as
it does when they are missing (a direction other than 0 is Romanian -
English, and an Escape function out of range resets the word), and writes
sound values back when it closes."""

import struct
import unittest

from tavtest import TavTestCase, probe, set_setting

REG_SZ, REG_BINARY, REG_DWORD, REG_QWORD = 1, 3, 4, 11
ID_ESCAPE = 32789
EN = ["house:casă|locuinţă", "bank:bancă|mal", "apple:măr"]
RO = ["casă:house", "mal:shore"]
OPTIONS = ["AutoStart", "HideWhenMinimized", "HideWhenClose", "AlwaysOnTop"]


def placement(left, top, right, bottom, show=1):
    """A WINDOWPLACEMENT record: length, flags, show command, two points, the normal rectangle."""
    return struct.pack("<3I4i4i", 44, 0, show, 0, 0, 0, 0, left, top, right, bottom)


class BadSettings(TavTestCase):
    def assert_starts_as_without_options(self, tav, title):
        state = tav.state()
        self.assertEqual(1, state["visible"], "a hidden start needs both options set to 1")
        self.assertEqual(0, state["topmost"])
        self.assertEqual(title, tav.title())
        self.assertEqual(len(EN) if title.startswith("English") else len(RO), len(tav.rows()))

    def assert_ends_with_sound_values(self, tav):
        # Escape resets the word rather than minimising or closing.
        probe("set-wordbox", "ban")
        probe("command", ID_ESCAPE)
        self.assertEqual([""], probe("wordbox"))
        self.assertEqual(0, tav.state()["iconic"])
        # Closing ends the program (it does not hide), and writes back
        # values of the right type and range.
        probe("close")
        tav.process.wait(timeout=20)
        for name in OPTIONS:
            self.assertEqual(["0"], probe("reg-get", name), name)
        self.assertEqual(88, len(probe("reg-get", "WindowPlacement")[0]))

    def test_values_of_the_wrong_type_or_size_count_as_missing(self):
        set_setting("EnRo", kind=REG_SZ, value=b"1\0")
        set_setting("HideWhenMinimized", kind=REG_BINARY, value=b"\1\0\0\0")
        set_setting("HideWhenClose", kind=REG_DWORD, value=b"\1\0")  # two bytes of a number
        set_setting("AlwaysOnTop", kind=REG_QWORD, value=b"\1" + b"\0" * 7)
        set_setting("EscapeFunction", kind=REG_SZ, value=b"2\0")
        set_setting("WindowPlacement", kind=REG_SZ, value=b"garbage\0")
        set_setting("LastUpdate", kind=REG_DWORD, value=b"\5\0\0\0")
        set_setting("Bars", kind=REG_SZ, value=b"3\0", section="BarState-Summary")
        tav = self.launch(EN, RO)
        self.assert_starts_as_without_options(tav, "English - Romanian")
        self.assert_ends_with_sound_values(tav)
        self.assertEqual(["0"], probe("reg-get", "EnRo"))
        self.assertEqual(["0"], probe("reg-get", "EscapeFunction"))

    def test_values_out_of_range_count_as_missing(self):
        set_setting("EnRo", 7)  # any direction but 0 is Romanian - English
        for name in OPTIONS:
            set_setting(name, 7)
        set_setting("EscapeFunction", 9)
        set_setting("LastUpdate", "9999-99-99 99:99:99")
        set_setting("WindowPlacement", placement(-30000, -30000, -29000, -29500))
        set_setting("Bars", 2, section="BarState-Summary")
        for index in (0, 1):  # the toolbar and the status bar
            for name, value in (("BarID", 0xE800 + index), ("DockSide", 77), ("DockRow", -1),
                                ("DockOffset", 1 << 30), ("Visible", 5)):
                set_setting(name, value, section=f"BarState-Bar{index}")
        tav = self.launch(EN, RO)
        self.assert_starts_as_without_options(tav, "Romanian - English")
        # The bars stay where they belong: the word bar at the top, the
        # status bar at the bottom.
        self.assertLess(int(probe("rect", "wordbar")[0].split()[1]), 60)
        client_bottom = int(probe("rect", "client")[0].split()[3])
        self.assertEqual(client_bottom, int(probe("rect", "status")[0].split()[3]))
        self.assertEqual(["9"], probe("reg-get", "EscapeFunction"))  # kept until the window closes
        self.assert_ends_with_sound_values(tav)
        # Both act as the rules say and are kept as they were.
        self.assertEqual(["9"], probe("reg-get", "EscapeFunction"))
        self.assertEqual(["7"], probe("reg-get", "EnRo"))

    def test_a_short_placement_record_is_ignored(self):
        set_setting("WindowPlacement", placement(40, 30, 640, 430)[:40])
        tav = self.launch(EN, RO)
        self.assert_starts_as_without_options(tav, "English - Romanian")
        self.assert_ends_with_sound_values(tav)


if __name__ == "__main__":
    unittest.main(verbosity=2)
