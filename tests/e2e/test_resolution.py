"""The window at 96, 144 and 192 dots per inch (Wine's display resolution
setting): every part lies inside the window, none overlaps another, and the
toolbar and the lists' text grow with the resolution. The screenshots stay
in the artefacts."""

import subprocess
import unittest

from tavtest import WINE, TavTestCase, probe

EN = ["house:casă|locuinţă", "bank:bancă|mal", "apple:măr", "book:carte", "water:apă"]
DESKTOP = r"HKCU\Control Panel\Desktop"


def set_resolution(dpi):
    subprocess.run([WINE, "reg", "add", DESKTOP, "/v", "LogPixels", "/t", "REG_DWORD", "/d", str(dpi), "/f"],
                   stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                   check=True, timeout=60)


def rect(part):
    return tuple(map(int, probe("rect", part)[0].split()))


def overlap(a, b):
    return a[0] < b[2] and b[0] < a[2] and a[1] < b[3] and b[1] < a[3]


class Resolution(TavTestCase):
    def test_parts_lie_inside_the_window_at_each_resolution(self):
        self.addCleanup(set_resolution, 96)
        toolbar_heights = []
        for dpi in (96, 144, 192):
            with self.subTest(dpi=dpi):
                set_resolution(dpi)
                probe("reg-clear")  # no placement stored at another resolution
                tav = self.launch(en=EN, ro=["casă:house"])
                probe("set-wordbox", "ba")
                self.wait_for(lambda: tav.rows("translations") == ["bancă", "mal"], message="translations")
                tav.screenshot(f"window-{dpi}dpi.png")
                client = rect("client")
                parts = {name: rect(name) for name in ("toolbar", "wordbar", "words", "translations", "status")}
                for name, r in parts.items():
                    self.assertTrue(client[0] <= r[0] < r[2] <= client[2] and client[1] <= r[1] < r[3] <= client[3],
                                    f"{name} {r} outside {client} at {dpi}")
                names = list(parts)
                for i, a in enumerate(names):
                    for b in names[i + 1:]:
                        self.assertFalse(overlap(parts[a], parts[b]), f"{a} and {b} overlap at {dpi}")
                # The buttons' images (18 pixels at 96) fit the bar at every resolution.
                height = parts["toolbar"][3] - parts["toolbar"][1]
                self.assertGreaterEqual(height, 25 * dpi // 96 - 1, dpi)
                toolbar_heights.append(height)
                tav.cleanup()
                self.tav = None
        self.assertLess(toolbar_heights[0], toolbar_heights[1])
        self.assertLess(toolbar_heights[1], toolbar_heights[2])


if __name__ == "__main__":
    unittest.main(verbosity=2)
