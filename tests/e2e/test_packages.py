"""The release packages: the portable ZIP holds everything the program
needs, and the per-user installer installs, upgrades and uninstalls without
touching the user's dictionaries, all under Wine."""

import glob
import os
import shutil
import subprocess
import time
import unittest
import zipfile

from tavtest import ENCODING, RUN_KEYS, WINE, TavTestCase, probe, reg, registry_value

BUILD = os.environ["TAV_BUILD_DIR"]
VERSION = os.environ["TAV_VERSION"]
ZIP = os.path.join(BUILD, f"Tav-{VERSION}-win64.zip")
SETUP = os.path.join(BUILD, f"Tav-{VERSION}-setup.exe")
UNINSTALL_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tav"
ID_START_WITH_WINDOWS = 32784


def install_folder():
    prefix = os.environ.get("WINEPREFIX") or os.path.join(BUILD, "wineprefix")
    found = glob.glob(os.path.join(prefix, "drive_c", "users", "*", "AppData", "Local", "Programs", "Tav"))
    return found[0] if found else None


def run_wine(*args):
    subprocess.run([WINE, *args], stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL, timeout=120, check=True)


class Packages(TavTestCase):
    def test_zip_holds_the_program_its_help_and_dictionaries(self):
        with zipfile.ZipFile(ZIP) as archive:
            names = sorted(archive.namelist())
            self.assertEqual(["Tav/", "Tav/LICENSE.txt", "Tav/README.txt", "Tav/en.tmp", "Tav/ro.tmp",
                              "Tav/tav.chm", "Tav/tav.exe"], names)
            with open(os.path.join(os.path.dirname(__file__), "..", "..", "data", "en.tmp"), "rb") as f:
                self.assertEqual(f.read(), archive.read("Tav/en.tmp"))

    def test_installer_installs_upgrades_and_uninstalls_keeping_the_words(self):
        if install_folder():
            shutil.rmtree(install_folder())  # what an earlier run kept
        run_wine(SETUP, "/S")
        folder = install_folder()
        self.assertIsNotNone(folder, "installed into the user's programs folder")
        self.addCleanup(shutil.rmtree, folder, True)
        self.addCleanup(reg, "delete", RUN_KEYS["HKCU"], "/v", "Tav", "/f")
        for name in ("tav.exe", "tav.chm", "en.tmp", "ro.tmp", "uninstall.exe"):
            self.assertTrue(os.path.exists(os.path.join(folder, name)), name)

        # The installed program starts, shows the starter words, and is set
        # to start with Windows.
        process = subprocess.Popen([WINE, os.path.join(folder, "tav.exe")], cwd="/",
                                   stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            probe("wait-window", 20000)
            self.assertGreater(len(probe("rows", "words")), 2000)
            probe("command", ID_START_WITH_WINDOWS)
            probe("close")
            process.wait(timeout=20)
        finally:
            if process.poll() is None:
                process.kill()
        self.assertIsNotNone(registry_value(RUN_KEYS["HKCU"], "Tav"))

        # The user's own words, then an upgrade over them.
        en, ro = os.path.join(folder, "en.tmp"), os.path.join(folder, "ro.tmp")
        with open(en, "ab") as f:
            f.write("zebră:my own word\r\n".encode(ENCODING))
        with open(en, "rb") as f, open(ro, "rb") as g:
            mine = [f.read(), g.read()]
        run_wine(SETUP, "/S")
        with open(en, "rb") as f:
            self.assertEqual(mine[0], f.read())

        # A silent uninstall runs from a copy of itself and goes on after
        # this returns; its last step removes its entry in the registry.
        run_wine(os.path.join(folder, "uninstall.exe"), "/S")
        deadline = time.monotonic() + 30
        while registry_value(UNINSTALL_KEY, "DisplayName") and time.monotonic() < deadline:
            time.sleep(0.2)
        self.assertIsNone(registry_value(UNINSTALL_KEY, "DisplayName"))
        self.assertEqual(["en.tmp", "ro.tmp"], sorted(os.listdir(folder)))
        with open(en, "rb") as f, open(ro, "rb") as g:
            self.assertEqual(mine, [f.read(), g.read()])
        self.assertIsNone(registry_value(RUN_KEYS["HKCU"], "Tav"))


if __name__ == "__main__":
    unittest.main(verbosity=2)
