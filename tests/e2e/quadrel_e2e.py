"""Helpers for end-to-end tests: Xvfb, a copy of the program in a temporary folder, xdotool.

Every wait polls for what it needs (a window, a file, a log line) with a generous time-out;
nothing relies on a bare sleep.
"""
import os
import select
import shutil
import signal
import struct
import subprocess
import tempfile
import time
import unittest

DEFAULT_TIMEOUT = 30.0


def wait_for(predicate, timeout=DEFAULT_TIMEOUT, interval=0.05, what="condition"):
    """Polls `predicate` until it returns a true value, which is returned."""
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out after {timeout:.0f} s waiting for {what}")
        time.sleep(interval)


def end_process(proc):
    """Asks a helper process (a server, a window manager) to end, and makes sure it does."""
    if proc:
        proc.terminate()
        try:
            proc.wait(10)
        except subprocess.TimeoutExpired:
            proc.kill()


class Xvfb:
    """A private X server on the first free display number."""

    def __init__(self, width=1280, height=1024):
        self.width, self.height = width, height
        self.proc = None
        self.display = None

    def __enter__(self):
        # The server picks a free display number itself and writes it to a pipe: tests run in
        # parallel (and other users' servers) can never take the same number.
        read_end, write_end = os.pipe()
        # No auto-repeat: xdotool stalled between a key's press and its release on a loaded
        # machine would otherwise type the key again, and a held SPACE plays the next items.
        proc = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0",
             f"{self.width}x{self.height}x24", "-nolisten", "tcp", "-noreset", "-r"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, pass_fds=(write_end,))
        os.close(write_end)
        number = b""
        deadline = time.monotonic() + 60
        try:
            while not number.endswith(b"\n"):
                if time.monotonic() > deadline or proc.poll() is not None:
                    raise RuntimeError("Xvfb did not start")
                ready, _, _ = select.select([read_end], [], [], 0.5)
                if ready:
                    chunk = os.read(read_end, 16)
                    if not chunk:
                        raise RuntimeError("Xvfb did not start")
                    number += chunk
        except RuntimeError:
            proc.kill()
            raise
        finally:
            os.close(read_end)
        self.proc, self.display = proc, f":{int(number)}"
        return self

    def __exit__(self, *exc):
        end_process(self.proc)


