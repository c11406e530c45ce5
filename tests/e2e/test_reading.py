"""Reading comfort in the real program: the text size from the keys, the
wheel and the View menu, shown in the status bar and kept across a
restart; the dark look, chosen or following Windows' app mode while the
program runs, in colours whose text keeps a contrast of 7:1. The
screenshots stay in the artefacts."""

import subprocess
import time
import unittest

from tavtest import TavTestCase, probe, reg, xdotool

EN = ["house:casă|locuinţă", "bank:bancă|mal", "apple:măr", "book:carte", "water:apă"]
ID_TEXT_LARGER = 32840
ID_LOOK_LIGHT, ID_LOOK_DARK = 32843, 32844
PERSONALIZE = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize"


def row_height():
    return int(probe("row-height", "words")[0])


class TextSize(TavTestCase):
    def test_keys_and_wheel_change_the_size_which_is_kept(self):
        tav = self.launch(en=EN, ro=["casă:house"])
        keys = self.keys
        normal = row_height()
        heights = [normal]
        # Each key is one step, from 100 % up to 125 % and back.
        for key, size in (("ctrl+equal", 110), ("ctrl+KP_Add", 125), ("ctrl+minus", 110), ("ctrl+KP_Subtract", 100),
                          ("ctrl+plus", 110)):
            keys.key(key)
            self.wait_status(f"Text size {size} %")
            heights.append(row_height())
        self.assertLess(heights[0], heights[1])
        self.assertLess(heights[1], heights[2])
        self.assertEqual(heights[1], heights[3])
        self.assertEqual(heights[0], heights[4])
        # Ctrl with the wheel over the word list: a notch, a step.
        x, y = probe("row-point", "words", 0)[0].split()
        xdotool("mousemove", x, y)
        xdotool("keydown", "ctrl", "click", 4, "keyup", "ctrl")
        self.wait_status("Text size 125 %")  # the wheel
        self.assertEqual(heights[2], row_height())
        tav.stop()
        self.assertEqual(["125"], probe("reg-get", "TextSize"))
        tav.start()
        self.assertEqual(heights[2], row_height())
        keys.key("ctrl+0")
        self.wait_for(lambda: row_height() == normal, message="Ctrl+0: the normal size")
        # The menu's item goes up to the largest size and stops there.
        for size in (110, 125, 150, 175, 200, 250, 300):
            probe("command", ID_TEXT_LARGER)
            self.wait_status(f"Text size {size} %")
        largest = row_height()
        probe("command", ID_TEXT_LARGER)
        self.assertEqual(largest, row_height())


def apps_use_light_theme(value):
    if value is None:
        reg("delete", PERSONALIZE, "/v", "AppsUseLightTheme", "/f")
    else:
        reg("add", PERSONALIZE, "/v", "AppsUseLightTheme", "/t", "REG_DWORD", "/d", str(value), "/f")


def luminance(rgb):
    def channel(c):
        c /= 255
        return c / 12.92 if c <= 0.03928 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = map(channel, rgb)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(a, b):
    la, lb = sorted((luminance(a), luminance(b)), reverse=True)
    return (la + 0.05) / (lb + 0.05)


def colours(png, box):
    """The pixels' colours inside box (left, top, right, bottom) of a screenshot, by count, most first."""
    left, top, right, bottom = box
    out = subprocess.run(["convert", png, "-crop", f"{right - left}x{bottom - top}+{left}+{top}", "+repage",
                          "-format", "%c", "histogram:info:-"], capture_output=True, check=True, timeout=30)
    counted = []
    for line in out.stdout.decode().splitlines():
        count, rest = line.split(":", 1)
        rgb = tuple(int(v) for v in rest.split("(")[1].split(")")[0].split(",")[:3])
        counted.append((int(count), rgb))
    return [rgb for _, rgb in sorted(counted, reverse=True)]


def row_box(which, row):
    """Where a row's text begins, on the screen."""
    x, y = map(int, probe("row-point", which, row)[0].split())
    height = int(probe("row-height", which)[0])
    left, _, right, _ = map(int, probe("rect", which)[0].split())
    start = x - (right - left) // 2 + 8
    return start, y - height // 2, start + 3 * height, y + height // 2


class Look(TavTestCase):
    def tearDown(self):
        apps_use_light_theme(None)
        super().tearDown()

    def assert_look(self, tav, name, dark):
        # The window repaints in its own time after the change.
        for attempt in range(10):
            try:
                return self.check_look(tav, name, dark)
            except AssertionError:
                if attempt == 9:
                    raise
                time.sleep(0.3)

    def check_look(self, tav, name, dark):
        png = tav.screenshot(name)
        selected = int(probe("selection", "words")[0])
        for which, row in (("words", selected), ("words", selected - 1), ("translations", 0)):
            # A row's background is its most common colour, its text the one
            # furthest from it.
            found = colours(png, row_box(which, row))
            background = found[0]
            text = max(found, key=lambda c: contrast(c, background))
            if (which, row) == ("words", selected) and not dark:
                continue  # the system's selection, as it always was
            if (which, row) != ("words", selected):
                self.assertEqual(dark, luminance(background) < 0.1, f"{which} {row} in {name}: {background}")
            self.assertGreaterEqual(contrast(text, background), 7, f"{which} text {text} on {background}")

    def test_dark_is_chosen_or_follows_windows_while_running_and_is_kept(self):
        apps_use_light_theme(1)
        tav = self.launch(en=EN, ro=["casă:house"])
        probe("set-wordbox", "bank")
        self.wait_for(lambda: tav.rows("translations") == ["bancă", "mal"], message="translations")
        self.assert_look(tav, "look-light.png", dark=False)
        # Windows' app mode turns dark while Tav runs.
        apps_use_light_theme(0)
        probe("setting-change", "ImmersiveColorSet")
        self.assert_look(tav, "look-as-windows-dark.png", dark=True)
        # Chosen light, it stays light whatever Windows says; chosen dark, it is dark.
        probe("command", ID_LOOK_LIGHT)
        self.assert_look(tav, "look-chosen-light.png", dark=False)
        probe("command", ID_LOOK_DARK)
        apps_use_light_theme(1)
        probe("setting-change", "ImmersiveColorSet")
        self.assert_look(tav, "look-dark.png", dark=True)
        # Kept, and at 300 %.
        tav.stop()
        self.assertEqual(["1"], probe("reg-get", "Look"))
        probe("reg-set", "Settings", "TextSize", 4, "2c010000")
        tav.start()
        probe("set-wordbox", "bank")
        self.wait_for(lambda: tav.rows("translations") == ["bancă", "mal"], message="translations")
        self.assert_look(tav, "look-dark-text300.png", dark=True)


if __name__ == "__main__":
    unittest.main(verbosity=2)
