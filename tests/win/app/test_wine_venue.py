"""The venue settings of the Windows program under Wine: the screen M covers on a desktop of two
screens (Xorg's dummy driver, which Wine reads through RandR), the show lock and the clicker's
Page Down."""
import os
import time
import unittest

from quadrel_wine import WINE_START_TIMEOUT, WineTestCase, wait_for
from test_wine_program import bat_line
from quadrel_e2e import TwoScreenXorg  # on the path once quadrel_wine is imported

LEFT, RIGHT = TwoScreenXorg.LEFT, TwoScreenXorg.RIGHT


def venue(*lines):
    return b"[Venue]\r\n" + b"".join(line.encode() + b"\r\n" for line in lines)


class WineVenueTwoScreensTest(WineTestCase):

    @classmethod
    def setUpClass(cls):
        cls.xvfb, cls.wm = TwoScreenXorg().__enter__(), None
        try:
            cls.start_wine()
        except BaseException:
            cls.xvfb.__exit__(None, None, None)
            raise

    def at_corner_of(self, program, window, screen):
        """The window's frame at the screen's top-left corner: Wine's own title bar, above the
        client area X reports, lies between that corner and the client area's top."""
        def there():
            x, y, width, height = program.geometry(window)
            return x == screen[0] and screen[1] <= y < screen[1] + 60 and width < screen[2]
        wait_for(there, timeout=60, interval=0.2,
                 what=f"the window at the corner of {screen}")

    def maximise(self, program, window, screen):
        program.focus(window)
        program.send_keys("m")
        wait_for(lambda: program.geometry(window) == screen, timeout=30, interval=0.2,
                 what=f"M to cover {screen} exactly")

    def test_m_covers_the_screen_the_window_was_moved_to(self):
        program = self.program()
        window = self.start_show(program)
        self.at_corner_of(program, window, LEFT)
        # Moved onto the right screen as a window manager would move it; Wine, leaving the frame
        # to one, draws no title bar to drag here.
        program.xdotool("windowmove", window, str(RIGHT[0] + 200), "100")
        wait_for(lambda: program.geometry(window)[0] >= RIGHT[0], timeout=30, interval=0.2,
                 what="the window on the right screen")
        self.maximise(program, window, RIGHT)
        # M again: windowed, still on the right screen.
        program.click(window)
        program.send_keys("m")
        wait_for(lambda: program.geometry(window) != RIGHT, timeout=30,
                 what="M to leave the maximised mode")
        self.assertGreaterEqual(program.geometry(window)[0], RIGHT[0])

    def test_screen_2_starts_the_window_at_its_corner(self):
        program = self.program(files={"quadrel.INI": venue("Screen=2")})
        window = self.start_show(program)
        self.at_corner_of(program, window, RIGHT)
        self.maximise(program, window, RIGHT)
        self.assertNotIn(b"screen not connected", program.read("quadrel.log"))

    def test_a_screen_not_connected_falls_back_to_the_primary(self):
        program = self.program(files={"quadrel.INI": venue("Screen=3")})
        window = self.start_show(program)
        self.at_corner_of(program, window, LEFT)
        self.maximise(program, window, LEFT)
        wait_for(lambda: b"screen not connected" in program.read("quadrel.log"), timeout=30,
                 what="the missing screen in the journal")


class WineVenueKeysTest(WineTestCase):

    def amber_pixels(self, program, window):
        """Pixels in the colour of the show lock's note (255, 200, 0), text edges allowed."""
        x, y, width, height = program.geometry(window)
        shot = program.screenshot()
        return sum(1 for yy in range(y, y + height, 2) for xx in range(x, x + width, 2)
                   if (lambda r, g, b: r > 220 and 170 < g < 230 and b < 60)(*shot.pixel(xx, yy)))

    def test_show_lock_ends_the_show_only_on_the_second_esc(self):
        listed = b"a.avi\r\nb.avi\r\n"
        program = self.program(files={"quadrel.INI": venue("ShowLock=1"), "quadrel.LST": listed})
        window = self.start_show(program)
        program.focus(window)
        before = self.amber_pixels(program, window)
        program.send_keys("Escape")
        pressed = time.monotonic()
        noted = lambda: self.amber_pixels(program, window) > before + 20
        wait_for(lambda: not program.running() or noted(), timeout=30, interval=0.2,
                 what="the note to press ESC again")
        self.assertTrue(program.running(), "one ESC ended the locked show")
        # Past the 2 s a second press counts in, the program is still there and its note gone.
        wait_for(lambda: not program.running() or time.monotonic() > pressed + 2.5, timeout=30,
                 interval=0.1, what="2.5 s after one ESC")
        self.assertTrue(program.running(), "one ESC ended the locked show after the note")
        wait_for(lambda: self.amber_pixels(program, window) <= before, timeout=30,
                 interval=0.2, what="the note to go by itself")
        self.assertTrue(program.running())
        self.assertFalse(os.path.exists(program.path("quadrel.LNG")), "written before the end")
        program.send_keys("Escape", "Escape")
        wait_for(lambda: not program.running(), timeout=60, what="two ESC presses to end it")
        ini = program.read("quadrel.INI")
        self.assertIn(b"[Ini Parameters]\r\n", ini)
        self.assertIn(b"[Venue]\r\nShowLock=1\r\n", ini)
        self.assertTrue(os.path.exists(program.path("quadrel.LNG")))
        self.assertEqual(program.read("quadrel.LST"), listed)

    def test_page_down_plays_as_space(self):
        program = self.program(player_ms=300)
        player = program.add_player()
        program.write("a.bat", bat_line(player, "a.avi"))
        program.write("quadrel.LST", b"a.bat\r\n")
        window = self.start_show(program)
        program.focus(window)
        program.send_keys("Next")
        wait_for(lambda: program.player_events(), timeout=120, what="Page Down to play item 1")
        self.assertEqual(program.player_events()[0]["args"][-1], "a.avi")


if __name__ == "__main__":
    unittest.main()
