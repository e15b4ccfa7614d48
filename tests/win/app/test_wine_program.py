"""The Windows program, unzipped from its package, under Wine on Xvfb with real keys.

Items are .bat launch scripts that start a stand-in player; the player logs its arguments,
folder and times, so the waits, the folders and the continuous show's pause can be checked.
"""
import os
import subprocess
import time
import unittest

from quadrel_wine import WINE_START_TIMEOUT, WineTestCase, wait_for
import wine_tools

PAUSE = 1.5
BLACK = (0, 0, 0)


def bat_line(player, video):
    return f'"{player}" -n -c -f -i left-right -o left-right "{video}"\r\n'.encode()


class WineProgramTest(WineTestCase):

    def shot(self, program, window):
        """The show window's pixels as bytes, to see that a key changed what it shows."""
        x, y, width, height = program.geometry(window)
        shot = program.screenshot()
        return bytes(v for yy in range(y, y + height, 4) for xx in range(x, x + width, 4)
                     for v in shot.pixel(xx, yy))

    def wait_changed(self, program, window, before, what):
        return wait_for(lambda: (lambda now: now if now != before else None)(
            self.shot(program, window)), timeout=30, interval=0.3, what=what)

    def test_keys_change_the_show_window(self):
        program = self.program(files={"quadrel.LST": b"a.avi\r\nb.avi\r\nc.avi\r\n"})
        window = self.start_show(program)
        self.assertRegex(program.xdotool("getwindowname", window), r"^Quadrel V\d")
        program.focus(window)
        state = self.wait_changed(program, window, b"", "the first drawing")
        # Help and item texts are shown at first; each key changes what is drawn.
        for key in ("s", "h", "i", "i", "6", "1", "0", "h"):
            program.send_keys(key)
            state = self.wait_changed(program, window, state, f"key {key} to change the window")
        program.send_keys("l")
        setup = program.find_window("File list$", timeout=WINE_START_TIMEOUT)
        program.key(setup, "Escape")
        wait_for(lambda: program.window_gone("File list$"), what="the show list to close")

    def test_bat_item_is_waited_for_and_the_keyboard_comes_back(self):
        program = self.program(player_ms=2500)
        player = program.add_player()
        program.write("clips/movie.bat", bat_line(player, "movie.avi"))
        program.write("clips/second.bat", bat_line(player, "second.avi"))
        program.write("quadrel.LST", b"clips\\movie.bat\r\nclips\\second.bat\r\n")
        window = self.start_show(program)
        program.focus(window)
        program.send_keys("space")
        wait_for(lambda: len(program.player_events()) >= 2, timeout=120, what="the first item")
        first, ended = program.player_events()[:2]
        self.assertEqual(first["args"][-1], "movie.avi")
        self.assertEqual(first["cwd"].rstrip("\\").lower(),
                         wine_tools.windows_path(program.path("clips")).lower())
        self.assertGreaterEqual(ended["ms"] - first["ms"], 2500, "the player ran its time")
        # No focus request from here on: the window must take the keyboard back by itself, and
        # the keys go where the system put the keyboard, as an operator's would.
        wait_for(lambda: window in program.focused(), timeout=60,
                 what="the show window to have the keyboard again after the item")
        program.send_keys("space")
        wait_for(lambda: len(program.player_events()) >= 4, timeout=120,
                 what="SPACE to play the next item without a click")
        events = program.player_events()
        self.assertEqual(events[2]["args"][-1], "second.avi")
        wait_for(lambda: window in program.focused(), timeout=60,
                 what="the keyboard back after the second item")
        program.send_keys("Escape")
        wait_for(lambda: not program.running(), timeout=60, what="ESC to close the program")
        self.assertEqual(program.read("quadrel.LST"), b"clips\\movie.bat\r\nclips\\second.bat\r\n")

    def test_continuous_show_keeps_its_pause(self):
        program = self.program(player_ms=300)
        player = program.add_player()
        for name in ("a", "b", "c"):
            program.write(f"{name}.bat", bat_line(player, f"{name}.avi"))
        program.write("quadrel.LST", b"a.bat\r\nb.bat\r\nc.bat\r\n")
        window = self.start_show(program)
        program.key(window, "l")
        setup = program.find_window("File list$", timeout=WINE_START_TIMEOUT)
        program.key(setup, *(["Tab"] * 6 + ["space"] + ["shift+Tab"] * 6 + ["Escape"]))
        wait_for(lambda: program.window_gone("File list$"), what="the show list to close")
        program.key(window, "space")
        wait_for(lambda: len(program.player_events()) >= 6, timeout=180, what="three items")
        events = program.player_events()
        self.assertEqual([e["event"] for e in events], ["start", "end"] * 3)
        self.assertEqual([e["args"][-1] for e in events[::2]], ["a.avi", "b.avi", "c.avi"])
        for end, start in ((events[1], events[2]), (events[3], events[4])):
            pause = (start["ms"] - end["ms"]) / 1000
            self.assertGreaterEqual(pause, PAUSE - 0.02)
            self.assertLess(pause, PAUSE + 10, "the next item came far too late")

    def test_modes_pointer_and_corner_colour(self):
        program = self.program()
        window = self.start_show(program)
        # The first activation puts the window (its frame, above the client area that X sees)
        # in the corner; M covers the screen exactly, with no frame.
        program.focus(window)
        program.send_keys("m")
        screen = (0, 0, self.xvfb.width, self.xvfb.height)
        wait_for(lambda: program.geometry(window) == screen, timeout=30,
                 what="M to cover the screen")
        x, y, width, height = screen
        # Wine without a window manager leaves the window inactive when M maps it again, and
        # keys go nowhere until a click (not seen on Windows, where it stays active).
        program.click(window)
        # The corner indicator at the first item, in the system's colour.
        colours = subprocess.run(["wine", os.environ["QUADREL_SYS_COLOURS_EXE"]],
                                 env=program.env(), capture_output=True, timeout=120).stdout.split()
        hot = tuple(int(colours[0][i:i + 2], 16) for i in (0, 2, 4))
        wait_for(lambda: program.screenshot().pixel(x + 8, y + 8) == hot, timeout=30,
                 what=f"the corner indicator in COLOR_HOTLIGHT {hot}")

        # M again: windowed.
        program.send_keys("m")
        wait_for(lambda: program.geometry(window) != screen, timeout=30,
                 what="M to leave the maximised mode")
        x, y, width, height = program.geometry(window)
        program.click(window)
        # P toggles the pointer over the window, and back.
        program.xdotool("mousemove", "--sync", str(x + width // 2), str(y + height // 2))
        shown = program.pointer_visible()
        program.send_keys("p")
        wait_for(lambda: program.pointer_visible() != shown, timeout=30, what="P to toggle the pointer")
        program.send_keys("p")
        wait_for(lambda: program.pointer_visible() == shown, timeout=30, what="P to toggle it back")
        program.send_keys("Escape")
        wait_for(lambda: not program.running(), timeout=60, what="ESC to close")

    def test_floating_frame_at_the_linux_columns(self):
        program = self.program()
        window = self.start_show(program)
        program.focus(window)
        program.send_keys("m")
        screen = (0, 0, self.xvfb.width, self.xvfb.height)
        wait_for(lambda: program.geometry(window) == screen, timeout=30,
                 what="M to cover the screen")
        x, y, width, height = screen
        program.click(window)
        # F: the frame's columns as on Linux, for the window's width.
        sys_path = os.path.join(os.path.dirname(__file__), "..", "..", "e2e")
        import sys
        sys.path.insert(0, sys_path)
        from test_floating_frame import frame_columns
        program.send_keys("f")
        row = y + height - 12
        columns = frame_columns("0", width)
        wrong = []

        def settled():
            shot = program.screenshot()
            wrong[:] = [(n, c, shot.pixel(c, row), col) for n, (c, col) in columns.items()
                        if shot.pixel(c, row) != col]
            return not wrong
        try:
            wait_for(settled, timeout=30, interval=0.3, what="the frame's columns")
        except AssertionError:
            self.fail(f"frame columns not as on Linux: {wrong}")
        program.send_keys("f")


    def test_first_run_files_are_the_linux_programs(self):
        program = self.program()
        window = self.start_show(program)
        program.key(window, "Escape")
        wait_for(lambda: not program.running(), timeout=60, what="ESC to close")
        linux = self.linux_first_run()
        for ext in ("INI", "LNG", "LST"):
            self.assertEqual(program.read("quadrel." + ext), linux[ext],
                             f"quadrel.{ext} differs from the Linux program's")

    def linux_first_run(self):
        """The three files the Linux program writes on a first run closed with ESC."""
        from quadrel_e2e import Program
        saved = os.environ.get("QUADREL_BIN")
        os.environ["QUADREL_BIN"] = os.environ["QUADREL_LINUX_BIN"]
        try:
            linux = Program(self.xvfb)
        finally:
            if saved is None:
                os.environ.pop("QUADREL_BIN")
            else:
                os.environ["QUADREL_BIN"] = saved
        self.addCleanup(linux.stop)
        linux.start()
        window = linux.find_window("^Quadrel V")
        linux.key(window, "Escape")
        wait_for(lambda: not linux.running(), timeout=60, what="the Linux program to close")
        return {ext: linux.read("quadrel." + ext) for ext in ("INI", "LNG", "LST")}

    def test_a_missing_item_is_journalled_as_failed(self):
        program = self.program(files={"quadrel.LST": b"gone.bat\r\n"})
        window = self.start_show(program)
        visible = lambda: set(program.xdotool("search", "--onlyvisible", "--name", ".",
                                              check=False).split())
        before = visible()
        program.focus(window)
        program.send_keys("space")
        # The shell's own box says the file is missing; answered as an operator would.
        box = wait_for(lambda: next(iter(visible() - before), None), timeout=120,
                       what="the shell's box about the missing item")
        program.key(box, "Return")
        log = program.path("quadrel.log")
        wait_for(lambda: os.path.isfile(log) and b"item failed" in program.read("quadrel.log"),
                 timeout=60, what="the failure in the journal")
        self.assertNotIn(b"item ended", program.read("quadrel.log"))
        check = subprocess.run(["wine", program.path("quadrel-check.exe"), "--journal",
                                wine_tools.windows_path(log)],
                               env=program.env(), capture_output=True, timeout=180)
        out = check.stdout.decode(errors="replace")
        self.assertEqual(check.returncode, 1, out)
        self.assertIn("Failures: 1", out)
        self.assertIn("1: gone.bat: Cannot open file", out)
        program.focus(window)
        program.send_keys("Escape")
        wait_for(lambda: not program.running(), timeout=60, what="ESC to close")

    def test_check_reports_a_missing_item_with_status_1(self):
        program = self.program(files={"quadrel.LST": b"there.exe\r\nmissing.avi\r\n"})
        program.add_player("there.exe")
        done = subprocess.run(["wine", program.path("quadrel-check.exe")], env=program.env(),
                              capture_output=True, timeout=180)
        out = done.stdout.decode(errors="replace")
        self.assertEqual(done.returncode, 1, out)
        self.assertIn("2: missing.avi:", out)
        self.assertNotIn("1: there.exe", out)


if __name__ == "__main__":
    unittest.main()
