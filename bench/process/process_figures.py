"""Figures taken from outside the process, the same way for Quadrel and for its baseline.

Prints one JSON object per figure: {"figure", "ours", "baseline", "unit", "kind", "target"}
where kind is "ratio" (ours / baseline <= target) or "overhead" (ours - baseline <= target) or
"plus" (ours <= baseline + target).
"""
import json
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "tests", "e2e"))
from quadrel_e2e import Program, Xvfb, wait_for  # noqa: E402
import remote_figures  # noqa: E402

RUNS = int(os.environ.get("BENCH_RUNS", "5"))
# A play costs a fraction of a second, and the first one of a session (cold caches) is an
# outlier of tens of milliseconds: more runs keep the median clear of it.
PLAY_RUNS = 3 * RUNS


def list_bytes(count):
    return b"".join(b"clips\\item %06d.avi\r\n" % i for i in range(count))


def visible(program, title):
    return program.xdotool("search", "--onlyvisible", "--name", title, check=False)


def start_and_wait(program, exe, title, first_frame):
    """Seconds from spawn to the window's first frame, the process and its window.

    The first frame is the first drawing into the mapped window, reported by the X server's
    DAMAGE extension to `first_frame`, which listens before the program starts: nothing polls
    while the program starts, so the measure neither slows it nor rounds its time.
    """
    watcher = subprocess.Popen([first_frame, title, "60"], env=program.env(),
                               stdout=subprocess.PIPE, text=True)
    if watcher.stdout.readline().strip() != "ready":
        raise RuntimeError("the first-frame watcher did not start")
    t0 = time.monotonic()
    proc = subprocess.Popen([exe], cwd="/", env=program.env(), stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)
    report = dict(line.split() for line in watcher.stdout.read().splitlines() if line)
    if watcher.wait() != 0 or "frame" not in report:
        raise RuntimeError(f"no first frame of {title!r}")
    window = wait_for(lambda: visible(program, "^" + title), timeout=60, what=title)
    return float(report["frame"]) - t0, proc, window.split()[0]


def close_and_rss(program, proc, window):
    """Closes the window with ESC and returns the peak resident memory in KiB."""
    program.key(window, "Escape")
    _, status, usage = os.wait4(proc.pid, 0)
    proc.returncode = status
    return usage.ru_maxrss


def start_and_memory(xvfb, minimal, first_frame):
    starts_ours, starts_base, rss_ours, rss_base = [], [], [], []
    for _ in range(RUNS):
        program = Program(xvfb, files={"quadrel.LST": list_bytes(10_000)})
        try:
            seconds, proc, window = start_and_wait(program, program.exe, "Quadrel V", first_frame)
            starts_ours.append(seconds)
            close_and_rss(program, proc, window)
        finally:
            program.stop()
        program = Program(xvfb, files={"quadrel.LST": list_bytes(100_000)})
        try:
            _, proc, window = start_and_wait(program, program.exe, "Quadrel V", first_frame)
            time.sleep(0.5)  # let the first activation finish loading before measuring
            rss_ours.append(close_and_rss(program, proc, window))
            seconds, proc, window = start_and_wait(program, minimal, "Minimal window", first_frame)
            starts_base.append(seconds)
            rss_base.append(close_and_rss(program, proc, window))
        finally:
            program.stop()
    yield dict(figure="start to first frame, 10,000 items", ours=statistics.median(starts_ours) * 1000,
               baseline=statistics.median(starts_base) * 1000, unit="ms", kind="ratio", target=1.5)
    yield dict(figure="peak memory after start, 100,000 items", ours=max(rss_ours) / 1024,
               baseline=max(rss_base) / 1024, unit="MiB", kind="plus", target=15)


STARTED_SCRIPT = """#!/bin/sh
date +%s.%N >> "$(dirname "$0")/started.txt"
"""


