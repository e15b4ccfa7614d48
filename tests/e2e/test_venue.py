"""The show in front of an audience: a clicker's two buttons, the show lock against a stray ESC,
and the offer to go on after the program was killed in the middle of a show.

Every item is a small script that ends at once and writes its name to the file "played" beside
the program, so which items ran, and in which order, is read from that file.
"""
import os
import signal
import stat
import time
import unittest

from quadrel_e2e import E2ETestCase, wait_for

LOCK_MS = 2000  # the show lock's time for the second press
AMBER = (255, 200, 0)  # the lock note's colour


def journal_events(program):
    """The journal's event names, in order; [] while there is no journal."""
    path = program.path("quadrel.log")
    if not os.path.isfile(path):
        return []
    with open(path, "rb") as f:
        return [line.split(b"\t")[1].decode() for line in f.read().split(b"\n") if b"\t" in line]


def holds(predicate, seconds):
    """Polls for `seconds` that `predicate` stays true; False as soon as it is not."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if not predicate():
            return False
        time.sleep(0.05)
    return bool(predicate())


def stays_running(program, seconds=LOCK_MS / 1000 + 0.5):
    return holds(program.running, seconds)


class Venue(E2ETestCase):
    def show_program(self, names, ini=None):
        """A program folder whose list holds the scripts `names`; `ini` is quadrel.INI's text."""
        files = {"quadrel.LST": "".join(name + "\r\n" for name in names).encode()}
        if ini:
            files["quadrel.INI"] = ini
        program = self.program(files=files)
        played = program.path("played")
        for name in names:
            path = program.write(name, f"#!/bin/sh\necho {name} >> '{played}'\n")
            os.chmod(path, os.stat(path).st_mode | stat.S_IXUSR)
        return program

    def played(self, program):
        path = program.path("played")
        if not os.path.isfile(path):
            return []
        with open(path) as f:
            return f.read().split()

    def wait_played(self, program, expected):
        wait_for(lambda: self.played(program) == expected, what=f"{expected} to have played")

    def restart(self, program):
        """Starts the program again from its folder, as the operator would after a crash."""
        program.log.close()
        return self.start_show(program)

    def kill(self, program):
        program.proc.send_signal(signal.SIGKILL)
        program.proc.wait(30)

    # --- the clicker ---------------------------------------------------------------------
    def test_clicker_forward_plays_and_back_steps_back(self):
        program = self.show_program(["a.sh", "b.sh", "c.sh"])
        window = self.start_show(program)
        program.key(window, "Page_Down")
        self.wait_played(program, ["a.sh"])
        program.key(window, "Next")  # the same key by its other name
        self.wait_played(program, ["a.sh", "b.sh"])
        program.key(window, "Page_Up", "Page_Down")
        self.wait_played(program, ["a.sh", "b.sh", "b.sh"])
        program.key(window, "Prior", "Prior", "Page_Down")
        self.wait_played(program, ["a.sh", "b.sh", "b.sh", "a.sh"])
        self.assertTrue(program.running())

    # --- the show lock -------------------------------------------------------------------
    def amber_in_halves(self, program, window):
        """How many amber pixels the low band of each half of the show window holds."""
        x, y, width, height = program.absolute_geometry(window)
        shot = program.screenshot()
        half = width // 2
        counts = []
        for left in (x, x + half):
            counts.append(sum(shot.pixel(px, py) == AMBER for px in range(left, left + half)
                              for py in range(y + max(0, height - 70), y + height)))
        return counts

    def test_lock_ends_the_show_only_on_a_quick_second_esc(self):
        program = self.show_program(["a.sh", "b.sh"], ini=b"[Venue]\r\nShowLock=1\r\n")
        window = self.start_show(program)
        wait_for(lambda: "list loaded" in journal_events(program), what="the list to be read")
        # The files are read; removed now, they exist after the close only if it wrote them.
        os.remove(program.path("quadrel.LST"))
        os.remove(program.path("quadrel.INI"))

        program.key(window, "Escape")
        wait_for(lambda: min(self.amber_in_halves(program, window)) > 20, timeout=10,
                 what="the lock note in both halves")
        wait_for(lambda: max(self.amber_in_halves(program, window)) == 0, timeout=10,
                 what="the lock note to go by itself")
        self.assertTrue(stays_running(program), "one ESC ended the show")

        # Long after the first press, a single ESC is a first press again.
        program.key(window, "Escape")
        self.assertTrue(stays_running(program), "a late ESC ended the show")
        # Another key between the two presses: the first no longer counts. Playing is never
        # held back by the lock.
        program.key(window, "Escape", "Page_Down", "Escape")
        self.wait_played(program, ["a.sh"])
        self.assertTrue(stays_running(program), "ESC, a key, ESC ended the show")

        program.key(window, "Escape", "Escape")
        wait_for(lambda: not program.running(), what="two ESC presses to end the show")
        self.assertEqual(program.read("quadrel.LST"), b"a.sh\r\nb.sh\r\n")
        self.assertIn(b"[Venue]\r\nShowLock=1\r\n", program.read("quadrel.INI"))
        self.assertEqual(journal_events(program)[-1], "program closed")

    def test_lock_opens_the_show_list_on_the_second_l(self):
        program = self.show_program(["a.sh"], ini=b"[Venue]\r\nShowLock=1\r\n")
        window = self.start_show(program)
        program.key(window, "l")
        self.assertTrue(holds(lambda: program.window_gone("File list$"), LOCK_MS / 1000 + 0.5),
                        "one L opened the show list")
        program.key(window, "l", "l")
        setup = program.find_window("File list$")
        program.key(setup, "Escape")
        wait_for(lambda: program.window_gone("File list$"), what="the list window to close")
        self.assertTrue(program.running())

    # --- the resume offer ----------------------------------------------------------------
    def test_resume_after_a_kill_goes_on_in_the_list_edited_before_it(self):
        program = self.show_program(["a.sh", "b.sh", "x.sh", "c.sh", "d.sh"])
        window = self.start_show(program)
        program.key(window, "space")
        self.wait_played(program, ["a.sh"])
        program.key(window, "space")
        self.wait_played(program, ["a.sh", "b.sh"])

        # The operator takes x.sh out of the list: select it, Clear, back to the list, ESC.
        program.key(window, "l")
        setup = program.find_window("File list$")
        program.key(setup, "Home", "Down", "Down", "Tab", "Tab", "space")
        program.key(setup, "shift+Tab", "shift+Tab", "Escape")
        wait_for(lambda: program.window_gone("File list$"), what="the list window to close")
        edited = b"a.sh\r\nb.sh\r\nc.sh\r\nd.sh\r\n"
        wait_for(lambda: program.read("quadrel.LST") == edited, what="the edited list's file")
        self.kill(program)

        window = self.restart(program)
        box = program.find_window("^quadrel$")
        self.assertNotEqual(box, window)
        program.key(box, "Return")  # Yes is the default answer
        wait_for(lambda: program.window_gone("^quadrel$"), what="the question to close")
        self.assertEqual(journal_events(program).count("show resumed"), 1)
        program.key(window, "space")
        self.wait_played(program, ["a.sh", "b.sh", "c.sh"])
        self.assertEqual(program.read("quadrel.LST"), edited)

    def assert_starts_at_the_first_item(self, program, window):
        # The question would come right after the list is read at the first activation.
        wait_for(lambda: journal_events(program).count("list loaded") == 2,
                 what="the list to be read again")
        self.assertTrue(holds(lambda: program.window_gone("^quadrel$"), 1.0), "a question came up")
        program.key(window, "space")
        self.wait_played(program, ["a.sh", "b.sh", "a.sh"])
        self.assertNotIn("show resumed", journal_events(program))

    def test_no_question_after_a_clean_close(self):
        program = self.show_program(["a.sh", "b.sh", "c.sh"])
        window = self.start_show(program)
        program.key(window, "space", "space")
        self.wait_played(program, ["a.sh", "b.sh"])
        program.key(window, "Escape")
        wait_for(lambda: not program.running(), what="the program to end")
        self.assert_starts_at_the_first_item(program, self.restart(program))

    def test_no_question_after_a_kill_when_the_offer_is_off(self):
        program = self.show_program(["a.sh", "b.sh", "c.sh"], ini=b"[Venue]\r\nOfferResume=0\r\n")
        window = self.start_show(program)
        program.key(window, "space", "space")
        self.wait_played(program, ["a.sh", "b.sh"])
        self.kill(program)
        self.assert_starts_at_the_first_item(program, self.restart(program))


if __name__ == "__main__":
    unittest.main()
