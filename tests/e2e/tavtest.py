"""Runs the real tav.exe under Wine for the end-to-end tests, and looks at
it from outside through tavprobe.exe, xdotool and screenshots."""

import os
import shutil
import struct
import subprocess
import tempfile
import time
import unittest

WINE = os.environ["TAV_WINE"]            # the build tree's Wine launcher
TAV_EXE = os.environ["TAV_EXE"]
PROBE = os.environ["TAV_PROBE"]
ARTIFACTS = os.environ.get("TAV_ARTIFACTS", tempfile.gettempdir())
ENCODING = "cp1250"                      # the dictionaries' code page

SETTINGS = "Settings"
MAIN = "^(English - Romanian|Romanian - English)$"  # the main window's title, either direction
ID_ENGLISH_ROMANIAN = 32772
ID_ROMANIAN_ENGLISH = 32773
ID_FILE_IMPORT = 32801


def probe(*args, check=True):
    """Runs tavprobe with the arguments; returns its output lines."""
    result = subprocess.run([WINE, PROBE, *map(str, args)], stdin=subprocess.DEVNULL,
                            capture_output=True, timeout=60)
    if check and result.returncode != 0:
        raise AssertionError(f"tavprobe {' '.join(map(str, args))} failed ({result.returncode})")
    return result.stdout.decode("utf-8").splitlines()


def set_setting(name, value, section=SETTINGS, kind=None):
    """Writes a value under the program's key: an int as REG_DWORD, bytes as
    REG_BINARY, text as REG_SZ, or with kind given, the bytes as that kind."""
    if kind is None and isinstance(value, int):
        kind, value = 4, struct.pack("<i", value)
    elif kind is None and isinstance(value, str):
        kind, value = 1, value.encode(ENCODING) + b"\0"
    elif kind is None:
        kind = 3
    probe("reg-set", section, name, kind, value.hex())


RUN_KEYS = {root: root + r"\Software\Microsoft\Windows\CurrentVersion\Run" for root in ("HKCU", "HKLM")}


def reg(*args):
    """Runs Wine's reg.exe (query, add KEY /v NAME /d DATA /f, delete KEY /v NAME /f); its output."""
    result = subprocess.run([WINE, "reg", *args], stdin=subprocess.DEVNULL, capture_output=True, timeout=60)
    return result.stdout.decode("utf-8", "replace")


def registry_value(key, name):
    """The data of a value anywhere in the registry, or None when it is not there."""
    rows = [line.split(None, 2) for line in reg("query", key, "/v", name).splitlines()]
    return next((row[2] for row in rows if len(row) == 3 and row[0] == name and row[1].startswith("REG_")), None)


def windows_path(path):
    """Where Wine's programs see a file of this machine (drive Z: is its root)."""
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def dictionary_bytes(lines):
    return b"".join(line.encode(ENCODING) + b"\r\n" for line in lines)


