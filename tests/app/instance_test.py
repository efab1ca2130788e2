#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""One running instance, with real processes on a private session bus."""
import os
import selectors
import signal
import subprocess
import sys
import time


class Failure(Exception):
    pass


def expect(what, got, wanted):
    if got != wanted:
        raise Failure(f"{what}: said {got[:40]!r}, not {wanted[:40]!r}")


def run(probe, *args, env=None):
    result = subprocess.run([probe, *args], env=env, capture_output=True, text=True, timeout=20)
    return result.stdout.strip()


def desktop_call(method, *args):
    """Calls the desktop's interface of the running instance, as a launcher does."""
    subprocess.run(["gdbus", "call", "--session", "--dest", "org.hueloupe.Hueloupe",
                    "--object-path", "/org/hueloupe/Hueloupe", "--method",
                    f"org.freedesktop.Application.{method}", *args],
                   check=True, capture_output=True, timeout=20)


def read_line(process, timeout=8.0):
    """The process's next line of output, waited for until a deadline."""
    with selectors.DefaultSelector() as selector:
        selector.register(process.stdout, selectors.EVENT_READ)
        if not selector.select(timeout):
            raise Failure("timed out waiting for the instance")
    return process.stdout.readline().strip()


def main(probe):
    bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address"],
                           stdout=subprocess.PIPE, text=True)
    first = impostor = None
    try:
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = read_line(bus)
        for variable in ("XDG_ACTIVATION_TOKEN", "DESKTOP_STARTUP_ID"):
            os.environ.pop(variable, None)
        first = subprocess.Popen([probe, "serve"], stdout=subprocess.PIPE, text=True)
        expect("the first instance", read_line(first), "Claimed")
        # A launch's token reaches the running window, from either variable.
        for variable, token in [(None, ""), ("XDG_ACTIVATION_TOKEN", " t1"),
                                ("DESKTOP_STARTUP_ID", " t2")]:
            expect(f"a launch with {variable}", run(probe, env=dict(os.environ, **(
                {variable: token.strip()} if variable else {}))), "answer 0")
            expect(f"the first, on a launch with {variable}", read_line(first), "activated" + token)
        for args, expected in [
                (["--pick", "--format={h}°", "--no-copy"], "answer 0 {h}° print"),
                (["--pick", "--format", "cancel"], "answer 1"),
                (["--pick", "--format", "drop"], "answer 1"),
                # What no instance answers is not trusted: this process picks itself.
                (["--pick", "--format", "status 2 "], "alone"),
                (["--pick", "--format", "status 0 a\nb"], "alone"),
                (["--pick", "--format", "long 4097"], "alone"),
                (["--pick", "--format", "long 4096"], "answer 0 " + "y" * 4096)]:
            expect(str(args)[:60], run(probe, *args), expected)
        # A launcher's calls: an unknown action is ignored, a token it could not use is dropped.
        desktop_call("ActivateAction", "frobnicate", "@av []", "{}")
        desktop_call("ActivateAction", "pick", "@av []", "{'desktop-startup-id': <'id-1'>}")
        expect("the pick action", read_line(first), "pick id-1")
        desktop_call("Open", "@as []", "{'activation-token': <'a b'>}")
        expect("Open with a token it cannot use", read_line(first), "activated")
        first.terminate()
        first.wait(timeout=10)
        # The first has gone: the next launch claims the name itself, once the bus has seen it go.
        deadline = time.monotonic() + 8
        while run(probe) != "claimed" and time.monotonic() < deadline:
            time.sleep(0.05)
        expect("a launch once the first has gone", run(probe), "claimed")
        impostor = subprocess.Popen([probe, "impostor"], stdout=subprocess.PIPE, text=True)
        expect("the impostor", read_line(impostor), "Claimed")
        for args in ([], ["--pick"]):
            expect(f"{args} beside an impostor", run(probe, *args), "alone")
        impostor.send_signal(signal.SIGSTOP)  # a hung owner: not waited for
        expect("a pick beside a stopped owner", run(probe, "--pick"), "alone")
    finally:
        for process in (impostor, first, bus):
            if process and process.poll() is None:
                process.kill()
                process.wait(timeout=10)
    print("one instance: all passed")


if __name__ == "__main__":
    try:
        main(sys.argv[1])
    except Failure as failure:
        print(f"FAIL: {failure}")
        sys.exit(1)
