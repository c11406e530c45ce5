"""The real program updates its dictionaries from a server on 127.0.0.1:
by itself one minute after start when the last attempt is old enough, and
on Help > Update, with balloons while it sits in the notification area."""

import datetime
import time
import unittest

from tavtest import ENCODING, TavTestCase, UpdateServer, dictionary_bytes, probe

ID_HELP_UPDATE = 32788
EN = ["house:casă", "bank:bancă"]
RO = ["casă:house"]


class Update(TavTestCase):
    def setUp(self):
        super().setUp()
        self.server = UpdateServer({
            "/update/enu.tmp": dictionary_bytes(["House:nu", "zebra:zebră|dungat"]),
            "/update/rou.tmp": dictionary_bytes(["ţară:country"]),
        })

    def tearDown(self):
        super().tearDown()
        self.server.close()

    def test_updates_by_itself_a_minute_after_start_when_due(self):
        eleven_days_ago = (datetime.datetime.now() - datetime.timedelta(days=11)).strftime("%Y-%m-%d %H:%M:%S")
        tav = self.launch(en=EN, ro=RO, settings={"LastUpdate": eleven_days_ago})
        time.sleep(50)
        self.assertEqual([], self.server.requests, "nothing before the minute is up")
        self.wait_for(lambda: "/update/rou.tmp" in self.server.requests, seconds=60, message="both downloads")
        self.wait_for(lambda: tav.status() == "English database has been successfully updated", seconds=30,
                      message="the end of the cycle")
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
        self.wait_for(lambda: tav.status() == "English database has been successfully updated", seconds=40,
                      message="the end of the cycle")


if __name__ == "__main__":
    unittest.main(verbosity=2)
