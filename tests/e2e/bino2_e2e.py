"""Bino 2 launch scripts against the real player: written through the Bino window, played as
show items with SPACE and in a continuous show, each waited for until Bino has played the clip
and quit.

The player is Bino 2.3, built once from the archive beside the repository into a cache outside
the tree (tools/build-bino.sh). Without the archive the test reports itself skipped (exit 77),
never passed. Prints the time from SPACE to Bino running and from Bino's end to the next item.
"""
import json
import os
import shutil
import subprocess
import sys
import time
import unittest

from quadrel_e2e import E2ETestCase, wait_for

REPO = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
ARCHIVE = os.environ.get("QUADREL_BINO_ARCHIVE",
                         os.path.join(REPO, "..", "shared", "players", "bino-2.3.tar.gz"))
SKIP = 77
PAUSE = 1.5  # the continuous show's pause between one item's end and the next item's start
BINO = None  # the built player, set before the tests run
CLIP = None  # a 2-second side-by-side test clip


def build_bino():
    result = subprocess.run([os.path.join(REPO, "tools", "build-bino.sh"), ARCHIVE],
                            stdout=subprocess.PIPE, text=True, timeout=3000)
    if result.returncode == 3:
        print(f"SKIPPED: no Bino archive at {ARCHIVE}")
        sys.exit(SKIP)
    if result.returncode != 0:
        raise SystemExit(f"building Bino failed (status {result.returncode})")
    return result.stdout.strip().splitlines()[-1]


def make_clip():
    folder = os.path.join(os.path.dirname(BINO), "..", "clips")
    os.makedirs(folder, exist_ok=True)
    clip = os.path.abspath(os.path.join(folder, "testsrc-2s.avi"))
    if not os.path.exists(clip):
        subprocess.run(["ffmpeg", "-loglevel", "error", "-y", "-f", "lavfi", "-i",
                        "testsrc=duration=2:size=640x360:rate=25", "-c:v", "mpeg4", clip + ".tmp.avi"],
                       check=True, timeout=300)
        os.replace(clip + ".tmp.avi", clip)
    return clip


def bino_processes():
    """{pid: arguments} of the running Bino players built for this test.

    A process forked by a player (it carries the player's arguments until it runs another
    program) is part of that player's run, not a run of its own."""
    found, parents = {}, {}
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open(f"/proc/{entry}/cmdline", "rb") as f:
                args = f.read().split(b"\0")[:-1]
            with open(f"/proc/{entry}/stat", "rb") as f:
                state, parent = f.read().rsplit(b")", 1)[1].split()[:2]
        except OSError:
            continue
        if args and args[0].decode(errors="replace") == BINO and state != b"Z":
            found[int(entry)] = [a.decode(errors="replace") for a in args]
            parents[int(entry)] = int(parent)
    return {pid: args for pid, args in found.items() if parents[pid] not in found}


class BinoTimeline:
    """Samples the Bino processes every 20 ms in the background of the test's own polling:
    (start, end, arguments) per player run."""

    def __init__(self):
        self.runs = {}

    def sample(self):
        now = time.monotonic()
        running = bino_processes()
        for pid, args in running.items():
            self.runs.setdefault(pid, [now, None, args])
        for pid, run in self.runs.items():
            if run[1] is None and pid not in running:
                run[1] = now
        return sorted(self.runs.values(), key=lambda r: r[0])

    def wait(self, predicate, timeout, what):
        """Polls until `predicate` holds for the runs so far, which are returned."""
        def check():
            runs = self.sample()
            return runs if predicate(runs) else None
        return wait_for(check, timeout=timeout, interval=0.02, what=what)


