"""Mouse input while an item plays, with real clicks: the show list window is open during a
continuous show, and a click on "Load list" while an item plays must neither open the dialog
inside the wait (where it got no keys and stalled the show) nor later."""
import os
import stat
import time
import unittest

from quadrel_e2e import E2ETestCase, wait_for

LOAD_BUTTON = (698, 641, 129, 25)  # in the show list window, kept at its right edge
DESIGN_WIDTH = 835


class InputDuringItem(E2ETestCase):
    def make_program(self, names, seconds):
        listing = b"".join(f"{name}.sh\r\n".encode() for name in names)
        program = self.program(files={"quadrel.LST": listing})
        self.log = program.path("events.log")
        for name in names:
            path = program.write(
                f"{name}.sh",
                f"#!/bin/sh\necho start {name} >> '{self.log}'\nsleep {seconds}\n"
                f"echo end {name} >> '{self.log}'\n")
            os.chmod(path, os.stat(path).st_mode | stat.S_IXUSR)
        return program

    def events(self):
        if not os.path.exists(self.log):
            return []
        with open(self.log) as f:
            return [line.split() for line in f.read().splitlines() if line]

    def test_a_click_on_load_list_during_an_item_opens_nothing(self):
        program = self.make_program(["a", "b", "c"], seconds=3)
        window = self.start_show(program)
        # Continuous on, then L: the show list window stays open while the show runs.
        program.key(window, "l")
        setup = program.find_window("File list$")
        program.key(setup, *(["Tab"] * 6 + ["space"] + ["shift+Tab"] * 6 + ["Escape"]))
        wait_for(lambda: program.window_gone("File list$"), what="the show list window to close")
        program.key(window, "space")
        wait_for(lambda: ["end", "a"] in self.events(), timeout=60, what="a to end")
        program.key(window, "l")  # in the pause: the list opens; the show goes on beneath it
        setup = program.find_window("File list$")
        wait_for(lambda: ["start", "b"] in self.events(), timeout=60, what="b to start")

        x, y, width, _ = program.geometry(setup)
        left, top, w, h = LOAD_BUTTON
        program.xdotool("mousemove", "--sync", str(x + width - (DESIGN_WIDTH - left) + w // 2),
                        str(y + top + h // 2))
        program.xdotool("click", "1")
        program.xdotool("click", "--repeat", "2", "1")  # a double click too

        # The show goes on: c starts after b, and no dialog opened, then or later.
        wait_for(lambda: ["start", "c"] in self.events(), timeout=60, what="c to start")
        self.assertFalse(self.dialog_open(program))
        wait_for(lambda: ["end", "c"] in self.events(), timeout=60, what="c to end")
        time.sleep(1.0)  # the show has ended: nothing more is due, a late dialog would be here
        self.assertFalse(self.dialog_open(program))
        self.assertTrue(program.running())

    @staticmethod
    def dialog_open(program):
        names = []
        for window in program.xdotool("search", "--onlyvisible", "--name", ".", check=False).split():
            names.append(program.xdotool("getwindowname", window, check=False))
        return [n for n in names if n and not n.startswith("Quadrel V") and not n.endswith("File list")]


if __name__ == "__main__":
    unittest.main()
