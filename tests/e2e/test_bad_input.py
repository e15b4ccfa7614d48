"""Hostile files beside the program: it starts, shows its window, closes on ESC, and what it
writes back is well formed, with every line it does not know kept."""
import os
import random
import re
import unittest

from quadrel_e2e import E2ETestCase, wait_for

TEMP_PREFIX = ".quadrel-save-"
MB = 1024 * 1024


def split_lines(data):
    """Lines of a profile file as the program cuts them: CR LF, LF or a lone CR end a line."""
    lines = re.split(rb"\r\n|\n|\r", data)
    if lines and lines[-1] == b"":
        lines.pop()
    return lines


def list_items(data):
    """The items of list file bytes: a NUL ends the list, CR LF, CR, LF each end one line."""
    data = data.split(b"\0", 1)[0]
    if not data:
        return []
    items = re.split(rb"\r\n|\r|\n", data)
    if data.endswith((b"\r", b"\n")):
        items.pop()
    return items


def sections(data):
    """Section name (lower case) -> {key (lower case): raw value} of the first of each name."""
    result, current = {}, None
    for line in split_lines(data):
        text = line.strip(b" \t")
        if text.startswith(b"[") and b"]" in text:
            name = text[1:text.index(b"]")].strip(b" \t").lower()
            current = None if name in result else result.setdefault(name, {})
        elif current is not None and b"=" in text and not text.startswith(b";"):
            key, _, value = text.partition(b"=")
            current.setdefault(key.strip(b" \t").lower(), value)
    return result


def random_bytes(rng, size):
    return rng.randbytes(size)


class BadInput(E2ETestCase):
    def run_program(self, files, warning=False):
        """Starts the program on the files, checks its window, answers the warning it must give
        at start (if `warning`), presses ESC; returns the program."""
        program = self.program(files=files)
        window = self.start_show(program)
        if warning:
            box = program.find_window("^quadrel$", timeout=60)
            program.key(box, "Return")
            wait_for(lambda: program.window_gone("^quadrel$"), timeout=60, what="the warning to close")
        program.key(window, "Escape")
        try:
            wait_for(lambda: not program.running(), timeout=240, what="the program to end")
        except AssertionError:
            boxes = program.xdotool("search", "--onlyvisible", "--name", "^quadrel$", check=False)
            self.fail(f"the program did not end (message box: {bool(boxes)})")
        self.assertEqual(program.proc.returncode, 0)
        self.assertEqual([n for n in os.listdir(program.folder) if n.startswith(TEMP_PREFIX)], [],
                         "a temporary file was left")
        return program

    def check_profile(self, original, written, keys):
        """`written` keeps every line of `original` that is no key line, in order; each line it
        adds is a section header, a blank line or a key line ended by CR LF; `keys` (section,
        key) pairs are all present. A file the program left as it was passes as it stands."""
        if written == original:
            return
        kept = iter(split_lines(written))
        for line in split_lines(original):
            if b"=" in line:
                continue  # a key line: the program may have replaced its value
            for candidate in kept:
                if candidate == line:
                    break
            else:
                self.fail(f"a line of the original is missing: {line[:60]!r}")
        known = set(split_lines(original))
        for line in split_lines(written):
            if line not in known:
                self.assertTrue(line == b"" or line.startswith(b"[") or b"=" in line, line[:60])
        found = sections(written)
        for section, key in keys:
            self.assertIn(key.lower(), found.get(section.lower(), {}), (section, key))

    SETTINGS_KEYS = [(b"Ini Parameters", b"File Info"), (b"Setup Parameters", b"Loop"),
                     (b"Bino", b"VideoInput"), (b"SPlayer", b"Parallax"), (b"Floating", b"Value")]
    LANGUAGE_KEYS = [(b"Screen", b"Help"), (b"Setup", b"Window")]

    def test_random_bytes_and_a_list_of_100_mb(self):
        rng = random.Random(1)
        ini = random_bytes(rng, 256 * 1024)
        lng = random_bytes(rng, 256 * 1024)
        # Without NUL bytes every one of the 100 MB counts (a NUL would end the list).
        lst = os.urandom(100 * MB).replace(b"\0", b"\1")
        program = self.run_program({"quadrel.INI": ini, "quadrel.LNG": lng, "quadrel.LST": lst})

        items = list_items(lst)
        written = program.read("quadrel.LST")
        self.assertEqual(len(written), sum(len(item) + 2 for item in items))
        self.assertEqual(written, b"".join(item + b"\r\n" for item in items))
        self.check_profile(ini, program.read("quadrel.INI"), self.SETTINGS_KEYS)
        self.check_profile(lng, program.read("quadrel.LNG"), self.LANGUAGE_KEYS)
        print(f"\nlist of {len(lst)} bytes: {len(items)} items written back")

    def test_nul_bytes_and_a_10_mb_line(self):
        long_line = b"x" * (10 * MB)
        ini = (b"[Ini Parameters]\r\nFile Info=1\0garbage\r\n; a note\0kept\r\n"
               b"[Bino]\r\nBinoLocation=C:\\Players\\bino\0.exe\r\n" + long_line + b"\r\n"
               b"CrossTalkR=" + long_line + b"\r\n\0\0\0\r\n[Floating]\r\nValue=1\r\n")
        lng = (b"[Screen]\r\nHelp=H\0elp\r\n" + long_line + b"\r\nExit=" + long_line + b"\r\n"
               b"[Setup]\r\nWindow=Show\0list\r\n")
        lst = b"a\r\nb\0c\r\nd\r\n"
        # The list ends at its NUL: the operator is warned, and the whole file is kept beside it.
        program = self.run_program({"quadrel.INI": ini, "quadrel.LNG": lng, "quadrel.LST": lst},
                                   warning=True)

        self.assertEqual(program.read("quadrel.LST"), b"a\r\nb\r\n")
        self.assertEqual(program.read("quadrel.LST.nul-cut"), lst)
        written_ini = program.read("quadrel.INI")
        self.check_profile(ini, written_ini, self.SETTINGS_KEYS)
        if written_ini != ini:
            # A value longer than a read returns comes back cut to 2047 characters.
            self.assertEqual(sections(written_ini)[b"bino"][b"crosstalkr"], b"x" * 2047)
        self.check_profile(lng, program.read("quadrel.LNG"), self.LANGUAGE_KEYS)

    def test_100000_sections(self):
        rng = random.Random(3)
        names = [b"Bino", b"bino", b"SPLAYER", b"Screen", b"Setup", b"other"]
        def many():
            out = []
            for i in range(100000):
                name = rng.choice(names) if i % 1000 == 0 else b"S%d" % i
                out.append(b"[%s]\r\nKey%d=%d\r\n" % (name, i % 7, i))
            return b"".join(out)
        ini, lng = many(), many()
        program = self.run_program({"quadrel.INI": ini, "quadrel.LNG": lng})

        self.assertEqual(program.read("quadrel.LST"), b"")
        written_ini = program.read("quadrel.INI")
        self.check_profile(ini, written_ini, self.SETTINGS_KEYS)
        self.check_profile(lng, program.read("quadrel.LNG"), self.LANGUAGE_KEYS)
        # Sections the file already had are updated in place, not added a second time.
        self.assertEqual(written_ini.count(b"\r\n[Bino]\r\n") + written_ini.count(b"\r\n[bino]\r\n"),
                         ini.count(b"\r\n[Bino]\r\n") + ini.count(b"\r\n[bino]\r\n"))


if __name__ == "__main__":
    unittest.main()
