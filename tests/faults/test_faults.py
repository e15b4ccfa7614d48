"""Saves under real faults: a file size limit, SIGKILL at random moments, unwritable targets.

The helper (QUADREL_FAULT_HELPER) saves list files and profiles with the presenter's own code;
each test checks what an operator would find on disk afterwards.
"""
import os
import random
import shutil
import signal
import stat
import subprocess
import tempfile
import time
import unittest

HELPER = os.environ.get("QUADREL_FAULT_HELPER", "")
TEMP_PREFIX = ".quadrel-save-"


def list_bytes(items):
    return b"".join(item + b"\r\n" for item in items)


def parse_list(data):
    """The items of list file bytes, cut as the presenter cuts them."""
    data = data.split(b"\0", 1)[0]
    items, pos = [], 0
    while pos < len(data):
        end = pos
        while end < len(data) and data[end] not in b"\r\n":
            end += 1
        items.append(data[pos:end])
        if end < len(data) and data[end:end + 1] == b"\r":
            end += 1
        if end < len(data) and data[end:end + 1] == b"\n":
            end += 1
        pos = end
    return items


def make_items(count, tag, rng):
    """Items of varied length and bytes (no CR, LF or NUL), as show item paths might be."""
    pool = bytes(b for b in range(1, 256) if b not in (10, 13))
    return [b"%s\\clip %d " % (tag, i) + bytes(rng.choice(pool) for _ in range(rng.randint(0, 40)))
            for i in range(count)]


class Folder:
    """A temporary folder whose listing and file bytes the tests compare before and after."""

    def __init__(self, test):
        self.path = tempfile.mkdtemp(prefix="quadrel-faults-")
        os.chmod(self.path, 0o755)
        test.addCleanup(self.remove)

    def remove(self):
        for root, dirs, _ in os.walk(self.path):
            for name in dirs:
                os.chmod(os.path.join(root, name), 0o755)
        shutil.rmtree(self.path, ignore_errors=True)

    def file(self, name):
        return os.path.join(self.path, name)

    def write(self, name, data):
        with open(self.file(name), "wb") as f:
            f.write(data)
        return self.file(name)

    def read(self, name):
        with open(self.file(name), "rb") as f:
            return f.read()

    def snapshot(self):
        """Every entry below the folder with its bytes (None for folders)."""
        result = {}
        for root, dirs, files in os.walk(self.path):
            for name in dirs:
                result[os.path.relpath(os.path.join(root, name), self.path)] = None
            for name in files:
                full = os.path.join(root, name)
                with open(full, "rb") as f:
                    result[os.path.relpath(full, self.path)] = f.read()
        return result

    def temp_files(self):
        return [name for name in os.listdir(self.path) if name.startswith(TEMP_PREFIX)]


def run_helper(operations, prefix=(), timeout=120):
    """Runs the helper on the operations (tuples of fields); returns its result lines by number."""
    script = "".join("\t".join(str(field) for field in op) + "\n" for op in operations)
    done = subprocess.run([*prefix, HELPER], input=script.encode(), capture_output=True,
                          timeout=timeout)
    if done.returncode != 0:
        raise AssertionError(f"helper ended with {done.returncode}: {done.stderr.decode()}")
    results = {}
    for line in done.stdout.decode("latin-1").splitlines():
        word, _, rest = line.partition(" ")
        number, _, message = rest.partition(" ")
        if word != "start":
            results[int(number)] = (word, message)
    return [results.get(n + 1) for n in range(len(operations))]


class FaultTest(unittest.TestCase):
    faults = 0
    files_checked = 0

    @classmethod
    def setUpClass(cls):
        if not HELPER or not os.access(HELPER, os.X_OK):
            raise unittest.SkipTest("QUADREL_FAULT_HELPER is not set")

    @classmethod
    def tearDownClass(cls):
        print(f"\n{cls.__name__}: {cls.faults} faults injected, {cls.files_checked} files checked")

    def check_file(self, folder, name, expected):
        type(self).files_checked += 1
        self.assertEqual(folder.read(name), expected, f"{name} changed")