class Bino2Scripts(E2ETestCase):
    def program_with_settings(self, continuous):
        settings = ("[Setup Parameters]\r\n"
                    f"Continuous={1 if continuous else 0}\r\n"
                    "[Bino]\r\n"
                    f"BinoLocation={BINO}\r\n"
                    "AddToList=1\r\nBatOrVbs=0\r\nBinoVersion=1\r\n").encode()
        program = self.program(files={"quadrel.INI": settings})
        for name in ("plain.avi", "my clip.avi"):
            os.makedirs(program.path("clips"), exist_ok=True)
            shutil.copyfile(CLIP, program.path("clips/" + name))
        return program

    def write_scripts(self, program, show):
        """Through the windows: L, Make BAT/VBS, then Select Video File(s) once per clip."""
        program.key(show, "l")
        setup = program.find_window("File list$")
        x, y, _, _ = program.geometry(setup)
        program.xdotool("mousemove", "--sync", str(x + 698 + 64), str(y + 496 + 16))
        program.xdotool("click", "1")
        bino = program.find_window("^Bino settings$")
        bx, by, _, _ = program.geometry(bino)
        for name in ("plain.avi", "my clip.avi"):
            # Select Video File(s), where the window's layout puts it with Bino 2 chosen (see
            # docs/bino2-window.png).
            program.xdotool("mousemove", "--sync", str(bx + 718), str(by + 484))
            program.xdotool("click", "1")
            dialog = program.find_window("^Select video clip\\(s\\)$")
            program.type(dialog, program.path("clips/" + name))
            program.key(dialog, "Return")
            wait_for(lambda: program.window_gone("^Select video clip"), what="the dialog to close")
            script = program.path("clips/" + name.replace(".avi", ".bat"))
            wait_for(lambda: os.path.exists(script), what=f"the script for {name}")
        program.key(bino, "Escape")
        wait_for(lambda: program.window_gone("^Bino settings$"), what="the Bino window to close")
        # ESC closes the show list window from its list, which a click gives the focus.
        program.xdotool("mousemove", "--sync", str(x + 200), str(y + 300))
        program.xdotool("click", "1")
        program.key(setup, "Escape")
        wait_for(lambda: program.window_gone("File list$"), what="the show list window to close")

    def check_scripts(self, program):
        self.assertEqual(program.read("clips/my clip.bat"),
                         f'"{BINO}" --read-commands "my clip.bino"\r\n'.encode())
        self.assertEqual(program.read("clips/my clip.bino"),
                         b"set-output-mode left-right\r\nset-fullscreen on\r\n"
                         b"open --input left-right my%20clip.avi\r\nset-swap-eyes off\r\n"
                         b"wait stop\r\nquit\r\n")

    def test_space_waits_for_bino_and_continuous_goes_on_after_the_pause(self):
        program = self.program_with_settings(continuous=True)
        show = self.start_show(program)
        self.write_scripts(program, show)
        self.check_scripts(program)

        timeline = BinoTimeline()
        pressed = time.monotonic()
        program.key(show, "space")
        runs = timeline.wait(lambda r: len(r) >= 2 and r[1][1] is not None, timeout=240,
                             what="both Bino scripts to play and end")
        first, second = runs[0], runs[1]
        self.assertIn("plain.bino", first[2])
        self.assertIn("my clip.bino", second[2])
        for run in (first, second):
            # Bino played the 2-second clip to its end, not refused it at once.
            self.assertGreaterEqual(run[1] - run[0], 1.5, f"Bino ran too briefly: {run[2]}")
        gap = second[0] - first[1]
        # Had the show not waited for Bino, the next item would have started while it ran; the
        # margin is for samples taken late on a loaded machine.
        self.assertGreaterEqual(gap, PAUSE - 0.5, "the next item waited for Bino's end")
        self.assertLess(gap, PAUSE + 5.0, "the show went on after Bino's end")
        print(f"\nSPACE to Bino running: {first[0] - pressed:.2f} s (includes the key's delivery)")
        print(f"Bino running: {first[1] - first[0]:.2f} s and {second[1] - second[0]:.2f} s for "
              "the 2 s clip")
        print(f"Bino's end to the next item's Bino running (continuous, 1.5 s pause): {gap:.2f} s")
        self.assertTrue(program.running())

    def test_space_plays_one_item_and_the_show_steps_on(self):
        program = self.program_with_settings(continuous=False)
        show = self.start_show(program)
        self.write_scripts(program, show)

        timeline = BinoTimeline()
        pressed = time.monotonic()
        program.key(show, "space")
        runs = timeline.wait(lambda r: bool(r) and r[0][1] is not None, timeout=120,
                             what="Bino to play the first item and end")
        started = runs[0][0] - pressed
        # Without Continuous nothing follows by itself; SPACE again plays the next item.
        time.sleep(PAUSE + 1.0)
        self.assertEqual(len(timeline.sample()), 1, "no item starts without Continuous")
        pressed = time.monotonic()
        program.key(show, "space")
        runs = timeline.wait(lambda r: len(r) >= 2 and r[1][1] is not None, timeout=120,
                             what="the second item to play")
        self.assertIn("my clip.bino", runs[1][2])
        print(f"\nSPACE to Bino running: {started:.2f} s, then {runs[1][0] - pressed:.2f} s")

        # The show check follows each script into its command file.
        check = program.path("quadrel-check")
        shutil.copy2(os.path.join(os.path.dirname(os.environ["QUADREL_BIN"]), "quadrel-check"),
                     check)
        program.write("evening.shl", b"clips\\plain.bat\r\nclips\\my clip.bat\r\n")
        result = subprocess.run([check, "--json", program.path("evening.shl")],
                                capture_output=True, text=True, timeout=60)
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)
        os.remove(program.path("clips/my clip.avi"))
        os.remove(program.path("clips/plain.bino"))
        result = subprocess.run([check, "--json", program.path("evening.shl")],
                                capture_output=True, text=True, timeout=60)
        self.assertEqual(result.returncode, 1, result.stdout + result.stderr)
        findings = [(f["position"], f["kind"]) for f in json.loads(result.stdout)["findings"]]
        self.assertEqual(findings, [(1, "command-file"), (2, "missing-video")])


