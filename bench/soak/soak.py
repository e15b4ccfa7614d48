"""The long-show soak: a continuous show with Loop All over quick items under Xvfb for a set
time, sampling the presenter's resident memory, open file descriptors and threads every few
seconds, and taking the pause between items from its show journal.

Usage: QUADREL_BIN=build/bin/quadrel python3 bench/soak/soak.py [--seconds N] [--out FILE]
(SOAK_SECONDS in the environment also sets the time; default 600 s.)

The list mixes items that end well, items that end with an error status, a launch script and
missing items; the message box of a missing item is answered as an operator would (Return).
Prints the samples, the growth per 1,000 items played (least squares over the samples after a
warm-up) and the spread of the pause against 1500 ms; exits 1 when a figure misses its goal.
"""
import argparse
import os
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "tests", "e2e"))
from quadrel_e2e import Program, Xvfb, wait_for  # noqa: E402

PAUSE_MS = 1500
PAUSE_GOAL_MS = 20
SAMPLE_SECONDS = 5
WARM_UP = 0.2  # the first fifth of the samples: caches, fonts and the first message box settle
# Growth per 1,000 items that still counts as noise: a page or two of allocator slack.
RSS_NOISE_KB = 256

ITEMS = [
    ("ok1.sh", "exit 0"), ("err1.sh", "exit 1"), ("ok2.sh", "exit 0"), ("missing1.avi", None),
    ("clips\\ok3.sh", "exit 0"), ("err2.sh", "exit 7"), ("launch.bat", "bat"),
    ("ok4.sh", "sleep 0.05; exit 0"), ("clips\\missing2.sh", None), ("ok5.sh", "exit 0"),
    ("err3.sh", "kill -TERM $$"), ("ok6.sh", "exit 0"),
]


class JournalTail:
    """Reads the journal's new lines as they come, across a roll-over to quadrel.log.1."""

    def __init__(self, path):
        self.path, self.inode, self.offset, self.rest = path, None, 0, b""

    def _read(self, path, offset):
        try:
            with open(path, "rb") as f:
                f.seek(offset)
                return f.read()
        except OSError:
            return b""

    def lines(self):
        try:
            inode = os.stat(self.path).st_ino
        except OSError:
            return []
        data = b""
        if self.inode is not None and inode != self.inode:
            older = self.path + ".1"
            if os.path.exists(older) and os.stat(older).st_ino == self.inode:
                data += self._read(older, self.offset)
            self.offset = 0
        self.inode = inode
        new = self._read(self.path, self.offset)
        self.offset += len(new)
        data = self.rest + data + new
        *complete, self.rest = data.split(b"\n")
        return [line.split(b"\t", 5) for line in complete if line]


def clock_ms(fields):
    day, moment = fields[0].decode().split(" ")
    h, m, s = moment.split(":")
    return (int(h) * 3600 + int(m) * 60) * 1000 + round(float(s) * 1000), day


def sample(pid):
    with open(f"/proc/{pid}/status") as f:
        status = dict(line.split(":", 1) for line in f if ":" in line)
    rss_kb = int(status["VmRSS"].split()[0])
    threads = int(status["Threads"])
    fds = len(os.listdir(f"/proc/{pid}/fd"))
    return rss_kb, fds, threads


def slope_per_1000(points):
    """Least-squares growth of y per 1,000 x."""
    if len(points) < 2:
        return 0.0
    xs, ys = [p[0] for p in points], [p[1] for p in points]
    mx, my = statistics.fmean(xs), statistics.fmean(ys)
    sxx = sum((x - mx) ** 2 for x in xs)
    if sxx == 0:
        return 0.0
    return 1000 * sum((x - mx) * (y - my) for x, y in zip(xs, ys)) / sxx


def answer(program, box):
    """Return in a message box, typed as on a keyboard (the box focused, the key through the
    XTEST extension). A key sent to the window with XSendEvent instead made this Qt repeat
    Return to the show window without end, so that items followed each other without a pause;
    a real keyboard does not do that."""
    try:
        program.key(box, "Return")
    except AssertionError:
        pass  # the box went before it took the keyboard


def make_program(xvfb):
    listing = b"".join(item.encode() + b"\r\n" for item, _ in ITEMS)
    settings = b"[Setup Parameters]\r\nContinuous=1\r\nLoop=1\r\n"
    program = Program(xvfb, files={"quadrel.LST": listing, "quadrel.INI": settings})
    for item, body in ITEMS:
        if body is None:
            continue
        rel = item.replace("\\", "/")
        if body == "bat":
            program.write(rel, '"/bin/true" --soak\r\n')
            continue
        path = program.write(rel, f"#!/bin/sh\n{body}\n")
        os.chmod(path, 0o755)
    return program


