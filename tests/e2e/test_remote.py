"""The remote control from the booth, with real clients: liblo's oscsend and oscdump, curl and a
WebSocket client. Every item is a small script that writes its name to the file "played" beside
the program; "hang.sh" sleeps until it is ended.
"""
import asyncio
import json
import os
import socket
import stat
import subprocess
import tempfile
import time
import unittest

from quadrel_e2e import E2ETestCase, wait_for

PIN = "246810"


def free_port(kind=socket.SOCK_STREAM):
    with socket.socket(socket.AF_INET, kind) as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def outward_address():
    """This machine's address on its network, or None: no packet is sent to find it."""
    with socket.socket(socket.AF_INET, socket.SOCK_DGRAM) as s:
        try:
            s.connect(("10.255.255.255", 9))
            address = s.getsockname()[0]
        except OSError:
            return None
    return None if address.startswith("127.") else address


class Remote(E2ETestCase):
    def remote_program(self, names, listen="127.0.0.1", senders=""):
        self.osc_port = free_port(socket.SOCK_DGRAM)
        self.web_port = free_port()
        self.listen = listen
        ini = (f"[Remote]\r\nEnabled=1\r\nListen={listen}\r\nOscPort={self.osc_port}\r\n"
               f"WebPort={self.web_port}\r\nPin={PIN}\r\nOscSenders={senders}\r\n")
        files = {"quadrel.LST": "".join(n + "\r\n" for n in names).encode(),
                 "quadrel.INI": ini.encode()}
        program = self.program(files=files)
        played = program.path("played")
        for name in names:
            body = f"echo {name} >> '{played}'\n"
            if name == "hang.sh":
                body += "exec sleep 3600\n"
            path = program.write(name, "#!/bin/sh\n" + body)
            os.chmod(path, os.stat(path).st_mode | stat.S_IXUSR)
        self.start_show(program)
        wait_for(lambda: "listening" in self.journal(program, "remote"),
                 what="the remote to listen")
        return program

    def journal(self, program, event):
        path = program.path("quadrel.log")
        if not os.path.isfile(path):
            return ""
        with open(path, "rb") as f:
            lines = f.read().decode(errors="replace").splitlines()
        return "\n".join(line for line in lines if line.split("\t")[1:2] == [event])

    def played(self, program):
        if not os.path.isfile(program.path("played")):
            return []
        with open(program.path("played")) as f:
            return f.read().split()

    def wait_played(self, program, expected):
        wait_for(lambda: self.played(program) == expected, what=f"{expected} to have played")

    def osc(self, address, *args, host="127.0.0.1"):
        types = "".join("i" if isinstance(a, int) else "s" for a in args)
        command = ["oscsend", host, str(self.osc_port), address]
        if args:
            command += [types, *map(str, args)]
        subprocess.run(command, check=True, timeout=30)

    def curl(self, method, path, *headers):
        """(status, body) of a request made by curl."""
        result = subprocess.run(
            ["curl", "-s", "-m", "20", "-X", method, "-o", "-", "-w", "\n%{http_code}",
             *[arg for h in headers for arg in ("-H", h)],
             f"http://{self.listen}:{self.web_port}{path}"],
            capture_output=True, text=True, timeout=30, check=True)
        body, _, status = result.stdout.rpartition("\n")
        return int(status), body

    def token(self):
        status, body = self.curl("POST", "/api/session", f"X-Quadrel-Pin: {PIN}")
        self.assertEqual(status, 200, body)
        return json.loads(body)["token"]

    def api(self, method, path, token):
        status, body = self.curl(method, path, f"X-Quadrel-Token: {token}")
        return status, json.loads(body)


class OscDump:
    """liblo's oscdump listening at a port of its own, its lines collected in a file."""

    def __init__(self, test):
        self.port = free_port(socket.SOCK_DGRAM)
        self.out = tempfile.TemporaryFile("w+")
        self.proc = subprocess.Popen(["oscdump", "-L", str(self.port)], stdout=self.out,
                                     stderr=subprocess.STDOUT)
        test.addCleanup(self.stop)

    def stop(self):
        self.proc.kill()
        self.proc.wait(10)
        self.out.close()

    def lines(self):
        self.out.seek(0)
        return self.out.read().splitlines()

    def wait_line(self, text):
        wait_for(lambda: any(line.endswith(text) for line in self.lines()),
                 what=f"oscdump to show {text!r}")


