"""A file picked in the real "Select file(s)" dialog becomes a show item and reaches the list file."""
import unittest

from quadrel_e2e import E2ETestCase, wait_for


class SelectDialog(E2ETestCase):
    def test_typed_name_becomes_a_relative_item_in_the_saved_list(self):
        program = self.program(files={"quadrel.LST": b"first.avi\r\n",
                                      "clips/intro.avi": b"not really a video"})
        show = self.start_show(program)
        program.key(show, "l")
        setup = program.find_window("File list$")
        x, y, width, height = program.geometry(setup)
        self.assertEqual((x, y), (0, 0))

        # The list has the focus; Select file(s) is next in the tab order.
        program.key(setup, "Tab", "space")
        dialog = program.find_window("^Select files for show$")
        program.type(dialog, program.path("clips/intro.avi"))
        program.key(dialog, "Return")
        wait_for(lambda: program.window_gone("^Select files for show$"), what="the dialog to close")

        # What the window shows: white bold item text on the black list.
        def item_drawn():
            shot = program.screenshot()
            rows = range(y + 2, y + 44)
            white = sum(shot.pixel(px, py) == (255, 255, 255) for px in range(x + 4, x + 200, 2)
                        for py in rows)
            return white > 20 and shot
        shot = wait_for(item_drawn, what="the items in the list")
        self.assertEqual(shot.pixel(x + 400, y + 600), (0, 0, 0), "the list is black below its items")

        # ESC from the button does not close the window; from the list it does.
        program.key(setup, "Escape")
        self.assertTrue(program.find_window("File list$", timeout=5))
        program.key(setup, "shift+Tab", "Escape")
        wait_for(lambda: program.window_gone("File list$"), what="the list window to close")

        program.key(show, "Escape")
        wait_for(lambda: not program.running(), what="the program to end")
        self.assertEqual(program.read("quadrel.LST"), b"first.avi\r\nclips\\intro.avi\r\n")

    def test_names_of_missing_files_are_refused_and_nothing_of_the_choice_is_added(self):
        program = self.program(files={"quadrel.LST": b"first.avi\r\n", "a.sh": b"echo a\n"})
        show = self.start_show(program)
        program.key(show, "l")
        setup = program.find_window("File list$")
        program.key(setup, "Tab", "space")
        title = "^Select files for show$"
        dialog = program.find_window(title)

        def titled():
            return program.xdotool("search", "--onlyvisible", "--name", title, check=False).split()

        # The message has the dialog's title; it closes with Enter and the dialog stays open.
        def refused(text):
            program.key(dialog, "ctrl+a")
            program.type(dialog, text)
            program.key(dialog, "Return")
            windows = wait_for(lambda: len(titled()) == 2 and titled(), what="the refusal")
            message = next(w for w in windows if w != dialog)
            program.key(message, "Return")
            wait_for(lambda: titled() == [dialog], what="the message to close")

        refused("doesnotexist.sh")
        a, missing = program.path("a.sh"), program.path("doesnotexist.sh")
        refused(f'"{a}" "{missing}"')

        # The dialog is still usable: an existing file is taken.
        program.key(dialog, "ctrl+a")
        program.type(dialog, a)
        program.key(dialog, "Return")
        wait_for(lambda: program.window_gone(title), what="the dialog to close")
        program.key(setup, "shift+Tab", "Escape")
        wait_for(lambda: program.window_gone("File list$"), what="the list window to close")
        program.key(show, "Escape")
        wait_for(lambda: not program.running(), what="the program to end")
        self.assertEqual(program.read("quadrel.LST"), b"first.avi\r\na.sh\r\n")


if __name__ == "__main__":
    unittest.main()