class TwoScreenXorg:
    """A real X server (Xorg with the dummy driver) with two outputs side by side: DUMMY0 at
    0,0 1280 x 800, the primary screen, and DUMMY1 at 1280,0 1920 x 1080. Qt sees screens only
    through RandR, which Xvfb cannot give a second output. Usable where an Xvfb is: `width` and
    `height` are the whole desktop's. Skips the test when the server cannot be started."""

    LEFT = (0, 0, 1280, 800)
    RIGHT = (1280, 0, 1920, 1080)
    CONFIG = """Section "Device"
  Identifier "d"
  Driver "dummy"
  VideoRam 192000
EndSection
Section "Monitor"
  Identifier "m"
  HorizSync 5.0-1000.0
  VertRefresh 5.0-200.0
EndSection
Section "Screen"
  Identifier "s"
  Device "d"
  Monitor "m"
  DefaultDepth 24
  SubSection "Display"
    Depth 24
    Virtual 3200 1200
  EndSubSection
EndSection
Section "ServerFlags"
  Option "AutoAddDevices" "false"
EndSection
"""

    def __init__(self):
        self.proc = None
        self.display = None
        self.folder = None
        self.width, self.height = 3200, 1080

    def skip(self, reason):
        log = os.path.join(self.folder, "xorg.log")
        tail = ""
        if os.path.exists(log):
            with open(log, errors="replace") as f:
                tail = "".join(line for line in f.readlines() if "(EE)" in line)[-600:]
        self.__exit__()
        raise unittest.SkipTest(f"two screens need Xorg with the dummy driver: {reason}"
                                + (f"; its errors: {tail.strip()}" if tail else ""))

    def __enter__(self):
        self.folder = tempfile.mkdtemp(prefix="quadrel-xorg-")
        if not shutil.which("Xorg") or not shutil.which("xrandr"):
            self.skip("Xorg or xrandr is not installed")
        if not os.path.exists("/usr/lib/xorg/modules/drivers/dummy_drv.so"):
            self.skip("the dummy video driver is not installed")
        # Xorg takes a configuration file by its absolute path only when run as root.
        if os.geteuid() != 0:
            self.skip("Xorg reads a configuration file from outside /etc/X11 only as root")
        config = os.path.join(self.folder, "dummy.conf")
        with open(config, "w") as f:
            f.write(self.CONFIG)
        read_end, write_end = os.pipe()
        # A free display number, picked and written to the pipe by the server once it accepts
        # connections; no auto-repeat (-r), as on Xvfb.
        self.proc = subprocess.Popen(
            ["Xorg", "-displayfd", str(write_end), "-config", config, "-logfile",
             os.path.join(self.folder, "xorg.log"), "-nolisten", "tcp", "-noreset", "-r"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, pass_fds=(write_end,))
        os.close(write_end)
        number = b""
        deadline = time.monotonic() + 60
        try:
            while not number.endswith(b"\n"):
                if time.monotonic() > deadline or self.proc.poll() is not None:
                    break
                if select.select([read_end], [], [], 0.5)[0]:
                    chunk = os.read(read_end, 16)
                    if not chunk:
                        break
                    number += chunk
        finally:
            os.close(read_end)
        if not number.endswith(b"\n"):
            self.skip("Xorg did not start")
        self.display = f":{int(number)}"
        self.xrandr("--addmode", "DUMMY1", "1920x1080")
        self.right_on()
        return self

    def __exit__(self, *exc):
        end_process(self.proc)
        self.proc = None
        if self.folder:
            shutil.rmtree(self.folder, ignore_errors=True)

    def xrandr(self, *args):
        result = subprocess.run(["xrandr", *args], env=dict(os.environ, DISPLAY=self.display),
                                capture_output=True, text=True, timeout=30)
        if result.returncode != 0:
            raise AssertionError(f"xrandr {' '.join(args)} failed: {result.stderr}")
        return result.stdout

    def monitors(self):
        """(x, y, width, height) of each active monitor, as RandR (and so Qt) reports them."""
        found = []
        for line in self.xrandr("--listmonitors").splitlines()[1:]:
            geometry = line.split()[2]  # 1280/339x800/212+0+0
            size, x, y = geometry.split("+")
            width, height = (int(part.split("/")[0]) for part in size.split("x"))
            found.append((int(x), int(y), width, height))
        return sorted(found)

    def arrange(self, wanted, *args):
        self.xrandr(*args)
        # Listing the monitors is also what makes Wine see a new one: it missed the second screen
        # until a client had asked for them.
        wait_for(lambda: self.monitors() == wanted, timeout=30, what=f"the screens {wanted}")
        self.width = max(x + w for x, _, w, _ in wanted)
        self.height = max(y + h for _, y, _, h in wanted)

    def right_off(self):
        """The right screen disconnected, as a projector switched off between runs."""
        self.arrange([self.LEFT], "--output", "DUMMY1", "--off")

    def right_on(self):
        self.arrange([self.LEFT, self.RIGHT], "--output", "DUMMY0", "--mode", "1280x800", "--pos",
                     "0x0", "--primary", "--output", "DUMMY1", "--mode", "1920x1080", "--pos",
                     "1280x0")


class Openbox:
    """A real window manager (openbox) on an Xvfb display, ready once it manages the screen."""

    def __init__(self, xvfb):
        self.xvfb = xvfb
        self.proc = None

    def env(self):
        return dict(os.environ, DISPLAY=self.xvfb.display)

    def managing(self):
        out = subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=self.env(),
                             capture_output=True, text=True, timeout=30).stdout
        return "window id" in out

    def __enter__(self):
        self.proc = subprocess.Popen(["openbox", "--sm-disable"], env=self.env(),
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_for(self.managing, timeout=60, what="openbox to manage the screen")
        return self

    def __exit__(self, *exc):
        end_process(self.proc)


class Program:
    """The built presenter copied into a fresh folder, started on an X display."""

    def __init__(self, xvfb, name="quadrel", files=None):
        self.xvfb = xvfb
        self.folder = tempfile.mkdtemp(prefix="quadrel-e2e-")
        self.exe = os.path.join(self.folder, name)
        shutil.copy2(os.environ["QUADREL_BIN"], self.exe)
        for rel, content in (files or {}).items():
            self.write(rel, content)
        self.proc = None
        self.log_path = os.path.join(self.folder, "program-output.log")

    def path(self, rel):
        return os.path.join(self.folder, rel)

    def write(self, rel, content):
        full = self.path(rel)
        os.makedirs(os.path.dirname(full), exist_ok=True)
        with open(full, "wb") as f:
            f.write(content if isinstance(content, bytes) else content.encode())
        return full

    def read(self, rel):
        with open(self.path(rel), "rb") as f:
            return f.read()

    def env(self):
        env = dict(os.environ)
        env.update(DISPLAY=self.xvfb.display, QT_QPA_PLATFORM="xcb", LC_ALL="C.UTF-8")
        env.pop("WAYLAND_DISPLAY", None)
        return env

    def start(self):
        self.log = open(self.log_path, "wb")
        self.proc = self.start_copy(self.log)
        return self

    def start_copy(self, output):
        """Starts the program from its folder once more, as an operator's second start would."""
        return subprocess.Popen([self.exe], cwd="/", env=self.env(),
                                stdout=output, stderr=subprocess.STDOUT)

    def running(self):
        return self.proc is not None and self.proc.poll() is None

    def stop(self):
        if self.running():
            self.proc.send_signal(signal.SIGKILL)
            self.proc.wait(10)
        if getattr(self, "log", None):
            self.log.close()
        shutil.rmtree(self.folder, ignore_errors=True)

    # --- X helpers -----------------------------------------------------------------------
    def xdotool(self, *args, check=True):
        result = subprocess.run(["xdotool", *args], env=self.env(), capture_output=True, text=True,
                                timeout=30)
        if check and result.returncode != 0:
            raise AssertionError(f"xdotool {' '.join(args)} failed: {result.stderr}")
        return result.stdout.strip()

    def find_window(self, title, timeout=DEFAULT_TIMEOUT):
        """The id of a visible window whose title matches the regular expression `title`."""
        def search():
            out = self.xdotool("search", "--onlyvisible", "--name", title, check=False)
            return out.split()[0] if out else None
        return wait_for(search, timeout, what=f"window {title!r}")

    def window_gone(self, title):
        return not self.xdotool("search", "--onlyvisible", "--name", title, check=False)

    def geometry(self, window):
        out = self.xdotool("getwindowgeometry", "--shell", window)
        values = dict(line.split("=", 1) for line in out.splitlines() if "=" in line)
        return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])

    def absolute_geometry(self, window):
        """(x, y, width, height) of the client area on the screen, as the X server has it.
        Unlike xdotool's, right also where a window manager has put the window in a frame."""
        out = subprocess.run(["xwininfo", "-id", window], env=self.env(), capture_output=True,
                             text=True, timeout=30, check=True).stdout
        values = {}
        for line in out.splitlines():
            key, _, value = line.strip().partition(":")
            values[key] = value.strip()
        return tuple(int(values[key]) for key in ("Absolute upper-left X",
                                                   "Absolute upper-left Y", "Width", "Height"))

    def focus(self, window):
        self.xdotool("windowfocus", "--sync", window, check=False)
        wait_for(lambda: self.xdotool("getwindowfocus", "-f", check=False) == window, timeout=10,
                 what="keyboard focus")

    def key(self, window, *keys):
        self.focus(window)
        self.xdotool("key", "--delay", "40", *keys)

    def type(self, window, text):
        self.focus(window)
        self.xdotool("type", "--delay", "30", text)

    def property(self, window, name):
        """An X property of `window` as xprop prints it (empty when it is not set)."""
        out = subprocess.run(["xprop", "-id", window, name], env=self.env(),
                             capture_output=True, text=True, timeout=30).stdout.strip()
        return "" if "not found" in out or "no such atom" in out else out

    def frame_extents(self, window):
        """(left, right, top, bottom) of the window manager's frame; zeros without one."""
        out = self.property(window, "_NET_FRAME_EXTENTS")
        if "=" not in out:
            return (0, 0, 0, 0)
        return tuple(int(v) for v in out.split("=", 1)[1].split(","))

    def screenshot(self):
        """The screen as (width, height, pixel(x, y) -> (r, g, b))."""
        raw = subprocess.run(["xwd", "-root", "-silent"], env=self.env(), capture_output=True,
                             check=True, timeout=30).stdout
        return Screenshot(raw)


