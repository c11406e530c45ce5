"""The real program updates its dictionaries from a server on 127.0.0.1:
by itself one minute after start when the last attempt is old enough, and
on Help > Update, with balloons while it sits in the notification area."""

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


    def serve(self, style, en=EN_UPDATE, ro=RO_UPDATE):
        self.server.files = {"/update/enu.tmp": (style, en), "/update/rou.tmp": (style, ro)}

    def test_only_a_whole_dictionary_is_merged_whatever_the_server_does(self):
        tav = self.launch(en=EN, ro=RO)
        merged = (dictionary_bytes(EN + ["zebra:zebră|dungat"]), dictionary_bytes(RO + ["ţară:country"]))
        untouched = (dictionary_bytes(EN), dictionary_bytes(RO))
        page_as_text = b"note: you must accept the terms\r\n<a href=\"http://login.example/\">Log in</a>\r\n"
        cases = [
            # style, what the English body is, the report, the files after it
            ("chunked", EN_UPDATE, "English database has been successfully updated", merged),
            ("close", EN_UPDATE, "English database has been successfully updated", merged),
            ("redirect", EN_UPDATE, "English database has been successfully updated", merged),
            ("portal", EN_UPDATE, "The update server did not send a dictionary", untouched),
            ("length", page_as_text, "The update server did not send a dictionary", untouched),
            ("short", EN_UPDATE, None, untouched),
            ("cut", dictionary_bytes(["zebra:zebră|dungat", "House:nu"]), None, untouched),
        ]
        for style, body, report, files in cases:
            with self.subTest(style=style):
                tav.write("en.tmp", dictionary_bytes(EN))
                tav.write("ro.tmp", dictionary_bytes(RO))
                self.serve(style, en=body)
                probe("post-command", ID_HELP_UPDATE)
                self.wait_for(lambda: "..." in tav.status(), message=f"the cycle for {style} begins")
                self.wait_for(lambda: "..." not in tav.status(), seconds=40, message=f"the report for {style}")
                if report:
                    self.assertEqual(report, tav.status())
                # Both runs and the reload are over once the cycle has ended.
                time.sleep(11 if files is merged else 3)
                self.assertEqual(files, (tav.read("en.tmp"), tav.read("ro.tmp")), style)

        # A file whose text ends at a 0x1A before its end: the new lines go
        # where they are read, and what follows the mark stays.
        tav.write("en.tmp", dictionary_bytes(EN) + b"\x1Ahidden:x\r\n")
        self.serve("length")
        probe("post-command", ID_HELP_UPDATE)
        self.wait_for(lambda: tav.status() == "Romanian database has been successfully updated", seconds=40,
                      message="both runs")
        self.assertEqual(dictionary_bytes(EN + ["zebra:zebră|dungat"]) + b"\x1Ahidden:x\r\n", tav.read("en.tmp"))

    def test_closing_during_a_stalled_download_ends_the_program_at_once(self):
        for style in ("trickle", "silent"):
            with self.subTest(style=style):
                self.server.half_sent.clear()
                self.serve(style)
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
