"""The Windows package under Wine on Xvfb, driven like the Linux end-to-end tests.

The zip that `make package-win` writes is unzipped into a fresh folder per test and its
quadrel.exe started under Wine (Wine's X11 driver), so every test sees what a Windows user
unzipping it would: nothing installed but the folder. The prefix gets the faces the windows ask
for (Tahoma from Wine's own fonts, Liberation Sans for Arial).
"""
import json
import os
import shutil
import subprocess
import sys
import tempfile
import zipfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "e2e"))
sys.path.insert(0, os.path.join(HERE, ".."))

from quadrel_e2e import E2ETestCase, Program, Xvfb, wait_for  # noqa: E402,F401
import wine_tools  # noqa: E402

WINE_START_TIMEOUT = 120.0  # the first window of a Wine process on a loaded machine


def prepare_prefix(display):
    """Makes the prefix, on `display`, and gives it the faces the windows are laid out for."""
    env = wine_tools.wine_env(DISPLAY=display)
    subprocess.run(["wineboot", "-i"], env=env, stdin=subprocess.DEVNULL,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=600)
    subprocess.run(["wine", "reg", "add", r"HKCU\Software\Wine\Fonts\Replacements", "/v", "Arial",
                    "/t", "REG_SZ", "/d", "Liberation Sans", "/f"],
                   env=env, capture_output=True, timeout=120, check=True)


class WineProgram(Program):
    """The unzipped package in a fresh folder; quadrel.exe started under Wine."""

    def __init__(self, xvfb, files=None, player_ms=1000):
        self.xvfb = xvfb
        self.folder = tempfile.mkdtemp(prefix="quadrel-wine-")
        with zipfile.ZipFile(os.environ["QUADREL_WIN_PACKAGE"]) as package:
            package.extractall(self.folder)
            top = package.namelist()[0].split("/")[0]
        self.home = os.path.join(self.folder, top)
        self.exe = os.path.join(self.home, "quadrel.exe")
        self.proc = None
        self.log_path = os.path.join(self.folder, "program-output.log")
        self.player_log = os.path.join(self.folder, "player.log")
        self.player_ms = player_ms
        for rel, content in (files or {}).items():
            self.write(rel, content)

    def path(self, rel):
        return os.path.join(self.home, rel)

    def env(self):
        env = wine_tools.wine_env(QUADREL_PLAYER_LOG=wine_tools.windows_path(self.player_log),
                                  QUADREL_PLAYER_MS=str(self.player_ms))
        env.update(DISPLAY=self.xvfb.display, LC_ALL="C.UTF-8")
        env.pop("WAYLAND_DISPLAY", None)
        return env

    def start(self):
        self.log = open(self.log_path, "wb")
        self.proc = subprocess.Popen(["wine", self.exe], cwd=self.folder, env=self.env(),
                                     stdout=self.log, stderr=subprocess.STDOUT)
        return self

    def stop(self):
        if self.running():
            # Wine's own start-up process stands between us and quadrel.exe: end the latter too.
            subprocess.run(["wine", "taskkill", "/f", "/im", "quadrel.exe"], env=self.env(),
                           capture_output=True, timeout=60)
            try:
                self.proc.wait(30)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait(10)
        if getattr(self, "log", None):
            self.log.close()
        shutil.rmtree(self.folder, ignore_errors=True)

    def find_window(self, title, timeout=WINE_START_TIMEOUT):
        return super().find_window(title, timeout)

    def focused(self):
        """The X window that has the keyboard, and the top-level window it belongs to."""
        return (self.xdotool("getwindowfocus", "-f", check=False),
                self.xdotool("getwindowfocus", check=False))

    def focus(self, window):
        # Wine may give the focus to a window inside its top-level window.
        self.xdotool("windowfocus", "--sync", window, check=False)
        wait_for(lambda: window in self.focused(), timeout=30, what="keyboard focus")

    def pointer_visible(self):
        """Whether the pointer's current image has any pixel that is not fully transparent."""
        import ctypes

        class CursorImage(ctypes.Structure):
            _fields_ = [("x", ctypes.c_short), ("y", ctypes.c_short),
                        ("width", ctypes.c_ushort), ("height", ctypes.c_ushort),
                        ("xhot", ctypes.c_ushort), ("yhot", ctypes.c_ushort),
                        ("serial", ctypes.c_ulong), ("pixels", ctypes.POINTER(ctypes.c_ulong)),
                        ("atom", ctypes.c_ulong), ("name", ctypes.c_char_p)]
        x11 = ctypes.CDLL("libX11.so.6")
        fixes = ctypes.CDLL("libXfixes.so.3")
        x11.XOpenDisplay.restype = ctypes.c_void_p
        x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
        fixes.XFixesGetCursorImage.restype = ctypes.POINTER(CursorImage)
        fixes.XFixesGetCursorImage.argtypes = [ctypes.c_void_p]
        display = x11.XOpenDisplay(self.xvfb.display.encode())
        try:
            image = fixes.XFixesGetCursorImage(display).contents
            return any(image.pixels[i] >> 24 for i in range(image.width * image.height))
        finally:
            x11.XCloseDisplay(display)

    def click(self, window):
        """A click in the middle of `window`, which makes Wine activate it."""
        x, y, width, height = self.geometry(window)
        self.xdotool("mousemove", "--sync", str(x + width // 2), str(y + height // 2))
        self.xdotool("click", "1")
        self.focus(window)

    def add_player(self, rel="players/player.exe"):
        """The stand-in player inside the program's folder; returns its Windows path."""
        full = self.path(rel)
        os.makedirs(os.path.dirname(full), exist_ok=True)
        shutil.copy2(os.environ["QUADREL_PLAYER_EXE"], full)
        return wine_tools.windows_path(full)

    def player_events(self):
        if not os.path.exists(self.player_log):
            return []
        with open(self.player_log, encoding="utf-8") as f:
            return [json.loads(line) for line in f.read().split("\n")[:-1] if line]

    def send_keys(self, *keys):
        """Keys to whatever window has the keyboard, as an operator's keyboard sends them."""
        self.xdotool("key", "--delay", "60", *keys)


class WineTestCase(E2ETestCase):
    """One Xvfb and one running wine server for all tests of a class."""

    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        cls.start_wine()

    @classmethod
    def start_wine(cls):
        """The prefix and its wine server on the class's display, `cls.xvfb`."""
        # Any server left from a run without a display would keep its windows unseen.
        subprocess.run(["wineserver", "-k"], env=wine_tools.wine_env(), capture_output=True,
                       timeout=60)
        subprocess.run(["wineserver", "-w"], env=wine_tools.wine_env(), capture_output=True,
                       timeout=120)
        prepare_prefix(cls.xvfb.display)
        cls.server = wine_tools.WineServer(DISPLAY=cls.xvfb.display).__enter__()

    @classmethod
    def tearDownClass(cls):
        cls.server.__exit__(None, None, None)
        super().tearDownClass()

    def program(self, files=None, player_ms=1000):
        program = WineProgram(self.xvfb, files=files, player_ms=player_ms)
        self.addCleanup(program.stop)
        return program

    def start_show(self, program):
        program.start()
        return program.find_window("^Quadrel V", timeout=WINE_START_TIMEOUT)