class OscControl(Remote):
    def test_osc_plays_and_steps_and_pushes_the_state_to_a_subscriber(self):
        program = self.remote_program(["a.sh", "b.sh", "c.sh"])
        dump = OscDump(self)
        # The subscriber listens at its own port, as desks and oscdump do.
        self.osc("/quadrel/subscribe", dump.port)
        dump.wait_line('/quadrel/reply/state/current s "a.sh"')
        self.osc("/quadrel/go")
        self.wait_played(program, ["a.sh"])
        dump.wait_line('/quadrel/reply/state/current s "b.sh"')
        self.osc("/quadrel/next")
        dump.wait_line('/quadrel/reply/state/position i 3')
        self.osc("/quadrel/goto", 1)
        dump.wait_line('/quadrel/reply/state/position i 1')
        self.osc("/quadrel/go", 1)  # a surface's press; its release (0) runs nothing
        self.osc("/quadrel/go", 0)
        self.wait_played(program, ["a.sh", "a.sh"])
        time.sleep(0.5)  # what a second run would have needed; then nothing more may have run
        self.assertEqual(self.played(program), ["a.sh", "a.sh"])

    def test_a_hung_item_is_ended_from_the_remote_and_a_play_meanwhile_is_not_queued(self):
        program = self.remote_program(["hang.sh", "b.sh"])
        token = self.token()
        self.osc("/quadrel/go")
        self.wait_played(program, ["hang.sh"])
        wait_for(lambda: self.api("GET", "/api/state", token)[1]["playing"],
                 what="the state to say playing")
        status, answer = self.api("POST", "/api/go", token)
        self.assertEqual(status, 409, answer)
        self.assertFalse(answer["done"])
        self.osc("/quadrel/end-item")
        wait_for(lambda: "ended from the remote" in self.journal(program, "item ended"),
                 what="the journal to say the item was ended from the remote")
        wait_for(lambda: not self.api("GET", "/api/state", token)[1]["playing"],
                 what="the item's end")
        pgrep = subprocess.run(["pgrep", "-f", "sleep 3600"], capture_output=True)
        self.assertNotEqual(pgrep.returncode, 0, "the item's sleeping child is gone too")
        time.sleep(1)
        self.assertEqual(self.played(program), ["hang.sh"], "the refused play did not run later")
        self.assertEqual(self.api("GET", "/api/state", token)[1]["position"], 2)

    def test_osc_from_an_address_not_allowed_is_dropped_until_it_is_allowed(self):
        address = outward_address()
        if not address:
            self.skipTest("this machine has no network address besides loopback")
        program = self.remote_program(["a.sh"], listen=address)
        # Sent to the network address, the datagram comes from it: not loopback.
        for _ in range(3):
            self.osc("/quadrel/go", host=address)
        wait_for(lambda: "not allowed" in self.journal(program, "remote"),
                 what="the refusal in the journal")
        time.sleep(0.5)
        self.assertEqual(self.played(program), [])
        self.assertEqual(self.journal(program, "remote").count("not allowed"), 1,
                         "noted once per address")
        program.stop()
        allowed = self.remote_program(["a.sh"], listen=address, senders=address)
        self.osc("/quadrel/go", host=address)
        self.wait_played(allowed, ["a.sh"])


class WebApi(Remote):
    def test_the_api_needs_the_pin_and_its_own_host(self):
        program = self.remote_program(["a.sh", "b.sh"])
        status, page = self.curl("GET", "/")
        self.assertEqual(status, 200)
        self.assertIn("<html", page.lower())
        self.assertEqual(self.curl("GET", "/api/state")[0], 401, "no token")
        self.assertEqual(self.curl("POST", "/api/go", "X-Quadrel-Token: 0123")[0], 401)
        token = self.token()
        for foreign in ("Host: evil.example:%d" % self.web_port,
                        "Origin: http://evil.example"):
            self.assertEqual(
                self.curl("POST", "/api/go", f"X-Quadrel-Token: {token}", foreign)[0], 403,
                foreign)
        self.assertEqual(self.played(program), [])
        status, state = self.api("GET", "/api/state", token)
        self.assertEqual((status, state["current"], state["count"]), (200, "a.sh", 2))
        status, answer = self.api("POST", "/api/go", token)
        self.assertEqual((status, answer["done"]), (200, True))
        self.wait_played(program, ["a.sh"])

    def test_five_wrong_pins_lock_the_address_out(self):
        self.remote_program(["a.sh"])
        for _ in range(5):
            self.assertEqual(self.curl("POST", "/api/session", "X-Quadrel-Pin: 000000")[0], 403)
        status, body = self.curl("POST", "/api/session", f"X-Quadrel-Pin: {PIN}")
        self.assertEqual(status, 429, "even the right PIN, for a minute")

    def test_the_events_socket_pushes_every_change(self):
        program = self.remote_program(["a.sh", "b.sh"])
        token = self.token()
        url = f"ws://127.0.0.1:{self.web_port}/api/events?token={token}"

        async def watch():
            import websockets
            async with websockets.connect(url) as ws:
                first = json.loads(await asyncio.wait_for(ws.recv(), 20))
                self.assertEqual(first["position"], 1)
                self.api("POST", "/api/go", token)
                positions = []
                while 2 not in positions:
                    positions.append(json.loads(await asyncio.wait_for(ws.recv(), 20))["position"])
                return positions

        self.assertIn(2, asyncio.run(watch()))
        self.wait_played(program, ["a.sh"])

        async def refused():
            import websockets
            try:
                async with websockets.connect(url.replace(token, "0" * 32)) as ws:
                    await ws.recv()
            except Exception as error:  # the handshake is answered 401
                return str(error)
            return "accepted"

        self.assertIn("401", asyncio.run(refused()))


if __name__ == "__main__":
    unittest.main()
