"""Runs the real tav.exe under Wine for the end-to-end tests, and looks at
it from outside through tavprobe.exe, xdotool and screenshots."""

import os
import shutil
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
ID_ENGLISH_ROMANIAN = 32772
ID_ROMANIAN_ENGLISH = 32773


def probe(*args, check=True):
    """Runs tavprobe with the arguments; returns its output lines."""
    result = subprocess.run([WINE, PROBE, *map(str, args)], stdin=subprocess.DEVNULL,
                            capture_output=True, timeout=60)
    if check and result.returncode != 0:
        raise AssertionError(f"tavprobe {' '.join(map(str, args))} failed ({result.returncode})")
    return result.stdout.decode("utf-8").splitlines()


def dictionary_bytes(lines):
    return b"".join(line.encode(ENCODING) + b"\r\n" for line in lines)


class Tav:
    """One copy of the program in a folder of its own, with its dictionaries."""

    def __init__(self, en=(), ro=()):
        self.folder = tempfile.mkdtemp(prefix="tav-e2e-")
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

    def start(self, wait=True):
        self.process = subprocess.Popen([WINE, "tav.exe"], cwd=self.folder, stdin=subprocess.DEVNULL,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        if wait:
            probe("wait-window", 20000)
            self.wait_idle()
        return self.process

    def wait_idle(self, seconds=0.3):
        time.sleep(seconds)

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
        shutil.rmtree(self.folder, ignore_errors=True)

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

    def launch(self, en=(), ro=(), settings=None):
        for name, value in (settings or {}).items():
            if isinstance(value, int):
                probe("reg-set-dword", name, value)
            elif isinstance(value, bytes):
                probe("reg-set-hex", name, value.hex())
            else:
                probe("reg-set-sz", name, value)
        self.tav = Tav(en, ro)
        self.tav.start()
        return self.tav

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

    def focus(self):
        xdotool("windowfocus", "--sync", self.window())

    def type(self, text):
        self.focus()
        xdotool("type", "--delay", 30, text)

    def key(self, *keys):
        self.focus()
        xdotool("key", "--delay", 30, *keys)


class UpdateServer:
    """The maker's update server, played on 127.0.0.1 with Python's own HTTP server."""

    def __init__(self, files):
        import http.server
        import threading

        self.files = dict(files)  # path -> bytes
        self.requests = []
        server = self

        class Handler(http.server.BaseHTTPRequestHandler):
            def do_GET(self):
                server.requests.append(self.path)
                body = server.files.get(self.path)
                if body is None:
                    self.send_error(404)
                    return
                self.send_response(200)
                self.send_header("Content-Length", str(len(body)))
                self.end_headers()
                self.wfile.write(body)

            def log_message(self, *args):
                pass

        port = int(os.environ.get("TAV_SERVER_PORT", "18732"))
        self.httpd = http.server.ThreadingHTTPServer(("127.0.0.1", port), Handler)
        self.thread = threading.Thread(target=self.httpd.serve_forever, daemon=True)
        self.thread.start()

    def close(self):
        self.httpd.shutdown()
        self.httpd.server_close()
