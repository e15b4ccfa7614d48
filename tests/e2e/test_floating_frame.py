"""The floating frame on a real X server: F shows it, V and Enter set the floating value."""
import unittest
from fractions import Fraction

from quadrel_e2e import E2ETestCase, wait_for

WHITE = (255, 255, 255)
YELLOW = (255, 255, 0)
BLACK = (0, 0, 0)


def round_half_even(value):
    whole = value.numerator // value.denominator
    rest = value - whole
    if rest > Fraction(1, 2) or (rest == Fraction(1, 2) and whole % 2 == 1):
        whole += 1
    return whole


def frame_columns(percent, width):
    """Columns of the frame's vertical edges for a value and the window's outer width."""
    tenths = round_half_even(Fraction(percent) * 10)
    inset = round_half_even(Fraction(tenths * width, 2000))
    half = width // 2
    rect_width = half - abs(inset)
    if tenths >= 0:
        rect_left_l, line_l, rect_left_r, line_r = 0, half - 1, half + inset, half
    else:
        rect_left_l, line_l, rect_left_r, line_r = -inset, 0, half, width - 1
    return {
        "left rectangle, left edge": (rect_left_l, WHITE),
        "left rectangle, right edge": (rect_left_l + rect_width - 1, WHITE),
        "right rectangle, left edge": (rect_left_r, YELLOW),
        "right rectangle, right edge": (rect_left_r + rect_width - 1, YELLOW),
        "white line": (line_l, WHITE),
        "yellow line": (line_r, YELLOW),
    }


class FloatingFrame(E2ETestCase):
    def frame_row(self, program, window):
        """The window's outer width and a screen row below its texts and help lines."""
        x, y, width, height = program.geometry(window)
        self.assertEqual((x, y), (0, 0))
        return width, y + height - 12

    def expect_columns(self, program, row, columns):
        """Waits until every named column shows its colour in `row`."""
        wrong = []

        def settled():
            shot = program.screenshot()
            wrong[:] = [(name, column, shot.pixel(column, row), colour)
                        for name, (column, colour) in columns.items()
                        if shot.pixel(column, row) != colour]
            return not wrong
        try:
            wait_for(settled, timeout=20, interval=0.2, what="the frame's columns")
        except AssertionError:
            self.fail(f"columns not as computed: {wrong}")

    def confirm_value(self, program, window, text):
        """V, the value typed over the old one, Enter."""
        program.key(window, "v")
        floating = program.find_window("^Floating window$")
        program.key(floating, "ctrl+a")
        program.type(floating, text)
        program.key(floating, "Return")

    def test_f_shows_the_frame_and_enter_moves_it(self):
        program = self.program()  # no settings file: the floating value is "0"
        window = self.start_show(program)
        width, row = self.frame_row(program, window)

        # Hidden at start: the middle columns are black.
        shot = program.screenshot()
        self.assertEqual(shot.pixel(width // 2 - 1, row), BLACK)
        self.assertEqual(shot.pixel(width // 2, row), BLACK)

        program.key(window, "f")
        zero = frame_columns("0", width)
        self.expect_columns(program, row, zero)

        self.confirm_value(program, window, "5")
        wait_for(lambda: program.window_gone("^Floating window$"),
                 what="the floating value window to hide")
        five = frame_columns("5", width)
        self.assertGreater(five["right rectangle, left edge"][0], width // 2)
        self.expect_columns(program, row, five)
        # Between the yellow line and the right rectangle's new edge lies the black strip.
        shot = program.screenshot()
        for column in range(width // 2 + 1, five["right rectangle, left edge"][0]):
            self.assertEqual(shot.pixel(column, row), BLACK, f"column {column}")

    def test_value_that_is_no_number_is_reported_and_the_frame_stays_hidden(self):
        program = self.program()
        window = self.start_show(program)
        width, row = self.frame_row(program, window)
        self.confirm_value(program, window, "abc")
        box = program.find_window("^quadrel$")
        self.assertTrue(program.running())
        program.key(box, "Return")
        wait_for(lambda: program.window_gone("^quadrel$"), what="the report to close")
        self.assertTrue(program.window_gone("^Floating window$"))
        shot = program.screenshot()
        self.assertEqual(shot.pixel(width // 2 - 1, row), BLACK)
        self.assertEqual(shot.pixel(width // 2, row), BLACK)
        self.assertTrue(program.running())


if __name__ == "__main__":
    unittest.main()