def play_latency(xvfb):
    ours, base = [], []
    program = Program(xvfb, files={"quadrel.LST": b"item.sh\r\n"})
    try:
        script = program.write("item.sh", STARTED_SCRIPT)
        os.chmod(script, 0o755)
        started = program.path("started.txt")
        program.start()
        window = program.find_window("^Quadrel V")
        for run in range(PLAY_RUNS):
            program.key(window, "1")
            time.sleep(0.3)
            t0 = time.time()
            program.xdotool("key", "space")
            wait_for(lambda: os.path.exists(started) and
                     len(open(started).read().split()) == run + 1, what="the item to start")
            ours.append(float(open(started).read().split()[-1]) - t0)
        os.remove(started)
        for run in range(PLAY_RUNS):
            # The same cost of starting xdotool and one X round trip as the key press above.
            t0 = time.time()
            program.xdotool("getwindowfocus")
            pid = os.posix_spawn(script, [script], dict(os.environ))
            os.waitpid(pid, 0)
            base.append(float(open(started).read().split()[-1]) - t0)
    finally:
        program.stop()
    yield dict(figure="play key to the item running", ours=statistics.median(ours) * 1000,
               baseline=statistics.median(base) * 1000, unit="ms", kind="overhead", target=10)


LOGGING_ITEM = """#!/bin/sh
echo "start $(date +%s.%N)" >> "$(dirname "$0")/show.log"
sleep 0.2
echo "end $(date +%s.%N)" >> "$(dirname "$0")/show.log"
"""


def continuous_pause(xvfb):
    files = {"quadrel.LST": b"a.sh\r\nb.sh\r\nc.sh\r\n",
             "quadrel.INI": b"[Setup Parameters]\r\nContinuous=1\r\nLoop=0\r\n"}
    program = Program(xvfb, files=files)
    try:
        for name in ("a.sh", "b.sh", "c.sh"):
            os.chmod(program.write(name, LOGGING_ITEM), 0o755)
        program.start()
        window = program.find_window("^Quadrel V")
        program.key(window, "space")
        log = program.path("show.log")
        wait_for(lambda: os.path.exists(log) and open(log).read().count("end") == 3,
                 timeout=60, what="three items")
        events = [line.split() for line in open(log).read().splitlines()]
        pauses = [float(events[i + 1][1]) - float(events[i][1])
                  for i in range(1, len(events) - 1, 2)]
    finally:
        program.stop()
    # The baseline: the same scripts started 1500 ms after each other's end by a plain loop, so
    # the scripts' own start-up and time-stamping count on both sides.
    folder = tempfile.mkdtemp(prefix="quadrel-bench-pause-")
    try:
        base_log = os.path.join(folder, "show.log")
        for name in ("a.sh", "b.sh", "c.sh"):
            script = os.path.join(folder, name)
            with open(script, "w") as f:
                f.write(LOGGING_ITEM)
            os.chmod(script, 0o755)
        for i, name in enumerate(("a.sh", "b.sh", "c.sh")):
            if i:
                time.sleep(1.5)
            subprocess.run([os.path.join(folder, name)], check=True)
        events = [line.split() for line in open(base_log).read().splitlines()]
        base_pauses = [float(events[i + 1][1]) - float(events[i][1])
                       for i in range(1, len(events) - 1, 2)]
    finally:
        shutil.rmtree(folder, ignore_errors=True)
    yield dict(figure="pause between items (continuous)", ours=statistics.median(pauses) * 1000,
               baseline=statistics.median(base_pauses) * 1000, unit="ms", kind="overhead",
               target=20)


def main():
    minimal = sys.argv[1]
    first_frame = os.path.join(os.path.dirname(os.path.abspath(minimal)), "first_frame")
    with Xvfb() as xvfb:
        measures = [("start and memory", lambda: start_and_memory(xvfb, minimal, first_frame)),
                    ("play key to the item running", lambda: play_latency(xvfb)),
                    ("pause between items (continuous)", lambda: continuous_pause(xvfb)),
                    ("remote play", lambda: remote_figures.play_by_osc(xvfb, PLAY_RUNS)),
                    ("remote push", lambda: remote_figures.push_after_end(xvfb, RUNS)),
                    ("remote flood", lambda: remote_figures.keys_during_flood(xvfb, RUNS))]
        only = os.environ.get("BENCH_ONLY")  # e.g. "start": one figure while working on it
        for name, measure in measures:
            if only and only not in name:
                continue
            try:
                for row in measure():
                    print(json.dumps(row), flush=True)
            except Exception as error:  # a figure that cannot be taken is reported, not hidden
                print(json.dumps(dict(figure=name, error=str(error))), flush=True)


if __name__ == "__main__":
    main()
