"""The eye check card (T) on a real X server, windowed and maximised, without a window manager
and under openbox: each half its own eye, the depth square shifted towards the centre line so
that it is seen in front of the screen.

With QUADREL_SHOTS set to a folder, the two drawings are kept there as PNG files to look at.
"""
import os
import subprocess
import unittest

from quadrel_e2e import E2ETestCase, Screenshot, wait_for

SQUARE = (0, 200, 0)
BORDER = (255, 255, 255)


class EyeCheckCard:
    def drawing(self, program, window, width, height):
        """The window's pixels once it has the given size and shows the card."""
        def shot():
            raw = subprocess.run(["xwd", "-id", window, "-silent"], env=program.env(),
                                 capture_output=True).stdout
            if not raw:
                return None
            image = Screenshot(raw)
            if (image.width, image.height) != (width, height):
                return None
            return image if image.pixel(width // 4, height * 7 // 10) == SQUARE else None
        return wait_for(shot, timeout=60, interval=0.2, what=f"the card at {width} x {height}")

    def squares(self, image):
        """The first column of the square in each half, counted from the half's own edge."""
        half = image.width // 2
        y = image.height * 7 // 10
        firsts = []
        for origin in (0, half):
            columns = [x for x in range(half) if image.pixel(origin + x, y) == SQUARE]
            self.assertTrue(columns, "no square")
            firsts.append(columns[0])
        return firsts

    def check(self, image, name):
        if os.environ.get("QUADREL_SHOTS") and not self.window_manager:
            image.save_png(os.path.join(os.environ["QUADREL_SHOTS"], name))
        half = image.width // 2
        y = image.height * 35 // 100
        for origin in (0, half):
            self.assertEqual(image.pixel(origin, y), BORDER)
            self.assertEqual(image.pixel(origin + half - 1, y), BORDER)
        left, right = self.squares(image)
        self.assertEqual(left - right, 2 * max(2, half // 100))

    def test_windowed_and_maximised(self):
        # Without the help text, which would stand over the middle of the left half.
        program = self.program(files={"quadrel.LST": b"a.avi\r\n",
                                      "quadrel.INI": b"[Ini Parameters]\r\nHelp Info=0\r\n"})
        window = self.start_show(program)
        program.key(window, "t")
        _, _, width, height = program.geometry(window)
        self.check(self.drawing(program, window, width, height), "eye-check-windowed.png")

        program.key(window, "m")  # maximised: the whole screen, the card with it
        window = program.find_window("^Quadrel V")
        wait_for(lambda: program.geometry(program.find_window("^Quadrel V"))[2:] ==
                 (self.xvfb.width, self.xvfb.height), timeout=60, what="the maximised window")
        window = program.find_window("^Quadrel V")
        self.check(self.drawing(program, window, self.xvfb.width, self.xvfb.height),
                   "eye-check-maximised.png")

        program.key(window, "t")  # off again: the square is gone
        def gone():
            raw = subprocess.run(["xwd", "-id", window, "-silent"], env=program.env(),
                                 capture_output=True).stdout
            image = Screenshot(raw) if raw else None
            return image and image.pixel(image.width // 4, image.height * 7 // 10) != SQUARE
        wait_for(gone, timeout=60, interval=0.2, what="the card to go")


class EyeCheck(EyeCheckCard, E2ETestCase):
    pass


class EyeCheckUnderOpenbox(EyeCheckCard, E2ETestCase):
    window_manager = True


if __name__ == "__main__":
    unittest.main()
