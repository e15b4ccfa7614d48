"""The remote control's figures, each beside its baseline in the same run: a play by OSC against
the SPACE key, a state push after an item's end, and the keys during a flood of datagrams."""
import os
import socket
import statistics
import subprocess
import threading
import time

from quadrel_e2e import Program, wait_for

STARTED_SCRIPT = """#!/bin/sh
date +%s.%N >> "$(dirname "$0")/started.txt"
"""
ENDING_SCRIPT = """#!/bin/sh
date +%s.%N >> "$(dirname "$0")/ended.txt"
"""


def free_port(kind):
    with socket.socket(socket.AF_INET, kind) as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def osc_bytes(address):
    def padded(text):
        raw = text.encode() + b"\0"
        return raw + b"\0" * (-len(raw) % 4)
    return padded(address) + padded(",")


def remote_program(xvfb, script):
    osc_port = free_port(socket.SOCK_DGRAM)
    ini = (f"[Remote]\r\nEnabled=1\r\nOscPort={osc_port}\r\n"
           f"WebPort={free_port(socket.SOCK_STREAM)}\r\nPin=135790\r\n")
    program = Program(xvfb, files={"quadrel.LST": b"item.sh\r\n", "quadrel.INI": ini.encode()})
    os.chmod(program.write("item.sh", script), 0o755)
    program.start()
    window = program.find_window("^Quadrel V")
    wait_for(lambda: os.path.exists(program.path("quadrel.log")) and
             b"listening" in program.read("quadrel.log"), what="the remote to listen")
    return program, window, osc_port


def count_lines(path):
    return len(open(path).read().split()) if os.path.exists(path) else 0


def plays(program, window, runs, press):
    """Seconds from each press to the item's start; `press` starts one play."""
    started = program.path("started.txt")
    times = []
    for _ in range(runs):
        program.key(window, "1")
        time.sleep(0.3)
        before = count_lines(started)
        t0 = time.time()
        press()
        wait_for(lambda: count_lines(started) == before + 1, what="the item to start")
        times.append(float(open(started).read().split()[-1]) - t0)
    return times


def play_by_osc(xvfb, runs):
    program, window, osc_port = remote_program(xvfb, STARTED_SCRIPT)
    try:
        keys, remote = [], []
        # Alternated, so that both see the same machine: each starts one small process.
        for _ in range(runs):
            keys += plays(program, window, 1, lambda: program.xdotool("key", "space"))
            remote += plays(program, window, 1, lambda: subprocess.run(
                ["oscsend", "127.0.0.1", str(osc_port), "/quadrel/go"], check=True))
    finally:
        program.stop()
    yield dict(figure="remote play (OSC) to the item running", ours=statistics.median(remote) * 1000,
               baseline=statistics.median(keys) * 1000, unit="ms", kind="ratio", target=1.1)


def push_after_end(xvfb, runs):
    program, window, osc_port = remote_program(xvfb, ENDING_SCRIPT)
    listener = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
    listener.bind(("127.0.0.1", 0))
    listener.settimeout(20)
    playing_off = osc_bytes("/quadrel/reply/state/playing")[:-4] + b",i\0\0" + b"\0\0\0\0"
    ours, base = [], []
    try:
        subscribe = osc_bytes("/quadrel/subscribe")[:-4] + b",i\0\0" + \
            listener.getsockname()[1].to_bytes(4, "big")
        ended = program.path("ended.txt")
        for _ in range(runs):
            listener.sendto(subscribe, ("127.0.0.1", osc_port))
            program.key(window, "1")
            time.sleep(0.3)
            while True:  # what the subscription and the step sent
                listener.settimeout(0.2)
                try:
                    listener.recv(65536)
                except socket.timeout:
                    break
            listener.settimeout(20)
            program.key(window, "space")
            while listener.recv(65536) != playing_off:
                pass
            received = time.time()
            ours.append(received - float(open(ended).read().split()[-1]))
            # The baseline: the same script's end seen by a parent that waits for it.
            t = subprocess.run(["sh", "-c", f"{program.path('item.sh')}; date +%s.%N"],
                               capture_output=True, text=True, check=True)
            base.append(float(t.stdout.split()[-1]) - float(open(ended).read().split()[-1]))
    finally:
        listener.close()
        program.stop()
    yield dict(figure="state push after an item's end", ours=statistics.median(ours) * 1000,
               baseline=statistics.median(base) * 1000, unit="ms", kind="plus", target=50)


def keys_during_flood(xvfb, runs):
    program, window, osc_port = remote_program(xvfb, STARTED_SCRIPT)
    stop = threading.Event()
    sent = [0]

    def flood():
        # 10,000 datagrams a second: commands it does not know, unread types and garbage.
        packets = [osc_bytes("/quadrel/nothing"), b"\xff" * 37, osc_bytes("/other/address")]
        with socket.socket(socket.AF_INET, socket.SOCK_DGRAM) as s:
            next_batch = time.monotonic()
            while not stop.is_set():
                for i in range(100):
                    s.sendto(packets[i % 3], ("127.0.0.1", osc_port))
                sent[0] += 100
                next_batch += 0.01
                time.sleep(max(0.0, next_batch - time.monotonic()))

    try:
        quiet = plays(program, window, runs, lambda: program.xdotool("key", "space"))
        flooder = threading.Thread(target=flood)
        t0 = time.monotonic()
        flooder.start()
        flooded = plays(program, window, runs, lambda: program.xdotool("key", "space"))
        while time.monotonic() - t0 < 10:
            time.sleep(0.1)
        stop.set()
        flooder.join()
        rate = sent[0] / (time.monotonic() - t0)
    finally:
        stop.set()
        program.stop()
    yield dict(figure=f"play key during an OSC flood ({rate:,.0f}/s for 10 s)",
               ours=statistics.median(flooded) * 1000, baseline=statistics.median(quiet) * 1000,
               unit="ms", kind="overhead", target=16)
