"""The window at 96, 144 and 192 dots per inch (Wine's display resolution
setting), with the text at its normal size and at 300 %: every part lies
inside the window, none overlaps another, the word box lies whole inside
its bar, and the toolbar, the rows and the word box grow with the
resolution and the text size. The screenshots stay in the artefacts."""

import unittest

from tavtest import TavTestCase, probe, reg

EN = ["house:casă|locuinţă", "bank:bancă|mal", "apple:măr", "book:carte", "water:apă"]
DESKTOP = r"HKCU\Control Panel\Desktop"


def set_resolution(dpi):
    reg("add", DESKTOP, "/v", "LogPixels", "/t", "REG_DWORD", "/d", str(dpi), "/f")


def rect(part):
    return tuple(map(int, probe("rect", part)[0].split()))


def overlap(a, b):
    return a[0] < b[2] and b[0] < a[2] and a[1] < b[3] and b[1] < a[3]


def inside(inner, outer):
    return outer[0] <= inner[0] < inner[2] <= outer[2] and outer[1] <= inner[1] < inner[3] <= outer[3]


class Resolution(TavTestCase):
    def test_parts_lie_inside_the_window_at_each_resolution_and_text_size(self):
        self.addCleanup(set_resolution, 96)
        toolbar_heights = []
        for dpi in (96, 144, 192):
            set_resolution(dpi)
            normal = {}
            for size in (100, 300):
                with self.subTest(dpi=dpi, size=size):
                    probe("reg-clear")  # no placement stored at another resolution
                    tav = self.launch(en=EN, ro=["casă:house"], settings={"TextSize": size})
                    self.addCleanup(tav.cleanup)
                    probe("set-wordbox", "ba")
                    self.wait_for(lambda: tav.rows("translations") == ["bancă", "mal"], message="translations")
                    tav.screenshot(f"window-{dpi}dpi.png" if size == 100 else f"window-{dpi}dpi-text{size}.png")
                    client = rect("client")
                    parts = {name: rect(name) for name in ("toolbar", "wordbar", "words", "translations", "status")}
                    for name, r in parts.items():
                        self.assertTrue(inside(r, client), f"{name} {r} outside {client}")
                    names = list(parts)
                    for i, a in enumerate(names):
                        for b in names[i + 1:]:
                            self.assertFalse(overlap(parts[a], parts[b]), f"{a} and {b} overlap")
                    box = rect("wordbox")
                    self.assertTrue(inside(box, parts["wordbar"]),
                                    f"word box {box} cut off by its bar {parts['wordbar']}")
                    grown = {"rows": int(probe("row-height", "words")[0]), "box": box[3] - box[1]}
                    if size == 100:
                        normal = grown
                        # The buttons' images (18 pixels at 96) fit the bar at every resolution.
                        height = parts["toolbar"][3] - parts["toolbar"][1]
                        self.assertGreaterEqual(height, 25 * dpi // 96 - 1)
                        toolbar_heights.append(height)
                    else:
                        # The text is three times as high; the rows and the box grow with it.
                        self.assertGreaterEqual(grown["rows"], 2.5 * normal["rows"], grown)
                        self.assertGreaterEqual(grown["box"], 2 * normal["box"], grown)
                    tav.stop()
                    self.tav = None
        self.assertLess(toolbar_heights[0], toolbar_heights[1])
        self.assertLess(toolbar_heights[1], toolbar_heights[2])


if __name__ == "__main__":
    unittest.main(verbosity=2)