class DiskFull(FaultTest):
    """A file size limit (prlimit --fsize) stands for a full disk."""

    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        if not shutil.which("prlimit"):
            raise unittest.SkipTest("prlimit is not installed")

    def limited(self, limit):
        type(self).faults += 1
        return ["prlimit", f"--fsize={limit}"]

    def test_list_save_over_the_limit_keeps_the_old_file(self):
        rng = random.Random(11)
        folder = Folder(self)
        old = list_bytes(make_items(500, b"old", rng))
        new = list_bytes(make_items(5000, b"new", rng))
        small = list_bytes(make_items(3, b"small", rng))
        target = folder.write("show.shl", old)
        source = folder.write("source.lst", new)
        small_source = folder.write("small.lst", small)
        before = folder.snapshot()

        results = run_helper([("list", target, source),
                              ("list", folder.file("fresh.shl"), source),
                              ("list", folder.file("after.shl"), small_source)],
                             prefix=self.limited(len(new) // 2))
        self.assertEqual(results[0], ("error", "Stream write error"))
        self.assertEqual(results[1], ("error", "Stream write error"))
        # The helper goes on, as the presenter does after a failed save.
        self.assertEqual(results[2], ("ok", ""))
        after = folder.snapshot()
        self.assertEqual(after.pop("after.shl"), small)
        self.assertEqual(after, before, "a file changed or a temporary file was left")
        self.check_file(folder, "show.shl", old)
        type(self).files_checked += 2

    def test_the_limit_decides_to_the_byte(self):
        rng = random.Random(12)
        folder = Folder(self)
        old = list_bytes(make_items(10, b"old", rng))
        new = list_bytes(make_items(2000, b"new", rng))
        source = folder.write("source.lst", new)
        target = folder.write("show.shl", old)

        results = run_helper([("list", target, source)], prefix=self.limited(len(new) - 1))
        self.assertEqual(results[0], ("error", "Stream write error"))
        self.check_file(folder, "show.shl", old)
        self.assertEqual(folder.temp_files(), [])

        results = run_helper([("list", target, source)], prefix=self.limited(len(new)))
        self.assertEqual(results[0], ("ok", ""))
        self.check_file(folder, "show.shl", new)
        self.assertEqual(folder.temp_files(), [])

    def test_profile_flush_over_the_limit_keeps_the_old_file(self):
        folder = Folder(self)
        old = b"; the operator's note\r\n[Faults]\r\nKey0=kept\r\nOther=1\r\n"
        target = folder.write("show.INI", old)
        before = folder.snapshot()
        results = run_helper([("profile", target, 1000), ("profile", folder.file("b.INI"), 2)],
                             prefix=self.limited(64 * 1024))
        self.assertEqual(results[0], ("error", "Unable to write to " + target))
        self.assertEqual(results[1], ("ok", ""))
        after = folder.snapshot()
        written = after.pop("b.INI")
        self.assertTrue(written.startswith(b"[Faults]\r\nKey0=value 0"), written[:40])
        self.assertEqual(after, before)
        self.check_file(folder, "show.INI", old)


class Killed(FaultTest):
    """SIGKILL at random moments of a large save: the file is the old list or the new one."""

    ROUNDS = 40

    def start_save(self, target, source):
        proc = subprocess.Popen([HELPER], stdin=subprocess.PIPE, stdout=subprocess.PIPE)
        proc.stdin.write(f"list\t{target}\t{source}\n".encode())
        proc.stdin.close()
        line = proc.stdout.readline()
        self.assertTrue(line.startswith(b"start"), line)
        return proc

    def test_a_killed_save_never_tears_the_file(self):
        rng = random.Random(int(os.environ.get("QUADREL_FAULT_SEED", "2024")))
        folder = Folder(self)
        old_items = make_items(20000, b"old", rng)
        new_items = make_items(30000, b"new", rng)
        old, new = list_bytes(old_items), list_bytes(new_items)
        source = folder.write("source.lst", new)
        target = folder.file("show.shl")

        # One whole save gives the time window the kills are spread over.
        folder.write("show.shl", old)
        began = time.monotonic()
        proc = self.start_save(target, source)
        self.assertTrue(proc.stdout.readline().startswith(b"ok"))
        proc.wait(60)
        proc.stdout.close()
        window = time.monotonic() - began
        self.check_file(folder, "show.shl", new)

        outcomes = {"old": 0, "new": 0}
        left_behind = 0
        for _ in range(self.ROUNDS):
            folder.write("show.shl", old)
            proc = self.start_save(target, source)
            time.sleep(rng.uniform(0, window * 1.2))
            proc.send_signal(signal.SIGKILL)
            proc.wait(60)
            proc.stdout.close()
            type(self).faults += 1
            type(self).files_checked += 1
            data = folder.read("show.shl")
            if data == old:
                outcomes["old"] += 1
            elif data == new:
                outcomes["new"] += 1
            else:
                self.fail(f"torn file of {len(data)} bytes (old {len(old)}, new {len(new)})")
            self.assertIn(parse_list(data), (old_items, new_items))
            # A killed process cannot remove its temporary file; it must never be the target.
            for name in folder.temp_files():
                left_behind += 1
                os.remove(folder.file(name))
        print(f"\nkilled {self.ROUNDS} saves over {window * 1000:.0f} ms: the old list "
              f"{outcomes['old']} times, the new list {outcomes['new']} times, never torn; "
              f"{left_behind} temporary files of killed saves removed")


class Unwritable(FaultTest):
    """Targets that cannot be written: the described error, nothing changed, the helper runs on."""

    def expect_refused(self, folder, operations, errors):
        before = folder.snapshot()
        ok_target = folder.file("proof.shl")
        ok_source = folder.write("proof-source.lst", b"proof\r\n")
        before["proof-source.lst"] = b"proof\r\n"
        results = run_helper(operations + [("list", ok_target, ok_source)])
        type(self).faults += len(operations)
        self.assertEqual(results[:-1], [("error", text) for text in errors])
        self.assertEqual(results[-1], ("ok", ""))
        after = folder.snapshot()
        self.assertEqual(after.pop("proof.shl"), b"proof\r\n")
        self.assertEqual(after, before)
        type(self).files_checked += len(before)

    def test_missing_folder(self):
        folder = Folder(self)
        source = folder.write("source.lst", b"a\r\n")
        target = folder.file(os.path.join("missing", "show.shl"))
        ini = folder.file(os.path.join("missing", "show.INI"))
        self.expect_refused(folder, [("list", target, source), ("profile", ini, 3)],
                            [f'Cannot create file "{target}". No such file or directory',
                             f"Unable to write to {ini}"])

    def test_folder_in_the_files_place(self):
        folder = Folder(self)
        source = folder.write("source.lst", b"a\r\n")
        os.mkdir(folder.file("show.shl"))
        folder.write(os.path.join("show.shl", "inside"), b"kept")
        os.mkdir(folder.file("show.INI"))
        target, ini = folder.file("show.shl"), folder.file("show.INI")
        self.expect_refused(folder, [("list", target, source), ("profile", ini, 3)],
                            [f'Cannot create file "{target}". Is a directory',
                             f"Unable to write to {ini}"])

    def test_dropped_privileges(self):
        prefix = []
        if os.geteuid() == 0:
            setpriv = shutil.which("setpriv")
            if not setpriv:
                self.skipTest("setpriv is not installed")
            prefix = [setpriv, "--reuid=65534", "--regid=65534", "--clear-groups"]
            if subprocess.run([*prefix, "test", "-x", HELPER]).returncode != 0:
                self.skipTest("the unprivileged user cannot reach the helper")
        folder = Folder(self)
        source = folder.write("source.lst", b"new\r\n")
        locked = os.path.join(folder.path, "locked")
        os.mkdir(locked)
        old_list, old_ini = b"old\r\n", b"[Faults]\r\nKey0=old\r\n"
        for name, data in (("show.shl", old_list), ("show.INI", old_ini)):
            with open(os.path.join(locked, name), "wb") as f:
                f.write(data)
        # A read-only file in a folder anyone may write: a rename could replace it, the save
        # must not.
        shared = os.path.join(folder.path, "shared")
        os.mkdir(shared)
        with open(os.path.join(shared, "readonly.shl"), "wb") as f:
            f.write(old_list)
        os.chmod(os.path.join(shared, "readonly.shl"), 0o444)
        os.chmod(shared, 0o777)
        os.chmod(locked, 0o555)
        os.chmod(folder.path, 0o777)
        os.chmod(source, 0o644)

        before = folder.snapshot()
        operations = [("list", os.path.join(locked, "show.shl"), source),
                      ("list", os.path.join(locked, "new.shl"), source),
                      ("profile", os.path.join(locked, "show.INI"), 3),
                      ("list", os.path.join(shared, "readonly.shl"), source),
                      ("list", os.path.join(shared, "fine.shl"), source)]
        results = run_helper(operations, prefix=prefix)
        type(self).faults += 4
        denied = "Permission denied"
        self.assertEqual(results, [
            ("error", f'Cannot create file "{operations[0][1]}". {denied}'),
            ("error", f'Cannot create file "{operations[1][1]}". {denied}'),
            ("error", f"Unable to write to {operations[2][1]}"),
            ("error", f'Cannot create file "{operations[3][1]}". {denied}'),
            ("ok", "")])
        after = folder.snapshot()
        self.assertEqual(after.pop(os.path.join("shared", "fine.shl")), b"new\r\n")
        self.assertEqual(after, before)
        type(self).files_checked += len(before)


if __name__ == "__main__":
    unittest.main()
