"""Takes a screenshot of the show window under Xvfb, for the README.

Usage: QUADREL_BIN=build/bin/quadrel python3 tools/screenshot_show.py OUT.png
"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "e2e"))
from quadrel_e2e import Program, Xvfb, wait_for  # noqa: E402

LIST = b"intro.avi\r\nclips\\demo.bat\r\nclips\\finale.vbs\r\n"

with Xvfb(width=820, height=620) as xvfb:
    program = Program(xvfb, files={"quadrel.LST": LIST})
    try:
        program.start()
        window = program.find_window("^Quadrel V")
        program.key(window, "s")  # stereo texts: both halves

        def painted():
            shot = program.screenshot()
            return any(shot.pixel(x, y) == (255, 255, 255) for x in range(24, 200, 2)
                       for y in range(86, 110, 2)) and shot

        wait_for(painted, what="the help text").save_png(sys.argv[1])
    finally:
        program.stop()