class Tav:
    """One copy of the program in a folder of its own, with its dictionaries."""

    def __init__(self, en=(), ro=(), subfolder=None):
        self.root = tempfile.mkdtemp(prefix="tav-e2e-")
        self.folder = os.path.join(self.root, subfolder) if subfolder else self.root
        os.makedirs(self.folder, exist_ok=True)
        shutil.copy(TAV_EXE, os.path.join(self.folder, "tav.exe"))
        self.write("en.tmp", dictionary_bytes(en))
        self.write("ro.tmp", dictionary_bytes(ro))
        self.process = None

    def path(self, name):
        return os.path.join(self.folder, name)

    def write(self, name, data):
        with open(self.path(name), "wb") as f:
            f.write(data)

    def read(self, name):
        with open(self.path(name), "rb") as f:
            return f.read()

    def start(self):
        self.process = subprocess.Popen([WINE, "tav.exe"], cwd=self.folder, stdin=subprocess.DEVNULL,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        probe("wait-window", 20000)
        time.sleep(0.3)  # let it settle

    def stop(self):
        """Closes the program the way the user would; kills it if it will not go."""
        if self.process is None:
            return
        if self.process.poll() is None:
            probe("close", check=False)
            try:
                self.process.wait(timeout=15)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        self.process = None

    def cleanup(self):
        self.stop()
        shutil.rmtree(self.root, ignore_errors=True)

    # What the window shows.
    def rows(self, which="words"):
        return probe("rows", which)

    def selection(self, which="words"):
        lines = probe("selection", which)
        return lines[1] if int(lines[0]) >= 0 else None

    def title(self):
        return probe("title")[0]

    def status(self):
        lines = probe("status")
        return lines[0] if lines else ""

    def state(self):
        visible, iconic, zoomed, topmost = map(int, probe("state")[0].split())
        return {"visible": visible, "iconic": iconic, "zoomed": zoomed, "topmost": topmost}

    def screenshot(self, name):
        os.makedirs(ARTIFACTS, exist_ok=True)
        target = os.path.join(ARTIFACTS, name)
        subprocess.run(["import", "-window", "root", target], check=True, timeout=30)
        return target


class TavTestCase(unittest.TestCase):
    """Starts every test with clean settings and stops the program after it."""

    def setUp(self):
        probe("reg-clear")
        self.tav = None

    def tearDown(self):
        if self.tav:
            self.tav.cleanup()
        probe("reg-clear")

    def launch(self, en=(), ro=(), settings=None, subfolder=None):
        """Starts the program; self.keys types into its main window."""
        for name, value in (settings or {}).items():
            set_setting(name, value)
        self.tav = Tav(en, ro, subfolder)
        self.tav.start()
        self.keys = Keyboard(MAIN)
        return self.tav

    def dialog(self, title):
        """Waits for a window of the program titled title; its keyboard."""
        keys = Keyboard(f"^{title}$")
        self.wait_for(keys.exists, message=f"window {title}")
        return keys

    def import_file(self, path, title="Import into the English - Romanian dictionary"):
        """Chooses the file in File > Import's open-file dialog as the user does."""
        probe("post-command", ID_FILE_IMPORT)
        dialog = self.dialog(title)
        time.sleep(0.3)
        dialog.type(windows_path(path))
        dialog.key("Return")
        self.wait_for(lambda: not dialog.exists(), message="the dialog closes")

    def wait_status(self, text, seconds=5.0, prefix=False):
        """Waits for the status bar to say text (or to begin with it); what it says then."""
        self.wait_for(lambda: self.tav.status().startswith(text) if prefix else self.tav.status() == text,
                      seconds, f"status {text!r} (is {self.tav.status()!r})")
        return self.tav.status()

    def accept(self, dialog, text, status):
        """Types text into the dialog, presses Enter and waits for the status bar to say status."""
        dialog.type(text)
        dialog.key("Return")
        self.wait_status(status)

    def type_word(self, keys, text):
        """Replaces the word box's text with real key events. Now and then
        the first letter xdotool has to map afresh never reaches Wine: the
        typing is repeated then, since the test is about the program."""
        for _ in range(6):
            probe("set-wordbox", "")
            keys.type(text)
            if probe("wordbox") == [text]:
                return
        self.fail(f"could not type {text}")

    def wait_for(self, predicate, seconds=5.0, message="condition"):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            if predicate():
                return
            time.sleep(0.05)
        self.fail(f"timed out waiting for {message}")


def xdotool(*args):
    subprocess.run(["xdotool", *map(str, args)], check=True, timeout=30,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def tray_icon():
    """The X window of Wine's notification area (where its first icon sits), or None."""
    result = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Wine System Tray$"],
                            capture_output=True, timeout=30)
    ids = result.stdout.decode().split()
    return ids[0] if ids else None


class Keyboard:
    """Real key events for the window whose title matches, through the X server."""

    def __init__(self, title_pattern):
        self.title_pattern = title_pattern

    def window(self):
        result = subprocess.run(["xdotool", "search", "--name", self.title_pattern],
                                capture_output=True, timeout=30)
        ids = result.stdout.decode().split()
        if not ids:
            raise AssertionError(f"no window matches {self.title_pattern}")
        return ids[0]

    def exists(self):
        try:
            self.window()
            return True
        except AssertionError:
            return False

    def focus(self):
        # A window that has only just appeared may not take the focus yet.
        for attempt in range(10):
            try:
                xdotool("windowfocus", "--sync", self.window())
                return
            except subprocess.CalledProcessError:
                if attempt == 9:
                    raise
                time.sleep(0.1)

    def type(self, text):
        self.focus()
        xdotool("type", "--delay", 30, text)

    def key(self, *keys):
        self.focus()
        xdotool("key", "--delay", 30, *keys)


class UpdateServer:
    """The maker's update server, played on 127.0.0.1. files maps a path to
    its body, or to (style, body) with style one of:
      length     Content-Length (the default)
      trickle    half the body, then a byte every few seconds
      silent     accepts the connection and never answers
    Every answer ends within a bounded time. (The other ways a server or a
    network answers: the update thread's unit test.)"""

    LIMIT = 60  # seconds any one answer may take

    def __init__(self, files):
        import http.server
        import threading

        self.files = dict(files)
        self.requests = []
        self.half_sent = threading.Event()
        self.stop = threading.Event()
        server = self

        class Handler(http.server.BaseHTTPRequestHandler):
            def do_GET(self):
                server.requests.append(self.path)
                self.close_connection = True
                entry = server.files.get(self.path)
                if entry is None:
                    self.send_error(404)
                    return
                style, body = entry if isinstance(entry, tuple) else ("length", entry)
                if style == "silent":
                    server.half_sent.set()
                    server.stop.wait(UpdateServer.LIMIT)
                    return
                half = len(body) // 2 if style == "trickle" else len(body)
                head = ("HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nConnection: close\r\n"
                        f"Content-Length: {len(body)}\r\n\r\n")
                self.wfile.write(head.encode() + body[:half])
                self.wfile.flush()
                server.half_sent.set()
                for byte in body[half:]:
                    if server.stop.wait(3):
                        return
                    self.wfile.write(bytes([byte]))
                    self.wfile.flush()

            def log_message(self, *args):
                pass

        port = int(os.environ.get("TAV_SERVER_PORT", "18732"))
        http.server.ThreadingHTTPServer.allow_reuse_address = True
        self.httpd = http.server.ThreadingHTTPServer(("127.0.0.1", port), Handler)
        self.httpd.daemon_threads = True
        self.thread = threading.Thread(target=self.httpd.serve_forever, daemon=True)
        self.thread.start()

    def close(self):
        self.stop.set()
        self.httpd.shutdown()
        self.httpd.server_close()
