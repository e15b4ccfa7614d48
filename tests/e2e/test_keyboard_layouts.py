"""Commands follow the key, not the character it types: real key presses by key code under the
xkb layouts de, fr, ru and us, the keypad with NumLock on and off, with Shift and Ctrl.

Keys are sent by key code through the XTest extension (libXtst through ctypes), as a keyboard
sends them; xdotool would look a key up by the character and so choose the key for us.
"""
import ctypes
import os
import stat
import subprocess
import unittest

from quadrel_e2e import E2ETestCase, wait_for

# xkb key codes (evdev) of the positions used here.
KEY = {"1": 10, "4": 13, "6": 15, "9": 18, "0": 19, "L": 46, "X": 53, "space": 65,
       "Escape": 9, "Shift": 50, "Control": 37, "KP6": 85, "KP4": 83}
MOD2_NUMLOCK = 0x10
XKB_USE_CORE_KBD = 0x100


class Keyboard:
    """Key presses by key code on one X display."""

    def __init__(self, display):
        self.x11 = ctypes.CDLL("libX11.so.6")
        self.xtst = ctypes.CDLL("libXtst.so.6")
        self.x11.XOpenDisplay.restype = ctypes.c_void_p
        self.x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self.x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
        self.x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
        self.x11.XkbLockModifiers.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_uint,
                                              ctypes.c_uint]
        self.xtst.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int,
                                                ctypes.c_ulong]
        self.display = self.x11.XOpenDisplay(display.encode())
        if not self.display:
            raise RuntimeError(f"cannot open display {display}")

    def close(self):
        self.x11.XCloseDisplay(self.display)

    def press(self, key, *modifiers):
        codes = [KEY[m] for m in modifiers]
        for code in codes:
            self.xtst.XTestFakeKeyEvent(self.display, code, 1, 0)
        self.xtst.XTestFakeKeyEvent(self.display, KEY[key], 1, 0)
        self.xtst.XTestFakeKeyEvent(self.display, KEY[key], 0, 0)
        for code in reversed(codes):
            self.xtst.XTestFakeKeyEvent(self.display, code, 0, 0)
        self.x11.XSync(self.display, 0)

    def numlock(self, on):
        self.x11.XkbLockModifiers(self.display, XKB_USE_CORE_KBD, MOD2_NUMLOCK,
                                  MOD2_NUMLOCK if on else 0)
        self.x11.XSync(self.display, 0)


class KeyboardLayouts(E2ETestCase):
    ITEMS = ["a", "b", "c", "d", "e"]

    def setUp(self):
        self.keyboard = Keyboard(self.xvfb.display)
        self.addCleanup(self.keyboard.close)
        self.addCleanup(self.layout, "us")
        self.addCleanup(self.keyboard.numlock, False)

    def layout(self, name):
        subprocess.run(["setxkbmap", "-display", self.xvfb.display, "-layout", name], check=True,
                       timeout=60)

    def start(self, layout):
        """The program with five logging items a..e, its show window focused, under `layout`."""
        listing = b"".join(f"{name}.sh\r\n".encode() for name in self.ITEMS)
        program = self.program(files={"quadrel.LST": listing})
        self.log = program.path("starts.log")
        for name in self.ITEMS:
            path = program.write(f"{name}.sh", f"#!/bin/sh\necho {name} >> '{self.log}'\n")
            os.chmod(path, os.stat(path).st_mode | stat.S_IXUSR)
        self.layout(layout)
        window = self.start_show(program)
        program.focus(window)
        return program, window

    def starts(self):
        if not os.path.exists(self.log):
            return []
        with open(self.log) as f:
            return f.read().split()

    def play_expecting(self, *names):
        """SPACE, then waits until the items started so far are `names`."""
        self.keyboard.press("space")
        wait_for(lambda: self.starts() == list(names), timeout=60,
                 what=f"the starts {list(names)} (so far {self.starts()})")

    def test_german_shifted_digits_are_their_digits(self):
        program, window = self.start("de")
        self.keyboard.press("9", "Shift")  # types ")": no command
        self.keyboard.press("6", "Shift")  # types "&": next item
        self.play_expecting("b")
        self.keyboard.press("0", "Shift")  # types "=": end of the show
        self.keyboard.press("4", "Shift")  # types "$": previous item, the last one
        self.play_expecting("b", "e")

    def test_french_digit_row_acts_without_shift(self):
        program, window = self.start("fr")
        self.keyboard.press("6")  # types "-"
        self.keyboard.press("6")
        self.keyboard.press("4")  # types "'"
        self.play_expecting("b")
        self.keyboard.press("0")  # types a-grave: end of the show
        self.keyboard.press("4")
        self.play_expecting("b", "e")
        self.keyboard.press("1")  # types "&": first item
        self.play_expecting("b", "e", "a")

    def test_russian_letters_act_by_their_position(self):
        program, window = self.start("ru")
        self.keyboard.press("L", "Control")  # types Cyrillic de: the show list window
        setup = program.find_window("File list$", timeout=60)
        program.focus(setup)
        self.keyboard.press("X")  # the show list window closes on X by the key as well
        wait_for(lambda: program.window_gone("File list$"), timeout=60,
                 what="the show list window to close")
        program.focus(window)
        self.keyboard.press("X")  # types Cyrillic che: save and exit
        wait_for(lambda: not program.running(), timeout=60, what="the program to end")
        self.assertTrue(os.path.exists(program.path("quadrel.INI")))

    def test_keypad_digits_need_numlock_off_to_step(self):
        program, window = self.start("us")
        self.keyboard.numlock(True)
        self.keyboard.press("KP6")  # keypad 6: no command
        self.keyboard.press("KP6")
        self.play_expecting("a")
        self.keyboard.numlock(False)
        self.keyboard.press("KP6")  # the Right arrow
        self.keyboard.press("6", "Control")
        self.play_expecting("a", "d")
        self.keyboard.press("KP4")  # the Left arrow
        self.keyboard.press("6", "Shift")  # types "^" on us
        self.play_expecting("a", "d", "e")


if __name__ == "__main__":
    unittest.main()
