"""The show window's modes on a real X server, once without a window manager and once under
openbox: at start the window's outer corner (its frame's, title bar included) is the screen's;
M covers exactly the screen, in the full-screen state where a window manager can hold one, with
the halves meeting at the middle column; M again gives the windowed outer size back. A message
box over the maximised show stands inside one half."""
import unittest

from quadrel_e2e import E2ETestCase, wait_for

WHITE = (255, 255, 255)
YELLOW = (255, 255, 0)
FULL_SCREEN = "_NET_WM_STATE_FULLSCREEN"
NO_HELP = b"[Ini Parameters]\r\nHelp Info=0\r\n"


class WindowModes:
    def show_window(self, program):
        # Found afresh each time: a window manager may give the window a new frame.
        return program.find_window("^Quadrel V")

    def outer(self, program, window):
        x, y, width, height = program.absolute_geometry(window)
        left, right, top, bottom = program.frame_extents(window)
        return x - left, y - top, width + left + right, height + top + bottom

    def wait_maximised(self, program):
        screen = (0, 0, self.xvfb.width, self.xvfb.height)
        wait_for(lambda: program.absolute_geometry(self.show_window(program)) == screen, timeout=60,
                 what="the window to cover the screen exactly")
        if self.window_manager:
            wait_for(lambda: FULL_SCREEN in program.property(self.show_window(program),
                                                              "_NET_WM_STATE"),
                     timeout=30, what="the full-screen state")

    def test_start_maximised_and_back(self):
        program = self.program(files={"quadrel.INI": NO_HELP})
        self.start_show(program)
        wait_for(lambda: self.outer(program, self.show_window(program))[:2] == (0, 0),
                 timeout=30, what="the window's outer corner at the screen's")
        if self.window_manager:
            # The title bar is on the screen, where the window can be dragged by it.
            self.assertGreater(program.frame_extents(self.show_window(program))[2], 0)

        middle = self.xvfb.width // 2
        row = self.xvfb.height - 12
        # Again and again: the fault this guards against came in most tries, not all.
        for _ in range(3):
            program.key(self.show_window(program), "m")
            self.wait_maximised(program)
            # The floating frame's lines mark the halves' meeting: white last column of the
            # left half, yellow first column of the right one.
            program.key(self.show_window(program), "f")
            wait_for(lambda: (program.screenshot().pixel(middle - 1, row),
                              program.screenshot().pixel(middle, row)) == (WHITE, YELLOW),
                     timeout=30, interval=0.2, what="the halves to meet at the middle")
            program.key(self.show_window(program), "f")

            program.key(self.show_window(program), "m")
            wait_for(lambda: self.outer(program, self.show_window(program))[2:] == (800, 600),
                     timeout=60, what="the windowed outer size of 800 x 600")
            if self.window_manager:
                self.assertNotIn(FULL_SCREEN, program.property(self.show_window(program),
                                                               "_NET_WM_STATE"))

    def test_a_message_box_over_the_maximised_show_stands_in_one_half(self):
        program = self.program(files={"quadrel.INI": NO_HELP, "quadrel.LST": b"gone.avi\r\n"})
        self.start_show(program)
        program.key(self.show_window(program), "m")
        self.wait_maximised(program)
        program.key(self.show_window(program), "space")  # the missing item's box
        box = program.find_window("^quadrel$")
        half = self.xvfb.width // 2

        def inside_left_half():
            x, y, width, height = self.outer(program, box)
            return width > 0 and x >= 0 and x + width <= half and y >= 0 and \
                y + height <= self.xvfb.height
        wait_for(inside_left_half, timeout=30, what="the box inside the left half")
        program.key(box, "Return")
        wait_for(lambda: program.window_gone("^quadrel$"), what="the box to close")
        self.assertTrue(program.running())


class WindowModesWithoutWindowManager(WindowModes, E2ETestCase):
    pass


class WindowModesUnderOpenbox(WindowModes, E2ETestCase):
    window_manager = True
    screen = (1920, 1080)


if __name__ == "__main__":
    unittest.main()
