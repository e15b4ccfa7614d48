"""Screenshots of the windows under Xvfb, for the README.

Usage: QUADREL_BIN=build/bin/quadrel python3 tools/screenshots.py [OUT_FOLDER]   (default docs/)
The Windows program under Wine, to compare with them:
  QUADREL_WIN_PACKAGE=build-win-app/package/quadrel-<version>-windows-x86_64.zip \
  WINEPREFIX=build-win-app/wineprefix python3 tools/screenshots.py /tmp/wine-shots
"""
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "e2e"))
from quadrel_e2e import Program, Screenshot, Xvfb, wait_for  # noqa: E402

if os.environ.get("QUADREL_WIN_PACKAGE"):
    sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "win", "app"))
    from quadrel_wine import WineProgram as Program, prepare_prefix  # noqa: E402

LIST = b"intro.avi\r\nclips\\demo.bat\r\nclips\\finale.vbs\r\n..\\media\\trailer.mpg\r\n"
SETTLE = 1.5  # seconds of grabs that must show at most two alternating images
PARK = (1279, 1023)  # inside the 1280x1024 screen below, outside every window
OUT = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "docs")


def grab(program, window, name):
    """Saves the window's own pixels once its painting has settled.

    A single grab as soon as something other than black shows can catch a window
    half painted or a text caret in either phase of its blink. Grab repeatedly instead until,
    over the last SETTLE seconds (more than one whole blink cycle of Qt's default 1000 ms), the
    grabs show one image, or two that change into each other and back; keep the darker of the
    two: with a blinking caret that is always the phase with the caret shown.
    """
    park_pointer(program)

    def grab_once():
        raw = subprocess.run(["xwd", "-id", window, "-silent"], env=program.env(),
                             capture_output=True, check=True).stdout
        return raw

    def painted():
        shot = Screenshot(grab_once())
        step = max(1, shot.width // 40)
        colours = {shot.pixel(x, y) for x in range(0, shot.width, step)
                   for y in range(0, shot.height, step)}
        return len(colours) > 2
    wait_for(painted, what=f"{name} to paint")

    grabs = []  # (monotonic time, raw xwd dump)

    def settled():
        now = time.monotonic()
        grabs.append((now, grab_once()))
        if now - grabs[0][0] < SETTLE:
            return None
        recent = [raw for t, raw in grabs if now - t <= SETTLE]
        distinct = list(dict.fromkeys(recent))
        changes = sum(a != b for a, b in zip(recent, recent[1:]))
        # one image, or two that have swapped back and forth (a blink), not a paint in progress
        if len(distinct) > 2 or (len(distinct) == 2 and changes < 2):
            return None
        # the darker image (smaller byte sum); ties broken by the bytes themselves
        return min(distinct, key=lambda raw: (sum(Screenshot(raw).data), raw))
    raw = wait_for(settled, timeout=60, interval=0.05, what=f"{name} to settle")
    seen = len(set(raw2 for _, raw2 in grabs))
    Screenshot(raw).save_png(os.path.join(OUT, name))
    print("wrote", os.path.join(OUT, name), f"({len(grabs)} grabs, {seen} distinct)")


def park_pointer(program):
    """The pointer to the screen's bottom-right corner, off every window: no hover highlight
    and no tool tip can depend on where the last click left it."""
    program.xdotool("mousemove", "--sync", str(PARK[0]), str(PARK[1]))


def click(program, x, y):
    program.xdotool("mousemove", "--sync", str(x), str(y))
    program.xdotool("click", "1")
    park_pointer(program)


def run(xvfb, player, shots, bino_version=0):
    settings = ("[Ini Parameters]\r\nMono Info Screen=0\r\n[Setup Parameters]\r\n"
                f"VideoPlayer={player}\r\n[Bino]\r\nBinoVersion={bino_version}\r\n").encode()
    program = Program(xvfb, files={"quadrel.LST": LIST, "quadrel.INI": settings})
    try:
        program.start()
        main = program.find_window("^Quadrel V")
        if "show" in shots:
            grab(program, main, "show-window.png")
        if "card" in shots:
            program.key(main, "h", "t")  # the help text off: it would cover the card's middle
            grab(program, main, "eye-check-card.png")
            program.key(main, "t", "h")
        if "floating" in shots:
            program.key(main, "v")
            grab(program, program.find_window("^Floating window$"), "floating-window.png")
            program.key(program.find_window("^Floating window$"), "Return")
            wait_for(lambda: program.window_gone("^Floating window$"), what="floating window")
        if "options" in shots:
            program.key(main, "o")
            options = program.find_window("^Show options$")
            grab(program, options, "show-options-window.png")
            program.key(options, "Escape")
            wait_for(lambda: program.window_gone("^Show options$"), what="show options window")
        program.key(main, "l")
        setup = program.find_window("^Quadrel File list$")
        if "list" in shots:
            grab(program, setup, "show-list-window.png")
        x, y, _, _ = program.geometry(setup)
        click(program, x + 698 + 64, y + 496 + 16)  # Make BAT/VBS
        title = "^Bino settings$" if player == 0 else "^Stereoscopic Player Settings$"
        name = "splayer-window.png" if player else "bino-window.png"
        if player == 0 and bino_version:
            name = "bino2-window.png"
        grab(program, program.find_window(title), name)
    finally:
        program.stop()


os.makedirs(OUT, exist_ok=True)
with Xvfb(width=1280, height=1024) as xvfb:
    if os.environ.get("QUADREL_WIN_PACKAGE"):
        prepare_prefix(xvfb.display)
    run(xvfb, 0, {"show", "card", "floating", "options", "list"})
    run(xvfb, 1, set())
    run(xvfb, 0, set(), bino_version=1)
