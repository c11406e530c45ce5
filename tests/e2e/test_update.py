"""The real program updates its dictionaries from a server on 127.0.0.1:
by itself one minute after start when the last attempt is old enough, and
on Help > Update, with balloons while it sits in the notification area.
(What a server may send instead of a whole dictionary, and the files after
it: the update thread's unit test.)"""

import datetime
import time
import unittest

from tavtest import TavTestCase, UpdateServer, dictionary_bytes, probe

ID_HELP_UPDATE = 32788
EN = ["house:casă", "bank:bancă"]
RO = ["casă:house"]
EN_UPDATE = dictionary_bytes(["House:nu", "zebra:zebră|dungat"])
RO_UPDATE = dictionary_bytes(["ţară:country"])


class Update(TavTestCase):
    def setUp(self):
        super().setUp()
        self.server = UpdateServer({"/update/enu.tmp": EN_UPDATE, "/update/rou.tmp": RO_UPDATE})

    def tearDown(self):
        super().tearDown()
        self.server.close()

    def test_updates_by_itself_a_minute_after_start_when_due(self):
        eleven_days_ago = (datetime.datetime.now() - datetime.timedelta(days=11)).strftime("%Y-%m-%d %H:%M:%S")
        tav = self.launch(en=EN, ro=RO, settings={"LastUpdate": eleven_days_ago})
        time.sleep(50)
        self.assertEqual([], self.server.requests, "nothing before the minute is up")
        self.wait_for(lambda: "/update/rou.tmp" in self.server.requests, seconds=60, message="both downloads")
        self.wait_status("English database has been successfully updated", 30)  # the end of the cycle
        self.assertEqual(dictionary_bytes(EN + ["zebra:zebră|dungat"]), tav.read("en.tmp"))
        self.assertEqual(dictionary_bytes(RO + ["ţară:country"]), tav.read("ro.tmp"))
        self.assertIn("zebra", tav.rows())  # the current direction was reloaded
        stamp = probe("reg-get", "LastUpdate")[0]
        self.assertNotEqual(eleven_days_ago, stamp)
        tav.screenshot("updated.png")

    def test_update_command_with_the_window_hidden_shows_balloons(self):
        tav = self.launch(en=EN, ro=RO, settings={"HideWhenMinimized": 1})
        probe("show", 6)  # minimise: the window goes into the notification area
        self.wait_for(lambda: tav.state()["visible"] == 0, message="hidden")
        probe("post-command", ID_HELP_UPDATE)
        # The English report shows as a balloon over the icon.
        balloon = []

        def shown():
            texts = [line for line in probe("windows", "tooltips_class32") if "updated" in line]
            balloon.extend(texts)
            return bool(texts)

        self.wait_for(shown, seconds=30, message="a balloon")
        self.assertIn("English database has been successfully updated", balloon[0])
        tav.screenshot("balloon.png")
        self.wait_status("English database has been successfully updated", 40)  # the end of the cycle


    def test_closing_during_a_stalled_download_ends_the_program_at_once(self):
        for style in ("trickle", "silent"):
            with self.subTest(style=style):
                self.server.half_sent.clear()
                self.server.files = {"/update/enu.tmp": (style, EN_UPDATE), "/update/rou.tmp": (style, RO_UPDATE)}
                tav = self.launch(en=EN, ro=RO)
                probe("post-command", ID_HELP_UPDATE)
                self.assertTrue(self.server.half_sent.wait(30), "the download began")
                started = time.monotonic()
                probe("close")
                tav.process.wait(timeout=30)
                took = time.monotonic() - started
                print(f"{style}: the program ended {took:.2f} s after it was closed")
                self.assertLess(took, 5.0)
                self.assertEqual(dictionary_bytes(EN), tav.read("en.tmp"))
                tav.start()  # a new start right after works
                self.assertEqual(["1"], probe("count"))
                tav.cleanup()
                self.tav = None


if __name__ == "__main__":
    unittest.main(verbosity=2)
