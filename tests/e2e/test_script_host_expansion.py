"""The launch-script reader expands a .vbs Run command line as Windows Script Host does: the same
command line given to Wine's Script Host (wscript) and to the presenter, which runs the .vbs item
on Linux, must give the player the same arguments."""
import os
import shutil
import stat
import subprocess
import tempfile
import unittest

from quadrel_e2e import E2ETestCase, wait_for

# The Run text as the .vbs holds it (VBScript doubles its quotes); %QV% is defined, %NOPE% not.
RUN_TEXT = '""players\\pl%QV%.sh"" ""a%QV%b.avi"" %NOPE% %NOPE%QV% 100%% 50% x%QV%%QV%'


def windows_split(line):
    """Splits a command line with the Windows start-up rules, for the plain cases used here."""
    args, current, quoted, any_char = [], "", False, False
    for ch in line:
        if ch == '"':
            quoted, any_char = not quoted, True
        elif ch == " " and not quoted:
            if any_char:
                args.append(current)
            current, any_char = "", False
        else:
            current, any_char = current + ch, True
    if any_char:
        args.append(current)
    return args


@unittest.skipUnless(shutil.which("wine"), "Wine is not installed")
class ScriptHostExpansion(E2ETestCase):
    def script_host_expansion(self, env):
        """What Wine's Script Host makes of RUN_TEXT (Run expands it as ExpandEnvironmentStrings)."""
        folder = tempfile.mkdtemp(prefix="quadrel-wsh-")
        self.addCleanup(shutil.rmtree, folder, True)
        script = os.path.join(folder, "expand.vbs")
        with open(script, "w", newline="") as f:
            f.write('Set sh = WScript.CreateObject("WScript.Shell")\r\n'
                    'Set fso = CreateObject("Scripting.FileSystemObject")\r\n'
                    'Set f = fso.CreateTextFile("out.txt", True)\r\n'
                    f'f.Write sh.ExpandEnvironmentStrings("{RUN_TEXT}")\r\n'
                    'f.Close\r\n')
        wine_env = dict(env, WINEDEBUG="-all", DISPLAY="")
        # A prefix kept between runs: making one takes Wine a while.
        wine_env.setdefault("WINEPREFIX", os.path.join(tempfile.gettempdir(),
                                                       f"quadrel-e2e-wine-{os.getuid()}"))
        subprocess.run(["wine", "wscript", "expand.vbs"], cwd=folder, env=wine_env, timeout=240,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        out = os.path.join(folder, "out.txt")
        wait_for(lambda: os.path.exists(out), timeout=60, what="Script Host's output")
        with open(out, encoding="latin-1") as f:
            # Wine's ExpandEnvironmentStrings of WScript.Shell keeps the string's terminating NUL.
            return f.read().rstrip("\x00").strip()

    def test_vbs_run_line_expands_like_script_host(self):
        os.environ["QV"] = "2"
        os.environ.pop("NOPE", None)
        self.addCleanup(os.environ.pop, "QV", None)
        expanded = self.script_host_expansion(dict(os.environ))
        self.assertTrue(expanded.startswith('"players\\pl2.sh"'), expanded)
        expected = windows_split(expanded)[1:]

        program = self.program(files={"quadrel.LST": b"clips\\film.vbs\r\n"})
        log = program.path("args.log")
        player = program.write("clips/players/pl2.sh",
                               f"#!/bin/sh\nfor a in \"$@\"; do echo \"$a\" >> '{log}'; done\n"
                               f"echo done >> '{log}'\n")
        os.chmod(player, os.stat(player).st_mode | stat.S_IXUSR)
        program.write("clips/film.vbs",
                      'Set WshShell = WScript.CreateObject("WScript.Shell")\r\n'
                      f'return=WshShell.Run("{RUN_TEXT}", 1, true)\r\n')
        window = self.start_show(program)
        program.key(window, "space")
        wait_for(lambda: os.path.exists(log) and open(log).read().endswith("done\n"), timeout=60,
                 what="the player to run")
        with open(log) as f:
            self.assertEqual(f.read().splitlines()[:-1], expected)
        self.assertEqual(expected, ["a2b.avi", "%NOPE%", "%NOPE%QV%", "100%%", "50%", "x22"])


if __name__ == "__main__":
    unittest.main()