def run(seconds, out):
    report = []
    def say(text=""):
        print(text, flush=True)
        report.append(text)

    with Xvfb(width=1280, height=1024) as xvfb:
        program = make_program(xvfb)
        try:
            program.start()
            window = program.find_window("^Quadrel V")
            program.key(window, "space")
            tail = JournalTail(program.path("quadrel.log"))
            started = ended = failed = 0
            last_end = None  # (ms, day) of the last "item ended" not yet followed by a start
            pauses = []
            late = []  # (seconds into the soak, items, ms off, load average) of missed pauses
            samples = []
            t0 = time.monotonic()
            next_sample = t0
            say(f"soak: {seconds} s, {len(ITEMS)} items in the list, sampling every "
                f"{SAMPLE_SECONDS} s")
            say("| s | items | RSS KiB | fds | threads | load |")
            say("|---:|---:|---:|---:|---:|---:|")
            while True:
                now = time.monotonic()
                if not program.running():
                    raise AssertionError("the presenter ended during the soak")
                # A missing item's message box: answered as the operator would.
                boxes = program.xdotool("search", "--onlyvisible", "--name", "^quadrel$",
                                        check=False).split()
                for box in boxes:
                    answer(program, box)
                for fields in tail.lines():
                    event = fields[1]
                    if event == b"item started":
                        started += 1
                        if last_end is not None:
                            when, day = clock_ms(fields)
                            if day == last_end[1]:
                                pauses.append(when - last_end[0])
                                if abs(pauses[-1] - PAUSE_MS) > PAUSE_GOAL_MS:
                                    late.append((round(now - t0), started, pauses[-1] - PAUSE_MS,
                                                 os.getloadavg()[0]))
                        last_end = None
                    elif event == b"item ended":
                        ended += 1
                        last_end = clock_ms(fields)
                    elif event == b"item failed":
                        failed += 1
                        last_end = None  # the pause after a message box is the operator's
                if now >= next_sample:
                    rss, fds, threads = sample(program.proc.pid)
                    samples.append((started, rss, fds, threads))
                    say(f"| {now - t0:.0f} | {started} | {rss} | {fds} | {threads} | "
                        f"{os.getloadavg()[0]:.2f} |")
                    next_sample += SAMPLE_SECONDS
                if now - t0 >= seconds:
                    break
                time.sleep(0.25)

            program.key(window, "a")
            # The show may have stopped on a missing item: its box is answered first.
            def no_box():
                boxes = program.xdotool("search", "--onlyvisible", "--name", "^quadrel$",
                                        check=False).split()
                for box in boxes:
                    answer(program, box)
                return not boxes
            wait_for(no_box, timeout=30, interval=0.5, what="no message box")
            program.key(window, "Escape")
            wait_for(lambda: not program.running(), timeout=60, what="the presenter to end")
            listing = program.read("quadrel.LST")
        finally:
            program.stop()

    steady = samples[int(len(samples) * WARM_UP):]
    growth = {name: slope_per_1000([(s[0], s[i]) for s in steady])
              for i, name in ((1, "rss"), (2, "fds"), (3, "threads"))}
    deviations = [p - PAUSE_MS for p in pauses]
    say()
    say(f"items started: {started}, ended: {ended}, failed to open: {failed}")
    intact = listing == b"".join(item.encode() + b"\r\n" for item, _ in ITEMS)
    say(f"list file intact after the soak: {intact}")
    first, last = steady[0], steady[-1]
    say(f"after warm-up ({first[0]} to {last[0]} items): RSS {first[1]} -> {last[1]} KiB, "
        f"fds {first[2]} -> {last[2]}, threads {first[3]} -> {last[3]}")
    say(f"growth per 1,000 items (least squares): RSS {growth['rss']:+.0f} KiB, "
        f"fds {growth['fds']:+.2f}, threads {growth['threads']:+.2f}")
    ok = True
    if deviations:
        ordered = sorted(deviations)
        p99 = ordered[min(len(ordered) - 1, int(len(ordered) * 0.99))]
        say(f"pause against {PAUSE_MS} ms over {len(pauses)} pauses: min {min(deviations):+d} ms, "
            f"median {statistics.median(deviations):+.0f} ms, p99 {p99:+d} ms, "
            f"max {max(deviations):+d} ms, stdev {statistics.pstdev(deviations):.1f} ms")
        outside = [d for d in deviations if abs(d) > PAUSE_GOAL_MS]
        say(f"pauses more than {PAUSE_GOAL_MS} ms off: {len(outside)}")
        for seconds_in, items, off, load in late:
            say(f"  at {seconds_in} s (item {items}): {off:+d} ms, load average {load:.2f}")
        ok &= not outside
    else:
        say("no pause measured")
        ok = False
    ok &= growth["fds"] < 0.5 and growth["threads"] < 0.5 and growth["rss"] < RSS_NOISE_KB
    say("goal met" if ok else "goal missed")
    if out:
        os.makedirs(os.path.dirname(os.path.abspath(out)), exist_ok=True)
        with open(out, "w") as f:
            f.write("\n".join(report) + "\n")
    return 0 if ok else 1


if __name__ == "__main__":
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--seconds", type=float,
                        default=float(os.environ.get("SOAK_SECONDS", "600")))
    parser.add_argument("--out", default=None)
    args = parser.parse_args()
    sys.exit(run(args.seconds, args.out))
