"""Files beside the program that are no plain files: symbolic links are written through, and a
FIFO where a file is read is refused at once instead of hanging the program."""
import os
import stat
import unittest

from quadrel_e2e import E2ETestCase, wait_for


class SpecialFiles(E2ETestCase):
    def test_links_stay_links_and_their_targets_get_the_content(self):
        program = self.program()
        real = program.path("real")
        os.makedirs(real)
        program.write("real/list.LST", b"a.avi\r\nb.avi\r\n")
        os.chmod(os.path.join(real, "list.LST"), 0o640)
        program.write("real/settings.INI", b"; operator's note\r\n")
        os.chmod(os.path.join(real, "settings.INI"), 0o600)
        os.symlink("real/list.LST", program.path("quadrel.LST"))
        os.symlink(os.path.join(real, "settings.INI"), program.path("quadrel.INI"))
        os.symlink("real/texts.LNG", program.path("quadrel.LNG"))  # its target is still to come
        window = self.start_show(program)
        program.key(window, "Right", "Escape")
        wait_for(lambda: not program.running(), timeout=120, what="the program to end")
        for name in ("quadrel.LST", "quadrel.INI", "quadrel.LNG"):
            self.assertTrue(os.path.islink(program.path(name)), name)
        self.assertEqual(program.read("real/list.LST"), b"a.avi\r\nb.avi\r\n")
        self.assertEqual(stat.S_IMODE(os.stat(os.path.join(real, "list.LST")).st_mode), 0o640)
        settings = program.read("real/settings.INI")
        self.assertTrue(settings.startswith(b"; operator's note\r\n"), settings[:80])
        self.assertIn(b"[", settings)
        self.assertEqual(stat.S_IMODE(os.stat(os.path.join(real, "settings.INI")).st_mode), 0o600)
        self.assertTrue(os.path.isfile(os.path.join(real, "texts.LNG")))

    def test_a_fifo_as_the_list_is_reported_not_waited_on(self):
        program = self.program()
        os.mkfifo(program.path("quadrel.LST"))
        program.start()
        box = program.find_window("^quadrel$", timeout=60)  # the open error, not a hang
        program.key(box, "Return")
        program.find_window("^Quadrel V", timeout=60)
        wait_for(lambda: program.window_gone("^quadrel$"), timeout=60, what="the error to close")
        self.assertTrue(program.running())
        self.assertTrue(stat.S_ISFIFO(os.lstat(program.path("quadrel.LST")).st_mode))


class SpecialProfileFiles(E2ETestCase):
    def test_fifos_as_settings_and_language_files_neither_hang_nor_get_replaced(self):
        program = self.program()
        for name in ("quadrel.INI", "quadrel.LNG"):
            os.mkfifo(program.path(name))
        window = self.start_show(program)  # read as missing: the design's values
        program.key(window, "Escape")
        # Profile files report every failed save as "Unable to write to"; the window stays.
        box = program.find_window("^quadrel$", timeout=60)
        self.assertTrue(program.running())
        for name in ("quadrel.INI", "quadrel.LNG"):
            self.assertTrue(stat.S_ISFIFO(os.lstat(program.path(name)).st_mode), name)
        program.key(box, "Return")
        wait_for(lambda: program.window_gone("^quadrel$"), timeout=60, what="the error to close")


if __name__ == "__main__":
    unittest.main()
