"""The program starts from its own folder, shows its window, and writes its list back on ESC."""
import os
import unittest

from quadrel_e2e import E2ETestCase, wait_for

THREE_ITEMS = b"intro.avi\r\nclips\\demo.bat\r\n..\\media\\caf\xe9 film.mpg\r\n"


class Foundation(E2ETestCase):
    def test_escape_writes_the_list_back_byte_identical(self):
        program = self.program(files={"quadrel.LST": THREE_ITEMS})
        window = self.start_show(program)
        x, y, width, height = program.geometry(window)
        self.assertEqual((x, y), (0, 0), "the first activation moves the window to the corner")
        os.remove(program.path("quadrel.LST"))
        program.key(window, "Escape")
        wait_for(lambda: not program.running(), what="the program to end")
        self.assertEqual(program.proc.returncode, 0)
        self.assertEqual(program.read("quadrel.LST"), THREE_ITEMS)

    def test_a_second_start_on_the_same_files_says_so_and_runs_no_show(self):
        program = self.program(files={"quadrel.LST": THREE_ITEMS})
        window = self.start_show(program)
        wait_for(lambda: os.path.isfile(program.path("quadrel.log")), what="the journal")
        journal_before = program.read("quadrel.log")
        with open(program.path("second.out"), "wb") as output:
            second = program.start_copy(output)
            box = program.find_window("^quadrel$")
            program.key(box, "Return")
            self.assertEqual(second.wait(30), 1)
        self.assertIn(b"is already running", program.read("second.out"))
        # The second copy touched nothing: the first one's journal and list are its own.
        self.assertEqual(program.read("quadrel.log"), journal_before)
        self.assertTrue(program.running())
        program.write("quadrel.LST", b"")
        program.key(window, "Escape")
        wait_for(lambda: not program.running(), what="the first copy to end")
        self.assertEqual(program.read("quadrel.LST"), THREE_ITEMS)

    def test_failed_save_shows_the_error_and_keeps_running(self):
        program = self.program(files={"quadrel.LST": THREE_ITEMS})
        window = self.start_show(program)
        os.remove(program.path("quadrel.LST"))
        os.mkdir(program.path("quadrel.LST"))
        program.key(window, "Escape")
        box = program.find_window("^quadrel$")
        self.assertTrue(program.running())
        self.assertTrue(os.path.isdir(program.path("quadrel.LST")))
        program.key(box, "Return")
        wait_for(lambda: program.window_gone("^quadrel$"), what="the message box to close")
        self.assertTrue(program.running())
        # Once the cause is gone a second close goes through.
        os.rmdir(program.path("quadrel.LST"))
        program.key(window, "Escape")
        wait_for(lambda: not program.running(), what="the program to end")
        self.assertEqual(program.read("quadrel.LST"), THREE_ITEMS)


if __name__ == "__main__":
    unittest.main()
