"""quadrel-check, the show check beside the presenter: exit codes, text and JSON reports.

Runs the built program from a copy in a temporary folder; no X server is needed. The desktop's
type associations are the test's own: one application for AVI videos and none for anything else.
"""
import json
import os
import shutil
import subprocess
import tempfile
import unittest

CHECK_BIN = os.path.join(os.path.dirname(os.environ["QUADREL_BIN"]), "quadrel-check")


class ShowCheck(unittest.TestCase):
    def setUp(self):
        root = tempfile.mkdtemp(prefix="quadrel check ")  # a blank in every path
        self.addCleanup(shutil.rmtree, root, ignore_errors=True)
        self.show = os.path.join(root, "show")
        os.makedirs(os.path.join(self.show, "clips"))
        os.makedirs(os.path.join(root, "lists"))
        self.lists = os.path.join(root, "lists")
        self.check = os.path.join(self.show, "quadrel-check")
        shutil.copy2(CHECK_BIN, self.check)

        # GIO reads the MIME database and the applications from here only.
        share = os.path.join(root, "share")
        os.makedirs(os.path.join(share, "applications"))
        os.symlink("/usr/share/mime", os.path.join(share, "mime"))
        with open(os.path.join(share, "applications", "quadrel-test-player.desktop"), "w") as f:
            f.write("[Desktop Entry]\nType=Application\nName=Test Player\n"
                    "Exec=/bin/true %f\nMimeType=video/x-msvideo;\n")
        home = os.path.join(root, "home")
        os.makedirs(os.path.join(home, "config"))
        with open(os.path.join(home, "config", "mimeapps.list"), "w") as f:
            f.write("[Default Applications]\nvideo/x-msvideo=quadrel-test-player.desktop\n")
        self.env = dict(os.environ, HOME=home, XDG_DATA_HOME=share, XDG_DATA_DIRS=share,
                        XDG_CONFIG_HOME=os.path.join(home, "config"),
                        XDG_CONFIG_DIRS=os.path.join(home, "config"), LC_ALL="C")

    def write(self, name, data=b"x", executable=False):
        path = os.path.join(self.show, *name.split("\\"))
        with open(path, "wb") as f:
            f.write(data)
        if executable:
            os.chmod(path, 0o755)
        return path

    def write_list(self, path, items):
        with open(path, "wb") as f:
            f.write(b"".join(item + b"\r\n" for item in items))

    def run_check(self, *args):
        return subprocess.run([self.check, *args], env=self.env, capture_output=True,
                              timeout=60)

    def clean_show(self):
        self.write("clips\\intro.avi")
        self.write("clips\\movie.avi")
        self.write("clips\\player", b"#!/bin/sh\nexit 0\n", executable=True)
        self.write("clips\\movie.bat", b'"player" -n -f -i left-right -o left-right "movie.avi"\r\n')
        self.write("start.sh", b"#!/bin/sh\nexit 0\n", executable=True)
        return [b"clips\\intro.avi", b"start.sh", b"clips\\movie.bat"]

    def test_clean_list_exits_0(self):
        self.write_list(os.path.join(self.show, "quadrel.LST"), self.clean_show())
        result = self.run_check()  # the automatic list file of the quadrel beside it
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)
        list_file = os.path.join(self.show, "quadrel.LST")
        self.assertEqual(result.stdout.decode(),
                         'Checked 3 items of "%s": nothing would fail.\n' % list_file)

        report = json.loads(self.run_check("--json").stdout.decode("utf-8"))
        self.assertEqual(report, {"list": list_file, "items": 3, "ok": True,
                                  "counts": {"error": 0, "info": 0}, "findings": []})

    def test_repeated_items_are_notes_and_still_exit_0(self):
        items = self.clean_show()
        self.write_list(os.path.join(self.show, "quadrel.LST"), items + [items[0]])
        result = self.run_check()
        self.assertEqual(result.returncode, 0)
        self.assertEqual(result.stdout.decode().splitlines()[0],
                         "4: clips\\intro.avi: the same item as position 1")

    def test_every_kind_of_problem_exits_1(self):
        self.clean_show()
        os.makedirs(os.path.join(self.show, "stage"))
        self.write("data.qzx", b"\0\1\2\3")  # application/octet-stream: no application
        self.write("clips\\gone.bat", b'"D:\\Players\\bino.exe" "movie.avi"\r\n')
        self.write("clips\\pair.vbs",
                   b'Dim return\r\nSet WSHShell = WScript.CreateObject("WScript.Shell")\r\n'
                   b'return=WshShell.Run("""player"" -left:""movie.avi"" -right:""right.avi""",'
                   b' 1, true)\r\n')
        self.write("clips\\piped.bat", b"player movie.avi | more\r\n")
        items = [b"clips\\intro.avi", b"missing.avi", b"stage", b"", b"data.qzx",
                 b"clips\\gone.bat", b"clips\\pair.vbs", b"clips\\piped.bat", b"clips\\intro.avi",
                 b"caf\xe9\x01.avi"]
        list_file = os.path.join(self.lists, "evening.shl")
        self.write_list(list_file, items)

        result = self.run_check(list_file)
        self.assertEqual(result.returncode, 1, result.stdout + result.stderr)
        lines = result.stdout.decode("latin-1").splitlines()
        self.assertEqual([line.split(": ", 2)[:2] for line in lines[:-1]],
                         [["2", "missing.avi"], ["3", "stage"], ["4", ""], ["5", "data.qzx"],
                          ["6", "clips\\gone.bat"], ["7", "clips\\pair.vbs"],
                          ["8", "clips\\piped.bat"], ["9", "clips\\intro.avi"],
                          ["10", "caf\xe9\\x01.avi"]])
        self.assertEqual(lines[-1], 'Checked 10 items of "%s": 8 errors, 1 note.' % list_file)

        report = json.loads(self.run_check("--json", list_file).stdout.decode("utf-8"))
        self.assertEqual(report["list"], list_file)
        self.assertEqual(report["items"], 10)
        self.assertFalse(report["ok"])
        self.assertEqual(report["counts"], {"error": 8, "info": 1})
        found = [(f["position"], f["item"], f["kind"], f["severity"]) for f in report["findings"]]
        self.assertEqual(found, [
            (2, "missing.avi", "missing-file", "error"),
            (3, "stage", "folder", "error"),
            (4, "", "empty-item", "error"),
            (5, "data.qzx", "no-application", "error"),
            (6, "clips\\gone.bat", "missing-program", "error"),
            (7, "clips\\pair.vbs", "missing-video", "error"),
            (8, "clips\\piped.bat", "unreadable-script", "error"),
            (9, "clips\\intro.avi", "duplicate", "info"),
            (10, "caf\u00e9\u0001.avi", "missing-file", "error"),
        ])
        details = {f["position"]: f["detail"] for f in report["findings"]}
        # Items are relative to the program's folder, never to the list file's.
        self.assertIn(os.path.join(self.show, "missing.avi"), details[2])
        self.assertIn("application/octet-stream", details[5])
        self.assertIn('"D:\\Players\\bino.exe"', details[6])
        self.assertIn(os.path.join(self.show, "clips", "right.avi"), details[7])

    def test_unreadable_list_exits_2(self):
        missing = os.path.join(self.lists, "none.shl")
        result = self.run_check(missing)
        self.assertEqual(result.returncode, 2)
        self.assertEqual(result.stdout, b"")
        self.assertIn(b'Cannot open file "' + missing.encode() + b'"', result.stderr)

        result = self.run_check("--json", self.lists)  # a folder is no list file
        self.assertEqual(result.returncode, 2)
        report = json.loads(result.stdout.decode("utf-8"))
        self.assertEqual(report["list"], self.lists)
        self.assertIn("Cannot open file", report["error"])

        # No automatic list file beside the program.
        self.assertEqual(self.run_check().returncode, 2)

    def test_usage_errors_exit_2(self):
        for args in (["--bogus"], ["a.shl", "b.shl"], ["--json", "-x"]):
            result = self.run_check(*args)
            self.assertEqual(result.returncode, 2, args)
            self.assertEqual(result.stdout, b"", args)
            self.assertIn(b"Usage: quadrel-check", result.stderr, args)
        result = self.run_check("--help")
        self.assertEqual(result.returncode, 0)
        self.assertIn(b"Usage: quadrel-check", result.stdout)
        # After "--" a name that starts with "-" is a list file.
        self.write_list(os.path.join(self.show, "-odd.shl"), [])
        result = subprocess.run([self.check, "--", "-odd.shl"], env=self.env, cwd=self.show,
                                capture_output=True, timeout=60)
        self.assertEqual(result.returncode, 0, result.stderr)


if __name__ == "__main__":
    unittest.main()