class BinoItself(unittest.TestCase):
    """What the README says about Bino 2, checked with the player itself."""

    def run_bino(self, args, folder):
        env = dict(os.environ)
        started = time.monotonic()
        result = subprocess.run([BINO, *args], cwd=folder, env=env, capture_output=True,
                                text=True, timeout=120)
        return result, time.monotonic() - started

    def test_bino1_command_line_is_refused(self):
        with Display() as env:
            folder = env.folder
            shutil.copyfile(CLIP, os.path.join(folder, "clip.avi"))
            result, _ = self.run_bino(["-n", "-c", "-f", "-i", "left-right", "-o", "left-right",
                                       "clip.avi"], folder)
            self.assertEqual(result.returncode, 1)
            self.assertIn("Unknown options: n, c.", result.stdout + result.stderr)

    def test_command_file_reaches_odd_names_whole(self):
        with Display() as env:
            name = "-caf\u00e9 100% #1.avi"
            shutil.copyfile(CLIP, os.path.join(env.folder, name))
            # As the Bino window writes it for this name.
            with open(os.path.join(env.folder, "odd.bino"), "wb") as f:
                f.write(b"set-output-mode left-right\r\nset-fullscreen on\r\n"
                        b"open --input left-right %2Dcaf%C3%A9%20100%25%20%231.avi\r\n"
                        b"set-swap-eyes off\r\nwait stop\r\nquit\r\n")
            result, seconds = self.run_bino(["--read-commands", "odd.bino"], env.folder)
            output = result.stdout + result.stderr
            self.assertEqual(result.returncode, 0, output)
            self.assertNotIn("Invalid argument", output)
            self.assertGreaterEqual(seconds, 1.5, "Bino played the clip to its end: " + output)


class Display:
    """A private X server and folder for running Bino directly."""

    def __enter__(self):
        from quadrel_e2e import Xvfb
        import tempfile
        self.xvfb = Xvfb().__enter__()
        self.folder = tempfile.mkdtemp(prefix="quadrel-bino-")
        self.saved = os.environ.get("DISPLAY")
        os.environ["DISPLAY"] = self.xvfb.display
        os.environ["QT_QPA_PLATFORM"] = "xcb"
        return self

    def __exit__(self, *exc):
        if self.saved is None:
            os.environ.pop("DISPLAY", None)
        else:
            os.environ["DISPLAY"] = self.saved
        self.xvfb.__exit__(*exc)
        shutil.rmtree(self.folder, ignore_errors=True)


if __name__ == "__main__":
    BINO = build_bino()
    CLIP = make_clip()
    unittest.main(verbosity=2)
