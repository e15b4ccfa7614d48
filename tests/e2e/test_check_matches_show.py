"""quadrel-check against a real show: every item the check reports as failing fails when the
presenter plays it, and no other.

The list holds one item of each kind: a script that runs, a missing file, a folder, a type no
application opens, a script without the execute bit (opened by its type: on a desktop without a
terminal its editor cannot start) and a script whose "#!" interpreter does not exist. The
desktop's associations are the machine's own, as an operator's would be; whatever they decide
for the script without the execute bit, the check and the show must decide alike.
"""
import json
import os
import shutil
import subprocess
import unittest

from quadrel_e2e import E2ETestCase, wait_for

CHECK_BIN = os.path.join(os.path.dirname(os.environ["QUADREL_BIN"]), "quadrel-check")
ITEMS = [b"good.sh", b"missing.avi", b"stage", b"data.qzx", b"plain.sh", b"interp.sh"]
ALWAYS_FAILING = {2, 3, 4, 6}


def journal(program):
    path = program.path("quadrel.log")
    if not os.path.isfile(path):
        return []
    with open(path, "rb") as f:
        return [line.split(b"\t", 5) for line in f.read().split(b"\n") if line]


def played(program):
    """(event, position, result) of every item that has finished, in order."""
    return [(f[1].decode(), int(f[2]), f[3]) for f in journal(program)
            if f[1] in (b"item ended", b"item failed")]


class CheckMatchesShow(E2ETestCase):
    def make_show(self):
        program = self.program(files={"quadrel.LST": b"".join(i + b"\r\n" for i in ITEMS)})
        for name, body, mode in [("good.sh", b"#!/bin/sh\nexit 0\n", 0o755),
                                 ("plain.sh", b"#!/bin/sh\nexit 0\n", 0o644),
                                 ("interp.sh", b"#!/nonexistent/quadrel-interpreter\nexit 0\n",
                                  0o755),
                                 ("data.qzx", b"\0\1\2\3", 0o644)]:
            os.chmod(program.write(name, body), mode)
        os.makedirs(program.path("stage"))
        shutil.copy2(CHECK_BIN, program.path("quadrel-check"))
        return program

    def test_the_check_reports_exactly_the_items_the_show_fails(self):
        program = self.make_show()
        check = subprocess.run([program.path("quadrel-check"), "--json"], env=program.env(),
                               capture_output=True, timeout=60)
        report = json.loads(check.stdout.decode("utf-8"))
        self.assertEqual(report["items"], 6, check.stderr)
        checked = {f["position"] for f in report["findings"] if f["severity"] == "error"}

        window = self.start_show(program)
        for position in range(1, len(ITEMS) + 1):
            program.key(window, "space")
            wait_for(lambda: len(played(program)) >= position, timeout=60,
                     what=f"item {position} to end or fail")
            if played(program)[-1][0] == "item failed":
                box = program.find_window("^quadrel$", timeout=60)
                program.key(box, "Return")
                wait_for(lambda: program.window_gone("^quadrel$"), timeout=60,
                         what="the message box to close")
        events = played(program)
        self.assertEqual([e[1] for e in events], [1, 2, 3, 4, 5, 6])
        failed = {position for event, position, _ in events if event == "item failed"}
        self.assertEqual(checked, failed, report["findings"])
        self.assertLessEqual(ALWAYS_FAILING, failed)
        self.assertNotIn(1, failed)
        self.assertEqual(check.returncode, 1)

        # The missing interpreter is named, by the show and by the check alike.
        interp = [r for event, position, r in events if position == 6][0]
        self.assertIn(b'The interpreter "/nonexistent/quadrel-interpreter"', interp)
        detail = [f["detail"] for f in report["findings"] if f["position"] == 6]
        self.assertEqual(len(detail), 1)
        self.assertIn('"/nonexistent/quadrel-interpreter"', detail[0])
        self.assertIn(detail[0].encode(), interp)

        program.key(window, "Escape")
        wait_for(lambda: not program.running(), timeout=60, what="the program to end")


if __name__ == "__main__":
    unittest.main()
