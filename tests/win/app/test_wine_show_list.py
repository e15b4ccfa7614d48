"""The show list window of the Windows program under Wine: paths from the system's file dialog
and the window's look under the Windows style."""
import os
import unittest

from quadrel_wine import WINE_START_TIMEOUT, WineTestCase, wait_for
import wine_tools

SELECT = "^Select files for show$"


class WineShowListTest(WineTestCase):

    def open_list(self, program):
        show = self.start_show(program)
        program.focus(show)
        program.send_keys("l")
        return show, program.find_window("File list$", timeout=WINE_START_TIMEOUT)

    def close_all(self, program, setup, show):
        # Wine leaves the list window inactive when the system's dialog closes (not seen on
        # Windows); a click in its empty list area activates it, as an operator's would.
        program.click(setup)
        program.send_keys("Escape")
        wait_for(lambda: program.window_gone("File list$"), what="the show list to close")
        program.key(show, "Escape")
        wait_for(lambda: not program.running(), timeout=60, what="ESC to close the program")

    def test_a_file_chosen_in_the_dialog_becomes_a_relative_item(self):
        program = self.program(files={"videos/plain.avi": b"not really a video"})
        show, setup = self.open_list(program)
        # The list has the keyboard; Select file(s) is next in the tab order.
        program.key(setup, "Tab", "space")
        dialog = program.find_window(SELECT, timeout=WINE_START_TIMEOUT)
        # Qt reads the system dialog's choice with '/' separators; the item must not keep them.
        program.type(dialog, wine_tools.windows_path(program.path("videos/plain.avi")))
        program.key(dialog, "Return")
        wait_for(lambda: program.window_gone(SELECT), timeout=60, what="the dialog to close")
        self.close_all(program, setup, show)
        self.assertEqual(program.read("quadrel.LST"), b"videos\\plain.avi\r\n")

    def test_chosen_player_caption_is_white_on_the_black_window(self):
        program = self.program()
        show, setup = self.open_list(program)
        x, y, width, height = program.geometry(setup)

        def caption_drawn():
            shot = program.screenshot()
            # The caption's letters, left of where the group's frame line runs on.
            white = sum(shot.pixel(px, py) >= (200, 200, 200)
                        for px in range(x + 704, x + 770) for py in range(y + 404, y + 420))
            return white > 15 and shot
        shot = wait_for(caption_drawn, timeout=60, interval=0.5, what="a white caption")
        out = os.environ.get("QUADREL_SCREENSHOT_DIR")
        if out:
            shot.save_png(os.path.join(out, "wine-show-list-window.png"))
        self.close_all(program, setup, show)


if __name__ == "__main__":
    unittest.main()
