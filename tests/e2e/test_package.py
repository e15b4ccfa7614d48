"""The package unpacks into a folder of its own and runs from there."""
import os
import subprocess
import tarfile
import tempfile
import unittest

from quadrel_e2e import E2ETestCase, Program, wait_for


class Package(E2ETestCase):
    def unpack(self):
        target = tempfile.mkdtemp(prefix="quadrel-package ")  # a blank in the folder name
        self.addCleanup(subprocess.run, ["rm", "-rf", target])
        with tarfile.open(os.environ["QUADREL_PACKAGE"]) as archive:
            archive.extractall(target)
        (top,) = os.listdir(target)
        return os.path.join(target, top)

    def test_unpacked_program_starts_and_writes_its_files_beside_itself(self):
        folder = self.unpack()
        for name in ["quadrel", "quadrel-check", "quadrel.svg", "quadrel.desktop", "README.md", "LICENSE",
                     "io.github.quadrel.Quadrel.metainfo.xml", "install-desktop-entry.sh"]:
            self.assertTrue(os.path.exists(os.path.join(folder, name)), name)
        program = Program(self.xvfb)
        self.addCleanup(program.stop)
        program.exe = os.path.join(folder, "quadrel")  # run the unpacked one, in place
        program.start()
        window = program.find_window("^Quadrel V0.38$")
        program.key(window, "Escape")
        wait_for(lambda: not program.running(), what="the program to end")
        self.assertEqual(program.proc.returncode, 0)
        for ext in [".INI", ".LNG", ".LST"]:
            self.assertTrue(os.path.isfile(os.path.join(folder, "quadrel" + ext)), ext)

    def test_desktop_entry_helper_installs_and_removes(self):
        folder = self.unpack()
        home = tempfile.mkdtemp(prefix="quadrel-home-")
        self.addCleanup(subprocess.run, ["rm", "-rf", home])
        env = dict(os.environ, HOME=home)
        env.pop("XDG_DATA_HOME", None)
        script = os.path.join(folder, "install-desktop-entry.sh")
        subprocess.run([script], env=env, check=True, capture_output=True)
        entry = os.path.join(home, ".local/share/applications/quadrel.desktop")
        with open(entry) as f:
            text = f.read()
        self.assertIn(f'Exec="{folder}/quadrel"', text)
        self.assertIn("Icon=" + os.path.join(home, ".local/share/icons/hicolor/scalable/apps/quadrel.svg"),
                      text)
        subprocess.run([script, "--remove"], env=env, check=True, capture_output=True)
        self.assertFalse(os.path.exists(entry))


if __name__ == "__main__":
    unittest.main()
