"""Playing items: real programs and launch scripts started from the show window and waited for.

Every item is a small shell script that logs when it starts and ends, its working folder and
its arguments, so the order, the pauses and the folders can be checked from the log.
"""
import os
import stat
import time
import unittest

from quadrel_e2e import E2ETestCase, wait_for

PAUSE = 1.5  # the continuous show's pause between the end of one item and the start of the next


class Show(E2ETestCase):
    def make_program(self, items, seconds=0.2):
        """A program folder whose list holds `items` (show item paths); every item whose name
        ends in .sh becomes a logging script that runs for `seconds`."""
        listing = b"".join(item.encode() + b"\r\n" for item in items)
        program = self.program(files={"quadrel.LST": listing})
        self.log = program.path("events.log")
        for item in items:
            if item.endswith(".sh"):
                self.write_logger(program, item.replace("\\", "/"), seconds)
        return program

    def write_logger(self, program, rel, seconds, name=None):
        name = name or os.path.basename(rel).replace(" ", "_")
        script = (
            "#!/bin/sh\n"
            f"printf 'start %s {name} %s' \"$(date +%s.%N)\" \"$(pwd)\" >> '{self.log}'\n"
            f"for a in \"$@\"; do printf ' [%s]' \"$a\" >> '{self.log}'; done\n"
            f"echo >> '{self.log}'\n"
            f"sleep {seconds}\n"
            f"printf 'end %s {name}\\n' \"$(date +%s.%N)\" >> '{self.log}'\n")
        path = program.write(rel, script)
        os.chmod(path, os.stat(path).st_mode | stat.S_IXUSR | stat.S_IXGRP | stat.S_IXOTH)
        return path

    def start_with_options(self, program, loop=False):
        """Starts the show and ticks Continuous (and Loop All) in the show list window, whose
        check boxes start unticked without a settings file."""
        window = self.start_show(program)
        program.key(window, "l")
        setup = program.find_window("File list$")
        keys = ["Tab"] * 6 + ["space"]  # from the list to Continuous
        if loop:
            keys += ["Tab", "space"]
        keys += ["shift+Tab"] * (7 if loop else 6) + ["Escape"]  # back to the list, which closes
        program.key(setup, *keys)
        wait_for(lambda: program.window_gone("File list$"), what="the show list window to close")
        return window

    def events(self):
        """(kind, time, name, rest) for every finished log line."""
        if not os.path.exists(self.log):
            return []
        with open(self.log, encoding="utf-8", errors="replace") as f:
            lines = [line for line in f.read().split("\n")[:-1] if line]
        result = []
        for line in lines:
            kind, when, name, *rest = line.split(" ", 3)
            result.append((kind, float(when), name, rest[0] if rest else ""))
        return result

    def starts(self):
        return [e[2] for e in self.events() if e[0] == "start"]

    def wait_events(self, count, what):
        return wait_for(lambda: len(self.events()) >= count and self.events(), what=what)

    def test_space_plays_the_current_item_in_its_own_folder(self):
        program = self.make_program(["clips\\one.sh", "two.sh"])
        window = self.start_show(program)
        program.key(window, "space")
        events = self.wait_events(2, "the item to run")
        self.assertEqual(events[0][0], "start")
        self.assertEqual(events[0][2], "one.sh")
        self.assertEqual(events[0][3], program.path("clips"))  # its folder, and no arguments
        self.assertEqual(events[1][0], "end")
        self.assertTrue(program.running())

    def test_odd_names_start_as_they_stand(self):
        item = "odd dir\\it's \"q\" $(touch x) caf\u00e9.sh"
        program = self.make_program([])
        program.write("quadrel.LST", item.encode() + b"\r\n")
        self.log = program.path("events.log")
        self.write_logger(program, item.replace("\\", "/"), 0.1, name="odd")
        window = self.start_show(program)
        program.key(window, "space")
        events = self.wait_events(2, "the item to run")
        self.assertEqual((events[0][2], events[0][3]), ("odd", program.path("odd dir")))
        self.assertFalse(os.path.exists(program.path("odd dir/x")))
        self.assertFalse(os.path.exists(program.path("x")))

    def test_other_files_open_with_the_desktops_default_application(self):
        program = self.make_program(["clips\\clip.avi", "next.sh"])
        program.write("clips/clip.avi", b"RIFF\x00\x00\x00\x00AVI LIST")
        viewer = self.write_logger(program, "apps/viewer.sh", 0.5, name="viewer")
        program.write("data/applications/quadrel-test-viewer.desktop",
                      "[Desktop Entry]\nType=Application\nName=Test viewer\n"
                      f"Exec='{viewer}' %f\nMimeType=video/x-msvideo;\n")
        program.write("config/mimeapps.list",
                      "[Default Applications]\nvideo/x-msvideo=quadrel-test-viewer.desktop\n")
        saved = {k: os.environ.get(k) for k in ("XDG_DATA_HOME", "XDG_CONFIG_HOME")}
        os.environ["XDG_DATA_HOME"] = program.path("data")
        os.environ["XDG_CONFIG_HOME"] = program.path("config")
        try:
            window = self.start_show(program)
        finally:
            for key, value in saved.items():
                if value is None:
                    os.environ.pop(key, None)
                else:
                    os.environ[key] = value
        program.key(window, "space")
        wait_for(lambda: self.events(), what="the default application")
        program.key(window, "space")  # pressed while the viewer runs: acts after it has ended
        events = self.wait_events(4, "the next item")
        self.assertEqual([(e[0], e[2]) for e in events[:3]],
                         [("start", "viewer"), ("end", "viewer"), ("start", "next.sh")])
        self.assertEqual(events[0][3], program.path("clips") + " [" + program.path("clips/clip.avi") + "]")

    def test_keys_move_through_the_list(self):
        program = self.make_program(["a.sh", "b.sh", "c.sh"])
        window = self.start_show(program)
        program.key(window, "Right", "Right", "Left", "space")  # b
        wait_for(lambda: self.starts() == ["b.sh"], what="b to play")
        program.key(window, "1", "space")  # a
        wait_for(lambda: self.starts() == ["b.sh", "a.sh"], what="a to play")
        # 0 goes to the end of the show, where SPACE starts nothing; 6 stays there, 4 goes back.
        program.key(window, "0", "space", "6", "space", "4", "4", "space")
        wait_for(lambda: len(self.starts()) == 3, what="the next start")
        self.assertEqual(self.starts(), ["b.sh", "a.sh", "b.sh"])

    def test_continuous_show_pauses_between_items_and_stops_at_the_end(self):
        program = self.make_program(["a.sh", "b.sh", "c.sh"])
        window = self.start_with_options(program)
        program.key(window, "space")
        wait_for(lambda: len(self.events()) >= 6, timeout=60, what="three items")
        events = self.events()
        self.assertEqual([(e[0], e[2]) for e in events],
                         [("start", "a.sh"), ("end", "a.sh"), ("start", "b.sh"), ("end", "b.sh"),
                          ("start", "c.sh"), ("end", "c.sh")])
        for end, start in ((events[1], events[2]), (events[3], events[4])):
            self.assertGreaterEqual(start[1] - end[1], PAUSE - 0.02)
        time.sleep(2 * PAUSE)
        self.assertEqual(len(self.events()), 6, "the show stops after the last item")

    def test_loop_all_comes_round_again_until_a(self):
        program = self.make_program(["a.sh", "b.sh"])
        window = self.start_with_options(program, loop=True)
        program.key(window, "space")
        wait_for(lambda: self.starts()[:3] == ["a.sh", "b.sh", "a.sh"], timeout=60,
                 what="the show to come round again")
        program.key(window, "a")
        time.sleep(0.5)
        count = len(self.starts())
        wait_for(lambda: self.events()[-1][0] == "end", what="the item playing to end")
        time.sleep(2 * PAUSE + 0.5)
        self.assertEqual(len(self.starts()), count, "no item starts after A")
        self.assertTrue(program.running())

    def test_keys_pressed_during_an_item_act_after_it(self):
        program = self.make_program(["a.sh", "b.sh", "c.sh"], seconds=2.0)
        window = self.start_show(program)
        program.key(window, "space")
        wait_for(lambda: self.starts() == ["a.sh"], what="a to start")
        program.key(window, "Right", "space")  # queued while a plays: index 1 -> 2, then c plays
        wait_for(lambda: len(self.starts()) == 2, timeout=30, what="the queued SPACE")
        events = self.events()
        self.assertEqual([(e[0], e[2]) for e in events[:3]],
                         [("start", "a.sh"), ("end", "a.sh"), ("start", "c.sh")])

    def test_missing_item_is_reported_and_the_show_goes_on(self):
        program = self.make_program(["a.sh", "missing.avi", "c.sh"])
        window = self.start_with_options(program)
        program.key(window, "space")
        box = program.find_window("^quadrel$", timeout=30)
        self.assertEqual(self.starts(), ["a.sh"])
        program.key(box, "Return")
        wait_for(lambda: self.starts() == ["a.sh", "c.sh"], what="the show to go on")

    def test_launch_scripts_run_their_player_with_the_named_arguments(self):
        program = self.make_program(["clips\\movie.bat", "clips\\film.vbs"])
        player = self.write_logger(program, "players/my player.sh", 0.1)
        program.write("clips/movie.bat", f'"{player}" -n "movie 50%%.avi"\r\n')
        program.write(
            "clips/film.vbs",
            "Dim return\r\n"
            "Set WSHShell = WScript.CreateObject(\"WScript.Shell\")\r\n"
            f"return=WshShell.Run(\"\"\"{player}\"\" -n -f \"\"film.avi\"\"\", 1, true)\r\n")
        window = self.start_show(program)
        program.key(window, "space")
        wait_for(lambda: len(self.events()) >= 2, what="the .bat's player")
        program.key(window, "space")
        wait_for(lambda: len(self.events()) >= 4, what="the .vbs's player")
        starts = [e for e in self.events() if e[0] == "start"]
        self.assertEqual(starts[0][3], program.path("clips") + " [-n] [movie 50%.avi]")
        self.assertEqual(starts[1][3], program.path("clips") + " [-n] [-f] [film.avi]")


if __name__ == "__main__":
    unittest.main()
