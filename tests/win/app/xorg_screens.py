"""Two screens on one X display: Xorg with the dummy video driver and two RandR outputs.

Xvfb cannot add outputs and Xephyr reports one RandR monitor only; Wine (like Qt) reads the
monitors through RandR, so a real Xorg server is the one way to give Windows two of them here.
"""
import os
import select
import shutil
import subprocess
import tempfile
import unittest

from quadrel_wine import wait_for
from quadrel_e2e import end_process

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


class TwoScreens:
    """Screen 1 (primary) at 0,0 1280x800, screen 2 right of it at 1280,0 1920x1080."""

    LEFT = (0, 0, 1280, 800)
    RIGHT = (1280, 0, 1920, 1080)

    def __init__(self):
        self.proc = None
        self.folder = None
        self.display = None

    def xrandr(self, *args):
        return subprocess.run(["xrandr", *args], env=dict(os.environ, DISPLAY=self.display),
                              capture_output=True, text=True, timeout=30)

    def __enter__(self):
        """Starts the server, or raises unittest.SkipTest saying why it cannot run here."""
        if not (shutil.which("Xorg") and shutil.which("xrandr")):
            raise unittest.SkipTest("Xorg or xrandr not installed (xserver-xorg-video-dummy)")
        if os.geteuid() != 0:
            raise unittest.SkipTest("Xorg takes a configuration file by absolute path only as root")
        self.folder = tempfile.mkdtemp(prefix="quadrel-xorg-")
        config = os.path.join(self.folder, "dummy.conf")
        with open(config, "w") as f:
            f.write(CONFIG)
        # The server picks a free display number itself and writes it to a pipe once it takes
        # clients, as Xvfb does for the other tests: servers started in parallel never clash.
        read_end, write_end = os.pipe()
        self.proc = subprocess.Popen(
            ["Xorg", "-displayfd", str(write_end), "-noreset", "-nolisten", "tcp", "-config",
             config, "-logfile", os.path.join(self.folder, "xorg.log")],
            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            pass_fds=(write_end,))
        os.close(write_end)
        number = b""

        def numbered():
            nonlocal number
            if select.select([read_end], [], [], 0.2)[0]:
                number += os.read(read_end, 16) or b"-"
            if self.proc.poll() is not None or number.endswith(b"-"):
                raise unittest.SkipTest("Xorg with the dummy driver did not start: " +
                                        self.log_errors())
            return number.endswith(b"\n")
        try:
            wait_for(numbered, timeout=60, interval=0, what="Xorg's display number")
            self.display = f":{int(number)}"
            self.xrandr("--addmode", "DUMMY1", "1920x1080")
            done = self.xrandr("--output", "DUMMY0", "--mode", "1280x800", "--pos", "0x0",
                               "--primary", "--output", "DUMMY1", "--mode", "1920x1080",
                               "--pos", "1280x0")
            if done.returncode != 0:
                raise unittest.SkipTest(f"xrandr could not set up two screens: {done.stderr}")
            # Wine saw the second screen only once a client had asked the server for its
            # monitors (Wine 8 on Xorg's dummy driver); the list is also the check that there
            # are two.
            monitors = self.xrandr("--listmonitors").stdout
            if "Monitors: 2" not in monitors:
                raise unittest.SkipTest(f"Xorg reports other monitors than two: {monitors}")
        except BaseException:
            self.__exit__()
            raise
        finally:
            os.close(read_end)
        return self

    def log_errors(self):
        try:
            with open(os.path.join(self.folder, "xorg.log"), errors="replace") as f:
                errors = (line.strip() for line in f if "(EE)" in line)
                return " ".join(line for line in errors if not line.startswith("(WW)"))
        except OSError:
            return "no log"

    def __exit__(self, *exc):
        end_process(self.proc)
        if self.folder:
            shutil.rmtree(self.folder, ignore_errors=True)
