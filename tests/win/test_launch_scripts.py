"""Launch scripts written by the program's own writer, run by Wine's own cmd and wscript.

For each video name of the table, a .bat and a .vbs are written by the Windows build of the
writer and opened as the show window opens an item (ShellExecuteEx, which hands a .bat to
`cmd /c` and a .vbs to `wscript`); each starts a stand-in player that logs the arguments it got. Those must be the arguments the writer meant, and the same as what the Linux
launch-script reader makes of the same file. Differences that are known and explained are
listed in KNOWN, with their reason; any other difference fails.
"""
import json
import os
import shutil
import subprocess
import tempfile
import unittest

import wine_tools

BINO_OPTIONS = ["-n", "-c", "-f", "-i", "left-right", "-o", "left-right"]
VARIABLE, VALUE = "QUADREL_DIFF", "expanded"

# Windows file names hold no '"' (nor \ / : * ? < > |); every other case of the table is here.
NAMES = [
    "plain.avi",
    "my clip  two blanks.avi",
    "100%.avi",
    "50% off 20%.avi",
    f"%{VARIABLE}%.avi",
    "%%.avi",
    "a^b^^c.avi",
    "rock & roll.avi",
    "wow!.avi",
    f"!{VARIABLE}!.avi",
    "clip (1).avi",
    ")(.avi",
    "a,b;c=d.avi",
    "it's [x] {y} ~+`.avi",
    "café.avi",
    "Straße ñ Ü.avi",
    "São Paulo.avi",
]

# (name, kind) -> why the two sides or the truth differ. These cases still run and are shown in
# the table with their outcome, so a change in either interpreter or reader is seen; they do not
# fail the test.
KNOWN = {
    (f"%{VARIABLE}%.avi", "bat"):
        "The script is named after the video, and the shell starts a .bat as `cmd /c \"<path>\"`, "
        "where cmd expands %NAME% in the script's own path: with NAME defined, the script is not "
        "found and nothing starts (the show goes on). Windows does the same; the Linux runner "
        "opens the file by its path. The line inside the script is right (% doubled).",
    (f"%{VARIABLE}%.avi", "vbs"):
        "Under Wine the shell expands %NAME% in the script's own path when it starts wscript, so "
        "nothing starts (not checked on Windows). Inside the script, Windows' Script Host expands "
        "%NAME% in the command of WshShell.Run (a .vbs has no escape for %); Wine 8.0's does not "
        "(checked by running wscript on the file directly). The Linux reader expands it as "
        "Windows does (ExpandEnvironmentStrings, see test_script_host_expansion), so here the "
        "reader and Windows agree and Wine is the odd one out.",
}


def run_reader(script):
    env = dict(os.environ)
    env[VARIABLE] = VALUE
    out = subprocess.run([os.environ["QUADREL_SCRIPT_ARGS"], script], env=env,
                         capture_output=True, timeout=60, check=True).stdout
    return json.loads(out)


class LaunchScriptsUnderWine(unittest.TestCase):

    @classmethod
    def setUpClass(cls):
        for need in ("QUADREL_SCRIPT_ARGS", "QUADREL_SCRIPT_TOOL", "QUADREL_PLAYER_EXE"):
            if not os.path.exists(os.environ[need]):
                raise AssertionError(f"{need}={os.environ[need]} is missing (run `make build`)")
        cls.server = wine_tools.WineServer().__enter__()
        cls.folder = tempfile.mkdtemp(prefix="quadrel-scripts-")
        cls.player = os.path.join(cls.folder, "players", "stand in player.exe")
        os.makedirs(os.path.dirname(cls.player))
        shutil.copy2(os.environ["QUADREL_PLAYER_EXE"], cls.player)
        pages = wine_tools.run([os.environ["QUADREL_SCRIPT_TOOL"], "--code-pages"])
        ansi, oem = pages.stdout.decode().split()
        cls.codec = {"vbs": f"cp{ansi}", "bat": f"cp{oem}"}
        cls.results = {}

    @classmethod
    def tearDownClass(cls):
        cls.server.__exit__(None, None, None)
        shutil.rmtree(cls.folder, ignore_errors=True)

    def write_scripts(self, kind):
        videos = os.path.join(self.folder, kind)
        os.makedirs(videos, exist_ok=True)
        paths = [wine_tools.windows_path(os.path.join(videos, n)) for n in NAMES]
        done = wine_tools.run([os.environ["QUADREL_SCRIPT_TOOL"], kind,
                               wine_tools.windows_path(self.player), *paths])
        lines = done.stdout.decode(self.codec["vbs"]).splitlines()
        self.assertEqual(len(lines), len(NAMES), done.stderr.decode(errors="replace"))
        return videos, dict(zip(NAMES, lines))

    def run_scripts(self, kind, scripts):
        """Opens every script in turn, as the show window would; the arguments each started
        player got, or None where nothing started."""
        done = wine_tools.run([os.environ["QUADREL_SCRIPT_TOOL"], "--open",
                               *(wine_tools.windows_path(s) for s in scripts)],
                              timeout=900, QUADREL_PLAYER_MS="0", **{VARIABLE: VALUE})
        self.assertEqual(len(done.stdout.splitlines()), len(scripts),
                         done.stderr.decode(errors="replace"))
        started = {}
        for script in scripts:
            # The shell's process (the interpreter) ends after the player; its log is complete.
            if not os.path.exists(script + ".log"):
                started[script] = None
                continue
            with open(script + ".log", encoding="utf-8") as f:
                events = [json.loads(line) for line in f if line.strip()]
            started[script] = [e["args"] for e in events if e["event"] == "start"]
        return started

    def check_kind(self, kind):
        videos, written = self.write_scripts(kind)
        script_of = {n: os.path.join(videos, n.rsplit(".", 1)[0] + "." + kind) for n in NAMES}
        runs = self.run_scripts(kind, [script_of[n] for n in NAMES if written[n] == "ok"])
        failures = []
        for name in NAMES:
            script = script_of[name]
            if written[name] != "ok":
                # Only a name the console code page cannot hold may be refused, and only in .bat.
                self.assertEqual(kind, "bat", f"{name!r}: {written[name]}")
                self.assertIn("command interpreter cannot read", written[name])
                with self.assertRaises(UnicodeEncodeError, msg=f"{name!r} was refused"):
                    name.encode(self.codec["bat"])
                self.results[(name, kind)] = "refused: " + written[name]
                continue
            started = runs[script]
            reader = run_reader(script)
            linux = None
            if "commands" in reader:
                linux = [[a.encode("latin-1").decode(self.codec[kind]) for a in c["args"][1:]]
                         for c in reader["commands"]]
            truth = [BINO_OPTIONS + [name]]
            agree = started == linux == truth
            self.results[(name, kind)] = "agree" if agree else f"windows {started} linux {linux}"
            if (name, kind) in KNOWN:
                continue
            if not agree:
                failures.append(f"{kind} {name!r}: player got {started}, Linux reader gives "
                                f"{linux or reader}, meant {truth}")
        self.assertEqual(failures, [], "\n".join(failures))

    def test_bat_under_cmd(self):
        self.check_kind("bat")

    def test_vbs_under_wscript(self):
        self.check_kind("vbs")

    def test_zz_table(self):
        # The table of cases, for the log and the closing note.
        for (name, kind), outcome in sorted(self.results.items()):
            note = f"  [known: {KNOWN[(name, kind)]}]" if (name, kind) in KNOWN else ""
            print(f"{kind}  {name!r:32} {outcome}{note}")


if __name__ == "__main__":
    unittest.main()
