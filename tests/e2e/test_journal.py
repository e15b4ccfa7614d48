"""The show journal: the events of a real show in quadrel.log beside the program, and its
summary through quadrel-check --journal.

Items are small shell scripts that end with a chosen exit status; a missing item shows its
message box, which the test answers as an operator would.
"""
import os
import stat
import subprocess
import unittest

from quadrel_e2e import E2ETestCase, wait_for

CHECK_BIN = os.path.join(os.path.dirname(os.environ["QUADREL_BIN"]), "quadrel-check")
CONTINUOUS = b"[Setup Parameters]\r\nContinuous=1\r\nLoop=0\r\n"


def journal(program):
    """The journal's events as lists of six fields, [] while it does not exist."""
    path = program.path("quadrel.log")
    if not os.path.isfile(path):
        return []
    with open(path, "rb") as f:
        lines = f.read().split(b"\n")
    return [line.split(b"\t", 5) for line in lines if line]


def events(program):
    return [fields[1].decode() for fields in journal(program)]


class Journal(E2ETestCase):
    def script(self, program, rel, status, marker=None):
        body = "#!/bin/sh\n"
        if marker:
            body += f"echo run >> '{program.path(marker)}'\n"
        body += f"exit {status}\n"
        path = program.write(rel, body)
        os.chmod(path, os.stat(path).st_mode | stat.S_IXUSR)

    def test_continuous_show_with_failures_in_order(self):
        items = [b"a.sh", b"b.sh", b"missing.avi", b"caf\xe9.sh"]
        program = self.program(files={"quadrel.LST": b"".join(i + b"\r\n" for i in items),
                                      "quadrel.INI": CONTINUOUS})
        self.script(program, "a.sh", 0)
        self.script(program, "b.sh", 3)
        with open(program.path("a.sh"), "rb") as f:
            body = f.read()
        cafe = os.path.join(program.folder.encode(), b"caf\xe9.sh")
        with open(cafe, "wb") as f:
            f.write(body)
        os.chmod(cafe, 0o755)

        window = self.start_show(program)
        program.key(window, "space")
        box = program.find_window("^quadrel$", timeout=60)
        program.key(box, "Return")
        wait_for(lambda: "continuous show stopped" in events(program), timeout=60,
                 what="the continuous show to reach the end of the list")
        program.key(window, "Escape")
        wait_for(lambda: not program.running(), timeout=60, what="the program to end")

        lines = journal(program)
        self.assertEqual([e.decode() for e in (fields[1] for fields in lines)], [
            "show window opened", "list loaded",
            "item started", "item ended", "continuous show started",
            "item started", "item ended",
            "item started", "item failed",
            "item started", "item ended",
            "continuous show stopped", "list saved", "program closed"])
        by_event = [(f[1], f[2], f[3], f[5]) for f in lines]
        self.assertEqual(by_event[1], (b"list loaded", b"", b"4 items", program.path("quadrel.LST").encode()))
        self.assertEqual(by_event[3], (b"item ended", b"1", b"exit 0", b"a.sh"))
        self.assertEqual(by_event[6], (b"item ended", b"2", b"exit 3", b"b.sh"))
        self.assertEqual(by_event[8][:2], (b"item failed", b"3"))
        self.assertIn(program.path("missing.avi").encode(), by_event[8][2])
        self.assertEqual(by_event[10], (b"item ended", b"4", b"exit 0", b"caf\xe9.sh"))  # bytes kept
        self.assertEqual(by_event[11][2], b"end of the list")

        # The pause runs from an item's end to the next item's start.
        def ms(fields):
            h, m, s = fields[0].decode().split(" ")[1].split(":")
            return (int(h) * 3600 + int(m) * 60) * 1000 + round(float(s) * 1000)
        pause = ms(lines[5]) - ms(lines[3])
        self.assertGreaterEqual(pause, 1495)

        check = subprocess.run([CHECK_BIN, "--journal", program.path("quadrel.log")],
                               capture_output=True, timeout=60)
        self.assertEqual(check.returncode, 1, check.stderr)
        out = check.stdout
        self.assertIn(b"Items played: 4 (3 ended)\n", out)
        self.assertIn(b"Failures: 2\n", out)
        self.assertIn(b"  2: b.sh: exit 3\n", out)
        self.assertIn(b"  3: missing.avi: Cannot open file", out)

    def test_unwritable_journal_leaves_the_show_undisturbed(self):
        program = self.program(files={"quadrel.LST": b"a.sh\r\nb.sh\r\n"})
        os.mkdir(program.path("quadrel.log"))  # a folder where the journal belongs
        self.script(program, "a.sh", 0, marker="ran-a")
        self.script(program, "b.sh", 0, marker="ran-b")
        window = self.start_show(program)
        program.key(window, "space")
        wait_for(lambda: os.path.exists(program.path("ran-a")), what="the first item")
        program.key(window, "space")
        wait_for(lambda: os.path.exists(program.path("ran-b")), what="the second item")
        self.assertTrue(program.window_gone("^quadrel$"), "a message box came up")
        program.key(window, "Escape")
        wait_for(lambda: not program.running(), timeout=60, what="the program to end")
        self.assertEqual(program.read("quadrel.LST"), b"a.sh\r\nb.sh\r\n")
        with open(program.log_path, "rb") as f:
            output = f.read().decode(errors="replace")
        reports = [line for line in output.splitlines() if "show journal" in line]
        self.assertEqual(len(reports), 1, output)
        self.assertIn(program.path("quadrel.log"), reports[0])


if __name__ == "__main__":
    unittest.main()
