"""The screens M covers, on a real X server with two screens side by side (left 1280 x 800, the
primary one; right 1920 x 1080), under openbox and without a window manager: the window's own
screen by default, a numbered screen, all screens as one rectangle, and the primary screen
when the chosen one is not connected or goes during the show. The floating frame and the eye
check card follow the covered width.

With QUADREL_SHOTS set to a folder, the maximised show over all screens is kept there as
screens-all.png to look at.
"""
import os
import unittest

from quadrel_e2e import E2ETestCase, TwoScreenXorg, wait_for

WHITE = (255, 255, 255)
YELLOW = (255, 255, 0)
FULL_SCREEN = "_NET_WM_STATE_FULLSCREEN"
NO_HELP = b"[Ini Parameters]\r\nHelp Info=0\r\n"
LEFT, RIGHT = TwoScreenXorg.LEFT, TwoScreenXorg.RIGHT
BOTH = (0, 0, 3200, 1080)


def venue(screen):
    return {"quadrel.INI": NO_HELP + b"[Venue]\r\nScreen=" + screen + b"\r\n"}


class Screens:
    @classmethod
    def make_server(cls):
        return TwoScreenXorg()

    def show_window(self, program):
        # Found afresh each time: a window manager may give the window a new frame.
        return program.find_window("^Quadrel V")

    def outer(self, program):
        window = self.show_window(program)
        x, y, width, height = program.absolute_geometry(window)
        left, right, top, bottom = program.frame_extents(window)
        return x - left, y - top, width + left + right, height + top + bottom

    def close(self, program):
        self.press(program, "Escape")
        wait_for(lambda: not program.running(), timeout=30, what="the program to close")

    def full_screen(self, program):
        return FULL_SCREEN in program.property(self.show_window(program), "_NET_WM_STATE")

    def press(self, program, key):
        program.key(self.show_window(program), key)

    def wait_covers(self, program, area):
        wait_for(lambda: program.absolute_geometry(self.show_window(program)) == area,
                 timeout=60, what=f"the window to cover {area} exactly")
        # One screen is held in the window manager's full-screen state; all screens are a
        # frameless window at their rectangle.
        if self.window_manager and area != BOTH:
            wait_for(lambda: self.full_screen(program), timeout=30, what="the full-screen state")

    def toggle_back_to_windowed(self, program):
        self.press(program, "m")
        wait_for(lambda: self.outer(program)[2:] == (800, 600), timeout=60,
                 what="the windowed outer size of 800 x 600")
        if self.window_manager:
            self.assertFalse(self.full_screen(program))

    def move_onto(self, program, screen):
        """Moves the windowed show onto `screen` as an operator's drag would."""
        x, y, width, _ = screen
        program.xdotool("windowmove", self.show_window(program), str(x + 100), str(y + 100))
        wait_for(lambda: x <= self.outer(program)[0] < x + width, timeout=30,
                 what=f"the window on the screen at {screen}")

    def expect_pixels(self, program, pixels, what):
        def shown():
            shot = program.screenshot()
            return all(shot.pixel(x, y) == colour for (x, y), colour in pixels.items())
        wait_for(shown, timeout=30, interval=0.2, what=what)

    def expect_halves_meet(self, program, area):
        """The floating frame's lines: white last column of the left half, yellow first of the
        right, at the middle of the covered width."""
        x, y, width, height = area
        middle, row = x + width // 2, y + height - 12
        self.press(program, "f")
        self.expect_pixels(program, {(middle - 1, row): WHITE, (middle, row): YELLOW},
                           f"the halves to meet at column {middle}")
        self.press(program, "f")

    # --- the cases -------------------------------------------------------------------------
    def test_the_window_screen_by_default(self):
        program = self.program(files={"quadrel.INI": NO_HELP})
        self.start_show(program)
        wait_for(lambda: self.outer(program)[:2] == (0, 0), timeout=30,
                 what="the window at the primary screen's corner")

        self.move_onto(program, RIGHT)
        self.press(program, "m")
        self.wait_covers(program, RIGHT)
        self.expect_halves_meet(program, RIGHT)
        self.toggle_back_to_windowed(program)
        wait_for(lambda: self.outer(program)[0] >= RIGHT[0], timeout=30,
                 what="the window back on the right screen")

        # From the right screen's full screen back to windowed, then onto the left one.
        self.move_onto(program, LEFT)
        self.press(program, "m")
        self.wait_covers(program, LEFT)
        self.toggle_back_to_windowed(program)
        self.close(program)
        self.assertNotIn(b"[Venue]", program.read("quadrel.INI"))  # written only once changed

    def test_a_numbered_screen(self):
        program = self.program(files=venue(b"2"))
        self.start_show(program)
        wait_for(lambda: self.outer(program)[:2] == RIGHT[:2], timeout=30,
                 what="the window at screen 2's corner")
        self.move_onto(program, LEFT)
        self.press(program, "m")
        self.wait_covers(program, RIGHT)
        self.toggle_back_to_windowed(program)

    def test_all_screens_side_by_side(self):
        program = self.program(files=venue(b"all"))
        self.start_show(program)
        wait_for(lambda: self.outer(program)[:2] == (0, 0), timeout=30,
                 what="the window at the desktop's corner")
        self.press(program, "m")
        self.wait_covers(program, BOTH)
        # Screens of different widths: the halves meet at the middle of the whole desktop, not
        # at the screens' edge.
        self.expect_halves_meet(program, BOTH)

        # The eye check card over the whole width: each half's border at its own edges.
        self.press(program, "t")
        row = BOTH[3] * 35 // 100
        self.expect_pixels(program, {(x, row): WHITE for x in (0, 1599, 1600, 3199)},
                           "the card's borders at the halves' edges")
        if os.environ.get("QUADREL_SHOTS") and not self.window_manager:
            self.press(program, "f")
            self.expect_pixels(program, {(1600, BOTH[3] - 12): YELLOW}, "the frame")
            program.screenshot().save_png(os.path.join(os.environ["QUADREL_SHOTS"],
                                                       "screens-all.png"))
            self.press(program, "f")
        self.press(program, "t")
        self.toggle_back_to_windowed(program)

    def test_the_screen_unplugged_during_the_show(self):
        self.addCleanup(self.xvfb.right_on)
        program = self.program(files=venue(b"2"))
        self.start_show(program)
        self.press(program, "m")
        self.wait_covers(program, RIGHT)
        self.xvfb.right_off()
        # Windowed again on the screen that is left, not where screen 2 stood.
        self.toggle_back_to_windowed(program)
        wait_for(lambda: self.outer(program)[:2] == LEFT[:2], timeout=30,
                 what="the window at the primary screen's corner")
        self.press(program, "m")
        self.wait_covers(program, LEFT)

    def test_a_chosen_screen_not_connected(self):
        self.xvfb.right_off()
        self.addCleanup(self.xvfb.right_on)
        program = self.program(files=venue(b"2"))
        self.start_show(program)
        wait_for(lambda: self.outer(program)[:2] == LEFT[:2], timeout=30,
                 what="the window at the primary screen's corner")
        for _ in range(2):
            self.press(program, "m")
            self.wait_covers(program, LEFT)
            self.toggle_back_to_windowed(program)
        self.close(program)
        self.assertEqual(program.read("quadrel.log").count(b"screen not connected"), 1)
        # The venue's choice stays for the day the projector is back.
        self.assertIn(b"[Venue]\r\nScreen=2\r\n", program.read("quadrel.INI"))


class ScreensUnderOpenbox(Screens, E2ETestCase):
    window_manager = True


class ScreensWithoutWindowManager(Screens, E2ETestCase):
    pass


if __name__ == "__main__":
    unittest.main()
