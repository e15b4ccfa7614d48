"""Helpers for tests that run Windows programs under Wine: paths, a kept-alive wine server.

Every wait polls with a generous time-out; the first start of a prefix takes tens of seconds on
a loaded machine.
"""
import os
import subprocess


def windows_path(path):
    """The Wine path of a Linux path: drive Z: is the Linux root."""
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def wine_env(**extra):
    env = dict(os.environ)
    env.setdefault("WINEDEBUG", "-all")
    # No desktop integration, no mono or gecko prompts: a test prefix needs none of them.
    env["WINEDLLOVERRIDES"] = "winemenubuilder.exe=d;mscoree=d;mshtml=d"
    env.update(extra)
    return env


def run(args, timeout=180, **extra_env):
    """Runs `wine args...` and returns the finished process (text output)."""
    return subprocess.run(["wine", *args], env=wine_env(**extra_env), capture_output=True,
                          timeout=timeout)


class WineServer:
    """Keeps the prefix's wine server running between the many short Wine starts of a test.

    Its desktop process binds to the display of the first start, so a test with windows passes
    DISPLAY here: a server started without one shows no window of any later process."""

    def __init__(self, **env):
        self.env = env

    def __enter__(self):
        # The first start makes the prefix; `wineboot` returns once it is ready.
        subprocess.run(["wineboot", "-i"], env=wine_env(**self.env), stdin=subprocess.DEVNULL,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=600)
        # The server forks into the background; it must not hold our pipes open.
        subprocess.run(["wineserver", "-p"], env=wine_env(**self.env), stdin=subprocess.DEVNULL,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=120)
        return self

    def __exit__(self, *exc):
        for flag, timeout in (("-k", 60), ("-w", 120)):
            subprocess.run(["wineserver", flag], env=wine_env(**self.env), stdin=subprocess.DEVNULL,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=timeout)