class Screenshot:
    """Pixels of an XWD dump of a 24-bit TrueColor screen."""

    def __init__(self, raw):
        fields = struct.unpack(">25I", raw[:100])
        header_size, ncolors = fields[0], fields[19]
        self.width, self.height = fields[4], fields[5]
        self.byte_order, self.bpp, self.stride = fields[7], fields[11], fields[12]
        self.masks = fields[14:17]
        self.data = raw[header_size + 12 * ncolors:]

    def pixel(self, x, y):
        step = self.bpp // 8
        offset = y * self.stride + x * step
        chunk = self.data[offset:offset + step]
        value = int.from_bytes(chunk, "little" if self.byte_order == 0 else "big")
        out = []
        for mask in self.masks:
            shift = (mask & -mask).bit_length() - 1
            out.append((value & mask) >> shift)
        return tuple(out)

    def save_png(self, path):
        """Writes the screenshot as a PNG (for people to look at)."""
        import zlib
        rows = bytearray()
        for y in range(self.height):
            rows.append(0)
            for x in range(self.width):
                rows.extend(self.pixel(x, y))
        def chunk(tag, body):
            return (struct.pack(">I", len(body)) + tag + body +
                    struct.pack(">I", zlib.crc32(tag + body) & 0xffffffff))
        png = (b"\x89PNG\r\n\x1a\n" +
               chunk(b"IHDR", struct.pack(">IIBBBBB", self.width, self.height, 8, 2, 0, 0, 0)) +
               chunk(b"IDAT", zlib.compress(bytes(rows), 6)) + chunk(b"IEND", b""))
        with open(path, "wb") as f:
            f.write(png)


class E2ETestCase(unittest.TestCase):
    """Starts one X server (an Xvfb unless `make_server` says otherwise) per test case class; each
    test makes its own Program. A class that sets `window_manager` runs its tests under openbox on
    that server."""

    window_manager = False
    screen = (1280, 1024)

    @classmethod
    def make_server(cls):
        return Xvfb(*cls.screen)

    @classmethod
    def setUpClass(cls):
        cls.xvfb = cls.make_server().__enter__()
        cls.wm = None
        if cls.window_manager:
            try:
                cls.wm = Openbox(cls.xvfb).__enter__()
            except BaseException:
                cls.xvfb.__exit__(None, None, None)
                raise

    @classmethod
    def tearDownClass(cls):
        if cls.wm:
            cls.wm.__exit__(None, None, None)
        cls.xvfb.__exit__(None, None, None)

    def program(self, files=None, name="quadrel"):
        program = Program(self.xvfb, name=name, files=files)
        self.addCleanup(program.stop)
        return program

    def start_show(self, program):
        """Starts the program and waits for its show window to be shown and activated."""
        program.start()
        window = program.find_window("^Quadrel V")
        return window
